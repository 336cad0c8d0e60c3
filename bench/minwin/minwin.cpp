// The least window of the toolkit that shows a number, sized and titled like the calculator:
// the floor its start-up is measured against. A label and a box holding a number make the
// toolkit start its font and text machinery, as any program that shows numbers must.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Ostrel"));
  window.resize(836, 688);
  auto* label = new QLabel(QStringLiteral("Octahedron edge length"), &window);
  label->setGeometry(8, 8, 160, 17);
  auto* box = new QLineEdit(QStringLiteral("14"), &window);
  box->setGeometry(8, 32, 81, 33);
  window.show();
  return app.exec();
}
