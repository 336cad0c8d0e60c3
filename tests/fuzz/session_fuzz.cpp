// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// A user session without Qt: the bytes choose the separator and a sequence of actions (typing any
// text into any of the 27 boxes, any Calc button, any press preset, any unit option) run through
// the handlers against a fake window that raises stray floating-point flags on every call if the
// first byte says so. After every action:
//  - typing changes that box's text and nothing else;
//  - a handler reports at most one fault, and its box writes are a prefix of the refresh order:
//    all 27 boxes without a fault, and after a fault inside the refresh the boxes from the
//    faulting one on still hold their old text;
//  - only the fields that the handler may write have changed (compared bit for bit);
//  - the outcome is the one the documented steps give when run one by one on a copy (each input
//    read as the reader reads it and divided by its unit factor, the section's procedure, the
//    refresh), in fault, every field's bits, every box's text and the order of the writes.
#include <array>
#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "core/calc.h"
#include "core/calc_state.h"
#include "core/fp_status.h"
#include "present/handlers.h"
#include "present/input.h"
#include "present/show_results.h"
#include "present/units.h"
#include "tests/support/fake_view.h"
#include "tests/support/hostile_texts.h"

namespace {

using ostrel::Box;
using ostrel::CalcState;
using ostrel::Fault;
using ostrel::Group;
using ostrel::Handlers;
using ostrel::kBoxCount;
using ostrel::test_support::FakeView;

// The fields of CalcState in declared order, so that a change can be named and checked bit for bit.
enum class F {
  VecA,
  VecB,
  DistFactor,
  OilFactor,
  ForceFactor,
  OEL,
  TEL,
  GasketThickness,
  OctahedronWaist,
  InnerLongEdge,
  OctahedronVolume,
  GasketWidth,
  OuterShortEdge,
  OuterLongEdge,
  GasketVolume,
  InnerShortEdge,
  HoleDiameter,
  HoleLength,
  HoleVolume,
  OilPressure,
  RamDiameter,
  Force,
  TheoreticalPressure,
  TCCentralDepth,
  TCEdgePosition,
  RakeAngle,
  SpreadAngle,
  CubeSize,
  TapeThickness,
  ModifiedGasketThickness,
  PaperWidth,
  PaperHole,
  Count
};

struct FieldRow {
  const char* name;
  std::size_t offset;
  std::size_t size;
};

#define OSTREL_FIELD(f)                              \
  FieldRow {                                         \
#f, offsetof(CalcState, f), sizeof(CalcState::f) \
  }
constexpr FieldRow kFields[] = {OSTREL_FIELD(VecA),
                                OSTREL_FIELD(VecB),
                                OSTREL_FIELD(DistFactor),
                                OSTREL_FIELD(OilFactor),
                                OSTREL_FIELD(ForceFactor),
                                OSTREL_FIELD(OEL),
                                OSTREL_FIELD(TEL),
                                OSTREL_FIELD(GasketThickness),
                                OSTREL_FIELD(OctahedronWaist),
                                OSTREL_FIELD(InnerLongEdge),
                                OSTREL_FIELD(OctahedronVolume),
                                OSTREL_FIELD(GasketWidth),
                                OSTREL_FIELD(OuterShortEdge),
                                OSTREL_FIELD(OuterLongEdge),
                                OSTREL_FIELD(GasketVolume),
                                OSTREL_FIELD(InnerShortEdge),
                                OSTREL_FIELD(HoleDiameter),
                                OSTREL_FIELD(HoleLength),
                                OSTREL_FIELD(HoleVolume),
                                OSTREL_FIELD(OilPressure),
                                OSTREL_FIELD(RamDiameter),
                                OSTREL_FIELD(Force),
                                OSTREL_FIELD(TheoreticalPressure),
                                OSTREL_FIELD(TCCentralDepth),
                                OSTREL_FIELD(TCEdgePosition),
                                OSTREL_FIELD(RakeAngle),
                                OSTREL_FIELD(SpreadAngle),
                                OSTREL_FIELD(CubeSize),
                                OSTREL_FIELD(TapeThickness),
                                OSTREL_FIELD(ModifiedGasketThickness),
                                OSTREL_FIELD(PaperWidth),
                                OSTREL_FIELD(PaperHole)};
#undef OSTREL_FIELD
static_assert(std::size(kFields) == static_cast<std::size_t>(F::Count));

constexpr std::size_t FieldBytes() {
  std::size_t n = 0;
  for (const FieldRow& f : kFields) n += f.size;
  return n;
}
// A field added to CalcState without a row here would escape every check.
static_assert(FieldBytes() == sizeof(CalcState));

using Mask = std::uint64_t;
constexpr Mask Bit(F f) {
  return Mask{1} << static_cast<int>(f);
}
template <typename... Fs>
constexpr Mask Fields(Fs... fs) {
  return (Bit(fs) | ...);
}

// What every refresh may store: the unit factors and the two press results.
constexpr Mask kRefresh =
    Fields(F::DistFactor, F::OilFactor, F::ForceFactor, F::Force, F::TheoreticalPressure);

float& FieldOf(CalcState& s, F f) {
  return *reinterpret_cast<float*>(reinterpret_cast<unsigned char*>(&s) +
                                   kFields[static_cast<int>(f)].offset);
}

struct Input {
  Box box;
  F field;
  F factor;
};

struct CalcButton {
  const char* name;
  Fault (Handlers::*click)();
  Input inputs[2];
  int input_count;
  Fault (*procedure)(CalcState&);
  Mask writes;  // besides kRefresh
};

Fault NoProcedure(CalcState&) {
  return Fault::None;
}

const CalcButton kCalcButtons[] = {
    {"cmdCalc_Click",
     &Handlers::cmdCalc_Click,
     {{Box::txtOEL, F::OEL, F::DistFactor}, {Box::txtTEL, F::TEL, F::DistFactor}},
     2,
     ostrel::GasketCalc,
     Fields(F::OEL, F::TEL, F::InnerLongEdge, F::GasketThickness, F::InnerShortEdge,
            F::OctahedronVolume, F::HoleLength, F::OctahedronWaist)},
    {"cmdOuterCalc_Click",
     &Handlers::cmdOuterCalc_Click,
     {{Box::txtGasketWidth, F::GasketWidth, F::DistFactor}, {}},
     1,
     ostrel::OuterCalc,
     Fields(F::GasketWidth, F::OuterShortEdge, F::OuterLongEdge, F::GasketVolume)},
    {"cmdHole_Click",
     &Handlers::cmdHole_Click,
     {{Box::txtHoleDiameter, F::HoleDiameter, F::DistFactor}, {}},
     1,
     ostrel::HoleCalc,
     Fields(F::HoleDiameter, F::HoleVolume)},
    {"cmdTCCalc_Click",
     &Handlers::cmdTCCalc_Click,
     {{Box::txtTCCentralDepth, F::TCCentralDepth, F::DistFactor},
      {Box::txtTCEdgePosition, F::TCEdgePosition, F::DistFactor}},
     2,
     ostrel::TCCalc,
     Fields(F::TCCentralDepth, F::TCEdgePosition, F::VecA, F::VecB, F::SpreadAngle, F::RakeAngle)},
    {"cmdPaperAndTape_Click",
     &Handlers::cmdPaperAndTape_Click,
     {{Box::txtCubeSize, F::CubeSize, F::DistFactor},
      {Box::txtTapeThickness, F::TapeThickness, F::DistFactor}},
     2,
     ostrel::PaperCalc,
     Fields(F::CubeSize, F::TapeThickness, F::PaperHole, F::PaperWidth,
            F::ModifiedGasketThickness)},
    {"cmdRam_Click",
     &Handlers::cmdRam_Click,
     {{Box::txtRamDiameter, F::RamDiameter, F::DistFactor},
      {Box::txtOilPressure, F::OilPressure, F::OilFactor}},
     2,
     NoProcedure,
     Fields(F::RamDiameter, F::OilPressure)},
};

constexpr Mask kPresetWrites = Fields(F::RamDiameter);
constexpr Mask kOptionWrites = 0;

// What the sessions did, for the reliability figures: printed at exit when OSTREL_FUZZ_STATS is
// set.
struct Tally {
  std::uint64_t inputs = 0;
  std::uint64_t typed = 0;
  std::uint64_t idle_clicks = 0;
  std::uint64_t handlers = 0;
  std::uint64_t faults[4] = {};  // by Fault
};
Tally tally;

void PrintTally() {
  std::fprintf(
      stderr,
      "session_fuzz tally: %llu sessions, %llu typing, %llu clicks that ran nothing, "
      "%llu handler runs; faults: %llu type mismatch, %llu overflow, %llu division by "
      "zero\n",
      static_cast<unsigned long long>(tally.inputs), static_cast<unsigned long long>(tally.typed),
      static_cast<unsigned long long>(tally.idle_clicks),
      static_cast<unsigned long long>(tally.handlers),
      static_cast<unsigned long long>(tally.faults[static_cast<int>(Fault::TypeMismatch)]),
      static_cast<unsigned long long>(tally.faults[static_cast<int>(Fault::Overflow)]),
      static_cast<unsigned long long>(tally.faults[static_cast<int>(Fault::DivisionByZero)]));
}

// One action's outcome, as the handler left it or as the steps give it.
struct Outcome {
  Fault fault = Fault::None;
  CalcState state;
  std::vector<Box> reads;
  std::vector<Box> writes;
  std::array<std::string, kBoxCount> texts;
};

class Session {
 public:
  Session(char separator, int noisy_flags)
      : view_(std::string(1, separator)), handlers_(state_, view_) {
    view_.Attach(&handlers_);
    view_.SetNoisyFlags(noisy_flags);
    view_.Report(handlers_.Form_Load());
    if (!view_.Reports().empty()) Fail("the start-up design faults");
  }

