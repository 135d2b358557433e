#include "gui/chart/chart_painter.h"

#include "core/chart/axis_ticks.h"
#include "core/chart/series_path.h"
#include "gui/chart/chart_qt.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace veltra::gui {

using core::AxisMapping;
using core::ChartMetrics;
using core::ChartModel;
using core::TSeries;

namespace {

// Logical pixels of the painter to device pixels (scale and offset only).
struct DeviceMap {
  double sx = 1, sy = 1, dx = 0, dy = 0;
  AxisMapping x(const AxisMapping& m) const {
    AxisMapping d = m.scaled(sx);
    d.start = m.start * sx + dx;
    return d;
  }
  AxisMapping y(const AxisMapping& m) const {
    AxisMapping d = m.scaled(sy);
    d.start = m.start * sy + dy;
    return d;
  }
};

// Draws in device pixels until destroyed.
class DevicePixels {
public:
  explicit DevicePixels(QPainter& p) : m_p(p) {
    const QTransform t = p.deviceTransform();
    map = {t.m11(), t.m22(), t.dx(), t.dy()};
    p.save();
    p.setWorldTransform(t.inverted() * p.worldTransform());
  }
  ~DevicePixels() { m_p.restore(); }
  DeviceMap map;

private:
  QPainter& m_p;
};

Qt::PenStyle penStyle(int lineStyle) {
  static const Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DotLine, Qt::DashLine, Qt::DashDotLine, Qt::DashDotDotLine};
  return lineStyle >= 0 && lineStyle < core::kLineStyles ? kStyles[lineStyle] : Qt::SolidLine;
}

QPen hairline(const QColor& c, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(c, 0, style);
  pen.setCosmetic(true);
  return pen;
}

// A point mark of `size` device pixels centred on (x, y).
void drawMark(QPainter& p, int shape, int x, int y, int size) {
  const int r = std::max(1, size / 2);
  const QRect box(x - r, y - r, 2 * r + 1, 2 * r + 1);
  switch (shape) {
  case core::ps_circle:
    p.drawEllipse(box);
    break;
  case core::ps_triangle:
    p.drawPolygon(QPolygon({QPoint(x, y - r), QPoint(x + r, y + r), QPoint(x - r, y + r)}));
    break;
  case core::ps_diamond:
    p.drawPolygon(QPolygon({QPoint(x, y - r), QPoint(x + r, y), QPoint(x, y + r), QPoint(x - r, y)}));
    break;
  case core::ps_cross:
    p.drawLine(x - r, y, x + r, y);
    p.drawLine(x, y - r, x, y + r);
    break;
  case core::ps_diagonalCross:
    p.drawLine(x - r, y - r, x + r, y + r);
    p.drawLine(x - r, y + r, x + r, y - r);
    break;
  default:
    p.drawRect(box.adjusted(0, 0, -1, -1));
    break;
  }
}

void setMarkStyle(QPainter& p, const TSeries& s) {
  p.setPen(hairline(toQColor(s.PointColor)));
  p.setBrush(s.FillPoints ? QBrush(toQColor(s.PointColor)) : Qt::NoBrush);
}

int markSize(const TSeries& s, double scale) {
  return static_cast<int>(std::lround(std::clamp(s.PointSize, 1, 50) * scale));
}

