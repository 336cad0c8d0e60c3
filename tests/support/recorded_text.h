// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QStringList>

namespace ostrel::test {

// A page that keeps the texts painted on it, in painting order: what a sheet or a drawing says,
// without a PDF reader.
class RecordedText final : public QPaintDevice {
 public:
  RecordedText(int width, int height, int dpi) : width_(width), height_(height), dpi_(dpi) {}

  QPaintEngine* paintEngine() const override { return &engine_; }
  const QStringList& Texts() const { return engine_.texts; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
        return width_;
      case PdmHeight:
        return height_;
      case PdmWidthMM:
        return width_ * 254 / (10 * dpi_);
      case PdmHeightMM:
        return height_ * 254 / (10 * dpi_);
      case PdmDepth:
        return 32;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:  // the resolutions; the number of colours is not asked for
        return dpi_;
    }
  }

 private:
  class Engine final : public QPaintEngine {
   public:
    Engine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Shapes are not kept; the defaults of these call each other.
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }
    QStringList texts;
  };

  int width_;
  int height_;
  int dpi_;
  mutable Engine engine_;
};

}  // namespace ostrel::test