  void Type(Box box, const std::string& text) {
    ++tally.typed;
    const CalcState before = state_;
    const auto texts = view_.Texts();
    view_.ClearLogs();
    view_.Type(box, text);
    action_ = "typing";
    if (!view_.Reads().empty() || !view_.Writes().empty() || !view_.Reports().empty())
      Fail("typing ran a handler");
    CheckFields(before, 0);
    for (int b = 0; b < kBoxCount; ++b) {
      if (b != static_cast<int>(box) && view_.Texts()[b] != texts[b])
        Fail("typing changed another box");
    }
    if (view_.Text(box) != text) Fail("typing lost its text");
  }

  void Calc(const CalcButton& button) {
    action_ = button.name;
    Outcome expected = Start();
    for (int i = 0; i < button.input_count && expected.fault == Fault::None; ++i) {
      const Input& in = button.inputs[i];
      expected.reads.push_back(in.box);
      const ostrel::ReadResult r = ostrel::ReadNumber(view_.Text(in.box), view_.Separator());
      if (r.fault != Fault::None) {
        expected.fault = r.fault;
        break;
      }
      ostrel::fp::Clear();
      const double quotient =
          ostrel::fp::Keep(double{r.value} / double{FieldOf(expected.state, in.factor)});
      FieldOf(expected.state, in.field) = static_cast<float>(quotient);
      expected.fault = ostrel::fp::Check();
    }
    if (expected.fault == Fault::None) expected.fault = button.procedure(expected.state);
    Finish(
        expected, [&] { return (handlers_.*button.click)(); }, button.writes);
  }