void drawSeries(QPainter& p, const ChartModel& chart, const ChartMetrics& m, const ChartPaintOptions& o) {
  DevicePixels device(p);
  const DeviceMap& d = device.map;
  const QRectF logicalClip =
      chart.Appearance.ShowPointsOutsidePlotArea
          ? QRectF(0, 0, m.width, m.height)
          : QRectF(m.plotLeft, m.plotTop, m.plotRight - m.plotLeft + 1, m.plotBottom - m.plotTop + 1);
  const QRect clip(static_cast<int>(std::floor(logicalClip.left() * d.sx + d.dx)),
                   static_cast<int>(std::floor(logicalClip.top() * d.sy + d.dy)),
                   static_cast<int>(std::ceil(logicalClip.width() * d.sx)),
                   static_cast<int>(std::ceil(logicalClip.height() * d.sy)));
  p.setClipRect(clip);
  p.setRenderHint(QPainter::Antialiasing, false);
  const core::PixelClip pixelClip{clip.left(), clip.top(), clip.right(), clip.bottom()};
  const AxisMapping x = d.x(m.x);
  core::SeriesPath path;
  std::vector<core::PixelPoint> marks;
  QPolygon polygon;
  QList<QLine> lines;
  for (const auto& s : chart.series()) {
    if (!s->Active || s->count() == 0) continue;
    const AxisMapping y = d.y(s->FirstAxis ? m.y : m.y2);
    if (s->DrawLine) {
      // Dashes follow the path through every point; only a solid line looks
      // the same through four points per column.
      const bool decimate = !o.exactSeries && penStyle(s->LineStyle) == Qt::SolidLine;
      core::buildSeriesPath(s->points(), x, y, pixelClip, decimate, path);
      QPen pen(toQColor(s->LineColor), d.sx < 1.5 ? 0 : std::round(d.sx), penStyle(s->LineStyle), Qt::SquareCap,
               Qt::BevelJoin);
      pen.setCosmetic(true);
      p.setPen(pen);
      // A solid line is drawn as separate segments that each cover both their
      // ends: the picture is then the plain union of the segments, the same
      // for four points per column as for all of them. Dashes need the
      // polyline, along which their pattern runs.
      const bool segments = penStyle(s->LineStyle) == Qt::SolidLine;
      std::size_t begin = 0;
      for (std::size_t end : path.runEnds) {
        if (end - begin == 1) {
          p.drawPoint(path.points[begin].x, path.points[begin].y);
        } else if (segments) {
          lines.resize(static_cast<qsizetype>(end - begin - 1));
          for (std::size_t k = begin; k + 1 < end; ++k)
            lines[static_cast<qsizetype>(k - begin)] =
                QLine(path.points[k].x, path.points[k].y, path.points[k + 1].x, path.points[k + 1].y);
          p.drawLines(lines.data(), static_cast<int>(lines.size()));
        } else {
          polygon.resize(static_cast<int>(end - begin));
          for (std::size_t k = begin; k < end; ++k)
            polygon[static_cast<int>(k - begin)] = QPoint(path.points[k].x, path.points[k].y);
          p.drawPolyline(polygon);
        }
        begin = end;
      }
    }
    if (s->DrawPoints) {
      const int size = markSize(*s, d.sx);
      core::seriesMarks(s->points(), x, y, pixelClip, size / 2 + 1, marks);
      setMarkStyle(p, *s);
      for (const core::PixelPoint& pt : marks)
        drawMark(p, s->PointShape, pt.x, pt.y, size);
    }
  }
}

struct AxisLayout {
  const core::TAxis* axis;
  const AxisMapping* map;
  bool x;
  int line;        // y of an x axis, x of a y axis
  bool outwardLow; // labels below (x) or left (y)
};

int crossing(const core::TAxis& axis, const AxisMapping& other, int low, int high) {
  int px = 0;
  switch (axis.OffsetType) {
  case core::ao_Maximum:
    px = other.toPixel(other.max);
    break;
  case core::ao_percentage:
    px = static_cast<int>(std::lround(low + (high - low) * axis.OffsetValue / 100.0));
    break;
  case core::ao_absolute:
    px = other.valid(axis.OffsetValue) ? other.toPixel(axis.OffsetValue) : other.toPixel(other.min);
    break;
  default:
    px = other.toPixel(other.min);
    break;
  }
  return std::clamp(px, std::min(low, high), std::max(low, high));
}

void drawGrid(QPainter& p, const ChartModel& chart, const ChartMetrics& m) {
  const core::TAppearance& look = chart.Appearance;
  QPen pen = hairline(toQColor(look.GridColor), penStyle(look.GridLineStyle));
  p.setPen(pen);
  const struct {
    const core::TAxis& axis;
    const AxisMapping& map;
    bool x;
  } axes[] = {{chart.XAxis, m.x, true}, {chart.YAxis, m.y, false}, {chart.YAxis_Second, m.y2, false}};
  for (const auto& a : axes) {
    if (!a.axis.Gridlines) continue;
    const auto ticks = core::axisTicks(a.map, a.axis.LogCycleDivisions);
    // Lines closer than 3 pixels would only grey the plot.
    int last = -1000000;
    for (const core::AxisTick& t : ticks) {
      const int px = a.map.toPixel(t.value);
      if (std::abs(px - last) < 3 && !t.major) continue;
      last = px;
      if (a.x && px > m.plotLeft && px < m.plotRight)
        p.drawLine(px, m.plotTop, px, m.plotBottom);
      else if (!a.x && px > m.plotTop && px < m.plotBottom)
        p.drawLine(m.plotLeft, px, m.plotRight, px);
    }
  }
}

