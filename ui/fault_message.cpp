// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/fault_message.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>

namespace ostrel::ui {

void ShowFaultReport(QWidget* parent, Fault fault, const FaultDetail& detail, QLineEdit* change) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Ostrel"),
                  QString::fromUtf8(FaultText(fault)), QMessageBox::Ok, parent);
  // The detail quotes what the user typed, which must show as typed, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.setInformativeText(QString::fromStdString(detail.informative));
  // The box is as wide as its short kind of fault, which would wrap the detail after every few
  // words; a line of about 45 characters keeps it to three or four lines.
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 45);
  }
  box.exec();
  if (change != nullptr) {
    change->setFocus(Qt::OtherFocusReason);
    change->selectAll();
  }
}

}  // namespace ostrel::ui
