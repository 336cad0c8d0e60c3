#include <initializer_list>

#include "core/calc.h"

namespace ostrel {

Fault All_Calc(CalcState& s) {
  // OuterCalc, HoleCalc and PaperCalc read what GasketCalc has just stored, so it goes first.
  for (Fault (*procedure)(CalcState&) : {GasketCalc, OuterCalc, HoleCalc, TCCalc, PaperCalc}) {
    if (const Fault f = procedure(s); f != Fault::None) return f;
  }
  return Fault::None;
}

}  // namespace ostrel
