// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/fault_message.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>

#include "ui/accessibility.h"

namespace ostrel::ui {

void ShowFaultReport(QWidget* parent, Fault fault, const FaultDetail& detail, QLineEdit* change) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Ostrel"),
                  QString::fromUtf8(FaultText(fault)), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.setInformativeText(QString::fromStdString(detail.informative));
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
    // The detail quotes what the user typed, which must show as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    // The box is as wide as its short kind of fault, which would wrap the detail after every few
    // words; a line of about 45 characters keeps it to three or four lines. A quoted text without
    // blanks cannot wrap, so the line is never narrower than the widest word.
    const QFontMetrics metrics = label->fontMetrics();
    int width = metrics.averageCharWidth() * 45;
    for (const QString& word : box.informativeText().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      width = std::max(width, metrics.horizontalAdvance(word));
    }
    label->setMinimumWidth(width);
  }
  FocusOnlyTheButton(box);
  box.exec();
  if (change != nullptr) {
    // Back to the window the report belongs to, where not every platform returns by itself.
    change->activateWindow();
    change->setFocus(Qt::OtherFocusReason);
    change->selectAll();
  }
}

}  // namespace ostrel::ui
