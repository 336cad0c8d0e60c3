#pragma once

#include <array>
#include <cfenv>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/calc_state.h"
#include "core/fault.h"
#include "present/handlers.h"
#include "present/view.h"

namespace ostrel::present_test {

inline constexpr int kGroupSize[] = {2, 3, 3};  // by Group
inline constexpr int kNone = -1;

// The window without widgets: a text per box, one selection per group and a separator. Selecting
// an option from code clicks it, as the window's option buttons do, so nested handlers run.
class TestView final : public View {
 public:
  explicit TestView(std::string separator = ".") : separator_(std::move(separator)) {
    texts_.fill("old");
  }

  void Attach(Handlers* handlers) { handlers_ = handlers; }

  // Toolkit code may leave flags raised; the refresh must never take them for its own.
  void RaiseOnEveryCall(int flags) { noise_ = flags; }

  std::string BoxText(Box box) const override {
    Noise();
    return texts_[static_cast<int>(box)];
  }
  void SetBoxText(Box box, const std::string& text) override {
    Noise();
    writes_.push_back(box);
    texts_[static_cast<int>(box)] = text;
  }
  bool IsSelected(Group group, int index) const override {
    Noise();
    return selected_[static_cast<int>(group)] == index;
  }
  void SelectOption(Group group, int index) override {
    Noise();
    Click(group, index);
  }
  std::string DecimalSeparator() const override {
    Noise();
    ++separator_asked_;
    return separator_;
  }

  // A user's click: selects the option and runs its group's handler unless it was selected.
  void Click(Group group, int index) {
    int& selected = selected_[static_cast<int>(group)];
    if (selected == index) return;
    selected = index;
    if (handlers_ == nullptr) return;
    const auto i = static_cast<std::int16_t>(index);
    Fault f = Fault::None;
    switch (group) {
      case Group::optDistanceUnits:
        f = handlers_->optDistanceUnits_Click(i);
        break;
      case Group::optOilPressureUnits:
        f = handlers_->optOilPressureUnits_Click(i);
        break;
      case Group::optForceUnits:
        f = handlers_->optForceUnits_Click(i);
        break;
    }
    nested_.push_back(f);
  }

  // Moves the selection without running a handler (kNone leaves the group without one).
  void Select(Group group, int index) { selected_[static_cast<int>(group)] = index; }
  void Type(Box box, std::string text) { texts_[static_cast<int>(box)] = std::move(text); }
  void SetSeparator(std::string separator) { separator_ = std::move(separator); }

  const std::string& Text(Box box) const { return texts_[static_cast<int>(box)]; }
  const std::array<std::string, kBoxCount>& Texts() const { return texts_; }
  int Selected(Group group) const { return selected_[static_cast<int>(group)]; }
  const std::vector<Box>& Writes() const { return writes_; }
  const std::vector<Fault>& NestedFaults() const { return nested_; }
  int SeparatorAsked() const { return separator_asked_; }
  void ClearWrites() { writes_.clear(); }

 private:
  void Noise() const {
    if (noise_ != 0) std::feraiseexcept(noise_);
  }

  std::string separator_;
  Handlers* handlers_ = nullptr;
  int noise_ = 0;
  mutable int separator_asked_ = 0;
  std::array<std::string, kBoxCount> texts_;
  // The window is created with millimetres, MPa and kN selected.
  std::array<int, 3> selected_{0, 0, 0};
  std::vector<Box> writes_;
  std::vector<Fault> nested_;
};

// The window's state, its view and its handlers, wired as the window wires them.
struct TestWindow {
  explicit TestWindow(std::string separator = ".") : view(std::move(separator)) {
    view.Attach(&handlers);
  }
  CalcState s;
  TestView view;
  Handlers handlers{s, view};
};

// The boxes in write order with the texts they should show.
using Texts = std::array<const char*, kBoxCount>;

// Total gasket volume is 6 x thickness x (inner long + inner short + 2 x width) x width:
// 6 x 2.8284271 x 34 x 5 = 2885 mm3.
inline constexpr Texts kStartupMmPsiUSTons = {
    "14",     "8",    "5",       "5.6",   "0.5",  "2",     "25.4", "0",     "2.83",
    "10",     "14",   "1293.53", "11.43", "1",    "20",    "24",   "2885",  "281.55",
    "135.18", "8.51", "20",      "50.8",  "2.83", "431.8", "1000", "113.5", "9.1"};

// Comparable with what the view shows, and printed readably when they differ.
template <typename Strings>
std::vector<std::string> AsStrings(const Strings& texts) {
  return {std::begin(texts), std::end(texts)};
}

inline std::vector<Box> BoxesUpTo(Box last) {
  std::vector<Box> boxes;
  for (int i = 0; i <= static_cast<int>(last); ++i) boxes.push_back(static_cast<Box>(i));
  return boxes;
}

}  // namespace ostrel::present_test
