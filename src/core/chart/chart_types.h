#pragma once

#include <cstdint>
#include <string>

namespace veltra::core {

// A colour as Windows stores it and the chart file holds it: 0x00BBGGRR.
using TColor = std::uint32_t;

constexpr TColor rgbColor(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int colorRed(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int colorGreen(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int colorBlue(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr TColor clBlack = rgbColor(0, 0, 0);
inline constexpr TColor clWhite = rgbColor(255, 255, 255);
inline constexpr TColor clSilver = rgbColor(192, 192, 192);
inline constexpr TColor clGray = rgbColor(128, 128, 128);
inline constexpr TColor clRed = rgbColor(255, 0, 0);

// The tick unit of a date-time axis, in the order of the file's TimeTickMode.
enum TDateTickType : int {
  dt_minute,
  dt_5minute,
  dt_halfhourly,
  dt_hourly,
  dt_daily,
  dt_weekly,
  dt_monthly,
  dt_2monthly,
  dt_quarterly,
  dt_annually,
  dt_decade,
  dt_century,
  dt_custom,
};
inline constexpr int kDateTickTypes = 13;

// Where an axis line is placed, in the order of the file's OffsetMode.
enum TOffsetType : int { ao_Minimum, ao_Maximum, ao_percentage, ao_absolute };
inline constexpr int kOffsetTypes = 4;

// Line styles of series and grid: 0 solid, then dotted, dashed, dash-dot,
// dash-dot-dot.
inline constexpr int kLineStyles = 5;

// What the legend shows of a series.
enum LegendStatus : int {
  ls_hidden,       // "nicht anzeigen"
  ls_name,         // "nur Name"
  ls_point,        // "mit Punkt"
  ls_line,         // "mit Linie"
  ls_pointAndLine, // "mit Punkt und Linie"
};
inline constexpr int kLegendStates = 5;

// Point mark shapes.
enum PointShape : int { ps_square, ps_circle, ps_triangle, ps_diamond, ps_cross, ps_diagonalCross };
inline constexpr int kPointShapes = 6;

// A font as the chart file holds it; the name and the texts of the chart are
// UTF-8.
struct TChartFont {
  std::string name = "Arial";
  int size = 8; // points
  TColor color = clBlack;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  bool operator==(const TChartFont&) const = default;
};

} // namespace veltra::core
