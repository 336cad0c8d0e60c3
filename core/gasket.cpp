#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {

Fault GasketCalc(CalcState& s) {
  fp::Clear();
  const double sqrt2 = std::sqrt(2.0);
  const double sqrt6 = std::sqrt(6.0);

  s.InnerLongEdge = s.OEL;
  const double d = fp::Keep(double{s.OEL} - s.TEL);
  OSTREL_CHECK();

  s.GasketThickness = static_cast<float>((sqrt2 * d) / 3);
  OSTREL_CHECK();

  s.InnerShortEdge = static_cast<float>(((2 * double{s.TEL}) + s.OEL) / 3);
  OSTREL_CHECK();

  const double cube = std::pow(double{s.OEL}, 3.0);
  s.OctahedronVolume = static_cast<float>((sqrt2 / 3) * cube);
  OSTREL_CHECK();

  s.HoleLength = static_cast<float>((sqrt6 * s.OEL) / 3);
  OSTREL_CHECK();

  const double e = fp::Keep(double{s.OEL} - s.TEL);
  OSTREL_CHECK();
  s.OctahedronWaist = static_cast<float>(e / 6);
  OSTREL_CHECK();
  return Fault::None;
}

Fault OuterCalc(CalcState& s) {
  fp::Clear();
  const double width2 = 2 * double{s.GasketWidth};

  // The edges are rounded to float before any is stored; a rounding that overflows is caught by
  // the check of the step after it, which is why each rounding waits for the next check.
  const double short_edge = fp::Keep(width2 + s.InnerShortEdge);
  OSTREL_CHECK();
  const float s_rounded = fp::Keep(static_cast<float>(short_edge));

  const double long_edge = fp::Keep(width2 + s.InnerLongEdge);
  OSTREL_CHECK();
  const float l_rounded = fp::Keep(static_cast<float>(long_edge));

  s.OuterShortEdge = s_rounded;
  s.OuterLongEdge = l_rounded;
  const double p = fp::Keep(double{l_rounded} + s.InnerLongEdge);
  OSTREL_CHECK();

  const double a = (p / 2) * 6;
  const double q = fp::Keep(double{s_rounded} + s.InnerShortEdge);
  OSTREL_CHECK();
  const double b = (q / 2) * 6;

  // Twelve gaskets, each its mean edge length times thickness times width: a volume.
  s.GasketVolume = static_cast<float>(((a + b) * s.GasketThickness) * s.GasketWidth);
  OSTREL_CHECK();
  return Fault::None;
}

}  // namespace ostrel
