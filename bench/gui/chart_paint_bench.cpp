// Repainting a chart of 16 series of 1,000,000 points at the graph window's
// size (908 x 448): the chart's own painter (four points per pixel column),
// the same series drawn through every point with QPainter, and Qt Charts
// (QLineSeries in an offscreen QChartView) on the same data.
//
//   veltra_gui_bench --benchmark_filter=ChartPaint
#include "core/chart/chart_model.h"
#include "gui/chart/chart_painter.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#ifdef VELTRA_BENCH_QTCHARTS
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#endif

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

using namespace veltra;

constexpr int kSeries = 16, kPoints = 1'000'000, kWidth = 908, kHeight = 448;

// A week of 16 measurements at 0.6-second steps: slow swings with noise.
const core::ChartModel& bigChart() {
  static const core::ChartModel chart = [] {
    core::ChartModel c;
    c.setSize(kWidth, kHeight);
    c.XAxis.ShowAsTime = true;
    std::mt19937 rng(1);
    std::normal_distribution<double> noise(0, 0.3);
    for (int s = 1; s <= kSeries; ++s) {
      core::TSeries& series = c.Series(s);
      series.DrawPoints = false;
      series.reserve(kPoints);
      for (int i = 0; i < kPoints; ++i)
        series.Add(46000 + i * 7.0 / kPoints, 3 * s + 10 * std::sin(i * 2e-5 * s) + noise(rng));
    }
    return c;
  }();
  return chart;
}

void BM_ChartPaintDecimated(benchmark::State& state) {
  const core::ChartModel& chart = bigChart();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&image);
    gui::paintChart(p, chart, chart.metrics());
  }
  state.SetItemsProcessed(state.iterations() * kSeries * kPoints);
}
BENCHMARK(BM_ChartPaintDecimated)->Unit(benchmark::kMillisecond)->UseRealTime();

// The straightforward way: every point mapped and drawn as one polyline.
void BM_ChartPaintEveryPoint(benchmark::State& state) {
  const core::ChartModel& chart = bigChart();
  const core::ChartMetrics m = chart.metrics();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPolygon polygon(kPoints);
  for (auto _ : state) {
    QPainter p(&image);
    image.fill(Qt::white);
    p.setClipRect(QRect(m.plotLeft, m.plotTop, m.plotRight - m.plotLeft + 1, m.plotBottom - m.plotTop + 1));
    for (const auto& s : chart.series()) {
      const auto xs = s->points().x(), ys = s->points().y();
      for (int i = 0; i < kPoints; ++i)
        polygon[i] = QPoint(m.x.toPixel(xs[i]), m.y.toPixel(ys[i]));
      p.setPen(QPen(QColor(0, 0, 200), 0));
      p.drawPolyline(polygon);
    }
  }
  state.SetItemsProcessed(state.iterations() * kSeries * kPoints);
}
BENCHMARK(BM_ChartPaintEveryPoint)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef VELTRA_BENCH_QTCHARTS
void BM_ChartPaintQtCharts(benchmark::State& state) {
  const core::ChartModel& data = bigChart();
  const core::ChartMetrics m = data.metrics();
  auto* chart = new QChart;
  chart->legend()->hide();
  auto* x = new QValueAxis;
  auto* y = new QValueAxis;
  x->setRange(m.x.min, m.x.max);
  y->setRange(m.y.min, m.y.max);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (const auto& s : data.series()) {
    QList<QPointF> points;
    points.reserve(kPoints);
    const auto xs = s->points().x(), ys = s->points().y();
    for (int i = 0; i < kPoints; ++i)
      points.append(QPointF(xs[i], ys[i]));
    auto* line = new QLineSeries;
    line->replace(points);
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
  }
  QChartView view(chart);
  view.resize(kWidth, kHeight);
  view.show();
  // The chart lays out its items and takes the points in queued events.
  for (int i = 0; i < 5; ++i)
    QCoreApplication::processEvents();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QPainter p(&image);
    view.render(&p);
  }
  if (qEnvironmentVariableIsSet("VELTRA_BENCH_PICTURE")) image.save(qEnvironmentVariable("VELTRA_BENCH_PICTURE"));
  for (auto _ : state) {
    QPainter p(&image);
    view.render(&p);
  }
  state.SetItemsProcessed(state.iterations() * kSeries * kPoints);
}
BENCHMARK(BM_ChartPaintQtCharts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
#endif

} // namespace
