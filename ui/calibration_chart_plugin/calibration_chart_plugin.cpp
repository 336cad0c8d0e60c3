// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The calibration plot drawn with Qt Charts, built as a plugin that the calibration window loads
// on first use. Draws the lines the presenter computed, in the order given; computes nothing.
#include <memory>
#include <vector>

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QObject>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "calibration/presenter/label_places.h"
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
  // The chart is handed to the view's constructor: a view made without one makes its own, which
  // setChart would then leave to nobody.
  explicit Chart(QWidget* parent) : chart_(new QChart()) {
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    view_ = new QChartView(chart_, parent);
    view_->setObjectName(QStringLiteral("calibrationChart"));
    view_->setRenderHint(QPainter::Antialiasing);
    force_axis_ = new QValueAxis(chart_);
    pressure_axis_ = new QValueAxis(chart_);
    pressure_axis_->setTitleText(QStringLiteral("Sample pressure (GPa)"));
    for (QValueAxis* axis : {force_axis_, pressure_axis_})
      axis->setLabelFormat(QStringLiteral("%g"));
    chart_->addAxis(force_axis_, Qt::AlignBottom);
    chart_->addAxis(pressure_axis_, Qt::AlignLeft);

    // Made once and refilled on every refresh: rebuilding the series costs far more.
    theory_ = AddLine(QStringLiteral("Theoretical"), Pen(kTheoryColour, 1.5, Qt::DashLine));
    curve_ = AddLine(QStringLiteral("Calibration"), Pen(kCurveColour, 2));
    below_ = AddLine(QString(), Pen(kCurveColour, 1.5, Qt::DotLine));
    above_ = AddLine(QString(), Pen(kCurveColour, 1.5, Qt::DotLine));
    points_ =
        AddMarkers(QStringLiteral("Points"), kCurveColour, QScatterSeries::MarkerShapeCircle, 9);
    current_ = AddMarkers(QStringLiteral("Current"), kCurrentColour,
                          QScatterSeries::MarkerShapeRectangle, 10);
    target_ = AddMarkers(QStringLiteral("Target"), kTargetColour,
                         QScatterSeries::MarkerShapeTriangle, 12);
    for (QXYSeries* extension : {below_, above_}) {
      for (QLegendMarker* marker : chart_->legend()->markers(extension)) marker->setVisible(false);
    }
    QObject::connect(chart_, &QChart::plotAreaChanged, view_, [this] { PlaceLabels(); });
  }

  QWidget* Widget() override { return view_; }

  void Plot(const CalibrationPlotData& plot) override {
    force_axis_->setTitleText(QString::fromStdString(plot.force_title));
    force_axis_->setRange(0, plot.force_max);
    pressure_axis_->setRange(0, plot.pressure_max);
    for (QValueAxis* axis : {force_axis_, pressure_axis_}) {
      // The nice numbers take their step from the tick count, and leave theirs behind.
      axis->setTickCount(6);
      axis->applyNiceNumbers();
    }

    Fill(theory_, Points(plot.theory));
    Fill(curve_, Points(plot.curve));
    Fill(below_, Points(plot.extension_below));
    Fill(above_, Points(plot.extension_above));
    Fill(points_, Points(plot.points));
    Fill(current_, plot.current
                       ? QList<QPointF>{QPointF(plot.current->force, plot.current->pressure)}
                       : QList<QPointF>{});
    Fill(target_, plot.target ? QList<QPointF>{QPointF(plot.target->force, plot.target->pressure)}
                              : QList<QPointF>{});

    label_points_.clear();
    std::size_t used = 0;
    for (std::size_t i = 0; i < plot.points.size() && i < plot.labels.size(); ++i) {
      if (plot.labels[i].empty()) continue;
      if (used == labels_.size()) {
        labels_.push_back(new QGraphicsSimpleTextItem(chart_));
        labels_.back()->setBrush(chart_->titleBrush());
      }
      labels_[used]->setText(QString::fromStdString(plot.labels[i]));
      labels_[used]->setVisible(true);
      label_points_.push_back(QPointF(plot.points[i].force, plot.points[i].pressure));
      ++used;
    }
    for (std::size_t i = used; i < labels_.size(); ++i) labels_[i]->setVisible(false);
    // Markers shown or hidden leave the legend as it was laid out; it is laid out anew.
    chart_->legend()->layout()->invalidate();
    PlaceLabels();
  }

 private:
  QLineSeries* AddLine(const QString& name, const QPen& pen) {
    auto* series = new QLineSeries(chart_);
    series->setName(name);
    series->setPen(pen);
    Attach(series);
    return series;
  }

  QScatterSeries* AddMarkers(const QString& name, const QColor& colour,
                             QScatterSeries::MarkerShape shape, qreal size) {
    auto* series = new QScatterSeries(chart_);
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour.darker(140));
    series->setMarkerShape(shape);
    series->setMarkerSize(size);
    Attach(series);
    return series;
  }

  void Attach(QXYSeries* series) {
    chart_->addSeries(series);
    series->attachAxis(force_axis_);
    series->attachAxis(pressure_axis_);
  }

  // An empty series leaves the legend too, except the lines that never show there.
  void Fill(QXYSeries* series, const QList<QPointF>& points) {
    series->replace(points);
    if (series == below_ || series == above_) return;
    for (QLegendMarker* marker : chart_->legend()->markers(series))
      marker->setVisible(!points.isEmpty());
  }

  // Each label where it covers no other label and no other point; one that fits nowhere is left
  // out (a point's label is in the table beside the plot).
  void PlaceLabels() {
    const QRectF area = chart_->plotArea();
    std::vector<LabelToPlace> wanted;
    for (std::size_t i = 0; i < label_points_.size(); ++i) {
      const QPointF at = chart_->mapToPosition(label_points_[i]);
      const QRectF box = labels_[i]->boundingRect();
      wanted.push_back({at.x(), at.y(), box.width(), box.height()});
    }
    const auto places =
        ostrel::PlaceLabels(wanted, {area.left(), area.top(), area.width(), area.height()}, 7, 10);
    for (std::size_t i = 0; i < places.size(); ++i) {
      labels_[i]->setVisible(places[i].has_value());
      if (places[i]) labels_[i]->setPos(places[i]->left, places[i]->top);
    }
  }

  QChart* chart_;
  QChartView* view_;
  QValueAxis* force_axis_;
  QValueAxis* pressure_axis_;
  QLineSeries* theory_;
  QLineSeries* curve_;
  QLineSeries* below_;
  QLineSeries* above_;
  QScatterSeries* points_;
  QScatterSeries* current_;
  QScatterSeries* target_;
  std::vector<QGraphicsSimpleTextItem*> labels_;  // owned by the chart; spares hidden
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
