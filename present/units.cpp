#include "present/units.h"

#include <iterator>

namespace ostrel {

void StoreForceFactor(CalcState& s, std::int16_t index) {
  if (index >= 0 && index < static_cast<int>(std::size(kForceUnits))) {
    s.ForceFactor = kForceUnits[index].factor;
  }
}

}  // namespace ostrel
