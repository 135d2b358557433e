// chart DAYFILE.csv: the graph window's "Laden" under "Datendatei" on one
// day and the offline drawing of the listed curves, saved as a chart file
// or drawn as a picture.
#include "cli.h"

#include "core/chart/gra_file.h"
#include "core/online/graph_curves.h"
#include "core/persist/signal_lists.h"
#include "core/util/cp1252.h"
#include "core/util/error.h"

#include <charconv>
#include <cstdio>
#include <iostream>

namespace veltra::cli {

using namespace veltra::core;

namespace {

// Colours of curves given without one, in the order of the list.
constexpr TColor kCurveColors[] = {rgbColor(0, 0, 255), rgbColor(0, 128, 0),   rgbColor(255, 0, 255),
                                   rgbColor(255, 0, 0), rgbColor(128, 128, 0), rgbColor(0, 128, 128),
                                   rgbColor(128, 0, 0), rgbColor(0, 0, 128)};

bool parseHexColor(std::string_view text, TColor& color) {
  if (text.size() != 7 || text[0] != '#') return false;
  unsigned v = 0;
  const auto [end, ec] = std::from_chars(text.data() + 1, text.data() + 7, v, 16);
  if (ec != std::errc() || end != text.data() + 7) return false;
  color = rgbColor(static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
  return true;
}

// "E1" or "A3:#ff0000".
std::optional<CurveEntry> parseCurve(const std::string& text, std::size_t index) {
  CurveEntry e;
  e.color = kCurveColors[index % std::size(kCurveColors)];
  std::string_view t = text;
  const std::size_t colon = t.find(':');
  if (colon != std::string_view::npos) {
    if (!parseHexColor(t.substr(colon + 1), e.color)) return std::nullopt;
    t = t.substr(0, colon);
  }
  if (t.size() < 2) return std::nullopt;
  e.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
  const auto [end, ec] = std::from_chars(t.data() + 1, t.data() + t.size(), e.signal);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  if (e.signal < 1 || e.signal > curveSignalCount(e.letter)) return std::nullopt;
  return e;
}

bool endsWith(const std::string& name, std::string_view ext) {
  if (name.size() < ext.size()) return false;
  for (std::size_t i = 0; i < ext.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[name.size() - ext.size() + i])) != ext[i]) return false;
  return true;
}

} // namespace

int chartFromDay(const Args& args) {
  const std::string out = args.value("-o");
  if (!endsWith(out, ".gra") && !endsWith(out, ".png") && !endsWith(out, ".pdf")) {
    std::cerr << "Ausgabe \"" << out << "\": .gra, .png oder .pdf erwartet.\n";
    return kExitUsage;
  }
  CurveList curves;
  for (const auto& [key, value] : args.options) {
    if (key != "--curve") continue;
    const std::optional<CurveEntry> e = parseCurve(value, static_cast<std::size_t>(curves.count()));
    if (!e) {
      std::cerr << "Kurve \"" << value << "\" ist keine Angabe Gruppe+Nummer[:#rrggbb] (E1, A3:#ff0000).\n";
      return kExitUsage;
    }
    if (curves.full()) {
      std::cerr << "Höchstens " << kMaxCurves << " Kurven.\n";
      return kExitUsage;
    }
    if (!curves.contains(e->letter, e->signal)) curves.add(*e);
  }
  if (curves.count() == 0) {
    std::cerr << "Keine Kurve angegeben (--curve E1).\n";
    return kExitUsage;
  }

  // The series are named by the signal descriptions of the project, or of
  // a fresh one (the signal name files of the program folder).
  std::unique_ptr<Project> project;
  if (args.has("--project")) {
    std::optional<LoadedProject> loaded = loadOrReport(args, args.value("--project"));
    if (!loaded) return kExitBadInput;
    project = std::move(loaded->project);
  } else {
    project = std::make_unique<Project>();
    try {
      project->InitRKreise(readSignalDefaults(args.programDir));
    } catch (const Error& e) {
      std::cerr << e.what() << "\n";
      return kExitBadInput;
    }
  }
  std::vector<std::string> names;
  for (const CurveEntry& e : curves.used())
    names.push_back(cp1252ToUtf8(project->SignalDesc.text(*groupOfLetter(e.letter), e.signal)));

  DayMeasurement day;
  const DayLoadResult loaded = loadDay(args.positional[0], DayLoadOptions{}, day);
  if (!loaded.message.empty()) {
    std::cerr << loaded.message << "\n";
    return kExitBadInput;
  }
  ChartModel chart;
  setUpGraphChart(chart);
  drawOfflineCurves(chart, day, curves.used(), names);
  if (endsWith(out, ".gra")) {
    try {
      saveChartFile(chart, out, 1);
    } catch (const Error& e) {
      std::cerr << e.what() << "\n";
      return kExitBadInput;
    }
    return kExitOk;
  }
  return renderChartFile(chart, out, chart.width(), chart.height());
}

} // namespace veltra::cli
