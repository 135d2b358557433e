#include "core/online/graph_curves.h"

#include <algorithm>
#include <cmath>

namespace veltra::core {

bool CurveList::contains(char letter, int signal) const {
  return std::any_of(m_entries.begin(), m_entries.begin() + m_count,
                     [&](const CurveEntry& e) { return e.letter == letter && e.signal == signal; });
}

bool CurveList::add(const CurveEntry& e) {
  if (full()) return false;
  m_entries[static_cast<std::size_t>(m_count++)] = e;
  return true;
}

void CurveList::remove(int s) {
  if (s < 1 || s > m_count) return;
  for (int j = s + 1; j <= m_count; ++j)
    m_entries[static_cast<std::size_t>(j - 2)] = m_entries[static_cast<std::size_t>(j - 1)];
  m_entries[static_cast<std::size_t>(--m_count)] = CurveEntry{};
}

void CurveList::clear() {
  m_entries.fill(CurveEntry{});
  m_count = 0;
}

bool onLeftAxis(char letter) { return letter == 'E' || letter == 'I' || letter == 'M' || letter == 'Q'; }

bool isBitGroup(char letter) { return letter == 'I' || letter == 'M' || letter == 'Q'; }

int curveSignalCount(char letter) {
  const int i = dayGroupIndex(letter);
  return i < 0 ? 0 : kDayGroups[static_cast<std::size_t>(i)].signalCount;
}

void setUpGraphChart(ChartModel& chart) {
  chart.ClearAll();
  TAxis& x = chart.XAxis;
  x.Title = "Zeit";
  x.ShowAsTime = true;
  x.DateTimeFormat = "dd.mm hh:mm";
  x.Gridlines = true;
  x.AutoSizing = true;
  x.AutoStepping = true;
  TAxis& y = chart.YAxis;
  y.Title = "\xC2\xB0"
            "C";
  y.Min = -10;
  y.Max = 40;
  y.Gridlines = true;
  y.AutoSizing = true;
  TAxis& y2 = chart.YAxis_Second;
  y2.Title = " ";
  y2.Min = -300;
  y2.Max = 300;
  y2.Reversed = true;
  y2.OffsetType = ao_Maximum;
  y2.Gridlines = false;
  y2.AutoSizing = true;
  chart.Legend.Width = 900;
  chart.Appearance.BackgroundColor = clWhite;
  chart.Appearance.GraphTitle.clear();
  chart.changed();
}

void styleCurveSeries(TSeries& s, const CurveEntry& e, const std::string& name, bool leftAxis) {
  s.SetActive(true);
  s.SetLineColor(e.color);
  s.SetDrawPoints(false);
  s.SetLineStyle(0);
  s.SetName(name);
  s.SetLegendStatus(3);
  s.SetWhichYAxis(leftAxis);
}

std::optional<double> liveCurveValue(const ServerBlock& block, const CurveEntry& e) {
  const int i = dayGroupIndex(e.letter);
  if (i < 0 || e.letter == 'V') return std::nullopt;
  const DayGroupInfo& g = kDayGroups[static_cast<std::size_t>(i)];
  if (g.bits) {
    const std::optional<bool> b = block.bit(g.area, e.signal);
    if (!b) return std::nullopt;
    return *b ? 5.0 : 0.0;
  }
  return block.analog(g.area, e.signal);
}

void drawOfflineCurves(ChartModel& chart, const DayMeasurement& m, std::span<const CurveEntry> curves,
                       std::span<const std::string> names) {
  chart.ClearAll();
  double xMin = 0, xMax = 0;
  bool anyRows = false;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const CurveEntry& e = curves[i];
    TSeries& s = chart.Series(static_cast<int>(i + 1));
    styleCurveSeries(s, e, i < names.size() ? names[i] : std::string(), false);
    const DayGroup* g = m.find(e.letter);
    if (g == nullptr || g->rows() == 0) continue;
    const std::size_t rows = g->rows();
    if (!anyRows || g->time(0) < xMin) xMin = g->time(0);
    if (!anyRows || g->time(rows - 1) > xMax) xMax = g->time(rows - 1);
    anyRows = true;
    s.SetWhichYAxis(onLeftAxis(e.letter));
    const double scale = isBitGroup(e.letter) ? 5.0 : 1.0;
    const double pause = g->interval() * 3;
    s.reserve(rows + rows / 8);
    for (std::size_t r = 0; r < rows; ++r) {
      const TDateTime t = g->time(r);
      // A NaN point halfway breaks the line over a pause in the recording.
      if (r > 0 && pause > 0 && t - g->time(r - 1) > pause) s.Add((g->time(r - 1) + t) / 2, std::nan(""));
      s.Add(t, g->value(r, e.signal) * scale);
    }
  }
  if (anyRows) {
    chart.XAxis.Min = xMin;
    chart.XAxis.Max = xMax > xMin ? xMax : xMin + 1.0 / 1440;
  }
  chart.changed();
}

} // namespace veltra::core
