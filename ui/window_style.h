#pragma once

#include <QProxyStyle>

namespace ostrel::ui {

// Fusion, for metrics that are the same on every desktop, except that a frame draws its caption
// in its top border: the border runs through the middle of the caption's line, so controls
// placed 16 pixels below a frame's top edge lie inside it.
class WindowStyle final : public QProxyStyle {
 public:
  WindowStyle();

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

// Installs WindowStyle for the application; the program does this before it creates the window.
void UseWindowStyle();

}  // namespace ostrel::ui
