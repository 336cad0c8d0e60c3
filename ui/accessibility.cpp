// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/accessibility.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <utility>

#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include "present/accessible_text.h"
#include "present/box_labels.h"
#include "ui/controls.h"

namespace ostrel::ui {
namespace {

constexpr char kRoleProperty[] = "ostrelAccessibleRole";

// The role set with SetAccessibleRole; asked before Qt's own factories.
QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object),
                               static_cast<QAccessible::Role>(role.toInt()));
}

QString Q(const char* text) {
  return QString::fromUtf8(text);
}

// The options of each group move into a plain widget over exactly their rectangles and the
// caption line above them, so that every option keeps its place in the window and the window's
// rule (contents lie below a frame's 16-pixel caption line) holds inside the grouping too.
constexpr int kCaptionLine = 16;
constexpr const char* kGroupObjectNames[] = {"grpLengthUnit", "grpOilPressureUnit", "grpForceUnit"};

void GroupOptions(QWidget& calculator, Group group) {
  const auto g = static_cast<std::size_t>(group);
  QWidget* frame = nullptr;
  QRect span;
  for (const Control& c : kControls) {
    if (c.kind != Kind::Option || c.group != group) continue;
    auto* option = calculator.findChild<QRadioButton*>(QString::fromStdString(ObjectName(c)));
    frame = option->parentWidget();
    span |= option->geometry();
  }
  auto* grouping = new QWidget(frame);
  grouping->setObjectName(Q(kGroupObjectNames[g]));
  SetAccessibleRole(*grouping, QAccessible::Grouping);
  // Not made transparent for the mouse, which Qt documents as applying to the children too. The
  // strip above the options overlaps only labels, which take no clicks.
  const QPoint origin(span.left(), span.top() - kCaptionLine);
  grouping->setGeometry(QRect(origin, QSize(span.width(), span.height() + kCaptionLine)));
  for (const Control& c : kControls) {
    if (c.kind != Kind::Option || c.group != group) continue;
    auto* option = calculator.findChild<QRadioButton*>(QString::fromStdString(ObjectName(c)));
    const QRect rect = option->geometry();
    option->setParent(grouping);
    option->setGeometry(rect.translated(-origin));
  }
}

// The names and descriptions of the controls.
void NameControls(QWidget& calculator) {
  for (const Control& c : kControls) {
    const bool box = c.kind == Kind::TextBox;
    const bool preset = c.kind == Kind::Button && c.index != kNotInArray;
    if (!box && !preset) continue;
    QWidget* widget = calculator.findChild<QWidget*>(QString::fromStdString(ObjectName(c)));
    if (box) widget->setAccessibleName(Q(LabelOf(c.box).quantity));
    if (preset)
      widget->setAccessibleDescription(QString::fromStdString(PresetDescription(c.index)));
  }
  for (const ControlAccess& row : kControlAccess) {
    QWidget* widget = calculator.findChild<QWidget*>(Q(row.object_name));
    if (*row.name) widget->setAccessibleName(Q(row.name));
    if (*row.description) widget->setAccessibleDescription(Q(row.description));
  }
  for (std::size_t g = 0; g < std::size(kGroupObjectNames); ++g) {
    calculator.findChild<QWidget*>(Q(kGroupObjectNames[g]))
        ->setAccessibleName(Q(kUnitGroupNames[g]));
  }
}

// Whether assistive technology has listened since the first window was made. Qt's own answer
// comes from the platform's bridge, which not every platform has; the activation itself reaches
// every observer.
class Listening final : public QAccessible::ActivationObserver {
 public:
  void accessibilityActiveChanged(bool active) override { heard_ = heard_ || active; }
  bool Heard() const { return heard_; }

 private:
  bool heard_ = false;
};

const Listening& ListeningState() {
  // Kept to the end of the process: Qt holds on to its observers.
  static Listening* const state = [] {
    auto* listening = new Listening;
    QAccessible::installActivationObserver(listening);
    return listening;
  }();
  return *state;
}

// Runs an action once assistive technology first listens; gone with its owner.
class OnActivation final : public QObject, public QAccessible::ActivationObserver {
 public:
  OnActivation(QObject& owner, std::function<void()> action)
      : QObject(&owner), action_(std::move(action)) {
    QAccessible::installActivationObserver(this);
  }
  ~OnActivation() override { QAccessible::removeActivationObserver(this); }

  void accessibilityActiveChanged(bool active) override {
    if (!active || done_) return;
    done_ = true;
    action_();
    // Not removed here: Qt is going through its list of observers.
    deleteLater();
  }

 private:
  std::function<void()> action_;
  bool done_ = false;
};

}  // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
  static const bool installed = [] {
    QAccessible::installFactory(&RoleFactory);
    return true;
  }();
  (void)installed;
  widget.setProperty(kRoleProperty, static_cast<int>(role));
  // An interface Qt made for it before (an event of its construction) has the class's role.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
      made && made->role() != role) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

void FocusOnlyTheButton(QMessageBox& box) {
  // The button box takes the focused button as its proxy when it is shown, so after that.
  QTimer::singleShot(0, &box, [&box] {
    if (auto* buttons = box.findChild<QDialogButtonBox*>()) buttons->setFocusProxy(nullptr);
  });
}

void SetTextAlternative(QWidget& picture, const QString& text) {
  // Qt sends the description-changed event itself when the text differs.
  picture.setAccessibleDescription(text);
}

bool AccessibilityListens() {
  return QAccessible::isActive() || ListeningState().Heard();
}

void WhenAccessibilityActive(QObject& owner, std::function<void()> action) {
  if (AccessibilityListens()) {
    action();
  } else {
    new OnActivation(owner, std::move(action));
  }
}

void ExposeCalculator(QWidget& calculator) {
  for (Group group : {Group::optDistanceUnits, Group::optOilPressureUnits, Group::optForceUnits})
    GroupOptions(calculator, group);
  WhenAccessibilityActive(calculator, [&calculator] { NameControls(calculator); });
}

}  // namespace ostrel::ui
