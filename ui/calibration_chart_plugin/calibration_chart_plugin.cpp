// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The calibration plot drawn with Qt Charts, built as a plugin that the calibration window loads
// on first use. Draws the lines the presenter computed, in the order given; computes nothing.
#include <memory>
#include <vector>

#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QObject>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "ui/calibration_chart.h"

namespace ostrel::ui {
namespace {

// Colours that stay apart for the common kinds of colour blindness.
const QColor kCurveColour(0, 114, 178);     // blue
const QColor kTheoryColour(120, 120, 120);  // grey
const QColor kCurrentColour(0, 158, 115);   // green
const QColor kTargetColour(213, 94, 0);     // vermilion

QList<QPointF> Points(const std::vector<PlotXY>& line) {
  QList<QPointF> points;
  for (const PlotXY& p : line) points.append(QPointF(p.force, p.pressure));
  return points;
}

QPen Pen(const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine) {
  return QPen(colour, width, style);
}

class Chart final : public CalibrationChart {
 public:
  explicit Chart(QWidget* parent) : view_(new QChartView(parent)) {
    view_->setObjectName(QStringLiteral("calibrationChart"));
    view_->setRenderHint(QPainter::Antialiasing);
    chart_ = new QChart();
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    view_->setChart(chart_);
    force_axis_ = new QValueAxis(chart_);
    pressure_axis_ = new QValueAxis(chart_);
    pressure_axis_->setTitleText(QStringLiteral("Sample pressure (GPa)"));
    for (QValueAxis* axis : {force_axis_, pressure_axis_})
      axis->setLabelFormat(QStringLiteral("%g"));
    chart_->addAxis(force_axis_, Qt::AlignBottom);
    chart_->addAxis(pressure_axis_, Qt::AlignLeft);
    QObject::connect(chart_, &QChart::plotAreaChanged, view_, [this] { PlaceLabels(); });
  }

  QWidget* Widget() override { return view_; }

  void Plot(const CalibrationPlotData& plot) override {
    chart_->removeAllSeries();
    for (QGraphicsSimpleTextItem* label : labels_) delete label;
    labels_.clear();
    label_points_.clear();

    force_axis_->setTitleText(QString::fromStdString(plot.force_title));
    force_axis_->setRange(0, plot.force_max);
    pressure_axis_->setRange(0, plot.pressure_max);
    for (QValueAxis* axis : {force_axis_, pressure_axis_}) {
      axis->setTickCount(6);
      axis->applyNiceNumbers();
    }

    if (!plot.theory.empty()) {
      AddLine(QStringLiteral("Theoretical"), plot.theory, Pen(kTheoryColour, 1.5, Qt::DashLine));
    }
    if (!plot.curve.empty()) {
      AddLine(QStringLiteral("Calibration"), plot.curve, Pen(kCurveColour, 2));
      for (const auto* extension : {&plot.extension_below, &plot.extension_above}) {
        if (extension->empty()) continue;
        QLineSeries* series = AddLine(QString(), *extension, Pen(kCurveColour, 1.5, Qt::DotLine));
        HideFromLegend(series);
      }
    }
    AddMarkers(QStringLiteral("Points"), Points(plot.points), kCurveColour,
               QScatterSeries::MarkerShapeCircle, 9);
    if (plot.current) {
      AddMarkers(QStringLiteral("Current"), {QPointF(plot.current->force, plot.current->pressure)},
                 kCurrentColour, QScatterSeries::MarkerShapeRectangle, 10);
    }
    if (plot.target) {
      AddMarkers(QStringLiteral("Target"), {QPointF(plot.target->force, plot.target->pressure)},
                 kTargetColour, QScatterSeries::MarkerShapeTriangle, 12);
    }

    for (std::size_t i = 0; i < plot.points.size() && i < plot.labels.size(); ++i) {
      if (plot.labels[i].empty()) continue;
      auto* label = new QGraphicsSimpleTextItem(QString::fromStdString(plot.labels[i]), chart_);
      label->setBrush(chart_->titleBrush());
      labels_.push_back(label);
      label_points_.push_back(QPointF(plot.points[i].force, plot.points[i].pressure));
    }
    PlaceLabels();
  }

 private:
  QLineSeries* AddLine(const QString& name, const std::vector<PlotXY>& line, const QPen& pen) {
    auto* series = new QLineSeries(chart_);
    series->setName(name);
    series->append(Points(line));
    series->setPen(pen);
    Attach(series);
    return series;
  }

  void AddMarkers(const QString& name, const QList<QPointF>& points, const QColor& colour,
                  QScatterSeries::MarkerShape shape, qreal size) {
    auto* series = new QScatterSeries(chart_);
    series->setName(name);
    series->append(points);
    series->setColor(colour);
    series->setBorderColor(colour.darker(140));
    series->setMarkerShape(shape);
    series->setMarkerSize(size);
    Attach(series);
  }

  void Attach(QXYSeries* series) {
    chart_->addSeries(series);
    series->attachAxis(force_axis_);
    series->attachAxis(pressure_axis_);
  }

  void HideFromLegend(QXYSeries* series) {
    for (QLegendMarker* marker : chart_->legend()->markers(series)) marker->setVisible(false);
  }

  // Below and to the right of its point, where a rising curve leaves room; to the left where
  // that would leave the plot area.
  void PlaceLabels() {
    const QRectF area = chart_->plotArea();
    for (std::size_t i = 0; i < labels_.size(); ++i) {
      const QPointF at = chart_->mapToPosition(label_points_[i]);
      const QRectF box = labels_[i]->boundingRect();
      QPointF place(at.x() + 7, at.y() + 3);
      if (place.x() + box.width() > area.right()) place.setX(at.x() - 7 - box.width());
      if (place.y() + box.height() > area.bottom()) place.setY(at.y() - 3 - box.height());
      labels_[i]->setPos(place);
    }
  }

  QChartView* view_;
  QChart* chart_;
  QValueAxis* force_axis_;
  QValueAxis* pressure_axis_;
  std::vector<QGraphicsSimpleTextItem*> labels_;
  std::vector<QPointF> label_points_;
};

}  // namespace

class CalibrationChartPlugin final : public QObject, public CalibrationChartFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID OSTREL_CALIBRATION_CHART_IID)
  Q_INTERFACES(ostrel::ui::CalibrationChartFactory)

 public:
  std::unique_ptr<CalibrationChart> Create(QWidget* parent) override {
    return std::make_unique<Chart>(parent);
  }
};

}  // namespace ostrel::ui

#include "calibration_chart_plugin.moc"
