#include "core/chart/chart_model.h"

#include "core/chart/axis_scaling.h"
#include "core/chart/date_time.h"
#include "core/util/error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace veltra::core {

namespace {

void widen(std::optional<ValueLimits>& into, const std::optional<ValueLimits>& part) {
  if (!part) return;
  if (!into)
    into = part;
  else
    into = ValueLimits{std::min(into->min, part->min), std::max(into->max, part->max)};
}

[[noreturn]] void limitsError(const TAxis& axis) { throw Error(std::string(axis.name()) + " CalcMetrics: XMin>=XMax"); }

// The step of an axis drawn with fixed limits.
double fixedStep(const TAxis& axis, const TAppearance& look, double min, double max) {
  if (axis.LogScale) return 1;
  if (axis.ShowAsTime && axis.DateTickType != dt_custom) return dateStep(axis.DateTickType);
  const bool keep = !axis.AutoStepping && axis.StepSize > 0 && (max - min) / axis.StepSize <= look.MaxSteps;
  return keep ? axis.StepSize : GetStep(look.MinSteps, min, max);
}

// The limits and step an axis is drawn with: auto-sized to its data when it
// has auto-sizing on and data, its own otherwise.
AxisRange shownRange(const TAxis& axis, const std::optional<ValueLimits>& data, const TAppearance& look) {
  const bool time = axis.ShowAsTime && axis.DateTickType != dt_custom && !axis.LogScale;
  if (axis.AutoSizing && data) {
    double oMin = data->min, oMax = data->max;
    if (oMax - oMin < axis.MinimumScale) oMax = oMin + axis.MinimumScale;
    if (axis.LogScale) return logSizing(oMin, oMax);
    if (time && isCalendarDateTime(oMin) && isCalendarDateTime(oMax))
      return dateTimeSizing(oMin, oMax, axis.DateTickType);
    return SetMinMax(oMin, oMax, axis.StepSize, axis.AutoStepping, look.MinSteps, look.MaxSteps);
  }
  if (!(axis.Min < axis.Max)) limitsError(axis);
  return {axis.Min, axis.Max, fixedStep(axis, look, axis.Min, axis.Max)};
}

AxisMapping mapAxis(const TAxis& axis, const std::optional<ValueLimits>& data, const TAppearance& look, double lowStart,
                    double highStart, int extent) {
  const AxisRange r = shownRange(axis, data, look);
  if (!(r.min < r.max) || !std::isfinite(r.min) || !std::isfinite(r.max)) limitsError(axis);
  if (axis.LogScale && !(r.min > 0))
    throw Error(std::string(axis.name()) + " CalcMetrics: XMin<=0 auf logarithmischer Achse");
  AxisMapping m;
  m.min = r.min;
  m.max = r.max;
  m.step = r.step;
  m.log = axis.LogScale;
  const double span = m.log ? std::log(r.max) - std::log(r.min) : r.max - r.min;
  m.scale = extent / span;
  if (!(m.scale > 0) || !std::isfinite(m.scale)) limitsError(axis);
  // x grows to the right from the left margin; y up from the bottom margin.
  const bool fromLow = axis.isX() != axis.Reversed;
  m.start = fromLow ? lowStart : highStart;
  m.direction = fromLow ? 1 : -1;
  m.time = axis.ShowAsTime && !axis.LogScale;
  m.tickType = m.time ? axis.DateTickType : dt_custom;
  if (m.time && m.tickType != dt_custom && axis.AutoStepping) {
    // Too many ticks of the chosen unit: place them by a coarser one.
    while (m.tickType < dt_century && (r.max - r.min) / dateStep(m.tickType) > look.MaxSteps)
      m.tickType = static_cast<TDateTickType>(m.tickType + 1);
    m.step = dateStep(m.tickType);
  }
  return m;
}

} // namespace

void TAxis::setMin(double v) {
  if (Min == v) return;
  Min = v;
  if (m_owner) m_owner->changed();
}

void TAxis::setMax(double v) {
  if (Max == v) return;
  Max = v;
  if (m_owner) m_owner->changed();
}

void TAxis::setAutoSizing(bool on) {
  if (AutoSizing == on) return;
  AutoSizing = on;
  if (m_owner) m_owner->changed();
}

ChartModel::ChartModel() {
  // The second y axis belongs to the right side.
  YAxis_Second.OffsetType = ao_Maximum;
  adopt();
}

ChartModel::ChartModel(const ChartModel& other)
    : XAxis(other.XAxis), YAxis(other.YAxis), YAxis_Second(other.YAxis_Second), Appearance(other.Appearance),
      Dimensions(other.Dimensions), Legend(other.Legend), Drag(other.Drag), m_plotting(other.m_plotting),
      m_width(other.m_width), m_height(other.m_height) {
  m_series.reserve(other.m_series.size());
  for (const auto& s : other.m_series)
    m_series.push_back(std::make_unique<TSeries>(*s));
  adopt();
}

ChartModel& ChartModel::operator=(const ChartModel& other) {
  if (this == &other) return *this;
  ChartModel copy(other);
  XAxis = copy.XAxis;
  YAxis = copy.YAxis;
  YAxis_Second = copy.YAxis_Second;
  Appearance = copy.Appearance;
  Dimensions = copy.Dimensions;
  Legend = copy.Legend;
  Drag = copy.Drag;
  m_series = std::move(copy.m_series);
  m_plotting = copy.m_plotting;
  m_width = copy.m_width;
  m_height = copy.m_height;
  adopt(); // the repaint handler stays this chart's own
  changed();
  return *this;
}

