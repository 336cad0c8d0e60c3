// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// Ends a start-up run at its first painted frame. Linked beside a program's own, unchanged
// main(): the hook is installed from inside the QApplication constructor, so the program starts
// exactly as it ships and needs neither a command line nor an environment variable to stop.
//
// Prints "first-frame-ns N" (CLOCK_MONOTONIC) on standard output when the event loop has
// finished the update that painted the first frame; measure_startup reads it.
#include <time.h>

#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace {

class ExitOnFirstPaint final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint) {
      seen_ = true;
      // Takes effect when the event loop regains control, i.e. after every widget of this
      // update has been painted and the backing store flushed to the screen.
      QCoreApplication::exit(0);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

void ReportFirstFrame() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("first-frame-ns %lld\n",
              static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
}

void InstallFirstFrameExit() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new ExitOnFirstPaint(app));
  QObject::connect(app, &QCoreApplication::aboutToQuit, &ReportFirstFrame);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstFrameExit)