// Every n-th label, n from a list of round strides, so that labels keep
// their distance and stay on round values.
long long labelStride(double spacing, double needed) {
  static const long long kStrides[] = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 24, 30, 50, 60, 100, 120, 200, 500, 1000};
  if (spacing <= 0) return 1;
  for (long long s : kStrides)
    if (s * spacing >= needed) return s;
  return static_cast<long long>(std::ceil(needed / spacing));
}

void drawAxis(QPainter& p, const ChartModel& chart, const ChartMetrics& m, const AxisLayout& a) {
  const core::TAppearance& look = chart.Appearance;
  const core::TDimensions& dim = chart.Dimensions;
  const QColor axisColor = toQColor(look.AxesColor);
  p.setPen(hairline(axisColor));
  if (a.x)
    p.drawLine(m.plotLeft, a.line, m.plotRight, a.line);
  else
    p.drawLine(a.line, m.plotTop, a.line, m.plotBottom);

  const int tick = std::clamp(dim.TickLength, 0, 100);
  const int sign = a.outwardLow ? 1 : -1; // x: +1 down; y: -1 left
  const auto ticks = core::axisTicks(*a.map, a.axis->LogCycleDivisions);
  if (look.TicksAreShown) {
    for (const core::AxisTick& t : ticks) {
      const int px = a.map->toPixel(t.value);
      const int len = t.major ? tick : tick / 2;
      if (a.x)
        p.drawLine(px, a.line, px, a.line + sign * len);
      else
        p.drawLine(a.line, px, a.line - sign * len, px);
    }
  }

  const QFont labelFont = toQFont(look.LabelFont);
  const QFontMetrics fm(labelFont);
  int labelExtent = 0; // how far the labels reach from the line
  if (look.GridLabelsShown && !ticks.empty()) {
    p.setFont(labelFont);
    p.setPen(toQColor(look.LabelFont.color));
    std::vector<std::pair<int, QString>> labels;
    int widest = 0;
    for (const core::AxisTick& t : ticks) {
      if (!t.major) continue;
      labels.emplace_back(a.map->toPixel(t.value), chartText(core::tickLabel(t.value, *a.map, *a.axis)));
      widest = std::max(widest, fm.horizontalAdvance(labels.back().second));
    }
    double spacing = 0;
    if (labels.size() > 1) spacing = std::abs(labels[1].first - labels[0].first);
    const long long stride = labelStride(spacing, a.x ? widest + 10 : fm.height() + 2);
    const int gap = tick + (a.x ? dim.XAxisLabelOffset : dim.YAxisLabelOffset);
    std::size_t k = 0;
    for (const core::AxisTick& t : ticks) {
      if (!t.major) continue;
      const auto& [px, text] = labels[k++];
      if (core::tickIndex(*a.map, t.value) % stride != 0) continue;
      const int w = fm.horizontalAdvance(text);
      if (a.x) {
        const int top = a.outwardLow ? a.line + gap : a.line - gap - fm.height();
        p.drawText(QRect(px - w / 2 - 1, top, w + 2, fm.height()), Qt::AlignCenter, text);
      } else {
        const int left = a.outwardLow ? a.line - gap - w : a.line + gap;
        p.drawText(QRect(left, px - fm.height() / 2, w + 1, fm.height()), Qt::AlignVCenter | Qt::AlignLeft, text);
      }
      labelExtent = std::max(labelExtent, gap + (a.x ? fm.height() : w));
    }
  }

  if (!a.axis->Title.empty()) {
    const QFont titleFont = toQFont(look.CaptionFont);
    const QFontMetrics tm(titleFont);
    p.setFont(titleFont);
    p.setPen(toQColor(look.CaptionFont.color));
    const QString title = chartText(a.axis->Title);
    if (a.x) {
      const int offset = std::max(dim.XAxisTitleOffset, labelExtent + 2);
      const int top = a.outwardLow ? a.line + offset : a.line - offset - tm.height();
      p.drawText(QRect(m.plotLeft, top, m.plotRight - m.plotLeft, tm.height()), Qt::AlignCenter, title);
    } else {
      const int offset = std::max(dim.YAxisTitleOffset, labelExtent + 2 + tm.height());
      const int centre = a.outwardLow ? a.line - offset + tm.height() / 2 : a.line + offset - tm.height() / 2;
      p.save();
      p.translate(centre, (m.plotTop + m.plotBottom) / 2.0);
      p.rotate(-90);
      const int h = m.plotBottom - m.plotTop;
      p.drawText(QRect(-h / 2, -tm.height() / 2, h, tm.height()), Qt::AlignCenter, title);
      p.restore();
    }
  }
}

