// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/show_results.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calc.h"
#include "core/fp_status.h"
#include "present/box_forms.h"
#include "present/box_labels.h"
#include "present/units.h"

namespace ostrel {
namespace {

// Which unit factor converts a box's field into its display unit.
enum class FactorKind {
  Distance,
  DistanceCubed,  // volumes
  OilPressure,
  Force,
  None,  // angles and the theoretical pressure have one unit only
};

enum class Rendering {
  Plain,    // inputs: converted, unrounded, SingleText
  Scaled,   // rounded to a step of the display unit, DoubleText
  Stepped,  // rounded to 1/step of the internal unit, SingleText
};

struct BoxRow {
  Box box;
  float CalcState::*field;
  FactorKind factor;
  Rendering rendering;
  float step;  // Stepped only
};

using FK = FactorKind;
using R = Rendering;
using S = CalcState;

constexpr BoxRow kRows[kBoxCount] = {
    {Box::txtOEL, &S::OEL, FK::Distance, R::Plain, 0},
    {Box::txtTEL, &S::TEL, FK::Distance, R::Plain, 0},
    {Box::txtGasketWidth, &S::GasketWidth, FK::Distance, R::Plain, 0},
    {Box::txtHoleDiameter, &S::HoleDiameter, FK::Distance, R::Plain, 0},
    {Box::txtTCCentralDepth, &S::TCCentralDepth, FK::Distance, R::Plain, 0},
    {Box::txtTCEdgePosition, &S::TCEdgePosition, FK::Distance, R::Plain, 0},
    {Box::txtCubeSize, &S::CubeSize, FK::Distance, R::Plain, 0},
    {Box::txtTapeThickness, &S::TapeThickness, FK::Distance, R::Plain, 0},
    {Box::txtGasketThickness, &S::GasketThickness, FK::Distance, R::Scaled, 0},
    {Box::txtInnerShortEdge, &S::InnerShortEdge, FK::Distance, R::Scaled, 0},
    {Box::txtInnerLongEdge, &S::InnerLongEdge, FK::Distance, R::Scaled, 0},
    {Box::txtOctahedronVolume, &S::OctahedronVolume, FK::DistanceCubed, R::Scaled, 0},
    {Box::txtHoleLength, &S::HoleLength, FK::Distance, R::Scaled, 0},
    {Box::txtOctahedronWaist, &S::OctahedronWaist, FK::Distance, R::Scaled, 0},
    {Box::txtOuterShortEdge, &S::OuterShortEdge, FK::Distance, R::Scaled, 0},
    {Box::txtOuterLongEdge, &S::OuterLongEdge, FK::Distance, R::Scaled, 0},
    {Box::txtGasketVolume, &S::GasketVolume, FK::DistanceCubed, R::Scaled, 0},
    {Box::txtHoleVolume, &S::HoleVolume, FK::DistanceCubed, R::Scaled, 0},
    {Box::txtSpreadAngle, &S::SpreadAngle, FK::None, R::Stepped, 100},
    {Box::txtRakeAngle, &S::RakeAngle, FK::None, R::Stepped, 100},
    {Box::txtPaperHole, &S::PaperHole, FK::Distance, R::Scaled, 0},
    {Box::txtPaperWidth, &S::PaperWidth, FK::Distance, R::Scaled, 0},
    {Box::txtModifiedGasketThickness, &S::ModifiedGasketThickness, FK::Distance, R::Scaled, 0},
    {Box::txtRamDiameter, &S::RamDiameter, FK::Distance, R::Scaled, 0},
    {Box::txtOilPressure, &S::OilPressure, FK::OilPressure, R::Scaled, 0},
    {Box::txtForce, &S::Force, FK::Force, R::Scaled, 0},
    {Box::txtTheoreticalPressure, &S::TheoreticalPressure, FK::None, R::Stepped, 10},
};

constexpr bool RowsInBoxOrder() {
  for (int i = 0; i < kBoxCount; ++i) {
    if (kRows[i].box != static_cast<Box>(i)) return false;
  }
  return true;
}
static_assert(RowsInBoxOrder(), "the boxes are written in Box order");

// Plain and scaled boxes convert with a unit factor; stepped ones have one unit and a step.
constexpr bool RowsConsistent() {
  for (const BoxRow& row : kRows) {
    const bool has_factor = row.factor != FactorKind::None;
    if ((row.rendering == Rendering::Stepped) == has_factor) return false;
    if ((row.rendering == Rendering::Stepped) != (row.step > 0)) return false;
  }
  return true;
}
static_assert(RowsConsistent(), "every row has either a unit factor or a step");

// The press steps run right after these boxes are written.
constexpr Box kBeforeForceStep = Box::txtOilPressure;
constexpr Box kBeforePressureStep = Box::txtForce;

// Display steps per display unit, 0 where a group has no selection: 0 makes the first box that
// uses it divide 0 by 0, so a missing selection faults there instead of showing a wrong unit.
struct Scales {
  std::int32_t distance = 0;
  std::int32_t oil_pressure = 0;
  std::int32_t force = 0;
};

// The first selected option in Index order stores its factor and sets the scale; with none
// selected both stay as they were. Returns the option read, -1 for none.
template <std::size_t N>
int ReadGroup(const View& view, Group group, const UnitOption (&options)[N], float& factor,
              std::int32_t& scale) {
  const int selected = FirstSelectedOption(view, group);
  // The window's code may leave flags raised while it answers.
  fp::Clear();
  if (selected < 0 || static_cast<std::size_t>(selected) >= N) return -1;
  factor = options[selected].factor;
  scale = options[selected].scale;
  return selected;
}

// A volume's factor is the cube of the length factor, taken in double; multiplying it by the
// field first or second gives the same product.
double FactorOf(FactorKind kind, const CalcState& s) {
  switch (kind) {
    case FactorKind::Distance:
      return s.DistFactor;
    case FactorKind::DistanceCubed:
      return std::pow(double{s.DistFactor}, 3.0);
    case FactorKind::OilPressure:
      return s.OilFactor;
    case FactorKind::Force:
      return s.ForceFactor;
    case FactorKind::None:
      break;
  }
  return 1.0;
}

std::int32_t ScaleOf(FactorKind kind, const Scales& scales) {
  switch (kind) {
    case FactorKind::Distance:
    case FactorKind::DistanceCubed:
      return scales.distance;
    case FactorKind::OilPressure:
      return scales.oil_pressure;
    case FactorKind::Force:
      return scales.force;
    case FactorKind::None:
      break;
  }
  return 0;
}

BoxValue Render(const BoxRow& row, const CalcState& s, const Scales& scales,
                std::string_view separator) {
  const double field = s.*row.field;
  switch (row.rendering) {
    case Rendering::Plain:
      return PlainForm(field, FactorOf(row.factor, s), separator);
    case Rendering::Scaled:
      return ScaledForm(field, FactorOf(row.factor, s), ScaleOf(row.factor, scales), separator);
    case Rendering::Stepped:
      break;
  }
  return SteppedForm(field, row.step, separator);
}

}  // namespace

Fault ShowResults(CalcState& s, View& view) {
  FaultLocation unused;
  return ShowResults(s, view, unused);
}

Fault ShowResults(CalcState& s, View& view, FaultLocation& where) {
  fp::Clear();
  Scales scales;
  UnitChoice units;
  units.force = ReadGroup(view, Group::optForceUnits, kForceUnits, s.ForceFactor, scales.force);
  units.oil_pressure = ReadGroup(view, Group::optOilPressureUnits, kOilPressureUnits, s.OilFactor,
                                 scales.oil_pressure);
  units.distance =
      ReadGroup(view, Group::optDistanceUnits, kDistanceUnits, s.DistFactor, scales.distance);
  const std::string separator = view.DecimalSeparator();
  fp::Clear();

  for (const BoxRow& row : kRows) {
    BoxValue value = Render(row, s, scales, separator);
    if (value.fault != Fault::None) {
      where = FaultLocation{};
      where.place = FaultPlace::Display;
      where.box = row.box;
      where.value = double{s.*row.field} * FactorOf(row.factor, s);
      where.units = units;
      return value.fault;
    }
    view.SetBoxText(row.box, value.text);
    fp::Clear();

    if (row.box == kBeforeForceStep || row.box == kBeforePressureStep) {
      FaultSite site;
      const Fault f = row.box == kBeforeForceStep ? ForceStep(s, site) : PressureStep(s, site);
      if (f != Fault::None) {
        where = CalculationLocation(site, s);
        return f;
      }
    }
  }
  return Fault::None;
}

std::string RefreshText(const CalcState& s, const View& view, Box box) {
  CalcState copy = s;
  Scales scales;
  ReadGroup(view, Group::optForceUnits, kForceUnits, copy.ForceFactor, scales.force);
  ReadGroup(view, Group::optOilPressureUnits, kOilPressureUnits, copy.OilFactor,
            scales.oil_pressure);
  ReadGroup(view, Group::optDistanceUnits, kDistanceUnits, copy.DistFactor, scales.distance);
  const std::string separator = view.DecimalSeparator();
  fp::Clear();
  const BoxValue value = Render(kRows[static_cast<int>(box)], copy, scales, separator);
  fp::Clear();
  return value.fault == Fault::None ? value.text : std::string();
}

bool BoxOfField(Field field, Box& box) {
  for (const BoxRow& row : kRows) {
    if (row.field == field) {
      box = row.box;
      return true;
    }
  }
  return false;
}

}  // namespace ostrel
