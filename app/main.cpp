#include <QApplication>

#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Ties the window to its menu entry and icon, which carry the application id in their names.
  QApplication::setDesktopFileName(QStringLiteral(OSTREL_APP_ID));
  ostrel::ui::UseWindowStyle();
  ostrel::ui::MainWindow window;
  window.show();
  return QApplication::exec();
}
