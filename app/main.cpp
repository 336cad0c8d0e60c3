// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTimer>

#include "app/command_line.h"
#include "cli/argument_text.h"
#include "painting/design_sheet.h"
#include "ui/calibration_menu.h"
#include "ui/document_window.h"
#include "ui/screen_fit.h"
#include "ui/window_style.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << ostrel::cli::ArgumentText(argv[i]);
  return arguments;
}

// Help and version text: a failed write (a full disk, a closed pipe) is a failure.
int PrintText(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  const auto size = static_cast<std::size_t>(bytes.size());
  if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0) return 0;
  std::fprintf(stderr, "ostrel: cannot write the output: %s\n", std::strerror(errno));
  return 1;
}

// --sheet: no window and no display, so Qt's offscreen platform unless one is named.
int WriteSheet(const ostrel::app::CommandLine& command, int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Standard error is for what went wrong with the sheet: not for Qt's notes on the session
  // (a script or cron job has no runtime folder, for one).
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fputs(QStringLiteral("ostrel: %1\n").arg(message).toLocal8Bit().constData(), stderr);
    }
  });
  QGuiApplication app(argc, argv);
  const ostrel::painting::SheetRun run = ostrel::painting::WriteSheetOfDesignFile(
      ostrel::cli::ArgumentBytes(command.file), ostrel::cli::ArgumentBytes(command.output));
  if (run.status != 0)
    std::fputs(QStringLiteral("ostrel: %1\n").arg(run.error).toLocal8Bit().constData(), stderr);
  return run.status;
}

}  // namespace

int main(int argc, char* argv[]) {
  using ostrel::app::CommandLine;
  // A file-size limit makes a write fail (and be reported) rather than end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // Read before the application object exists: what only prints needs no display.
  const CommandLine command = ostrel::app::ParseCommandLine(Arguments(argc, argv));
  switch (command.mode) {
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
      return PrintText(command.text);
    case CommandLine::Mode::Error:
      std::fputs(command.text.toLocal8Bit().constData(), stderr);
      return 2;
    case CommandLine::Mode::Sheet:
      return WriteSheet(command, argc, argv);
    case CommandLine::Mode::Headless:
      return ostrel::cli::Run(command.request);
    case CommandLine::Mode::Window:
      break;
  }

  QApplication app(argc, argv);
  // Ties the window to its menu entry and icon, which carry the application id in their names.
  QApplication::setDesktopFileName(QStringLiteral(OSTREL_APP_ID));
  ostrel::ui::UseWindowStyle();
  ostrel::ui::DocumentWindow window;
  ostrel::ui::AddPressureCalibration(window);
  // A screen smaller than the window gets a window it can hold, whose calculator area scrolls.
  ostrel::ui::FitToScreen(window);
  window.show();
  // Opened as File > Open opens it, once the window is up to show any report over it.
  if (!command.file.isEmpty())
    QTimer::singleShot(0, &window, [&window, &command] { window.OpenFile(command.file); });
  return QApplication::exec();
}