ChartModel::~ChartModel() = default;

void ChartModel::adopt() {
  XAxis.m_owner = YAxis.m_owner = YAxis_Second.m_owner = this;
  XAxis.m_name = "XAxis";
  YAxis.m_name = "YAxis";
  YAxis_Second.m_name = "YAxis_Second";
  XAxis.m_isX = true;
  YAxis.m_isX = YAxis_Second.m_isX = false;
  for (auto& s : m_series)
    s->m_owner = this;
}

TSeries& ChartModel::Series(int n) {
  if (n < 1) throw Error("Serie " + std::to_string(n) + " gibt es nicht");
  if (TSeries* s = findSeries(n)) return *s;
  m_series.push_back(std::make_unique<TSeries>(n));
  m_series.back()->m_owner = this;
  changed();
  return *m_series.back();
}

TSeries* ChartModel::findSeries(int n) {
  for (auto& s : m_series)
    if (s->number() == n) return s.get();
  return nullptr;
}

const TSeries* ChartModel::findSeries(int n) const { return const_cast<ChartModel*>(this)->findSeries(n); }

void ChartModel::destroySeries(int n) {
  const auto it = std::find_if(m_series.begin(), m_series.end(), [n](const auto& s) { return s->number() == n; });
  if (it == m_series.end()) return;
  m_series.erase(it);
  changed();
}

void ChartModel::ClearAll() {
  if (m_series.empty()) return;
  m_series.clear();
  changed();
}

void ChartModel::setPlotting(bool on) {
  m_plotting = on;
  if (on) changed();
}

void ChartModel::changed() {
  if (m_plotting && m_repaint) m_repaint();
}

void ChartModel::setSize(int width, int height) {
  m_width = width;
  m_height = height;
}

ChartMetrics ChartModel::metricsAt(int width, int height) const {
  ChartMetrics m;
  m.width = width;
  m.height = height;
  m.plotLeft = Dimensions.LeftMargin;
  m.plotTop = Dimensions.TopMargin;
  m.plotRight = width - Dimensions.RightMargin;
  m.plotBottom = height - Dimensions.BottomMargin;
  // Data limits: of the active series that hold points, each y axis of its
  // own series, the x axis of them all.
  std::optional<ValueLimits> x, y, y2;
  for (const auto& s : m_series) {
    if (!s->Active || s->count() == 0) continue;
    const SeriesPoints& p = s->points();
    widen(x, XAxis.LogScale ? p.positiveXLimits() : p.xLimits());
    const TAxis& axis = s->FirstAxis ? YAxis : YAxis_Second;
    widen(s->FirstAxis ? y : y2, axis.LogScale ? p.positiveYLimits() : p.yLimits());
  }
  const int xExtent = std::max(1, m.plotRight - m.plotLeft);
  const int yExtent = std::max(1, m.plotBottom - m.plotTop);
  try {
    m.x = mapAxis(XAxis, x, Appearance, m.plotLeft, m.plotRight, xExtent);
    m.y = mapAxis(YAxis, y, Appearance, m.plotTop, m.plotBottom, yExtent);
    m.y2 = mapAxis(YAxis_Second, y2, Appearance, m.plotTop, m.plotBottom, yExtent);
  } catch (const Error& e) {
    m.error = e.what();
  }
  return m;
}

double ChartModel::GetMouseX(int px) const {
  const ChartMetrics m = metrics();
  return m.ok() ? m.x.fromPixel(px) : std::numeric_limits<double>::quiet_NaN();
}

double ChartModel::GetMouseY(int py) const {
  const ChartMetrics m = metrics();
  return m.ok() ? m.y.fromPixel(py) : std::numeric_limits<double>::quiet_NaN();
}

double ChartModel::GetMouseY2(int py) const {
  const ChartMetrics m = metrics();
  return m.ok() ? m.y2.fromPixel(py) : std::numeric_limits<double>::quiet_NaN();
}

void ChartModel::copyDesign(const ChartModel& other) {
  static_cast<TAxisSettings&>(XAxis) = other.XAxis;
  static_cast<TAxisSettings&>(YAxis) = other.YAxis;
  static_cast<TAxisSettings&>(YAxis_Second) = other.YAxis_Second;
  Appearance = other.Appearance;
  Dimensions = other.Dimensions;
  Legend = other.Legend;
  for (auto& s : m_series)
    if (const TSeries* o = other.findSeries(s->number())) s->copySettings(*o);
  changed();
}

bool ChartModel::sameDesign(const ChartModel& other) const {
  if (!(static_cast<const TAxisSettings&>(XAxis) == other.XAxis) ||
      !(static_cast<const TAxisSettings&>(YAxis) == other.YAxis) ||
      !(static_cast<const TAxisSettings&>(YAxis_Second) == other.YAxis_Second) || !(Appearance == other.Appearance) ||
      !(Dimensions == other.Dimensions) || !(Legend == other.Legend) || m_series.size() != other.m_series.size())
    return false;
  for (std::size_t i = 0; i < m_series.size(); ++i)
    if (m_series[i]->number() != other.m_series[i]->number() || !m_series[i]->sameSettings(*other.m_series[i]))
      return false;
  return true;
}

} // namespace veltra::core
