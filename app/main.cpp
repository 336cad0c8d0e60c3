#include <QApplication>
#include <optional>

#include "cli/run_command_line.h"
#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  // --print, --batch, --help and --version run before any application object exists, so they
  // need no display.
  if (const std::optional<int> status = ostrel::cli::RunCommandLine(argc, argv)) return *status;
  QApplication app(argc, argv);
  // Ties the window to its menu entry and icon, which carry the application id in their names.
  QApplication::setDesktopFileName(QStringLiteral(OSTREL_APP_ID));
  ostrel::ui::UseWindowStyle();
  ostrel::ui::MainWindow window;
  window.show();
  return QApplication::exec();
}
