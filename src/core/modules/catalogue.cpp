#include "core/modules/catalogue.h"

#include <array>
#include <cmath>

namespace veltra::core {

namespace {

using F = FieldType;
using K = PortKind;
using S = SymbolLabel;
using G = SignalGroup;

// Parameter fields and defaults per letter.
constexpr ParamDef kParamsA[] = {
    {0, F::I32, 1, "Signalnummer"}, {8, F::F64, 1.0, "Skalierfaktor"}, {16, F::F64, 0.0, "Offset"}};
constexpr ParamDef kParamsB[] = {{0, F::I32, 0, "Funktion"}, {8, F::F64, 1.0, "Skalierfaktor"}};
constexpr ParamDef kParamsC[] = {{0, F::F64, -200, "Sequenz 1 Start x"},  {8, F::F64, -200, "Sequenz 1 Start y"},
                                 {16, F::F64, -100, "Sequenz 1 Ende x"},  {24, F::F64, -100, "Sequenz 1 Ende y"},
                                 {32, F::F64, -100, "Sequenz 2 Start x"}, {40, F::F64, -100, "Sequenz 2 Start y"},
                                 {48, F::F64, 100, "Sequenz 2 Ende x"},   {56, F::F64, 100, "Sequenz 2 Ende y"},
                                 {64, F::F64, 100, "Sequenz 3 Start x"},  {72, F::F64, 100, "Sequenz 3 Start y"},
                                 {80, F::F64, 200, "Sequenz 3 Ende x"},   {88, F::F64, 200, "Sequenz 3 Ende y"}};
constexpr ParamDef kParamsD[] = {{0, F::I32, 0, "Funktion"}, {4, F::I32, 2, "Anzahl"}, {16, F::I32, 60, "Abtastzeit"}};
constexpr ParamDef kParamsF[] = {{0, F::I32, 1, "Konstantennummer"}, {8, F::F64, 0.0, "Wert"}};
constexpr ParamDef kParamsG[] = {{0, F::F64, -100, "Minimum"}, {8, F::F64, 100, "Maximum"}};
constexpr ParamDef kParamsH[] = {{0, F::I32, 1, "Signalnummer"}};
constexpr ParamDef kParamsSignalInv[] = {{0, F::I32, 1, "Signalnummer"}, {4, F::U8, 0, "Invertierung"}};
constexpr ParamDef kParamsJ[] = {{0, F::I32, 0, "Funktion"},
                                 {4, F::I32, 100, "Laufzeit [s]"},
                                 {8, F::F64, 10, "Dauer Auf"},
                                 {16, F::F64, -10, "Dauer Zu"}};
constexpr ParamDef kParamsK[] = {{0, F::F64, -200, "Punkt 1 x"},  {8, F::F64, -200, "Punkt 1 y"},
                                 {16, F::F64, -100, "Punkt 2 x"}, {24, F::F64, -100, "Punkt 2 y"},
                                 {32, F::F64, 0, "Punkt 3 x"},    {40, F::F64, 0, "Punkt 3 y"},
                                 {48, F::F64, 100, "Punkt 4 x"},  {56, F::F64, 100, "Punkt 4 y"},
                                 {64, F::F64, 200, "Punkt 5 x"},  {72, F::F64, 200, "Punkt 5 y"}};
constexpr ParamDef kParamsL[] = {{0, F::I32, 0, "Funktion"}, {4, F::U8, 0, "Invertierung"}};
constexpr ParamDef kParamsN[] = {{0, F::F64, 20, "Punkt 1"},
                                 {8, F::F64, 40, "Punkt 2"},
                                 {16, F::F64, 60, "Punkt 3"},
                                 {24, F::F64, 80, "Punkt 4"},
                                 {32, F::F64, 2, "Hysterese"}};
constexpr ParamDef kParamsGate[] = {{0, F::U8, 0, "Ausgang invers"}};
constexpr ParamDef kParamsP[] = {{0, F::U8, 0, "Ausgang invers"}, {4, F::I32, 0, "Dauer"}};
constexpr ParamDef kParamsQ[] = {{0, F::I32, 1, "Signalnummer"}, {4, F::U8, 0, "Ausgang invers"}};
constexpr ParamDef kParamsR[] = {{0, F::F64, 10, "P-Band"},
                                 {8, F::F64, 200, "Nachstellzeit [s]"},
                                 {16, F::F64, 50, "Vorhaltezeit [s]"},
                                 {24, F::F64, 1, "Verstärkung"}};
constexpr ParamDef kParamsT[] = {{0, F::I32, 0, "Funktion"},
                                 {4, F::U8, 0, "Ausgang invers"},
                                 {8, F::I32, 100, "Parameter 1"},
                                 {12, F::I32, 100, "Parameter 2"}};
// The three temperatures are hundredths of a degree, the controller's scale.
constexpr ParamDef kParamsW[] = {
    {0, F::I32, 1, "Schaltuhr - Kanal"},  {8, F::F64, 5, "Heizfaktor Ein"},    {16, F::F64, 0, "Kühlfaktor Ein"},
    {24, F::F64, 100, "Heizfaktor Aus"},  {32, F::F64, 0, "Kühlfaktor Aus"},   {40, F::F64, 10, "Gewichtung"},
    {48, F::I32, 20, "min. Einzeit"},     {52, F::I32, 20, "min. Auszeit"},    {56, F::I32, 240, "max. Opt.-Zeit"},
    {64, F::F64, -1000, "Auslegung min"}, {72, F::F64, 3000, "Auslegung max"}, {80, F::F64, 200, "Komfort"}};
constexpr ParamDef kParamsZ[] = {
    {0, F::U8, 0, "Invertierung"}, {8, F::F64, 55, "Einschaltschwelle"}, {16, F::F64, 45, "Ausschaltschwelle"}};

// Ports in print order: row by row, the input of a row before its output.
constexpr PortDef kPortsA[] = {{1, K::XE, 24, "In X"}, {1, K::XA, 28, " --- Out X"}};
constexpr PortDef kPortsB[] = {{1, K::XE, 16, "In1 X"}, {1, K::XA, 24, " --- Out X"}, {2, K::XE, 20, "In2 X"}};
constexpr PortDef kPortsC[] = {{1, K::XE, 96, "In X"},
                               {1, K::XA, 100, " --- Out1 X"},
                               {2, K::XA, 104, " --- Out2 X"},
                               {3, K::XA, 108, " --- Out3 X"}};
constexpr PortDef kPortsD[] = {{1, K::XE, 8, "In X"}, {1, K::XA, 12, " --- Out X"}};
constexpr PortDef kPortsE[] = {{1, K::XA, 24, "   --- Out X"}};
constexpr PortDef kPortsF[] = {{1, K::XA, 16, "   --- Out X"}};
constexpr PortDef kPortsG[] = {{1, K::XE, 16, "In X"}, {1, K::XA, 20, " --- Out X"}};
constexpr PortDef kPortsH[] = {{1, K::XE, 4, "In X"}, {1, K::XA, 8, " --- Out X"}};
constexpr PortDef kPortsI[] = {{1, K::YA, 8, "   --- Out Y"}};
constexpr PortDef kPortsJ[] = {{1, K::XE, 24, "Soll X"}, {1, K::YA, 44, "Aus+ Y"}, {2, K::XE, 28, "Ist  X"},
                               {2, K::YA, 48, "Aus- Y"}, {3, K::YE, 32, "Ein+ Y"}, {3, K::XA, 52, "Out  X"},
                               {4, K::YE, 36, "Ein- Y"}, {5, K::YE, 40, "Reset Y"}};
constexpr PortDef kPortsK[] = {{1, K::XE, 80, "In X"}, {1, K::XA, 84, " --- Out X"}};
constexpr PortDef kPortsL[] = {{1, K::XE, 8, "In1 X"}, {1, K::YA, 16, " --- Out Y"}, {2, K::XE, 12, "In2 X"}};
constexpr PortDef kPortsM[] = {{1, K::YE, 8, "In Y"}, {1, K::YA, 12, " --- Out Y"}};
constexpr PortDef kPortsN[] = {{1, K::XE, 40, "In X"},
                               {1, K::YA, 44, " --- Out1 Y"},
                               {2, K::YA, 48, " --- Out2 Y"},
                               {3, K::YA, 52, " --- Out3 Y"},
                               {4, K::YA, 56, " --- Out4 Y"}};
constexpr PortDef kPortsGate3[] = {
    {1, K::YE, 4, "In1 Y"}, {1, K::YA, 16, " --- Out Y"}, {2, K::YE, 8, "In2 Y"}, {3, K::YE, 12, "In3 Y"}};
constexpr PortDef kPortsP[] = {{1, K::YE, 8, "In Y"}, {1, K::YA, 12, " --- Out Y"}};
constexpr PortDef kPortsQ[] = {{1, K::YE, 8, "In Y"}, {1, K::YA, 12, " --- Out Y"}};
constexpr PortDef kPortsR[] = {
    {1, K::XE, 32, "Soll X"}, {1, K::XA, 44, " --- Out X"}, {2, K::XE, 36, "Ist  X"}, {3, K::YE, 40, "Reset Y"}};
constexpr PortDef kPortsS[] = {{1, K::YA, 8, "   --- Out Y"}};
constexpr PortDef kPortsT[] = {{1, K::YE, 16, "In Y"}, {1, K::YA, 20, " --- Out Y"}};
constexpr PortDef kPortsV[] = {{1, K::XA, 24, "   --- Out X"}};
// The setback input of row 5 has no label in the printed listing.
constexpr PortDef kPortsW[] = {
    {1, K::XE, 88, "RaumTemp   X"},    {1, K::YA, 108, " --- Belegt  Y"}, {2, K::XE, 92, "AussenTemp X"},
    {2, K::YA, 112, " --- AufHeiz Y"}, {3, K::XE, 96, "RaumSoll   X"},    {3, K::YA, 116, " --- Out     Y"},
    {4, K::XE, 100, "Absenkung  X"},   {4, K::YA, 120, " --- Stop    Y"}, {5, K::YE, 104, ""}};
constexpr PortDef kPortsX[] = {{1, K::YE, 4, "In1 Y"}, {1, K::YA, 12, " --- Out Y"}, {2, K::YE, 8, "In2 Y"}};
constexpr PortDef kPortsY[] = {
    {1, K::XE, 0, "In1 X"}, {1, K::XA, 12, " --- Out X"}, {2, K::XE, 4, "In2 X"}, {3, K::YE, 8, "Sel Y"}};
constexpr PortDef kPortsZ[] = {{1, K::XE, 24, "In X"}, {1, K::YA, 28, " --- Out Y"}};

constexpr std::optional<SignalGroup> kNoGroup = std::nullopt;

// clang-format off
const ModuleType kTypes[26] = {
  // letter name caption defaultText height block work workOff group itemFile flag label params ports
  {'A', "Ausgang", "analoger Ausgang", "", 1, 32, 0, -1, G::A, "", -1, S::AbsNumber, kParamsA, kPortsA},
  {'B', "Berechnung", "Berechnung", "Berechnung", 2, 32, 0, -1, kNoGroup, "BItems.txt", -1, S::None, kParamsB, kPortsB},
  {'C', "Cascade", "Cascade", "Cascade", 3, 112, 0, -1, kNoGroup, "", -1, S::None, kParamsC, kPortsC},
  {'D', "Durchschnitt", "Mittelwert", "Durchschnitt", 1, 24, 416, 20, kNoGroup, "DItems.txt", -1, S::None, kParamsD, kPortsD},
  {'E', "Eingang", "analoger Eingang", "", 1, 32, 0, -1, G::E, "", -1, S::Number, kParamsA, kPortsE},
  {'F', "Festwert", "Konstante", "", 1, 24, 0, -1, G::F, "", -1, S::Constant, kParamsF, kPortsF},
  {'G', "Grenzwert", "Grenzwert", "Begrenzung", 1, 24, 0, -1, kNoGroup, "", -1, S::None, kParamsG, kPortsG},
  {'H', "Hilfssignal analog", "Hilfssignal", "", 1, 12, 0, -1, G::H, "", -1, S::AbsNumber, kParamsH, kPortsH},
  {'I', "Digitaleingang", "digitaler Eingang", "", 1, 12, 0, -1, G::I, "", 4, S::AbsNumber, kParamsSignalInv, kPortsI},
  {'J', "Klappe/Zähler", "Zähler/Klappe", "Zähler/Klappe", 5, 64, 16, 56, kNoGroup, "JItems.txt", -1, S::None, kParamsJ, kPortsJ},
  {'K', "Kennlinie", "Kennlinie", "Kennlinie", 1, 88, 0, -1, kNoGroup, "", -1, S::None, kParamsK, kPortsK},
  {'L', "Vergleich", "Vergleich", "Vergleich", 2, 20, 0, -1, kNoGroup, "LItems.txt", 4, S::None, kParamsL, kPortsL},
  {'M', "Merker digital", "digitaler Merker", "", 1, 16, 0, -1, G::M, "", 4, S::Number, kParamsSignalInv, kPortsM},
  {'N', "Nockenschaltwerk", "Nockenschaltwerk", "Grenzwerte", 4, 64, 4, 60, kNoGroup, "", -1, S::None, kParamsN, kPortsN},
  {'O', "Oder Verknüpfung", "logisches Oder", "Oder", 3, 20, 0, -1, kNoGroup, "", 0, S::None, kParamsGate, kPortsGate3},
  {'P', "Puls", "Puls", "Puls", 1, 20, 8, 16, kNoGroup, "", 0, S::None, kParamsP, kPortsP},
  {'Q', "digitaler Ausgang", "digitaler Ausgang", "", 1, 16, 0, -1, G::Q, "", 4, S::AbsNumber, kParamsQ, kPortsQ},
  {'R', "Regler", "PID Regler", "Regler", 3, 56, 32, 48, kNoGroup, "", -1, S::None, kParamsR, kPortsR},
  {'S', "Schaltuhr", "Schaltsignal", "Schaltuhr", 1, 12, 0, -1, G::S, "", 4, S::Number, kParamsSignalInv, kPortsS},
  {'T', "Timer", "Timer", "Timer", 1, 28, 8, 24, kNoGroup, "TItems.txt", 4, S::None, kParamsT, kPortsT},
  {'U', "Und Verknüpfung", "logisches Und", "Und", 3, 20, 0, -1, kNoGroup, "", 0, S::None, kParamsGate, kPortsGate3},
  {'V', "Variable", "Variable", "", 1, 32, 0, -1, G::V, "", -1, S::Number, kParamsA, kPortsV},
  {'W', "Restwärme", "Restwärme", "Restwärme", 5, 128, 72, 124, kNoGroup, "", -1, S::None, kParamsW, kPortsW},
  {'X', "Exclusiv Oder Verknüpfung", "exclusiv Oder", "Exclusiv Oder", 2, 16, 0, -1, kNoGroup, "", 0, S::None, kParamsGate, kPortsX},
  {'Y', "Analogumschalter", "Auswahl", "Umschalter", 3, 16, 0, -1, kNoGroup, "", -1, S::None, {}, kPortsY},
  {'Z', "Zweipunkt", "Zweipunkt", "Zweipunkt", 1, 40, 4, 32, kNoGroup, "", 0, S::None, kParamsZ, kPortsZ},
};
// clang-format on

constexpr std::string_view kItemsArith[] = {"+", "-", "*", "/", "Min", "Max"};
constexpr std::string_view kItemsD[] = {"Min", "Max", "Mittel"};
constexpr std::string_view kItemsT[] = {"Wischer", "Blinker", "Impulse", "PWM"};

} // namespace

const PortDef* ModuleType::port(int row, PortKind kind) const {
  for (const PortDef& p : ports)
    if (p.row == row && p.kind == kind) return &p;
  return nullptr;
}

bool ModuleType::hasInputs() const {
  for (const PortDef& p : ports)
    if (isInput(p.kind)) return true;
  return false;
}

const ModuleType* moduleType(char letter) {
  if (letter < 'A' || letter > 'Z') return nullptr;
  return &kTypes[letter - 'A'];
}

std::span<const ModuleType> allModuleTypes() { return kTypes; }

std::span<const std::string_view> builtinItems(char letter) {
  switch (letter) {
  case 'B':
  case 'L':
    return kItemsArith;
  case 'D':
    return kItemsD;
  case 'T':
    return kItemsT;
  default:
    return {};
  }
}

LimitRef decodeLimit(double v) {
  if (v > kLimitHBase) return {LimitSource::H, v - kLimitHBase};
  if (v > kLimitFBase) return {LimitSource::F, v - kLimitFBase};
  return {LimitSource::Number, v};
}

std::string limitReferenceText(double v) {
  const LimitRef ref = decodeLimit(v);
  switch (ref.source) {
  case LimitSource::H:
    return "H" + std::to_string(static_cast<long long>(ref.value));
  case LimitSource::F:
    return "F" + std::to_string(static_cast<long long>(ref.value));
  case LimitSource::Number:
    break;
  }
  return {};
}

} // namespace veltra::core
