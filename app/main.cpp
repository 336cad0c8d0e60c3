#include <cstdio>

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "app/command_line.h"
#include "ui/document_window.h"
#include "ui/window_style.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  using ostrel::app::CommandLine;
  // Read before the application object exists: what only prints needs no display.
  const CommandLine command = ostrel::app::ParseCommandLine(Arguments(argc, argv));
  switch (command.mode) {
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
      std::fputs(command.text.toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLine::Mode::Error:
      std::fputs(command.text.toLocal8Bit().constData(), stderr);
      return 2;
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
  window.show();
  // Opened as File > Open opens it, once the window is up to show any report over it.
  if (!command.file.isEmpty())
    QTimer::singleShot(0, &window, [&window, &command] { window.OpenFile(command.file); });
  return QApplication::exec();
}
