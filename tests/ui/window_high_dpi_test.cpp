// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

// The window at twice the reference resolution (QT_SCALE_FACTOR=2): the whole window scales, so
// its picture has twice the size of the layout in pixels, text is drawn at the finer resolution
// rather than enlarged, and no caption is cut off by the rectangle it is drawn in.

#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QTest>
#include <QWindow>

#include "window_test_support.h"

using ostrel::ui::Control;
using ostrel::ui::kClientHeight;
using ostrel::ui::kClientWidth;
using ostrel::ui::kControls;
using ostrel::ui::Kind;
using ostrel::ui::kTwipsPerPixel;
using ostrel::ui::test::Child;
using ostrel::ui::test::ModalWatchdog;
using ostrel::ui::test::RecordingWindow;

namespace {

constexpr int kScale = 2;

QString CaptionOf(const QWidget* w) {
  if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  return {};
}

void SetCaption(QWidget* w, const QString& text) {
  if (auto* frame = qobject_cast<QGroupBox*>(w)) frame->setTitle(text);
  if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(text);
}

// The widget as drawn, in device pixels, without its children.
QImage Render(QWidget* w) {
  QPixmap pixmap(w->size() * kScale);
  pixmap.setDevicePixelRatio(kScale);
  pixmap.fill(Qt::white);
  w->render(&pixmap, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels that the caption changes: drawn with it and without it.
QRect CaptionInk(QWidget* w) {
  const QString caption = CaptionOf(w);
  const QImage with = Render(w);
  SetCaption(w, QString());
  const QImage without = Render(w);
  SetCaption(w, caption);
  QRect ink;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      if (with.pixel(x, y) != without.pixel(x, y)) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

// Sum of squared brightness steps between neighbouring pixels in a row: an enlarged picture
// spreads each edge over two smaller steps, which halves this sum.
double EdgeEnergy(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 1; x < image.width(); ++x) {
      const int step = qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y));
      sum += double(step) * step;
    }
  }
  return sum;
}

}  // namespace

class WindowHighDpiTest final : public QObject {
  Q_OBJECT

  std::unique_ptr<ModalWatchdog> watchdog_;
  std::unique_ptr<RecordingWindow> ui_;

 private slots:
  void initTestCase() {
    ostrel::ui::UseWindowStyle();
    QLocale::setDefault(QLocale::c());
    watchdog_ = std::make_unique<ModalWatchdog>();
    ui_ = std::make_unique<RecordingWindow>();
    ui_->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ui_->window));
  }

  void cleanupTestCase() {
    ui_.reset();
    QVERIFY2(watchdog_->seen().isEmpty(), qPrintable(watchdog_->seen()));
  }

  void screenshotHasTwiceTheSize() {
    QCOMPARE(ui_->window.devicePixelRatio(), qreal(kScale));
    const QPixmap shot = ui_->window.grab();
    QCOMPARE(shot.devicePixelRatio(), qreal(kScale));
    QCOMPARE(shot.size(), QSize(kClientWidth / kTwipsPerPixel * kScale,
                                kClientHeight / kTwipsPerPixel * kScale));
    // The layout itself stays in the reference pixels that the scale multiplies.
    QCOMPARE(ui_->window.windowHandle()->devicePixelRatio(), qreal(kScale));
    QCOMPARE(ui_->window.size(),
             QSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel));
  }

  void captionsAreNotClipped_data() {
    QTest::addColumn<QString>("name");
    for (const Control& c : kControls) {
      if (c.kind == Kind::TextBox || !*c.caption) continue;
      const QString name = QString::fromStdString(ostrel::ui::ObjectName(c));
      QTest::newRow(qPrintable(name)) << name;
    }
  }

  // A caption cut off by its rectangle covers less than it does in a rectangle with room to
  // spare. A label keeps its width there, so that it wraps at the same spaces; a word too long
  // for the width reaches the label's last column instead.
  void captionsAreNotClipped() {
    QFETCH(QString, name);
    auto* w = ui_->window.findChild<QWidget*>(name);
    QVERIFY(w);
    const bool label = qobject_cast<QLabel*>(w);
    const QSize size = w->size();
    const QRect ink = CaptionInk(w);
    w->resize(label ? QSize(size.width(), size.height() + 100) : size + QSize(400, 100));
    const QRect roomy = CaptionInk(w);
    w->resize(size);
    QVERIFY2(!roomy.isEmpty(), "the caption draws nothing");
    // One device pixel of slack: the caption may sit at another fraction of a pixel.
    QVERIFY2(ink.width() + 1 >= roomy.width() && ink.height() + 1 >= roomy.height(),
             qPrintable(QStringLiteral("%1x%2 of the caption's %3x%4 device pixels are shown")
                            .arg(ink.width())
                            .arg(ink.height())
                            .arg(roomy.width())
                            .arg(roomy.height())));
    QVERIFY2(ink.right() < size.width() * kScale - 1, "the caption reaches the right edge");
  }

  // Text drawn at the device resolution has more than twice the edge energy of the same text
  // drawn at the reference resolution and enlarged.
  void textIsDrawnAtDeviceResolution() {
    auto* label = Child<QLabel>(ui_->window, "Label3");
    QVERIFY(label);
    const QImage fine = Render(label);
    QPixmap coarse(label->size());
    coarse.setDevicePixelRatio(1);
    coarse.fill(Qt::white);
    label->render(&coarse, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QImage enlarged =
        coarse.toImage()
            .convertToFormat(QImage::Format_RGB32)
            .scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double fineEnergy = EdgeEnergy(fine);
    const double enlargedEnergy = EdgeEnergy(enlarged);
    QVERIFY2(fineEnergy > 2 * enlargedEnergy,
             qPrintable(QStringLiteral("%1 against %2").arg(fineEnergy).arg(enlargedEnergy)));
  }
};

int main(int argc, char* argv[]) {
  // Before the application exists, as a user's environment would set it.
  qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
  QApplication app(argc, argv);
  WindowHighDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_high_dpi_test.moc"
