#include <cmath>

#include "core/calc.h"
#include "core/check.h"

namespace ostrel {

Fault ForceStep(CalcState& s) {
  fp::Clear();
  const double h = fp::Keep(double{s.RamDiameter} / 2);
  OSTREL_CHECK();
  const double q = std::pow(h, 2.0);
  const double p = double{s.OilPressure} * kPi;
  // mm^2 times N/mm^2 is newtons; the result is held in kN.
  s.Force = static_cast<float>(q * p / 1000);
  OSTREL_CHECK();
  return Fault::None;
}

Fault PressureStep(CalcState& s) {
  fp::Clear();
  const double tel = s.TEL;
  // The loaded area: TEL * 2 first, then times TEL, times sqrt 3, halved.
  const double area = tel * (tel * 2) * std::sqrt(3.0) / 2;
  s.TheoreticalPressure = static_cast<float>(s.Force / area);
  OSTREL_CHECK();
  return Fault::None;
}

void StorePressPreset(CalcState& s, std::int16_t index) {
  if (index >= 0 && index < kPressPresetCount) s.RamDiameter = kPressPresets[index];
}

}  // namespace ostrel
