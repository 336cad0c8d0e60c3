// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_accessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QStyle>

namespace ostrel::ui {
namespace {

const QString kRefusedStyle = QStringLiteral("background-color: rgb(255, 222, 222);");

// A calibration entry as a screen reader sees it: what Qt's line edit says (its visible label as
// name, its text as value, the text itself), and the invalid state while it is refused. Qt's
// own interface cannot be extended, so this one says it all.
class EntryAccessible final : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
 public:
  explicit EntryAccessible(CalibrationEntry* entry)
      : QAccessibleWidget(entry, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
      return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !Edit()->isReadOnly();
    state.readOnly = Edit()->isReadOnly();
    state.selectableText = true;
    state.invalid = Edit()->Refused();
    return state;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Edit()->text();
    return QAccessibleWidget::text(t);
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value)
      Edit()->setText(text);
    else
      QAccessibleWidget::setText(t, text);
  }

  // Text
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Edit()->hasSelectedText()) return;
    *start = Edit()->selectionStart();
    *end = Edit()->selectionEnd();
  }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) Edit()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) Edit()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  QString text(int start, int end) const override { return Edit()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
  QRect characterRect(int offset) const override {
    // Near enough for a magnifier: the line edit's text is not scrolled in these short entries.
    const QFontMetrics fm(Edit()->font());
    const QString text = Edit()->text();
    const QRect inner = Edit()->contentsRect().marginsRemoved(Edit()->textMargins());
    const int x = inner.left() + 2 + fm.horizontalAdvance(text.left(offset));
    const int w = offset < text.size() ? fm.horizontalAdvance(text.at(offset)) : 1;
    const QRect r(x, inner.center().y() - fm.height() / 2, w, fm.height());
    return QRect(Edit()->mapToGlobal(r.topLeft()), r.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QFontMetrics fm(Edit()->font());
    const QPoint local = Edit()->mapFromGlobal(point);
    const QString text = Edit()->text();
    const int left = Edit()->contentsRect().marginsRemoved(Edit()->textMargins()).left() + 2;
    for (int i = 0; i < text.size(); ++i) {
      if (local.x() < left + fm.horizontalAdvance(text.left(i + 1))) return i;
    }
    return static_cast<int>(text.size());
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return QString();
  }

  // Editable text
  void deleteText(int start, int end) override { replaceText(start, end, QString()); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    QString all = Edit()->text();
    Edit()->setText(all.replace(start, end - start, text));
  }

 private:
  CalibrationEntry* Edit() const { return static_cast<CalibrationEntry*>(widget()); }
};

// A live line: its text is its name, under its role.
class LiveAccessible final : public QAccessibleWidget {
 public:
  explicit LiveAccessible(LiveLine* line) : QAccessibleWidget(line, line->Role()) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<LiveLine*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String("ostrel::ui::CalibrationEntry"))
    return new EntryAccessible(static_cast<CalibrationEntry*>(object));
  if (class_name == QLatin1String("ostrel::ui::LiveLine"))
    return new LiveAccessible(static_cast<LiveLine*>(object));
  // A plain widget that is a window would be a "filler" to a screen reader.
  if (class_name == QLatin1String("ostrel::ui::CalibrationWindow"))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  return nullptr;
}

}  // namespace

void CalibrationEntry::SetRefused(const QString& reason) {
  const bool refused = !reason.isEmpty();
  setStyleSheet(refused ? kRefusedStyle : QString());
  setToolTip(reason);
  if (refused == refused_) return;
  refused_ = refused;
  QAccessible::State changed;
  changed.invalid = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

QWidget* RefusableCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex&) const {
  auto* entry = new CalibrationEntry(parent);
  // Framed or not as the style draws the item views' own editors.
  entry->setFrame(
      entry->style()->styleHint(QStyle::SH_ItemView_DrawDelegateFrame, nullptr, entry) != 0);
  return entry;
}

void RefusableCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  QStyledItemDelegate::setEditorData(editor, index);
  auto* entry = qobject_cast<CalibrationEntry*>(editor);
  if (!entry) return;
  // The text stays where it stands in the cell: numbers on the right.
  if (const QVariant alignment = index.data(Qt::TextAlignmentRole); alignment.isValid())
    entry->setAlignment(Qt::Alignment(alignment.toInt()));
  // Named as the refusal names it: "Point 3, Force (kN)".
  entry->setAccessibleName(
      QStringLiteral("Point %1, %2")
          .arg(index.row() + 1)
          .arg(index.model()->headerData(index.column(), Qt::Horizontal).toString()));
  entry->SetRefused(index.data(kRefusalRole).toString());
}

LiveLine::LiveLine(QAccessible::Role role, QWidget* parent) : QLabel(parent), role_(role) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void LiveLine::Say(const QString& sentence) {
  setText(sentence);
  setVisible(!sentence.isEmpty());
  if (sentence.isEmpty()) return;
  // The name is the text: a changed name is read out by screen readers watching the line, and
  // an alert is read out wherever the focus is.
  QAccessibleEvent named(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void InstallCalibrationAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace ostrel::ui
