// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "ui/main_window.h"

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <utility>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>

#include "core/calc.h"
#include "design/open_design.h"
#include "present/accessible_text.h"
#include "present/box_labels.h"
#include "present/fault_detail.h"
#include "present/section_calc.h"
#include "present/sections.h"
#include "present/show_results.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/fault_message.h"

namespace ostrel::ui {
namespace {

// The controls are sized for a small dialog font. Liberation Sans at 10 pixels fits every
// caption into its rectangle, and a pixel size keeps the layout and the text in step.
QFont WindowFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  // Hinting differs between window systems; unhinted metrics are the same everywhere.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QRect Pixels(const Twips& r) {
  return QRect(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
               r.height / kTwipsPerPixel);
}

QString Name(const Control& c) {
  return QString::fromStdString(ObjectName(c));
}

QWidget* CreateWidget(const Control& c, QWidget* parent) {
  const QString caption = QString::fromUtf8(c.caption);
  switch (c.kind) {
    case Kind::Frame:
      return new QGroupBox(caption, parent);
    case Kind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setMaxLength(INT_MAX);
      return box;
    }
    case Kind::Button: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
    case Kind::Option:
      return new QRadioButton(caption, parent);
  }
  return nullptr;
}

// The application icon, compiled in from packaging/icons.
QIcon AppIcon() {
  QIcon icon;
  for (int side : {32, 48, 256}) {
    // Read as PNG without guessing the format: a guess loads every image-format plugin first.
    QImageReader reader(QStringLiteral(":/icons/ostrel-%1.png").arg(side), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

}  // namespace

void ShowFaultMessage(QWidget* parent, Fault fault) {
  ShowFaultReport(parent, fault, FaultDetail{}, nullptr);
}

template <typename Handler, typename... Args>
Fault MainWindow::Run(Handler handler, Args... args) {
  ++depth_;
  const Fault fault = (handlers_.*handler)(args...);
  Finish(fault);
  --depth_;
  return fault;
}

template <typename Action>
void MainWindow::RunOnce(Action action, bool whole) {
  Fault first = Fault::None;
  Fault* const outer = captured_;
  captured_ = &first;
  ++depth_;
  const Fault fault = action();
  captured_ = outer;
  Finish(first != Fault::None ? first : fault, whole);
  --depth_;
}

void MainWindow::Finish(Fault fault, bool whole) {
  // A run inside another (a selection's handler within a sequence) leaves the numbers and the
  // marks to the outer run's end, where the sequence is complete.
  const bool outermost = depth_ <= 1;
  if (outermost) {
    if (const std::string separator = DecimalSeparator(); separator != numbers_separator_) {
      numbers_separator_ = separator;
      design_calculator_ = DesignCalculator(separator);
    }
    design_calculator_.Compute(ostrel::CurrentDesign(state_, *this), numbers_);
    // After a whole sequence, a design that cannot be computed shows its numbers instead of
    // whatever earlier texts the sequence did not reach.
    if (whole && !numbers_.Whole()) ShowNumbers();
  }
  // The selection may have changed even where the refresh faulted.
  DescribeBoxes(outermost);
  if (captured_ != nullptr) {
    if (*captured_ == Fault::None) *captured_ = fault;
  } else if (fault != Fault::None) {
    // Open and Calculate All store nothing where they fault: the numbers' place is theirs.
    const FaultLocation* const outer = report_location_;
    if (whole && numbers_.fault == fault) report_location_ = &numbers_.where;
    report_(fault);
    report_location_ = outer;
  }
  emit Refreshed();
}

void MainWindow::ShowNumbers() {
  for (int i = 0; i < kBoxCount; ++i) SetBoxText(static_cast<Box>(i), numbers_.texts[i]);
}

bool MainWindow::IsPending(Box box) const {
  const int i = static_cast<int>(box);
  return IsInputBox(box) && boxes_[i]->text().toStdString() != written_[i];
}

bool MainWindow::HasPending() const {
  for (const DesignInput& input : kDesignInputs) {
    if (IsPending(input.box)) return true;
  }
  return false;
}

bool MainWindow::ApplyPending() {
  for (int i = 0; i < kSectionCount; ++i) {
    bool pending = false;
    for (int b = 0; b < kSections[i].box_count; ++b) pending |= IsPending(kSections[i].boxes[b]);
    if (pending && Run(kSectionCalc[i]) != Fault::None) return false;
  }
  return true;
}

void MainWindow::ReportDesignFault() {
  const FaultLocation* const outer = report_location_;
  report_location_ = &numbers_.where;
  report_(numbers_.fault);
  report_location_ = outer;
}

MainWindow::MainWindow() : MainWindow([this](Fault fault) { ReportFault(fault); }) {}

void MainWindow::ReportFault(Fault fault) {
  const FaultDetail detail =
      DescribeFault(fault, report_location_ ? *report_location_ : handlers_.LastFaultLocation(),
                    DecimalSeparator());
  ShowFaultReport(this, fault, detail,
                  detail.has_focus ? boxes_[static_cast<int>(detail.focus)] : nullptr);
}

MainWindow::MainWindow(FaultReport report)
    : handlers_(state_, *this),
      report_(std::move(report)),
      numbers_separator_(DecimalSeparator()),
      design_calculator_(numbers_separator_) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Ostrel"));
  setWindowIcon(AppIcon());
  setFont(WindowFont());
  resize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
  Build();
  Run(&Handlers::Form_Load);
  findChild<QLineEdit*>(QStringLiteral("txtOctahedronWaist"))->setFocus();
}

void MainWindow::New() {
  RunOnce([this] { return handlers_.Form_Load(); }, true);
}

void MainWindow::Open(const Design& design) {
  RunOnce([this, &design] { return OpenDesign(design, state_, *this); }, true);
}

void MainWindow::CalculateAll() {
  RunOnce(
      [this] {
        if (const Fault f = All_Calc(state_); f != Fault::None) return f;
        return ShowResults(state_, *this);
      },
      true);
}

void MainWindow::Build() {
  std::array<IndexedClick, kGroupCount> groupClicks{};
  for (const Control& c : kControls) {
    QWidget* container = this;
    if (c.container) container = findChild<QGroupBox*>(QString::fromUtf8(c.container));
    QWidget* widget = CreateWidget(c, container);
    widget->setObjectName(Name(c));
    widget->setGeometry(Pixels(c.rect));
    switch (c.kind) {
      case Kind::Frame:
      case Kind::Label:
        break;
      case Kind::TextBox: {
        auto* box = static_cast<QLineEdit*>(widget);
        boxes_[static_cast<int>(c.box)] = box;
        // Typing only, the refresh's own writes are no edits: an input may now be pending, a
        // result box differ from the design's numbers.
        if (IsInputBox(c.box)) {
          connect(box, &QLineEdit::textEdited, this, &MainWindow::InputEdited);
        } else {
          connect(box, &QLineEdit::textEdited, this, [this] { DescribeBoxes(true); });
        }
        break;
      }
      case Kind::Button:
        if (c.click) {
          connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                  [this, click = c.click] { Run(click); });
        } else {
          connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                  [this, click = c.indexedClick, index = static_cast<std::int16_t>(c.index)] {
                    Run(click, index);
                  });
        }
        break;
      case Kind::Option: {
        const auto g = static_cast<std::size_t>(c.group);
        if (!groups_[g]) groups_[g] = new QButtonGroup(this);
        groupClicks[g] = c.indexedClick;
        auto* option = static_cast<QRadioButton*>(widget);
        groups_[g]->addButton(option, c.index);
        if (c.index == 0) option->setChecked(true);
        break;
      }
    }
  }
  // Labels are their boxes' buddies; every box exists by now. What assistive technology reads
  // beside the captions comes after.
  for (const Control& c : kControls) {
    if (c.kind != Kind::Label) continue;
    auto* label = findChild<QLabel*>(Name(c));
    QLineEdit* box = boxes_[static_cast<int>(c.box)];
    label->setBuddy(box);
  }
  ExposeCalculator(*this);
  WhenAccessibilityActive(*this, [this] { DescribeBoxes(marks_known_); });
  // Connected only now, so that the selections made at creation run no handler. A click on the
  // selected option toggles nothing and so runs nothing.
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    connect(groups_[g], &QButtonGroup::idToggled, this,
            [this, click = groupClicks[g]](int id, bool checked) {
              if (checked) Run(click, static_cast<std::int16_t>(id));
            });
  }
  QWidget* previous = nullptr;
  for (const ControlRef& r : kTabOrder) {
    auto* next = findChild<QWidget*>(QString::fromStdString(ObjectName(r)));
    if (previous) setTabOrder(previous, next);
    previous = next;
  }
}

