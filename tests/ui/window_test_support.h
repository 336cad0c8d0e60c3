// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <vector>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "core/fault.h"
#include "ui/controls.h"
#include "ui/document_window.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

namespace ostrel::ui::test {

// Fails the running test instead of letting it hang: a modal dialog that no test expects (a
// fault report through the real message box, say) is noted and closed at once.
class ModalWatchdog final {
 public:
  ModalWatchdog() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      seen_ = modal->windowTitle();
      if (auto* box = qobject_cast<QMessageBox*>(modal))
        seen_ += QStringLiteral(": ") + box->text();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
    });
    timer_.start();
  }

  // The title (and message) of the last unexpected dialog, empty if there was none.
  const QString& seen() const { return seen_; }

 private:
  QTimer timer_;
  QString seen_;
};

// A window whose fault reports are recorded instead of shown.
struct RecordingWindow {
  std::vector<Fault> faults;
  MainWindow window{[this](Fault fault) { faults.push_back(fault); }};
};

// The program's top-level window around the calculator area, its fault reports recorded.
struct RecordingDocumentWindow {
  std::vector<Fault> faults;
  DocumentWindow window{nullptr, [this](Fault fault) { faults.push_back(fault); }};
};

template <typename W = QWidget>
W* Child(QWidget& window, const char* name, int index = kNotInArray) {
  return window.findChild<W*>(QString::fromStdString(ObjectName(name, index)));
}

}  // namespace ostrel::ui::test
