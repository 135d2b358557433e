#pragma once

#include "core/chart/chart_model.h"
#include "core/online/day_loader.h"
#include "core/online/server_block.h"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace veltra::core {

// The curves of the graph window: up to 16 signals, entry i drawn as chart
// series i. The window and veltra-cli chart share what is drawn from here.
struct CurveEntry {
  TColor color = clBlack;
  char letter = ' '; // ' ' while the entry is unused
  int signal = 0;    // 1..256, for V 1..9216
};

inline constexpr int kMaxCurves = 16;

class CurveList {
public:
  int count() const { return m_count; }
  bool full() const { return m_count == kMaxCurves; }
  // Entry i, 1-based.
  const CurveEntry& entry(int i) const { return m_entries[static_cast<std::size_t>(i - 1)]; }
  std::span<const CurveEntry> used() const { return {m_entries.data(), static_cast<std::size_t>(m_count)}; }
  bool contains(char letter, int signal) const;
  // False when the list is full.
  bool add(const CurveEntry& e);
  // Entry s leaves; the later ones move up by one, the last becomes unused.
  void remove(int s);
  void clear();

private:
  std::array<CurveEntry, kMaxCurves> m_entries{};
  int m_count = 0;
};

// Groups drawn against the left axis (E, I, M, Q); the others use the right.
bool onLeftAxis(char letter);
// Bit groups are drawn as 0 and 5.
bool isBitGroup(char letter);
// Whether a letter names a signal group the window can draw, with the
// number of its signals; 0 for another letter.
int curveSignalCount(char letter);

// The chart settings of the graph window as it is created: a time axis
// "Zeit" ("dd.mm hh:mm"), the left axis "°C" from -10 to 40, the right one
// from -300 to 300, reversed and placed at the maximum, a legend 900
// pixels wide on white, no title.
void setUpGraphChart(ChartModel& chart);

// The settings of a curve's series: active, its colour, a solid line
// without point marks, the name in the legend with a line sample.
void styleCurveSeries(TSeries& s, const CurveEntry& e, const std::string& name, bool leftAxis);

// The live value of a curve: A, E, F, H the double, I, M, Q 5.0 for a set
// bit; nothing for V (the recorder has no V live value to draw) or a slot
// the block lacks.
std::optional<double> liveCurveValue(const ServerBlock& block, const CurveEntry& e);

// ShowOfflineGraph without the Plotting bracket: empties the chart and draws
// every curve from the loaded measurement. Gaps of the recording (a NaN
// value, or a pause of more than three intervals) break the line. The x
// range becomes the time range of the drawn groups; with no rows it stays.
void drawOfflineCurves(ChartModel& chart, const DayMeasurement& m, std::span<const CurveEntry> curves,
                       std::span<const std::string> names);

} // namespace veltra::core