void MainWindow::DescribeBoxes(bool marks) {
  if (marks) marks_known_ = true;
  const UnitChoice units = SelectedUnits(*this);
  const std::string why = WhyNotComputed(numbers_);
  // The accessible objects cost start-up time: their descriptions wait for a listener.
  const bool listens = AccessibilityListens();
  for (const BoxLabel& label : kBoxLabels) {
    const int i = static_cast<int>(label.box);
    QLineEdit* box = boxes_[i];
    std::string mark_text;
    bool mark = false;
    if (marks && !IsInputBox(label.box)) {
      const std::string text = box->text().toStdString();
      mark = MarkedNotRecalculated(label.box, text, numbers_);
      if (!numbers_.Computed(label.box)) {
        mark_text = NotComputedText(why);
      } else if (mark) {
        mark_text = NotRecalculatedText(label.box);
      }
    }
    box->setToolTip(QString::fromStdString(BoxDescription(label.box, units) + mark_text));
    if (listens) {
      box->setAccessibleDescription(
          QString::fromStdString(BoxAccessibleDescription(label.box, units) + mark_text));
    }
    if (!marks || mark == marked_[i]) continue;
    marked_[i] = mark;
    // The text in the palette's secondary colour: nothing else about the box changes.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, mark ? palette.color(QPalette::PlaceholderText)
                                          : this->palette().color(QPalette::Text));
    box->setPalette(palette);
  }
}

std::string MainWindow::BoxText(Box box) const {
  return boxes_[static_cast<int>(box)]->text().toStdString();
}

void MainWindow::SetBoxText(Box box, const std::string& text) {
  const int i = static_cast<int>(box);
  boxes_[i]->setText(QString::fromStdString(text));
  // As the box holds it, so that a text the box cannot hold as given is no pending value.
  written_[i] = boxes_[i]->text().toStdString();
}

bool MainWindow::IsSelected(Group group, int index) const {
  const QAbstractButton* option = groups_[static_cast<int>(group)]->button(index);
  return option && option->isChecked();
}

void MainWindow::SelectOption(Group group, int index) {
  if (QAbstractButton* option = groups_[static_cast<int>(group)]->button(index))
    option->setChecked(true);
}

Fault MainWindow::SelectOptionForResult(Group group, int index) {
  Fault fault = Fault::None;
  Fault* const outer = captured_;
  captured_ = &fault;
  SelectOption(group, index);
  captured_ = outer;
  return fault;
}

std::string MainWindow::DecimalSeparator() const {
  return QLocale().decimalPoint().toStdString();
}

}  // namespace ostrel::ui