  void Preset(std::int16_t index) {
    action_ = "cmdWhichPress_Click";
    Outcome expected = Start();
    ostrel::StorePressPreset(expected.state, index);
    Finish(
        expected, [&] { return handlers_.cmdWhichPress_Click(index); }, kPresetWrites);
  }

  // A click on an option in the window; a click on the selected one runs nothing.
  void Option(Group group, int index) {
    action_ = "option click";
    const int g = static_cast<int>(group);
    if (index >= ostrel::test_support::kGroupSize[g] || view_.Selected(group) == index) {
      ++tally.idle_clicks;
      const CalcState before = state_;
      const auto texts = view_.Texts();
      view_.ClearLogs();
      view_.Click(group, index);
      if (!view_.Writes().empty() || !view_.Reports().empty() || view_.Texts() != texts)
        Fail("a click that selects nothing ran a handler");
      CheckFields(before, 0);
      return;
    }
    FakeView model_view = view_;
    model_view.Attach(nullptr);
    model_view.Click(group, index);
    OptionHandler(group, static_cast<std::int16_t>(index), &model_view, [&] {
      view_.Click(group, index);
      return view_.Reports().empty() ? Fault::None : view_.Reports().front();
    });
  }

  // An option handler run with any Index, as a direct caller of the handlers may.
  void OptionHandlerDirect(Group group, std::int16_t index) {
    action_ = "option handler";
    OptionHandler(group, index, nullptr, [&] {
      switch (group) {
        case Group::optDistanceUnits:
          return handlers_.optDistanceUnits_Click(index);
        case Group::optOilPressureUnits:
          return handlers_.optOilPressureUnits_Click(index);
        case Group::optForceUnits:
          break;
      }
      return handlers_.optForceUnits_Click(index);
    });
  }

  void Deselect(Group group) { view_.Deselect(group); }

 private:
  Outcome Start() {
    Outcome o;
    o.state = state_;
    o.texts = view_.Texts();
    model_view_ = view_;
    model_view_.Attach(nullptr);
    model_view_.SetNoisyFlags(0);
    model_view_.ClearLogs();
    return o;
  }

  template <typename Run>
  void OptionHandler(Group group, std::int16_t index, const FakeView* selected, Run run) {
    Outcome expected = Start();
    if (selected) {
      model_view_ = *selected;
      model_view_.SetNoisyFlags(0);
      model_view_.ClearLogs();
    }
    if (group == Group::optForceUnits) ostrel::StoreForceFactor(expected.state, index);
    Finish(expected, run, kOptionWrites);
  }

