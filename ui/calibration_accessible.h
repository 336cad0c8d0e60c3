// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>

// What the calibration window tells a screen reader beyond what Qt's own widgets do: an entry
// that was refused is marked invalid, and the lines that report a refusal or a result announce
// each new text.
namespace ostrel::ui {

// An entry of the calibration window: a line edit whose refusal a screen reader learns.
class CalibrationEntry final : public QLineEdit {
  Q_OBJECT

 public:
  explicit CalibrationEntry(QWidget* parent) : QLineEdit(parent) {}
  // Marks the entry (colour, the reason as its tooltip, the invalid state) or clears the mark.
  void SetRefused(const QString& reason);
  bool Refused() const { return refused_; }

 private:
  bool refused_ = false;
};

// Edits the calibration table's cells in CalibrationEntry editors. A cell whose text was refused
// holds the reason under kRefusalRole; its editor, opened again on it, is marked refused, so
// that the focus is on something a screen reader reports as invalid, with the reason.
class RefusableCellDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  static constexpr int kRefusalRole = Qt::UserRole + 1;

  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

// A line whose every new text is announced: a status line (a result) or an alert (a refusal).
class LiveLine final : public QLabel {
  Q_OBJECT

 public:
  LiveLine(QAccessible::Role role, QWidget* parent);
  QAccessible::Role Role() const { return role_; }
  // Shows the sentence and announces it; an empty one hides the line, silently.
  void Say(const QString& sentence);

 private:
  QAccessible::Role role_;
};

// Makes the calibration window's accessible interfaces: the window as a window with its title,
// the entries and the live lines as above. Once per process; later calls do nothing.
void InstallCalibrationAccessibility();

}  // namespace ostrel::ui
