#include "ui/window_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace ostrel::ui {
namespace {

// Where a frame's caption starts, measured from the frame's left edge.
constexpr int kCaptionIndent = 7;

// A standard icon fetched from the base style only when it is first drawn or measured. Qt 6.4
// reads an icon's image files when the icon is made, loading every image-format plugin to guess
// their formats, and a menu bar makes the icon of its overflow button at once, although that
// button shows only in a window too narrow for the menus: a quarter of the menu bar's start-up.
class DeferredIcon final : public QIconEngine {
 public:
  DeferredIcon(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIcon(style_, which_); }

 private:
  const QIcon& Icon() {
    if (!fetched_) {
      icon_ = style_->standardIcon(which_);
      fetched_ = true;
    }
    return icon_;
  }

  const QStyle* style_;
  QStyle::StandardPixmap which_;
  QIcon icon_;
  bool fetched_ = false;
};

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl sub, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || !box) {
    return QProxyStyle::subControlRect(control, option, sub, widget);
  }
  const int line = box->fontMetrics.height();
  switch (sub) {
    case SC_GroupBoxFrame:
      return box->rect.adjusted(0, line / 2, 0, 0);
    case SC_GroupBoxLabel:
      if (box->text.isEmpty()) return {};
      return QRect(box->rect.left() + kCaptionIndent, box->rect.top(),
                   box->fontMetrics.horizontalAdvance(box->text) + 2, line);
    default:
      return QProxyStyle::subControlRect(control, option, sub, widget);
  }
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || !box) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  // Fusion's own group-box frame starts below the caption's line; this one runs through it.
  const QRectF frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(box->palette.window().color().darker(140));
  painter->setBrush(Qt::NoBrush);
  painter->drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  painter->restore();
  if (box->text.isEmpty()) return;
  // The caption interrupts the border line.
  const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
  painter->fillRect(label.adjusted(-2, 0, 2, 0), box->palette.window());
  drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic,
               box->palette, box->state & State_Enabled, box->text, QPalette::WindowText);
}

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton && !option && widget)
    return QIcon(new DeferredIcon(baseStyle(), icon));
  return QProxyStyle::standardIcon(icon, option, widget);
}

void UseWindowStyle() {
  QApplication::setStyle(new WindowStyle);
}

}  // namespace ostrel::ui
