// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_window.h"

#include <set>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/calibration_accessible.h"
#include "ui/calibration_chart.h"
#include "ui/main_window.h"
#include "ui/screen_fit.h"

namespace ostrel::ui {
namespace {

constexpr CalibrationField kColumns[] = {CalibrationField::Force, CalibrationField::Pressure,
                                         CalibrationField::Label};
const QColor kBrokenRow(255, 222, 222);
// Lines of text the refusal's place holds: the longest refusal, at the window's narrowest.
constexpr int kRefusalLines = 2;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QLabel* ValueLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// An entry named by the visible caption over it (its buddy), not by its placeholder.
CalibrationEntry* Entry(const char* name, const QString& placeholder, QWidget* parent) {
  auto* edit = new CalibrationEntry(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setPlaceholderText(placeholder);
  return edit;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

CalibrationWindow::CalibrationWindow(MainWindow& calculator, QWidget* parent)
    : QWidget(parent, Qt::Window),
      calculator_(calculator),
      presenter_(*this, [this] { emit PointsEdited(); }) {
  InstallCalibrationAccessibility();
  setObjectName(QStringLiteral("frmCalibration"));
  setWindowTitle(QStringLiteral("Pressure Calibration"));
  Build();
  BuildActions();
  connect(&calculator_, &MainWindow::Refreshed, this, &CalibrationWindow::Follow);
  Follow();
}

CalibrationWindow::~CalibrationWindow() {
  // Tearing down closes an open cell editor, which commits its text: nothing of this window may
  // answer by then.
  for (QObject* child : findChildren<QObject*>())
    QObject::disconnect(child, nullptr, this, nullptr);
}

void CalibrationWindow::Build() {
  // Scrolled on a screen too small for the controls; laid out as in the window elsewhere.
  auto* columns = new QHBoxLayout;
  SetScrollingLayout(*this, columns);
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 0);

  // The new point's entries first, at the top: nothing above them changes size, so they stay
  // where the pointer expects them.
  auto* entries = new QGridLayout;
  new_force_ = Entry("newForce", QStringLiteral("Force"), this);
  new_pressure_ = Entry("newPressure", QStringLiteral("Pressure"), this);
  new_label_ = Entry("newLabel", QStringLiteral("Label"), this);
  auto* add = new QPushButton(QStringLiteral("Add"), this);
  add->setObjectName(QStringLiteral("addPoint"));
  new_force_caption_ = Caption(QStringLiteral("Force"), new_force_, this);
  entries->addWidget(new_force_caption_, 0, 0);
  entries->addWidget(Caption(QStringLiteral("Pressure (GPa)"), new_pressure_, this), 0, 1);
  entries->addWidget(Caption(QStringLiteral("Label"), new_label_, this), 0, 2);
  entries->addWidget(new_force_, 1, 0);
  entries->addWidget(new_pressure_, 1, 1);
  entries->addWidget(new_label_, 1, 2);
  entries->addWidget(add, 1, 3);
  entries->setColumnStretch(0, 2);
  entries->setColumnStretch(1, 2);
  entries->setColumnStretch(2, 3);
  left->addLayout(entries);
  connect(add, &QPushButton::clicked, this, [this] {
    if (presenter_.AddPoint(new_force_->text().toStdString(), new_pressure_->text().toStdString(),
                            new_label_->text().toStdString())) {
      for (QLineEdit* edit : {new_force_, new_pressure_, new_label_}) edit->clear();
      new_force_->setFocus();
    }
  });
  for (QLineEdit* edit : {new_force_, new_pressure_, new_label_}) {
    connect(edit, &QLineEdit::returnPressed, add, &QPushButton::click);
  }

  // The refusal and the last result share a place of their own, as high as the longest
  // refusal: they come and go without moving anything.
  auto* place = new QWidget(this);
  place->setObjectName(QStringLiteral("calibrationLivePlace"));
  auto* place_layout = new QVBoxLayout(place);
  place_layout->setContentsMargins(0, 0, 0, 0);
  refusal_ = new LiveLine(QAccessible::AlertMessage, place);
  refusal_->setObjectName(QStringLiteral("calibrationRefusal"));
  refusal_->setStyleSheet(QStringLiteral("color: rgb(170, 0, 0);"));
  notice_ = new LiveLine(QAccessible::StatusBar, place);
  notice_->setObjectName(QStringLiteral("calibrationNotice"));
  for (LiveLine* line : {refusal_, notice_}) {
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place_layout->addWidget(line);
    line->hide();
  }
  place->setFixedHeight(fontMetrics().lineSpacing() * kRefusalLines + 2);
  left->addWidget(place);

  table_ = new QTableWidget(0, 3, this);
  table_->setObjectName(QStringLiteral("calibrationTable"));
  table_->setAccessibleName(QStringLiteral("Calibration points"));
  table_->setHorizontalHeaderLabels(
      {QString(), QStringLiteral("Pressure (GPa)"), QStringLiteral("Label")});
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setMinimumWidth(360);
  // Tab and Shift+Tab leave the table; the arrow keys move within it and F2 edits.
  table_->setTabKeyNavigation(false);
  table_->setItemDelegate(new RefusableCellDelegate(table_));
  connect(table_, &QTableWidget::cellChanged, this, &CalibrationWindow::CellEdited);
  left->addWidget(table_, 1);

  remove_ = new QPushButton(QStringLiteral("Remove selected points"), this);
  remove_->setObjectName(QStringLiteral("removePoints"));
  connect(remove_, &QPushButton::clicked, this, &CalibrationWindow::RemoveSelected);
  left->addWidget(remove_, 0, Qt::AlignLeft);

  status_ = ValueLabel("calibrationStatus", this);
  // Its place stays while it is hidden, so that the boxes below keep theirs.
  QSizePolicy keep = status_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  status_->setSizePolicy(keep);
  status_->setMinimumHeight(fontMetrics().lineSpacing() * 2);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  left->addWidget(status_);

  auto* now = new QGroupBox(QStringLiteral("At the calculator's force"), this);
  auto* now_form = new QFormLayout(now);
  current_force_ = ValueLabel("currentForce", now);
  current_pressure_ = ValueLabel("currentPressure", now);
  now_form->addRow(QStringLiteral("Force:"), current_force_);
  now_form->addRow(QStringLiteral("Calibrated pressure:"), current_pressure_);
  left->addWidget(now);

  auto* target = new QGroupBox(QStringLiteral("Target"), this);
  auto* target_form = new QFormLayout(target);
  target_ = Entry("targetPressure", QStringLiteral("Sample pressure (GPa)"), target);
  target_force_ = ValueLabel("targetForce", target);
  target_oil_ = ValueLabel("targetOil", target);
  target_form->addRow(Caption(QStringLiteral("Sample pressure (GPa):"), target_, target), target_);
  target_form->addRow(QStringLiteral("Force:"), target_force_);
  target_form->addRow(QStringLiteral("Oil pressure:"), target_oil_);
  left->addWidget(target);
  connect(target_, &QLineEdit::editingFinished, this, [this] {
    // Leaving the box unchanged takes nothing again, and announces nothing again.
    if (target_->text() == taken_target_ && !target_->Refused()) return;
    if (presenter_.SetTarget(target_->text().toStdString())) {
      taken_target_ = target_->text();
      target_->SetRefused(QString());
    }
  });

  QString error;
  if (CalibrationChartFactory* factory = LoadCalibrationChart(&error)) {
    chart_ = factory->Create(this);
    plot_ = chart_->Widget();
    plot_->setMinimumSize(480, 360);
  } else {
    auto* missing = ValueLabel("calibrationChartMissing", this);
    missing->setText(QStringLiteral("The plot is not available: ") + error);
    missing->setAlignment(Qt::AlignCenter);
    plot_ = missing;
  }
  plot_->setAccessibleName(QStringLiteral("Calibration plot"));
  columns->addWidget(plot_, 1);

  // The order in which they are laid out.
  QWidget::setTabOrder(new_force_, new_pressure_);
  QWidget::setTabOrder(new_pressure_, new_label_);
  QWidget::setTabOrder(new_label_, add);
  QWidget::setTabOrder(add, table_);
  QWidget::setTabOrder(table_, remove_);
  QWidget::setTabOrder(remove_, target_);
  resize(1080, 580);
}

void CalibrationWindow::BuildActions() {
  undo_ = new QAction(QStringLiteral("&Undo"), this);
  undo_->setObjectName(QStringLiteral("actionCalibrationUndo"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = new QAction(QStringLiteral("&Redo"), this);
  redo_->setObjectName(QStringLiteral("actionCalibrationRedo"));
  redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  delete_ = new QAction(QStringLiteral("Remove Selected Points"), this);
  delete_->setObjectName(QStringLiteral("actionRemovePoints"));
  delete_->setShortcut(QKeySequence(Qt::Key_Delete));
  // Only where points are selected; a cell being edited keeps Delete for its text.
  delete_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(undo_, &QAction::triggered, this, [this] { presenter_.Undo(); });
  connect(redo_, &QAction::triggered, this, [this] { presenter_.Redo(); });
  connect(delete_, &QAction::triggered, this, &CalibrationWindow::RemoveSelected);
  // A text box keeps Ctrl+Z for its own text; everywhere else it undoes a point edit.
  addAction(undo_);
  addAction(redo_);
  table_->addAction(delete_);
  table_->addAction(undo_);
  table_->addAction(redo_);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  undo_->setEnabled(presenter_.CanUndo());
  redo_->setEnabled(presenter_.CanRedo());
}

void CalibrationWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) new_force_->setFocus();
}

void CalibrationWindow::Follow() {
  // The design's numbers, never the boxes' texts.
  presenter_.Follow(calculator_.Numbers().state, calculator_.Numbers().view);
}

void CalibrationWindow::SetPoints(std::vector<CalibrationPoint> points) {
  presenter_.SetPoints(std::move(points));
}

void CalibrationWindow::RemoveSelected() {
  std::vector<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows())
    rows.push_back(index.row());
  presenter_.RemoveRows(std::move(rows));
}

void CalibrationWindow::CellEdited(int row, int column) {
  if (filling_ || column < 0 || column >= 3) return;
  const QTableWidgetItem* item = table_->item(row, column);
  if (!item) return;
  presenter_.EditCell(row, kColumns[column], item->text().toStdString());
}

void CalibrationWindow::EditRefusedCell(int row, int column) {
  QTableWidgetItem* item = table_->item(row, column);
  // Corrected or shown anew in the meantime, nothing is refused there any more; with the focus
  // taken elsewhere since (another entry refused, another window), it is not taken back.
  if (!item || item->data(RefusableCellDelegate::kRefusalRole).toString().isEmpty() ||
      QApplication::focusWidget() != table_)
    return;
  table_->setCurrentItem(item);
  table_->editItem(item);
}

void CalibrationWindow::Show(const CalibrationScreen& shown) {
  // A design whose force was not computed has no force to calibrate at: never the force of
  // another design left in the state.
  CalibrationScreen screen = shown;
  if (!calculator_.Numbers().Computed(Box::txtForce)) {
    screen.current_force = "\u2014 (not computed)";
    screen.current_pressure = "\u2014";
    screen.plot.current.reset();
  }
  filling_ = true;
  table_->horizontalHeaderItem(0)->setText(Text(screen.force_header));
  new_force_caption_->setText(Text(screen.force_header));
  table_->setRowCount(static_cast<int>(screen.rows.size()));
  for (int r = 0; r < table_->rowCount(); ++r) {
    const CalibrationRowTexts& row = screen.rows[static_cast<std::size_t>(r)];
    const std::string* texts[] = {&row.force, &row.pressure, &row.label};
    for (int c = 0; c < 3; ++c) {
      QTableWidgetItem* item = table_->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        table_->setItem(r, c, item);
      }
      item->setText(Text(*texts[c]));
      item->setTextAlignment(c < 2 ? Qt::AlignRight | Qt::AlignVCenter
                                   : Qt::AlignLeft | Qt::AlignVCenter);
      item->setData(Qt::BackgroundRole, row.breaks_rule ? QVariant(kBrokenRow) : QVariant());
      item->setToolTip(QString());
      item->setData(RefusableCellDelegate::kRefusalRole, QVariant());
    }
  }
  filling_ = false;

