#include "core/calc.h"
#include "core/check.h"

namespace ostrel {

Fault PaperCalc(CalcState& s) {
  fp::Clear();
  // Computed afresh from the inputs, not read from OuterShortEdge, so it follows OEL and TEL even
  // when the gasket section has not been recalculated.
  s.PaperHole = static_cast<float>(((2 * double{s.TEL}) + s.OEL) / 3 + (2 * double{s.GasketWidth}));
  OSTREL_CHECK();
  s.PaperWidth = static_cast<float>(2 * double{s.CubeSize});
  OSTREL_CHECK();
  s.ModifiedGasketThickness = static_cast<float>(double{s.GasketThickness} - s.TapeThickness);
  OSTREL_CHECK();
  return Fault::None;
}

}  // namespace ostrel
