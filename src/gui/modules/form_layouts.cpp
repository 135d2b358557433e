#include "gui/modules/form_layout.h"

namespace veltra::gui {

namespace {

using namespace field;

// Limits above 32500 read back as references to F or H; Z keeps one below.
constexpr double kGLimitMax = 32500;
constexpr double kZLimitMax = 32499;

constexpr FieldLayout kA[] = {
    signal("cbNum", "Signal"),
    real("edScale", 8, "Skalierfaktor").withHint("Skalierfaktor für Eingangswert"),
    real("edOffset", 16, "Offset").withHint("Offset für Eingangswert"),
};
constexpr FieldLayout kB[] = {
    function("cbFunction").withHint("Rechenfunktion aus BItems.txt"),
    real("edScale", 8, "Skalierfaktor").withHint("Skalierfaktor für das Ergebnis"),
    description(),
};
constexpr const char* kSequenceColumns[] = {"Start x", "Start y", "Ende x", "Ende y"};
constexpr FieldLayout kC[] = {
    section("Sequenzen", kSequenceColumns),
    // clang-format off
    real("edXA1", 0, "Sequenz 1"), real("edYA1", 8), real("edXE1", 16), real("edYE1", 24),
    real("edXA2", 32, "Sequenz 2"), real("edYA2", 40), real("edXE2", 48), real("edYE2", 56),
    real("edXA3", 64, "Sequenz 3"), real("edYA3", 72), real("edXE3", 80), real("edYE3", 88),
    // clang-format on
    endSection(),
    description(),
};
constexpr FieldLayout kD[] = {
    function("cbFunction").withHint("Min, Max oder Mittelwert (DItems.txt)"),
    spin("spAnzahl", 4, "Anzahl", 1, 50).withUnit("Werte").withHint("Anzahl der Werte, 1 bis 50"),
    integer("edAZeit", 16, "Abtastzeit").withUnit("sec").withHint("Abtastzeit in Sekunden").atLeast(0),
    description(),
};
constexpr FieldLayout kE[] = {
    signal("cbFuehler", "Fühler"),
    real("edScale", 8, "Skalierfaktor").withHint("Skalierfaktor für Eingangswert"),
    real("edOffset", 16, "Offset").withHint("Offset für Eingangswert"),
};
constexpr FieldLayout kF[] = {
    signal("cbSignal", "Festwert"),
    real("edConst", 8, "Konstante").withHint("Wert der Konstanten; gilt für alle Module mit dieser Nummer"),
};
constexpr FieldLayout kG[] = {
    limit("edMin", "cbMin", "rgQuelle", 0, "Minimum", kGLimitMax),
    limit("edMax", "cbMax", "rgQuelle1", 8, "Maximum", kGLimitMax),
    description(),
};
constexpr FieldLayout kH[] = {signal("cbSignal", "analoges Hilfssignal")};
constexpr FieldLayout kI[] = {
    signal("cbNum", "Nummer"),
    check("cbInv", 4, "Invertierung").withHint("Eingangsinvertierung"),
};
constexpr FieldLayout kJ[] = {
    function("cbFunction").withHint("Funktion aus JItems.txt"),
    integer("edAZeit", 4, "LaufZeit/Vergleich").withUnit("s").withHint("Laufzeit in Sekunden").atLeast(0),
    real("edDiffAuf", 8, "max. Diff").withHint("Dauer Auf"),
    real("edDiffZu", 16, "Abtastzeit [s]").withHint("Dauer Zu"),
    description(),
};
constexpr const char* kPointColumns[] = {"x", "y"};
constexpr FieldLayout kK[] = {
    section("Kennlinie", kPointColumns),
    // clang-format off
    real("edX1", 0, "Punkt 1"), real("edY1", 8),
    real("edX2", 16, "Punkt 2"), real("edY2", 24),
    real("edX3", 32, "Punkt 3"), real("edY3", 40),
    real("edX4", 48, "Punkt 4"), real("edY4", 56),
    real("edX5", 64, "Punkt 5"), real("edY5", 72),
    // clang-format on
    endSection(),
    description(),
};
constexpr FieldLayout kL[] = {
    function("cbFunction").withHint("Vergleich aus LItems.txt"),
    check("Inv", 4, "Invertierung").withHint("Ausgang invertieren"),
    description(),
};
constexpr FieldLayout kM[] = {
    signal("cbSignal", "Signal"),
    check("Inv", 4, "Invertierung"),
};
constexpr FieldLayout kN[] = {
    section("Schaltpunkte"),
    real("edX1", 0, "Punkt 1").withHint("Schaltpunkt von Ausgang 1"),
    real("edX2", 8, "Punkt 2").withHint("Schaltpunkt von Ausgang 2"),
    real("edX3", 16, "Punkt 3").withHint("Schaltpunkt von Ausgang 3"),
    real("edX4", 24, "Punkt 4").withHint("Schaltpunkt von Ausgang 4"),
    real("edHyst", 32, "Hysterese").withHint("gemeinsame Hysterese der vier Schaltpunkte"),
    endSection(),
    description(),
};
constexpr FieldLayout kGate[] = {
    check("cbInv1", 0, "Ausgang invers"),
    description(),
};
constexpr FieldLayout kP[] = {
    integer("edDauer", 4, "Dauer").withUnit("Sek.").withHint("*100 ms"),
    check("cbInv1", 0, "Ausgang invers"),
    description(),
};
constexpr FieldLayout kQ[] = {
    signal("cbNummer", "Signal"),
    check("cbInv", 4, "Ausgang invers"),
};
constexpr FieldLayout kR[] = {
    real("edP", 0, "P-Band (100)").withHint("Proportionalband"),
    real("edI", 8, "Nachstellzeit").withUnit("s").withHint("Nachstellzeit Tn"),
    real("edD", 16, "Vorhaltezeit").withUnit("s").withHint("Vorhaltezeit Tv"),
    real("edS", 24, "Verstärkung"),
    description(),
};
constexpr FieldLayout kT[] = {
    function("cbFunction").withHint("Timerfunktion"),
    check("cbInv1", 4, "Ausgang invers"),
    integer("edParam1", 8, "Parameter 1").withUnit("Sek."),
    integer("edParam2", 12, "Parameter 2").withUnit("Sek."),
    description(),
};
constexpr FieldLayout kV[] = {
    signal("cbNum", "Signal"),
    real("edScale", 8, "Skalierfaktor").withHint("Skalierfaktor für Eingangswert"),
    real("edOffset", 16, "Offset").withHint("Offset für Eingangswert"),
};
constexpr const char* kSwitchColumns[] = {"Einschalten", "Ausschalten"};
constexpr FieldLayout kW[] = {
    spin("spNummer", 0, "Schaltuhr - Kanal", 0, 32).withHint("Schaltuhrprogramm 1 bis 32, 0 = keines"),
    section("Optimierung", kSwitchColumns),
    integer("edMinZeitE", 48, "Mindestzeit [min]"),
    integer("edMinZeitA", 52),
    real("edHFaktorE", 8, "Heizfaktor [min/°C²]"),
    real("edHFaktorA", 24),
    endSection(),
    real("edWicht", 40, "Gewichtung").withUnit("%"),
    integer("edMaxZeit", 56, "max. Opt.-Zeit").withUnit("min").withHint("längste Optimierungszeit"),
    section("Auslegungstemperatur"),
    temperature("edMinAusl", 64, "min").withUnit("°C"),
    temperature("edMaxAusl", 72, "max").withUnit("°C"),
    endSection(),
    temperature("edRegel", 80, "Komfort").withUnit("°C").withHint("Komfortbereich").atLeast(0),
    description(),
    // The cooling factors are not offered; "Ok" clears them.
    zero(16),
    zero(32),
};
constexpr FieldLayout kY[] = {description()};
constexpr FieldLayout kZ[] = {
    check("Inv", 0, "Invertierung"),
    limit("edEin", "cbEin", "rgQuelle", 8, "Einschaltschwelle", kZLimitMax),
    limit("edAus", "cbAus", "rgQuelle1", 16, "Ausschaltschwelle", kZLimitMax),
    description(),
};

constexpr FormLayout kForms[26] = {
    {'A', kA}, {'B', kB}, {'C', kC},    {'D', kD}, {'E', kE}, {'F', kF},    {'G', kG}, {'H', kH}, {'I', kI},
    {'J', kJ}, {'K', kK}, {'L', kL},    {'M', kM}, {'N', kN}, {'O', kGate}, {'P', kP}, {'Q', kQ}, {'R', kR},
    {'S', {}}, {'T', kT}, {'U', kGate}, {'V', kV}, {'W', kW}, {'X', kGate}, {'Y', kY}, {'Z', kZ},
};

} // namespace

const FormLayout* formLayout(char letter) {
  if (letter < 'A' || letter > 'Z') return nullptr;
  return &kForms[letter - 'A'];
}

} // namespace veltra::gui
