#include <QApplication>

#include "ui/main_window.h"
#include "ui/window_style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ostrel::ui::UseWindowStyle();
  ostrel::ui::MainWindow window;
  window.show();
  return QApplication::exec();
}