void drawAxes(QPainter& p, const ChartModel& chart, const ChartMetrics& m) {
  const int midX = (m.plotLeft + m.plotRight) / 2, midY = (m.plotTop + m.plotBottom) / 2;
  if (chart.XAxis.ShowAxis) {
    const int line = crossing(chart.XAxis, m.y, m.plotBottom, m.plotTop);
    drawAxis(p, chart, m, {&chart.XAxis, &m.x, true, line, line >= midY});
  }
  for (const auto& [axis, map] : {std::pair{&chart.YAxis, &m.y}, {&chart.YAxis_Second, &m.y2}}) {
    if (!axis->ShowAxis) continue;
    const int line = crossing(*axis, m.x, m.plotLeft, m.plotRight);
    drawAxis(p, chart, m, {axis, map, false, line, line <= midX});
  }
}

struct LegendEntry {
  const TSeries* series;
  QString name;
  int width;
};

struct LegendLayout {
  QRect box;
  std::vector<std::pair<LegendEntry, QPoint>> entries; // top-left of each entry
  int rowHeight = 0;
};

LegendLayout layoutLegend(const ChartModel& chart) {
  const core::TLegend& l = chart.Legend;
  LegendLayout out;
  const QFontMetrics fm(toQFont(l.Font));
  const int symbol = std::clamp(l.SymbolSpace, 0, 200);
  std::vector<LegendEntry> entries;
  int markHeight = 0;
  for (const auto& s : chart.series()) {
    if (!s->Active || s->LegendStatus <= core::ls_hidden || s->LegendStatus >= core::kLegendStates) continue;
    const QString name = chartText(s->Name);
    const int w = (s->LegendStatus == core::ls_name ? 0 : symbol + 4) + fm.horizontalAdvance(name);
    entries.push_back({s.get(), name, w});
    if (s->LegendStatus == core::ls_point || s->LegendStatus == core::ls_pointAndLine)
      markHeight = std::max(markHeight, std::clamp(s->PointSize, 1, 50));
  }
  if (entries.empty()) return out;
  out.rowHeight = std::max(fm.height(), markHeight) + 2;
  const int xm = std::clamp(l.XMargin, 0, 100), ym = std::clamp(l.YMargin, 0, 100);
  const int gap = 14;
  const int inner = l.Width > 2 * xm ? l.Width - 2 * xm : 0;
  int x = 0, row = 0, widest = 0;
  for (const LegendEntry& e : entries) {
    if (l.Layout == 1) { // down
      out.entries.push_back({e, QPoint(0, row++ * out.rowHeight)});
      widest = std::max(widest, e.width);
      continue;
    }
    if (x > 0 && inner > 0 && x + e.width > inner) {
      x = 0;
      ++row;
    }
    out.entries.push_back({e, QPoint(x, row * out.rowHeight)});
    x += e.width + gap;
    widest = std::max(widest, x - gap);
  }
  const int rows = l.Layout == 1 ? row : row + 1;
  const int w = std::max(l.Width, widest + 2 * xm);
  const int h = std::max(l.Height, rows * out.rowHeight + 2 * ym);
  out.box = QRect(l.Left, l.Top, w, h);
  for (auto& [e, at] : out.entries)
    at += QPoint(l.Left + xm, l.Top + ym);
  return out;
}

