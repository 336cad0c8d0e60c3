#include "core/fp_status.h"

#include <cfenv>

namespace ostrel::fp {

// Out of line on purpose: an opaque call keeps every store before it and every operation that
// may raise a flag on its own side.
void Clear() {
  std::feclearexcept(FE_ALL_EXCEPT);
}

Fault Check() {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  if (raised & FE_DIVBYZERO) return Fault::DivisionByZero;
  if (raised & (FE_OVERFLOW | FE_INVALID)) return Fault::Overflow;
  return Fault::None;
}

}  // namespace ostrel::fp
