#include "core/chart/data_series.h"

#include "core/chart/chart_model.h"

namespace veltra::core {

namespace {

// Line colours of new series, so that curves differ before anyone chooses.
const TColor kSeriesColors[] = {
    rgbColor(200, 0, 0),    rgbColor(0, 0, 200),    rgbColor(0, 140, 0),    rgbColor(200, 120, 0),
    rgbColor(140, 0, 160),  rgbColor(0, 150, 160),  rgbColor(120, 80, 40),  rgbColor(90, 90, 90),
    rgbColor(255, 80, 80),  rgbColor(80, 120, 255), rgbColor(100, 200, 60), rgbColor(230, 180, 0),
    rgbColor(210, 80, 210), rgbColor(0, 200, 200),  rgbColor(160, 120, 80), rgbColor(0, 0, 0),
};

} // namespace

SeriesPoints& TDataSeries::mutablePoints() {
  if (m_points.use_count() > 1) m_points = std::make_shared<SeriesPoints>(*m_points);
  return *m_points;
}

bool TDataSeries::addPoint(double x, double y, double extra1, double extra2) {
  const bool added = mutablePoints().add(x, y, extra1, extra2, DuplicatesAllowed, NumericalTolerance);
  if (added) pointsChanged();
  return added;
}

bool TDataSeries::storePoint(double x, double y, double extra1, double extra2) {
  const bool added = mutablePoints().add(x, y, extra1, extra2, true, 0);
  if (added) pointsChanged();
  return added;
}

void TDataSeries::Clear() {
  if (m_points->empty()) return;
  if (m_points.use_count() > 1)
    m_points = std::make_shared<SeriesPoints>();
  else
    m_points->clear();
  pointsChanged();
}

void TDataSeries::reserve(std::size_t n) { mutablePoints().reserve(n); }

TSeries::TSeries(int number) : m_number(number) {
  const TColor c = kSeriesColors[static_cast<unsigned>(number - 1) % std::size(kSeriesColors)];
  LineColor = c;
  PointColor = c;
}

void TSeries::notify() {
  if (m_owner) m_owner->changed();
}

void TSeries::pointsChanged() { notify(); }

template <typename T> static bool assign(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

void TSeries::SetActive(bool on) {
  if (assign(Active, on)) notify();
}
void TSeries::SetLineColor(TColor c) {
  if (assign(LineColor, c)) notify();
}
void TSeries::SetDrawPoints(bool on) {
  if (assign(DrawPoints, on)) notify();
}
void TSeries::SetLineStyle(int style) {
  if (assign(LineStyle, style)) notify();
}
void TSeries::SetLegendStatus(int status) {
  if (assign(LegendStatus, status)) notify();
}
void TSeries::SetWhichYAxis(bool first) {
  if (assign(FirstAxis, first)) notify();
}
void TSeries::SetName(const std::string& utf8) {
  if (assign(Name, utf8)) notify();
}

void TSeries::copySettings(const TSeries& other) {
  static_cast<TDataSettings&>(*this) = other;
  static_cast<TSeriesStyle&>(*this) = other;
}

bool TSeries::sameSettings(const TSeries& other) const {
  const auto data = [](const TSeries& s) -> const TDataSettings& { return s; };
  const auto style = [](const TSeries& s) -> const TSeriesStyle& { return s; };
  return data(*this) == data(other) && style(*this) == style(other);
}

} // namespace veltra::core