void drawLegend(QPainter& p, const ChartModel& chart) {
  const LegendLayout layout = layoutLegend(chart);
  if (layout.entries.empty()) return;
  const core::TLegend& l = chart.Legend;
  p.setPen(l.BorderStyle != 0 ? hairline(toQColor(l.Font.color)) : QPen(Qt::NoPen));
  p.setBrush(toQColor(l.Color));
  p.drawRect(layout.box.adjusted(0, 0, -1, -1));
  const QFont font = toQFont(l.Font);
  const QFontMetrics fm(font);
  const int symbol = std::clamp(l.SymbolSpace, 0, 200);
  for (const auto& [e, at] : layout.entries) {
    const TSeries& s = *e.series;
    const int mid = at.y() + layout.rowHeight / 2;
    int textLeft = at.x();
    if (s.LegendStatus != core::ls_name) {
      if (s.LegendStatus == core::ls_line || s.LegendStatus == core::ls_pointAndLine) {
        p.setPen(QPen(toQColor(s.LineColor), 1, penStyle(s.LineStyle), Qt::FlatCap));
        p.drawLine(at.x(), mid, at.x() + symbol, mid);
      }
      if (s.LegendStatus == core::ls_point || s.LegendStatus == core::ls_pointAndLine) {
        setMarkStyle(p, s);
        drawMark(p, s.PointShape, at.x() + symbol / 2, mid, std::clamp(s.PointSize, 1, 50));
      }
      textLeft += symbol + 4;
    }
    p.setFont(font);
    p.setPen(toQColor(l.Font.color));
    p.drawText(QRect(textLeft, at.y(), e.width, layout.rowHeight), Qt::AlignVCenter | Qt::AlignLeft, e.name);
  }
}

void drawTitle(QPainter& p, const ChartModel& chart, const ChartMetrics& m) {
  if (chart.Appearance.GraphTitle.empty()) return;
  const QFont font = toQFont(chart.Appearance.TitleFont);
  const QFontMetrics fm(font);
  p.setFont(font);
  p.setPen(toQColor(chart.Appearance.TitleFont.color));
  const int bottom = m.plotTop - chart.Dimensions.GraphTitleOffset;
  p.drawText(QRect(0, bottom - fm.height(), m.width, fm.height()), Qt::AlignCenter,
             chartText(chart.Appearance.GraphTitle));
}

void drawError(QPainter& p, const ChartModel& chart, const ChartMetrics& m) {
  const QRect plot(m.plotLeft, m.plotTop, m.plotRight - m.plotLeft, m.plotBottom - m.plotTop);
  QFont font = toQFont(chart.Appearance.TitleFont);
  p.setFont(font);
  p.setPen(QColor(Qt::red));
  const QFontMetrics fm(font);
  p.drawText(plot.adjusted(0, 0, 0, -fm.height()), Qt::AlignCenter, chartText(chart.Appearance.ErrorCaption));
  font = toQFont(chart.Appearance.LabelFont);
  p.setFont(font);
  p.setPen(toQColor(chart.Appearance.LabelFont.color));
  p.drawText(plot.adjusted(0, fm.height() + 4, 0, 0), Qt::AlignCenter, chartText(m.error));
}

} // namespace

Qt::PenStyle chartPenStyle(int lineStyle) { return penStyle(lineStyle); }

QRect legendRect(const ChartModel& chart) { return layoutLegend(chart).box; }

void paintChart(QPainter& p, const ChartModel& chart, const ChartMetrics& m, const ChartPaintOptions& o) {
  const core::TAppearance& look = chart.Appearance;
  const bool plain = o.printing && !look.PrintwithBackground;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.fillRect(QRect(0, 0, m.width, m.height), toQColor(plain ? look.PrintBkgndColor : look.MarginColor));
  const QRect plot(m.plotLeft, m.plotTop, m.plotRight - m.plotLeft, m.plotBottom - m.plotTop);
  p.fillRect(plot, toQColor(plain ? look.PrintBkgndColor : look.BackgroundColor));
  if (!m.ok()) {
    drawError(p, chart, m);
    drawTitle(p, chart, m);
    p.restore();
    return;
  }
  drawGrid(p, chart, m);
  drawSeries(p, chart, m, o);
  drawAxes(p, chart, m);
  if (look.CrossAtZero && m.x.valid(0) && m.y.valid(0) && 0 >= m.x.min && 0 <= m.x.max && 0 >= m.y.min &&
      0 <= m.y.max) {
    const int x = m.x.toPixel(0), y = m.y.toPixel(0), r = std::clamp(look.CrossLength, 0, 200);
    p.setPen(hairline(toQColor(look.CrossColor)));
    p.drawLine(x - r, y, x + r, y);
    p.drawLine(x, y - r, x, y + r);
  }
  drawTitle(p, chart, m);
  if (chart.Legend.visible) drawLegend(p, chart);
  p.restore();
}

} // namespace veltra::gui
