#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {

Fault HoleCalc(CalcState& s) {
  fp::Clear();
  const double r = fp::Keep(double{s.HoleDiameter} / 2);
  OSTREL_CHECK();
  const double r_squared = std::pow(r, 2.0);
  const double length_pi = double{s.HoleLength} * kPi;
  s.HoleVolume = static_cast<float>(r_squared * length_pi);
  OSTREL_CHECK();
  return Fault::None;
}

}  // namespace ostrel
