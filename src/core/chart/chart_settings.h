#pragma once

#include "core/chart/chart_types.h"

#include <string>

namespace veltra::core {

class ChartModel;

// The settings of an axis as the design dialog and the chart file know them
// (the file's item names in comments).
struct TAxisSettings {
  std::string Title;             // AxisTitle
  int LabelDecimals = 1;         // NumberOfDecimals
  bool AutoLabelDecimals = true; // AdjustDecPlaces
  int LogCycleDivisions = 9;     // LogDivisions: ticks per decade
  bool LogScale = false;         // useLogScale
  double Max = 10;
  double Min = 0;
  double StepSize = 1;     // TickSpace
  double MinimumScale = 0; // the narrowest range auto-sizing makes
  bool ShowAsTime = false;
  std::string DateTimeFormat = "dd.mm hh:mm"; // TimeFormat
  TDateTickType DateTickType = dt_hourly;     // TimeTickMode
  bool ShowAxis = true;                       // AxisVisible
  bool Reversed = false;                      // FlipAxis: values grow the other way
  TOffsetType OffsetType = ao_Minimum;        // OffsetMode: where the axis line lies
  double OffsetValue = 0;                     // OffSetValue: percent or value for the two last modes
  bool Gridlines = true;                      // ShowGridlines
  bool AutoSizing = true;                     // AllowAutoSize
  bool AutoStepping = true;                   // AllowTickRescale
  bool operator==(const TAxisSettings&) const = default;
};

// One axis of the chart. The setters of Min, Max and AutoSizing also ask the
// owning chart for a repaint.
class TAxis : public TAxisSettings {
public:
  void setMin(double v);
  void setMax(double v);
  void setAutoSizing(bool on);

  // "XAxis", "YAxis" or "YAxis_Second": the start of the axis's error texts.
  const char* name() const { return m_name; }
  bool isX() const { return m_isX; }

private:
  friend class ChartModel;
  ChartModel* m_owner = nullptr;
  const char* m_name = "";
  bool m_isX = false;
};

struct TAppearance {
  bool DuplicatesAllowed = true;
  TColor AxesColor = clBlack;
  TColor BackgroundColor = clWhite; // Color
  TColor MarginColor = rgbColor(236, 236, 236);
  TColor PrintBkgndColor = clWhite; // the page behind a chart printed without its colours
  bool PrintwithBackground = true;  // "Drucke mit Farbe"
  TColor GridColor = rgbColor(200, 200, 200);
  int GridLineStyle = 1;                  // line style of the grid, dotted
  bool GridLabelsShown = true;            // axis labels ("Zeige Namen")
  bool ShowPointsOutsidePlotArea = false; // "Plotte in Rändern"
  bool MarksAreShown = true;
  bool TicksAreShown = true;                         // "Zeige Teilung"
  std::string GraphTitle;                            // TitleOfGraph
  int MinSteps = 5;                                  // MinimumStepsShown
  int MaxSteps = 25;                                 // MaximumStepsShown
  TChartFont CaptionFont{"Arial", 9, clBlack, true}; // FontForAxesTitles
  TChartFont TitleFont{"Arial", 12, clBlack, true};  // FontForTitle
  TChartFont LabelFont{"Arial", 8, clBlack};         // FontForLabels
  bool CrossAtZero = false;                          // ShowCrossAtZero
  TColor CrossColor = clRed;                         // ColorOfCross
  int CrossLength = 6;                               // LengthOfCross
  bool PrintStyleforLines = false;
  bool PreventFlicker = true;
  double MinPointClearance = 0;
  // Not in the file: the text drawn when the limits cannot be used, and the
  // mouse cross-hair.
  std::string ErrorCaption = "MAX/MINWerte inconsistent";
  bool CrossWire = false;
  bool operator==(const TAppearance&) const = default;
};

struct TDimensions {
  int BottomMargin = 48;
  int LeftMargin = 64;
  int RightMargin = 64;
  int TopMargin = 34;
  int TickLength = 4;
  int XAxisTitleOffset = 30;
  int XAxisLabelOffset = 4;
  int YAxisTitleOffset = 48;
  int YAxisLabelOffset = 4;
  int GraphTitleOffset = 8;
  int PrintXOffsetPct = 5;
  int PrintYOffsetPct = 5;
  int PrintScalePct = 90;
  bool operator==(const TDimensions&) const = default;
};

struct TLegend {
  bool visible = true;    // LegendIsVisible
  TColor Color = clWhite; // LegendColor
  int BorderStyle = 1;    // 0 none, 1 line
  int Layout = 0;         // LayoutMode: 0 across ("Legende quer"), 1 down ("Legende runter")
  int Top = 6;
  int Left = 70;
  int Width = 0;  // 0: as wide as the entries need
  int Height = 0; // at least as high as the entries need
  TChartFont Font{"Arial", 8, clBlack};
  int SymbolSpace = 24; // SpaceForSymbols: width of the line and point sample
  int XMargin = 6;
  int YMargin = 3;
  bool operator==(const TLegend&) const = default;
};

} // namespace veltra::core
