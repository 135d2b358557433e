#pragma once

#include "core/chart/chart_types.h"
#include "core/chart/series_points.h"

#include <memory>
#include <string>

namespace veltra::core {

class ChartModel;

// The settings of a series' data, as the chart file's data items hold them.
struct TDataSettings {
  std::string Name; // SeriesName: the legend text, UTF-8
  double NumericalTolerance = 0;
  bool DuplicatesAllowed = true;
  // Kept for the chart file; the chart does not use them.
  bool AutoZero = false;
  double ZeroValue = 0;
  int RegressionType = 0;
  int RegressionControlValue1 = 0;
  double RegressionControlValue2 = 0;
  int DataSource = 0;
  std::string DatasourceInfo;
  bool DivideTextByWidth = false;
  int FileHasHeaders = 0;
  std::string TextSeparators = ";";
  std::string TextMarkers;
  std::string XDataColumn = "1";
  std::string YDataColumn = "2";
  int RowSamplingFrequency = 1;
  int ColumnWidth = 0;
  int RowChoiceMode = 0;
  double RowChoiceValue1 = 0;
  double RowChoiceValue2 = 0;
  int XFormat = 0;
  int YFormat = 0;
  bool operator==(const TDataSettings&) const = default;
};

// The points of a series with the settings of its data. Copies share the
// points until one of them changes them, so a chart with millions of points
// can be copied for the design dialog at no cost.
class TDataSeries : public TDataSettings {
public:
  TDataSeries() : m_points(std::make_shared<SeriesPoints>()) {}
  virtual ~TDataSeries() = default;
  TDataSeries(const TDataSeries&) = default;
  TDataSeries& operator=(const TDataSeries&) = default;

  // Adds the point (x, y) with further values 0 (see SeriesPoints::add).
  bool Add(double x, double y) { return addPoint(x, y, 0, 0); }
  bool setpointval(double x, double y) { return Add(x, y); }
  bool addPoint(double x, double y, double extra1, double extra2);
  // A point read from a file: kept even where the duplicates rule would
  // merge it, so the file reads back as it was written.
  bool storePoint(double x, double y, double extra1, double extra2);
  void Clear();
  void reserve(std::size_t n);

  const SeriesPoints& points() const { return *m_points; }
  std::size_t count() const { return m_points->size(); }

protected:
  // Called after every change of the points.
  virtual void pointsChanged() {}

private:
  SeriesPoints& mutablePoints();
  std::shared_ptr<SeriesPoints> m_points;
};

// How a series is drawn and the y axis it belongs to (the chart file's
// "Series" section).
struct TSeriesStyle {
  bool Active = true;
  bool DrawLine = true;
  bool DrawPoints = true;
  bool FillPoints = true;
  TColor LineColor = clBlack;
  TColor PointColor = clBlack;
  int PointShape = ps_square;
  int LineStyle = 0;          // 0 solid, dotted, dashed, dash-dot, dash-dot-dot
  int PointSize = 5;          // the file's PointStyle item
  bool FirstAxis = true;      // attached to YAxis, else to YAxis_Second
  int LegendStatus = ls_line; // the file's ShowInLegend
  // Kept for the chart file; the chart does not use them.
  TColor BoundsColor = clGray;
  double UpperBound = 0, LowerBound = 0;
  int BoundsMode = 0, BoundLineMode = 0;
  TColor RegressionLineColor = clBlack;
  int RegressionLineStyle = 0;
  double BarWidth = 0, BarOffset = 0;
  bool ShowErrorBars = false;
  TColor ErrorLineColor = clBlack;
  int ErrorLineStyle = 0;
  bool Highlighted = false;
  bool operator==(const TSeriesStyle&) const = default;
};

// A numbered series of the chart. The setters ask the chart for a repaint
// when the value changes.
class TSeries : public TDataSeries, public TSeriesStyle {
public:
  explicit TSeries(int number);

  int number() const { return m_number; }

  void SetActive(bool on);
  void SetLineColor(TColor c);
  void SetDrawPoints(bool on);
  void SetLineStyle(int style);
  void SetLegendStatus(int status);
  // true: YAxis, false: YAxis_Second.
  void SetWhichYAxis(bool first);
  void SetName(const std::string& utf8);

  // The settings of `other` (everything but number and points).
  void copySettings(const TSeries& other);
  bool sameSettings(const TSeries& other) const;

private:
  friend class ChartModel;
  void pointsChanged() override;
  void notify();
  int m_number;
  ChartModel* m_owner = nullptr;
};

} // namespace veltra::core
