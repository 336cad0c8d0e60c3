#pragma once

#include <array>
#include <cfenv>
#include <cstdint>
#include <string>
#include <vector>

#include "core/fault.h"
#include "present/handlers.h"
#include "present/view.h"

// A window without widgets for tests that drive the handlers directly: 27 texts, three option
// groups that behave like the window's (a click on an option that is not selected selects it and
// runs its group's handler; a click on the selected one does nothing), a log of every box read
// and written, and the faults reported, in order.
namespace ostrel::test_support {

inline constexpr int kGroupCount = 3;
inline constexpr int kGroupSize[kGroupCount] = {2, 3, 3};
inline constexpr int kNoSelection = -1;

class FakeView final : public View {
 public:
  explicit FakeView(std::string separator = ".") : separator_(std::move(separator)) {}

  // The handlers that option clicks run; without them an option click only moves the selection.
  void Attach(Handlers* handlers) { handlers_ = handlers; }

  // Flags raised here on every call, as toolkit code may leave them; the calculation must clear
  // them after each call out to the window instead of taking them for its own faults.
  void SetNoisyFlags(int flags) { noisy_flags_ = flags; }

  std::string BoxText(Box box) const override {
    Noise();
    reads_.push_back(box);
    return texts_[Index(box)];
  }
  void SetBoxText(Box box, const std::string& text) override {
    Noise();
    writes_.push_back(box);
    texts_[Index(box)] = text;
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
    return separator_;
  }

  // The user's click on an option, or its selection from code.
  void Click(Group group, int index) {
    const int g = static_cast<int>(group);
    if (index < 0 || index >= kGroupSize[g] || selected_[g] == index) return;
    selected_[g] = index;
    if (!handlers_) return;
    const auto i = static_cast<std::int16_t>(index);
    switch (group) {
      case Group::optDistanceUnits:
        Report(handlers_->optDistanceUnits_Click(i));
        break;
      case Group::optOilPressureUnits:
        Report(handlers_->optOilPressureUnits_Click(i));
        break;
      case Group::optForceUnits:
        Report(handlers_->optForceUnits_Click(i));
        break;
    }
  }

  // What the window does with a handler's outcome: a fault is reported once.
  void Report(Fault f) {
    if (f != Fault::None) reports_.push_back(f);
  }

  // Typing: replaces the text and runs nothing.
  void Type(Box box, std::string text) { texts_[Index(box)] = std::move(text); }

  // A group left without a selection, which the window itself never does.
  void Deselect(Group group) { selected_[static_cast<int>(group)] = kNoSelection; }

  const std::string& Text(Box box) const { return texts_[Index(box)]; }
  const std::array<std::string, kBoxCount>& Texts() const { return texts_; }
  int Selected(Group group) const { return selected_[static_cast<int>(group)]; }
  const std::string& Separator() const { return separator_; }

  const std::vector<Box>& Reads() const { return reads_; }
  const std::vector<Box>& Writes() const { return writes_; }
  const std::vector<Fault>& Reports() const { return reports_; }
  void ClearLogs() {
    reads_.clear();
    writes_.clear();
    reports_.clear();
  }

 private:
  static int Index(Box box) { return static_cast<int>(box); }
  void Noise() const {
    if (noisy_flags_) std::feraiseexcept(noisy_flags_);
  }

  std::string separator_;
  Handlers* handlers_ = nullptr;
  int noisy_flags_ = 0;
  std::array<std::string, kBoxCount> texts_{};
  // The window is created with millimetres, MPa and kN selected.
  std::array<int, kGroupCount> selected_{0, 0, 0};
  mutable std::vector<Box> reads_;
  std::vector<Box> writes_;
  std::vector<Fault> reports_;
};

}  // namespace ostrel::test_support