  // Runs the handler, then the refresh of the expected outcome if the steps before it passed,
  // and compares.
  template <typename Run>
  void Finish(Outcome& expected, Run run, Mask writes) {
    const CalcState before = state_;
    const auto texts = view_.Texts();
    if (expected.fault == Fault::None) {
      expected.fault = ostrel::ShowResults(expected.state, model_view_);
      expected.writes = model_view_.Writes();
      expected.texts = model_view_.Texts();
    }
    view_.ClearLogs();
    // Stray flags left by earlier code must not become the handler's fault either.
    std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    const Fault fault = run();
    view_.Report(fault == Fault::None || !view_.Reports().empty() ? Fault::None : fault);
    ++tally.handlers;
    ++tally.faults[static_cast<int>(fault)];

    const std::vector<Fault>& reports = view_.Reports();
    if (fault == Fault::None ? !reports.empty() : reports.size() != 1 || reports[0] != fault)
      Fail("the fault is not reported exactly once");
    const std::vector<Box>& w = view_.Writes();
    for (std::size_t i = 0; i < w.size(); ++i) {
      if (static_cast<std::size_t>(w[i]) != i) Fail("boxes written out of the refresh order");
    }
    if (fault == Fault::None && w.size() != kBoxCount)
      Fail("a handler ended without a full refresh");
    if (fault != Fault::None && w.size() == kBoxCount) Fail("a fault after the last box");
    for (std::size_t b = w.size(); b < kBoxCount; ++b) {
      if (view_.Texts()[b] != texts[b]) Fail("a box after the fault lost its old text");
    }
    CheckFields(before, writes | kRefresh);

    if (fault != expected.fault) Fail("a fault other than the steps give");
    if (std::memcmp(&state_, &expected.state, sizeof state_) != 0)
      Fail("fields other than the steps give");
    if (w != expected.writes || view_.Texts() != expected.texts) {
      for (int b = 0; b < kBoxCount; ++b) {
        if (view_.Texts()[b] != expected.texts[b])
          std::fprintf(stderr, "  box %d: \"%s\", the steps give \"%s\"\n", b,
                       view_.Texts()[b].c_str(), expected.texts[b].c_str());
      }
      Fail("box texts other than the steps give");
    }
    if (view_.Reads() != expected.reads) Fail("input boxes read other than in the handler's order");
  }

  void CheckFields(const CalcState& before, Mask allowed) {
    for (int f = 0; f < static_cast<int>(F::Count); ++f) {
      const FieldRow& row = kFields[f];
      const auto* a = reinterpret_cast<const unsigned char*>(&before) + row.offset;
      const auto* b = reinterpret_cast<const unsigned char*>(&state_) + row.offset;
      if (!(allowed & (Mask{1} << f)) && std::memcmp(a, b, row.size) != 0) {
        std::fprintf(stderr, "session_fuzz: %s changed %s\n", action_, row.name);
        std::abort();
      }
    }
  }

  [[noreturn]] void Fail(const char* what) const {
    std::fprintf(stderr, "session_fuzz: %s: %s\n", action_, what);
    std::abort();
  }

  CalcState state_;
  FakeView view_;
  FakeView model_view_;
  Handlers handlers_;
  const char* action_ = "start-up";
};

// Reads the input one byte at a time; past the end every byte is zero.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool More() const { return pos_ < size_; }
  std::uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string Text(std::size_t n) {
    std::string s;
    for (; n > 0 && More(); --n) s += static_cast<char>(Next());
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = ostrel::test_support::HostileTexts();
  return texts;
}

constexpr int kMaxActions = 64;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::getenv("OSTREL_FUZZ_STATS")) std::atexit(PrintTally);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ++tally.inputs;
  Bytes in(data, size);
  const std::uint8_t head = in.Next();
  const char separator = (head & 1) ? ',' : '.';
  const int noisy = (head & 2) ? FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID | FE_INEXACT : 0;
  Session session(separator, noisy);
  for (int n = 0; n < kMaxActions && in.More(); ++n) {
    const std::uint8_t op = in.Next();
    switch (op % 8) {
      case 0:
      case 1:
      case 2: {
        const auto box = static_cast<Box>(in.Next() % kBoxCount);
        const std::uint8_t pick = in.Next();
        const std::string text = pick < 160 ? Texts()[pick % Texts().size()] : in.Text(pick % 24);
        session.Type(box, text);
        break;
      }
      case 3:
      case 4:
        session.Calc(kCalcButtons[in.Next() % std::size(kCalcButtons)]);
        break;
      case 5:
        session.Preset(static_cast<std::int16_t>(in.Next() % 6) - 1);
        break;
      case 6:
        session.Option(static_cast<Group>(in.Next() % 3), in.Next() % 4);
        break;
      default: {
        const std::uint8_t b = in.Next();
        const auto group = static_cast<Group>(b % 3);
        if (b & 0x80) {
          session.Deselect(group);
        } else {
          session.OptionHandlerDirect(group, static_cast<std::int16_t>((b >> 2) % 6) - 1);
        }
        break;
      }
    }
  }
  return 0;
}
