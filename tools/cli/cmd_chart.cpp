// chart: a chart file without a window, as JSON or as a picture. The form
// of the command follows the input file's extension.
#include "cli.h"
#include "json_writer.h"

#include "core/chart/gra_file.h"
#include "core/util/error.h"
#include "core/util/number_format.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

namespace veltra::cli {

using namespace veltra::core;

namespace {

// The graph window's chart size.
constexpr int kChartWidth = 908, kChartHeight = 448;

std::string number(double v) { return std::isfinite(v) ? formatGeneral(v) : "null"; }
const char* boolean(bool v) { return v ? "true" : "false"; }

std::string colorText(TColor c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", colorRed(c), colorGreen(c), colorBlue(c));
  return buf;
}

std::string axisJson(const TAxis& axis, const AxisMapping& shown, bool drawn) {
  std::ostringstream out;
  out << "{\"title\": " << jsonString(axis.Title) << ", \"min\": " << number(drawn ? shown.min : axis.Min)
      << ", \"max\": " << number(drawn ? shown.max : axis.Max)
      << ", \"step\": " << number(drawn ? shown.step : axis.StepSize) << ", \"log\": " << boolean(axis.LogScale)
      << ", \"time\": " << boolean(axis.ShowAsTime) << ", \"reversed\": " << boolean(axis.Reversed)
      << ", \"grid\": " << boolean(axis.Gridlines) << ", \"auto\": " << boolean(axis.AutoSizing) << "}";
  return out.str();
}

std::string chartJson(const ChartModel& chart, int width, int height) {
  const ChartMetrics m = chart.metricsAt(width, height);
  std::ostringstream out;
  out << "{\n  \"title\": " << jsonString(chart.Appearance.GraphTitle) << ",\n";
  if (!m.ok()) out << "  \"error\": " << jsonString(m.error) << ",\n";
  out << "  \"axes\": {\n    \"x\": " << axisJson(chart.XAxis, m.x, m.ok())
      << ",\n    \"y\": " << axisJson(chart.YAxis, m.y, m.ok())
      << ",\n    \"y2\": " << axisJson(chart.YAxis_Second, m.y2, m.ok()) << "\n  },\n";
  const TLegend& l = chart.Legend;
  out << "  \"legend\": {\"visible\": " << boolean(l.visible) << ", \"left\": " << l.Left << ", \"top\": " << l.Top
      << ", \"width\": " << l.Width << ", \"height\": " << l.Height << "},\n";
  out << "  \"series\": [";
  bool firstSeries = true;
  for (const auto& s : chart.series()) {
    out << (firstSeries ? "\n" : ",\n") << "    {\"number\": " << s->number() << ", \"name\": " << jsonString(s->Name)
        << ", \"active\": " << boolean(s->Active) << ", \"line_color\": \"" << colorText(s->LineColor)
        << "\", \"axis\": \"" << (s->FirstAxis ? "y" : "y2") << "\", \"legend_status\": " << s->LegendStatus
        << ", \"line_style\": " << s->LineStyle << ", \"draw_points\": " << boolean(s->DrawPoints) << ", \"points\": [";
    const SeriesPoints& p = s->points();
    for (std::size_t i = 0; i < p.size(); ++i)
      out << (i == 0 ? "" : ", ") << "[" << number(p.x()[i]) << ", " << number(p.y()[i]) << "]";
    out << "]}";
    firstSeries = false;
  }
  out << (firstSeries ? "]\n" : "\n  ]\n") << "}\n";
  return out.str();
}

// "908x448" or "908×448".
bool parseSize(std::string text, int& width, int& height) {
  for (const char* times : {"\xC3\x97", "X"}) {
    const std::size_t at = text.find(times);
    if (at != std::string::npos) text.replace(at, std::string(times).size(), "x");
  }
  char rest = 0;
  return std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &rest) == 2 && width > 0 && height > 0 &&
         width <= 20000 && height <= 20000;
}

bool hasExtension(const std::string& name, const char* ext) {
  const std::string e = ext;
  if (name.size() < e.size()) return false;
  for (std::size_t i = 0; i < e.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[name.size() - e.size() + i])) != e[i]) return false;
  return true;
}

// chart FILE.gra --json | -o OUT.png|.pdf [--size WxH]
int chartFromFile(const Args& args) {
  int width = kChartWidth, height = kChartHeight;
  if (args.has("--size") && !parseSize(args.value("--size"), width, height)) {
    std::cerr << "Größe \"" << args.value("--size") << "\" ist keine Angabe Breite×Höhe.\n";
    return kExitUsage;
  }
  ChartModel chart;
  try {
    chart = loadChartFile(args.positional[0]);
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return kExitBadInput;
  }
  if (args.has("--json")) std::cout << chartJson(chart, width, height);
  if (args.has("-o")) return renderChartFile(chart, args.value("-o"), width, height);
  return kExitOk;
}

} // namespace

int cmdChart(const Args& args) {
  if (args.positional.size() != 1 || (!args.has("--json") && !args.has("-o"))) return kExitUsage;
  if (hasExtension(args.positional[0], ".gra")) return chartFromFile(args);
  if (hasExtension(args.positional[0], ".csv") && args.has("-o")) return chartFromDay(args);
  std::cerr << "\"" << args.positional[0] << "\" ist keine Graphikdatei (.gra) und keine Messdatei (.csv).\n";
  return kExitUsage;
}

#ifndef VELTRA_CLI_QT
int renderChartFile(const ChartModel&, const std::string&, int, int) {
  std::cerr << "Bilder zeichnet nur veltra-cli mit dem Qt-Programm.\n";
  return kExitUsage;
}
#endif

} // namespace veltra::cli
