#include "core/simulation/plant_settings.h"

#include "core/util/error.h"
#include "core/util/file_io.h"
#include "core/util/number_parse.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <set>
#include <string>

namespace veltra::core {

namespace {

constexpr std::string_view kFile = "Streckendatei";

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

[[noreturn]] void fail(int line, const std::string& what) {
  throw Error(std::string(kFile) + ", Zeile " + std::to_string(line) + ": " + what);
}

struct SignalRef {
  BlockArea area;
  int n;
};

// "A7", "q2": a signal of the letters allowed.
std::optional<SignalRef> signalRef(std::string_view text, std::string_view letters) {
  if (text.size() < 2) return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  if (letters.find(letter) == std::string_view::npos) return std::nullopt;
  const std::string_view digits = text.substr(1);
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const std::optional<std::int32_t> n = parseInt(digits);
  const BlockArea area = letter == 'A'   ? BlockArea::A
                         : letter == 'H' ? BlockArea::H
                         : letter == 'V' ? BlockArea::V
                         : letter == 'F' ? BlockArea::F
                         : letter == 'Q' ? BlockArea::Q
                         : letter == 'M' ? BlockArea::M
                         : letter == 'E' ? BlockArea::E
                                         : BlockArea::I;
  if (!n || !layoutOf(area).contains(*n)) return std::nullopt;
  return SignalRef{area, *n};
}

struct Section {
  int line;
  PlantPath path;
  bool hasSource = false;
  bool hasTarget = false;
};

void setKey(Section& s, int line, std::string_view key, std::string_view value) {
  const std::string k = lower(key);
  if (k == "eingang" || k == "ausgang") {
    const bool source = k == "eingang";
    const std::optional<SignalRef> ref = signalRef(value, source ? "AHVFQM" : "EI");
    if (!ref)
      fail(line, "\"" + std::string(value) + "\" ist " +
                     (source ? "kein Ausgang der Steuerung (A, H, V, F, Q, M mit Nummer)"
                             : "kein Eingang der Steuerung (E oder I 1..256)"));
    (source ? s.path.sourceArea : s.path.targetArea) = ref->area;
    (source ? s.path.source : s.path.target) = ref->n;
    (source ? s.hasSource : s.hasTarget) = true;
    return;
  }
  const std::optional<double> v = parseReal(value);
  if (!v || !std::isfinite(*v)) fail(line, "\"" + std::string(value) + "\" ist keine Zahl");
  if (k == "verstaerkung") {
    s.path.gain = *v;
  } else if (k == "grundwert") {
    s.path.base = *v;
  } else if (k == "zeitkonstante" || k == "rauschen") {
    if (*v < 0) fail(line, std::string(key) + " darf nicht negativ sein");
    (k == "zeitkonstante" ? s.path.timeConstant : s.path.noise) = *v;
  } else if (k == "totzeit") {
    if (*v < 0 || *v > kMaxDeadTime || *v != std::floor(*v))
      fail(line, "die Totzeit muss eine ganze Zahl von Sekunden von 0 bis " + std::to_string(kMaxDeadTime) + " sein");
    s.path.deadTime = static_cast<int>(*v);
  } else {
    fail(line, "unbekannter Schlüssel \"" + std::string(key) +
                   "\" (Eingang, Ausgang, Verstaerkung, Grundwert, Zeitkonstante, Totzeit, Rauschen)");
  }
}

} // namespace

PlantSettings parsePlantSettings(std::string_view text) {
  const std::vector<std::string> lines = splitLines(text);
  // The generator lines keep their line numbers for the messages.
  std::string generators;
  std::vector<Section> sections;
  enum class In { Nothing, Inputs, Path } in = In::Nothing;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int lineNo = static_cast<int>(i + 1);
    std::string_view line = lines[i];
    const std::size_t comment = line.find_first_of("#;");
    if (comment != std::string_view::npos) line = line.substr(0, comment);
    line = trim(line);
    if (line.empty()) {
      generators += '\n';
      continue;
    }
    if (line.front() == '[') {
      generators += '\n';
      if (line.back() != ']') fail(lineNo, "der Abschnittsname endet nicht mit \"]\"");
      const std::string name = lower(trim(line.substr(1, line.size() - 2)));
      if (name == "eingaenge" || name == "eingänge" || name == "eing\xe4nge") {
        in = In::Inputs;
      } else if (name.starts_with("strecke")) {
        in = In::Path;
        sections.push_back(Section{lineNo, PlantPath{}});
      } else {
        fail(lineNo, "unbekannter Abschnitt \"" + std::string(line) + "\" (Eingaenge, Strecke ...)");
      }
      continue;
    }
    if (in == In::Inputs) {
      generators += lines[i];
      generators += '\n';
      continue;
    }
    generators += '\n';
    if (in == In::Nothing) fail(lineNo, "vor dem ersten Abschnitt darf nichts stehen");
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) fail(lineNo, "es fehlt \"=\"");
    setKey(sections.back(), lineNo, trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
  }

  PlantSettings settings;
  settings.inputs = parseInputSettings(generators, kFile);
  std::set<std::pair<BlockArea, int>> moved;
  for (const SimulatedInput& in : settings.inputs)
    moved.insert({in.area(), in.n});
  for (const Section& s : sections) {
    if (!s.hasSource || !s.hasTarget) fail(s.line, "die Strecke braucht \"Eingang\" und \"Ausgang\"");
    if (!moved.insert({s.path.targetArea, s.path.target}).second)
      fail(s.line, std::string(s.path.targetArea == BlockArea::E ? "E" : "I") + std::to_string(s.path.target) +
                       " wird schon anders bewegt");
    settings.paths.push_back(s.path);
  }
  return settings;
}

PlantSettings readPlantSettings(const std::filesystem::path& file) { return parsePlantSettings(readFileText(file)); }

} // namespace veltra::core
