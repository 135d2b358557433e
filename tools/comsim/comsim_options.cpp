#include "comsim_options.h"

#include "core/simulation/input_settings.h"

#include "core/online/server_block.h"
#include "core/util/error.h"
#include "core/util/number_parse.h"

#include <charconv>

namespace veltra::comsim {

using core::Error;

Options parseOptions(const std::vector<std::string>& args, const std::filesystem::path& defaultProgramDir) {
  Options o;
  o.programDir = defaultProgramDir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw Error("Zur Option " + a + " fehlt der Wert.");
      return args[++i];
    };
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--block") {
      o.block = value();
    } else if (a == "--replace") {
      o.replace = true;
    } else if (a == "--table") {
      o.table = value();
    } else if (a == "--project") {
      o.project = value();
    } else if (a == "--inputs") {
      o.inputs = value();
    } else if (a == "--plant") {
      o.plant = value();
    } else if (a == "--speed") {
      const std::string& v = value();
      const std::optional<double> s = core::parseReal(v);
      if (!s || !(*s > 0) || *s > 1e6)
        throw Error("--speed erwartet einen Faktor über 0 bis 1000000, nicht \"" + v + "\".");
      o.speed = *s;
    } else if (a == "--seed") {
      const std::string& v = value();
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o.seed);
      if (v.empty() || ec != std::errc() || end != v.data() + v.size())
        throw Error("--seed erwartet eine ganze Zahl ab 0, nicht \"" + v + "\".");
    } else if (a == "--program-dir") {
      o.programDir = value();
    } else if (a == "--status") {
      const std::string& v = value();
      const std::optional<double> s = core::parseReal(v);
      if (!s || *s < 0) throw Error("--status erwartet Sekunden (0 = keine Statuszeilen), nicht \"" + v + "\".");
      o.statusSeconds = *s;
    } else {
      throw Error("Unbekannte Option \"" + a + "\". Hilfe: veltra-comsim --help");
    }
  }
  if (!o.table.empty() && !o.project.empty()) throw Error("Bitte nur eines von --table und --project angeben.");
  if (!o.plant.empty() && o.table.empty() && o.project.empty())
    throw Error("--plant braucht die Tabelle der Steuerung (--table oder --project).");
  return o;
}

std::string helpText() {
  return std::string(R"(veltra-comsim - Ersatz für den Kommunikationsserver

Legt den Speicherblock an, über den VELTRA mit der Steuerung arbeitet
(507920 Bytes, POSIX Shared Memory), und hält ihn lebendig, als liefe
eine Steuerung dahinter:
  - die Prüfsumme der Modultabelle, die die Steuerung ausführt, und ihre
    Schaltuhrprogramme (aus --table oder --project),
  - die analogen (E) und digitalen Eingänge (I) aus simulierten Signalen,
  - die Ausgänge der Schaltuhren S1..S32 nach der Uhrzeit des Rechners,
  - mit einer Tabelle die Steuerung selbst: alle Regelkreise laufen in
    ihrer Abtastzeit (docs/simulation.md), mit --plant auf einer Strecke,
    die die Ausgänge über Verzögerungen auf die Eingänge zurückführt.
Was VELTRA in den Block schreibt ("Wert ändern", "Bit ändern",
veltra-cli write), bleibt stehen, wie eine Steuerung es übernimmt; ein
simulierter Eingang, den VELTRA überschreibt, wird danach nicht mehr
simuliert. Alle paar Sekunden erscheint eine Statuszeile. Strg+C (oder
SIGTERM) beendet das Programm und entfernt den Block.

Aufruf:
  veltra-comsim [--project P.vtr | --table T.mtb] [--inputs DATEI]
                [--plant DATEI] [--speed N] [--seed N]
                [--block NAME] [--replace] [--status S] [--program-dir ORDNER]

  --project P.vtr   Projekt laden und wie "Tabelle erzeugen" übersetzen
  --table T.mtb     Modultabelle, wie "Tabelle erzeugen" sie geschrieben hat
                    (ohne beides: Prüfsumme 0 0 0 0 wie ein leeres Projekt)
  --inputs DATEI    simulierte Eingänge (ohne: die Vorgabe unten; mit
                    --plant keine außer denen der Streckendatei)
  --plant DATEI     Streckendatei der Steuerungssimulation, z. B.
                    samples/heizung/heizung.ini (braucht --project/--table)
  --speed N         die Uhr der Simulation läuft N-mal so schnell
                    (Vorgabe 1 = Echtzeit)
  --seed N          Startwert des Rauschens der Strecke (Vorgabe 1)
  --block NAME      Name des Blocks (Vorgabe /VTR_PC_MEM); VELTRA und
                    veltra-cli nehmen denselben Namen mit --block
  --replace         einen vorhandenen Block dieses Namens ersetzen
                    (sonst startet das Programm dann nicht)
  --status S        Statuszeile alle S Sekunden (Vorgabe 5, 0 = keine)
  --program-dir ORDNER  Programmordner mit den Signallisten und VTR.INI
                    (Vorgabe: der Ordner dieses Programms)
  --help            dieser Text

Eingangsdatei: eine Zeile je Signal, "#" leitet einen Kommentar ein:
  E1  = sine 5 8 600        Mittelwert Amplitude Periode[s] [Phase[Grad]]
  E6  = ramp 40 60 900      von bis Periode[s], dann wieder von vorn
  E9  = step 20 25 120      vorher nachher ab[s]
  I5  = square 0 1 120 0.25 aus ein Periode[s] [Anteil ein]
  I7  = const 1             fester Wert
Ein digitaler Eingang ist ein, solange der Wert mindestens 0.5 ist.

Vorgabe ohne --inputs:
)") + std::string(core::kDefaultInputSettings) +
         R"(
Ende: 0 nach Strg+C/SIGTERM; 1, wenn der Block schon besteht oder nicht
angelegt werden kann; 2 bei einer unlesbaren Tabelle, einem unlesbaren
Projekt oder einer fehlerhaften Eingangsdatei; 64 bei falschem Aufruf.
)";
}

} // namespace veltra::comsim