  status_->setText(Text(screen.status));
  status_->setVisible(!screen.status.empty());
  refusal_->Say(QString());
  notice_->Say(QString());
  for (CalibrationEntry* edit : {new_force_, new_pressure_, new_label_}) edit->SetRefused({});
  current_force_->setText(Text(screen.current_force));
  current_pressure_->setText(Text(screen.current_pressure));
  target_force_->setText(Text(screen.target_force));
  target_oil_->setText(Text(screen.target_oil));
  if (chart_) chart_->Plot(screen.plot);
  plot_->setAccessibleDescription(Text(screen.plot_text));
  if (undo_) {
    undo_->setEnabled(presenter_.CanUndo());
    redo_->setEnabled(presenter_.CanRedo());
  }
}

void CalibrationWindow::Announce(const std::string& sentence) {
  refusal_->Say(QString());
  notice_->Say(Text(sentence));
}

void CalibrationWindow::Refuse(const CalibrationRefusal& refusal) {
  const QString reason = Text(refusal.reason);
  notice_->Say(QString());
  // Only the entry refused last is marked: the line says why for that one alone.
  for (CalibrationEntry* edit : {new_force_, new_pressure_, new_label_, target_})
    edit->SetRefused({});
  if (refusal.row >= 0) {
    // The typed text stays in its cell, marked, until it is corrected or the table is shown anew.
    filling_ = true;
    for (int c = 0; c < 3; ++c) {
      if (kColumns[c] != refusal.field) continue;
      if (QTableWidgetItem* item = table_->item(refusal.row, c)) {
        item->setData(Qt::BackgroundRole, kBrokenRow);
        item->setToolTip(reason);
        item->setData(RefusableCellDelegate::kRefusalRole, reason);
        table_->setCurrentItem(item);
        // The refused text is being committed from its editor: the cell is edited again, in a
        // marked editor, once that one has closed.
        QMetaObject::invokeMethod(
            this, [this, row = refusal.row, c] { EditRefusedCell(row, c); }, Qt::QueuedConnection);
      }
    }
    filling_ = false;
    table_->setFocus();
    refusal_->Say(reason);
    return;
  }
  CalibrationEntry* edit = nullptr;
  switch (refusal.field) {
    case CalibrationField::Force:
      edit = new_force_;
      break;
    case CalibrationField::Pressure:
      edit = new_pressure_;
      break;
    case CalibrationField::Label:
      edit = new_label_;
      break;
    case CalibrationField::Target:
      edit = target_;
      break;
  }
  edit->SetRefused(reason);
  edit->setFocus();
  edit->selectAll();
  refusal_->Say(reason);
}

}  // namespace ostrel::ui
