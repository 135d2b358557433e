#include "core/simulation/input_settings.h"

#include "core/util/error.h"
#include "core/util/file_io.h"
#include "core/util/number_parse.h"

#include <set>

namespace veltra::core {

const std::string_view kDefaultInputSettings = R"(# Simulierte Eingänge von veltra-comsim (Vorgabe)
E1  = sine 5 8 600          # Außentemperatur: 5 °C +- 8 K in 10 min
E6  = sine 72 4 300         # Kessel 1 Vorlauf
E19 = sine 55 5 480         # HK1 Vorlauf
E22 = sine 48 5 420         # HK2 Vorlauf
E28 = sine 50 4 360         # HK4 Vorlauf
E37 = ramp 45 60 900        # WW Speicher oben
I5  = const 0               # Kessel 1 Störung
I15 = square 0 1 240 0.1    # HK1 Pumpe Störung: 24 s von 4 min
I17 = const 0               # HK2 Pumpe Störung
I28 = square 0 1 600 0.05   # WW Legionellen Taste
)";

namespace {

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '='))
      ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '=')
      ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

struct LineParser {
  std::string_view file;
  int lineNo;
  std::string_view line;

  [[noreturn]] void fail(const std::string& what) const {
    throw Error(std::string(file) + ", Zeile " + std::to_string(lineNo) + ": " + what + " (\"" + std::string(line) +
                "\")");
  }
  double number(std::string_view w) const {
    const std::optional<double> v = parseReal(w);
    if (!v) fail("\"" + std::string(w) + "\" ist keine Zahl");
    return *v;
  }
  double period(std::string_view w) const {
    const double p = number(w);
    if (!(p > 0)) fail("die Periode muss größer als 0 sein");
    return p;
  }
};

std::unique_ptr<SignalSource> parseSource(const LineParser& lp, const std::vector<std::string_view>& w) {
  const std::string_view kind = w[1];
  const std::size_t params = w.size() - 2;
  auto need = [&](std::size_t least, std::size_t most) {
    if (params < least || params > most)
      lp.fail("\"" + std::string(kind) + "\" braucht " + std::to_string(least) +
              (most > least ? " bis " + std::to_string(most) : std::string()) + " Zahlen");
  };
  auto at = [&](std::size_t k) { return lp.number(w[2 + k]); };
  if (kind == "const") {
    need(1, 1);
    return constantSource(at(0));
  }
  if (kind == "ramp") {
    need(3, 3);
    return rampSource(at(0), at(1), lp.period(w[4]));
  }
  if (kind == "sine") {
    need(3, 4);
    return sineSource(at(0), at(1), lp.period(w[4]), params == 4 ? at(3) : 0.0);
  }
  if (kind == "step") {
    need(3, 3);
    return stepSource(at(0), at(1), at(2));
  }
  if (kind == "square") {
    need(3, 4);
    const double duty = params == 4 ? at(3) : 0.5;
    if (duty < 0 || duty > 1) lp.fail("der Anteil muss zwischen 0 und 1 liegen");
    return squareSource(at(0), at(1), lp.period(w[4]), duty);
  }
  lp.fail("unbekannte Art \"" + std::string(kind) + "\" (const, ramp, sine, step, square)");
}

} // namespace

std::vector<SimulatedInput> parseInputSettings(std::string_view text, std::string_view fileLabel) {
  std::vector<SimulatedInput> inputs;
  std::set<std::pair<char, int>> seen;
  const std::vector<std::string> lines = splitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    const std::size_t comment = line.find_first_of("#;");
    if (comment != std::string_view::npos) line = line.substr(0, comment);
    const std::vector<std::string_view> w = words(line);
    if (w.empty()) continue;
    const LineParser lp{fileLabel, static_cast<int>(i + 1), lines[i]};
    if (w.size() < 2) lp.fail("nach dem Signal fehlt die Art");
    const std::string_view signal = w[0];
    const char letter = signal[0] == 'e' ? 'E' : signal[0] == 'i' ? 'I' : signal[0];
    if (letter != 'E' && letter != 'I') lp.fail("nur analoge (E) und digitale Eingänge (I) werden simuliert");
    const std::optional<std::int32_t> n = parseInt(signal.substr(1));
    if (!n || *n < 1 || *n > kSignals || signal.substr(1).find_first_not_of("0123456789") != std::string_view::npos)
      lp.fail("\"" + std::string(signal) + "\" ist kein Eingang 1..256");
    if (!seen.insert({letter, *n}).second) lp.fail(std::string(1, letter) + std::to_string(*n) + " ist doppelt");
    inputs.push_back({letter, *n, parseSource(lp, w)});
  }
  return inputs;
}

std::vector<SimulatedInput> readInputSettings(const std::filesystem::path& file) {
  return parseInputSettings(readFileText(file));
}

} // namespace veltra::core
