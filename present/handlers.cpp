// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "present/handlers.h"

#include <initializer_list>
#include <string>

#include "core/calc.h"
#include "core/fault_site.h"
#include "core/fp_status.h"
#include "present/input.h"
#include "present/show_results.h"
#include "present/units.h"

namespace ostrel {
namespace {

// One input box of a Calc button: the field it stores into and the unit factor its typed
// number is divided by.
struct Input {
  Box box;
  float CalcState::*field;
  float CalcState::*factor;
};

// The typed number is in display units; the field holds internal units. A quotient beyond the
// float range is stored as an infinity before the check reports it. A fault names the box and
// the text it read.
Fault ReadInput(CalcState& s, View& view, const Input& input, FaultLocation& where) {
  const std::string text = view.BoxText(input.box);
  fp::Clear();
  const std::string separator = view.DecimalSeparator();
  fp::Clear();
  const ReadResult read = ReadNumber(text, separator);
  Fault fault = read.fault;
  if (fault == Fault::None) {
    fp::Clear();
    s.*input.field = fp::Keep(static_cast<float>(double{read.value} / double{s.*input.factor}));
    fault = fp::Check();
  }
  if (fault != Fault::None) {
    where = FaultLocation{};
    where.place = FaultPlace::Reading;
    where.box = input.box;
    where.text = text;
  }
  return fault;
}

using Procedure = Fault (*)(CalcState&, FaultSite&);

// A Calc button: its inputs in order, each read only once the one before succeeded, then its
// section's procedure (none for the ram and oil group, whose results the refresh computes),
// then the refresh.
Fault CalcButton(CalcState& s, View& view, std::initializer_list<Input> inputs, Procedure procedure,
                 FaultLocation& where) {
  for (const Input& input : inputs) {
    if (const Fault f = ReadInput(s, view, input, where); f != Fault::None) return f;
  }
  if (procedure != nullptr) {
    FaultSite site;
    if (const Fault f = procedure(s, site); f != Fault::None) {
      where = CalculationLocation(site, s);
      return f;
    }
  }
  return ShowResults(s, view, where);
}

using S = CalcState;

}  // namespace

Fault Handlers::Finish(Fault fault) {
  if (fault == Fault::None) location_ = FaultLocation{};
  return fault;
}

Fault Handlers::Form_Load() {
  StoreStartupDesign(s_);
  // The window opens on millimetres, MPa and kN, so the last two selections click their options
  // and each refreshes at once with what is stored so far.
  view_.SelectOption(Group::optDistanceUnits, 0);
  fp::Clear();
  view_.SelectOption(Group::optOilPressureUnits, 2);
  fp::Clear();
  view_.SelectOption(Group::optForceUnits, 2);
  fp::Clear();
  StoreStartupPress(s_);
  FaultSite site;
  if (const Fault f = All_Calc(s_, site); f != Fault::None) {
    location_ = CalculationLocation(site, s_);
    return f;
  }
  return Finish(ShowResults(s_, view_, location_));
}

Fault Handlers::cmdCalc_Click() {
  return Finish(CalcButton(
      s_, view_, {{Box::txtOEL, &S::OEL, &S::DistFactor}, {Box::txtTEL, &S::TEL, &S::DistFactor}},
      GasketCalc, location_));
}

Fault Handlers::cmdOuterCalc_Click() {
  return Finish(CalcButton(s_, view_, {{Box::txtGasketWidth, &S::GasketWidth, &S::DistFactor}},
                           OuterCalc, location_));
}

Fault Handlers::cmdHole_Click() {
  return Finish(CalcButton(s_, view_, {{Box::txtHoleDiameter, &S::HoleDiameter, &S::DistFactor}},
                           HoleCalc, location_));
}

Fault Handlers::cmdTCCalc_Click() {
  return Finish(CalcButton(s_, view_,
                           {{Box::txtTCCentralDepth, &S::TCCentralDepth, &S::DistFactor},
                            {Box::txtTCEdgePosition, &S::TCEdgePosition, &S::DistFactor}},
                           TCCalc, location_));
}

Fault Handlers::cmdPaperAndTape_Click() {
  return Finish(CalcButton(s_, view_,
                           {{Box::txtCubeSize, &S::CubeSize, &S::DistFactor},
                            {Box::txtTapeThickness, &S::TapeThickness, &S::DistFactor}},
                           PaperCalc, location_));
}

Fault Handlers::cmdRam_Click() {
  return Finish(CalcButton(s_, view_,
                           {{Box::txtRamDiameter, &S::RamDiameter, &S::DistFactor},
                            {Box::txtOilPressure, &S::OilPressure, &S::OilFactor}},
                           nullptr, location_));
}

Fault Handlers::cmdWhichPress_Click(std::int16_t index) {
  StorePressPreset(s_, index);
  return Refresh();
}

Fault Handlers::optDistanceUnits_Click(std::int16_t) {
  return Refresh();
}

Fault Handlers::optOilPressureUnits_Click(std::int16_t) {
  return Refresh();
}

Fault Handlers::optForceUnits_Click(std::int16_t index) {
  StoreForceFactor(s_, index);
  return Refresh();
}

Fault Handlers::Refresh() {
  return Finish(ShowResults(s_, view_, location_));
}

}  // namespace ostrel
