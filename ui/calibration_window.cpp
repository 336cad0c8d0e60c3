// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/calibration_window.h"

#include <set>
#include <utility>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/calibration_chart.h"
#include "ui/main_window.h"

namespace ostrel::ui {
namespace {

constexpr CalibrationField kColumns[] = {CalibrationField::Force, CalibrationField::Pressure,
                                         CalibrationField::Label};
const QColor kBrokenRow(255, 222, 222);
const QString kRefusedStyle = QStringLiteral("background-color: rgb(255, 222, 222);");

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

QLineEdit* Entry(const char* name, const QString& placeholder, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setPlaceholderText(placeholder);
  edit->setAccessibleName(placeholder);
  return edit;
}

}  // namespace

CalibrationWindow::CalibrationWindow(MainWindow& calculator, QWidget* parent)
    : QWidget(parent, Qt::Window),
      calculator_(calculator),
      presenter_(*this, [this] { emit PointsEdited(); }) {
  setObjectName(QStringLiteral("frmCalibration"));
  setWindowTitle(QStringLiteral("Pressure Calibration"));
  Build();
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
  auto* columns = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  columns->addLayout(left, 0);

  table_ = new QTableWidget(0, 3, this);
  table_->setObjectName(QStringLiteral("calibrationTable"));
  table_->setHorizontalHeaderLabels(
      {QString(), QStringLiteral("Pressure (GPa)"), QStringLiteral("Label")});
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setMinimumWidth(360);
  connect(table_, &QTableWidget::cellChanged, this, &CalibrationWindow::CellEdited);
  left->addWidget(table_, 1);

  auto* entries = new QHBoxLayout;
  new_force_ = Entry("newForce", QStringLiteral("Force"), this);
  new_force_unit_ = new QLabel(this);
  new_pressure_ = Entry("newPressure", QStringLiteral("Pressure"), this);
  new_label_ = Entry("newLabel", QStringLiteral("Label"), this);
  auto* add = new QPushButton(QStringLiteral("Add"), this);
  add->setObjectName(QStringLiteral("addPoint"));
  entries->addWidget(new_force_, 2);
  entries->addWidget(new_force_unit_);
  entries->addWidget(new_pressure_, 2);
  entries->addWidget(new QLabel(QStringLiteral("GPa"), this));
  entries->addWidget(new_label_, 3);
  entries->addWidget(add);
  left->addLayout(entries);
  connect(add, &QPushButton::clicked, this, [this] {
    if (presenter_.AddPoint(new_force_->text().toStdString(), new_pressure_->text().toStdString(),
                            new_label_->text().toStdString())) {
      for (QLineEdit* edit : {new_force_, new_pressure_, new_label_}) edit->clear();
    }
  });
  for (QLineEdit* edit : {new_force_, new_pressure_, new_label_}) {
    connect(edit, &QLineEdit::returnPressed, add, &QPushButton::click);
  }

  remove_ = new QPushButton(QStringLiteral("Remove selected points"), this);
  remove_->setObjectName(QStringLiteral("removePoints"));
  connect(remove_, &QPushButton::clicked, this, [this] {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
      rows.push_back(index.row());
    presenter_.RemoveRows(std::move(rows));
  });
  left->addWidget(remove_, 0, Qt::AlignLeft);

  status_ = ValueLabel("calibrationStatus", this);
  refusal_ = ValueLabel("calibrationRefusal", this);
  refusal_->setStyleSheet(QStringLiteral("color: rgb(170, 0, 0);"));
  left->addWidget(status_);
  left->addWidget(refusal_);

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
  target_form->addRow(QStringLiteral("Sample pressure (GPa):"), target_);
  target_form->addRow(QStringLiteral("Force:"), target_force_);
  target_form->addRow(QStringLiteral("Oil pressure:"), target_oil_);
  left->addWidget(target);
  connect(target_, &QLineEdit::editingFinished, this, [this] {
    if (presenter_.SetTarget(target_->text().toStdString())) target_->setStyleSheet(QString());
  });

  QString error;
  if (CalibrationChartFactory* factory = LoadCalibrationChart(&error)) {
    chart_ = factory->Create(this);
    chart_->Widget()->setMinimumSize(480, 360);
    columns->addWidget(chart_->Widget(), 1);
  } else {
    auto* missing = ValueLabel("calibrationChartMissing", this);
    missing->setText(QStringLiteral("The plot is not available: ") + error);
    missing->setAlignment(Qt::AlignCenter);
    columns->addWidget(missing, 1);
  }
  resize(1080, 580);
}

void CalibrationWindow::Follow() {
  // The design's numbers, never the boxes' texts.
  presenter_.Follow(calculator_.Numbers().state, calculator_.Numbers().view);
}

void CalibrationWindow::SetPoints(std::vector<CalibrationPoint> points) {
  presenter_.SetPoints(std::move(points));
}

void CalibrationWindow::CellEdited(int row, int column) {
  if (filling_ || column < 0 || column >= 3) return;
  const QTableWidgetItem* item = table_->item(row, column);
  if (!item) return;
  presenter_.EditCell(row, kColumns[column], item->text().toStdString());
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
  new_force_unit_->setText(Text(screen.force_unit));
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
    }
  }
  filling_ = false;

  status_->setText(Text(screen.status));
  status_->setVisible(!screen.status.empty());
  refusal_->clear();
  refusal_->hide();
  for (QLineEdit* edit : {new_force_, new_pressure_, new_label_}) edit->setStyleSheet(QString());
  current_force_->setText(Text(screen.current_force));
  current_pressure_->setText(Text(screen.current_pressure));
  target_force_->setText(Text(screen.target_force));
  target_oil_->setText(Text(screen.target_oil));
  if (chart_) chart_->Plot(screen.plot);
}

void CalibrationWindow::Refuse(const CalibrationRefusal& refusal) {
  const QString reason = Text(refusal.reason);
  refusal_->setText(reason);
  refusal_->show();
  if (refusal.row >= 0) {
    // The typed text stays in its cell, marked, until it is corrected or the table is shown anew.
    filling_ = true;
    for (int c = 0; c < 3; ++c) {
      if (kColumns[c] != refusal.field) continue;
      if (QTableWidgetItem* item = table_->item(refusal.row, c)) {
        item->setData(Qt::BackgroundRole, kBrokenRow);
        item->setToolTip(reason);
      }
    }
    filling_ = false;
    return;
  }
  QLineEdit* edit = nullptr;
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
  edit->setStyleSheet(kRefusedStyle);
  edit->setToolTip(reason);
}

}  // namespace ostrel::ui
