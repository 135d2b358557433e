#pragma once

#include <cstdint>
#include <limits>
#include <span>

namespace veltra::gui {

// What a control of a parameter dialog edits, and how.
enum class FieldKind : std::uint8_t {
  Real,         // f64 edit
  Int,          // i32 edit
  WTemperature, // f64 in hundredths of a degree, edited in degrees
  Check,        // u8 check box
  Spin,         // i32 spin box, range lo..hi
  Signal,       // i32 at 0: drop-down of the signals of the module's group
  Function,     // i32 at 0: drop-down of the module's item file
  Limit,        // f64 limit with its source "Zahl" / "F" / "H"
  Description,  // the module's text, 20 characters
  Zero,         // f64 set to 0 on "Ok", no control
  Section,      // the following fields form a group: a box when titled,
                // a matrix when it has column heads
  EndSection,
};

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// One line of a dialog table: the control's object name, the params offset
// it edits, its label, unit and hint, the range of its live check (edits) or
// its range (spins).
struct FieldLayout {
  FieldKind kind;
  const char* name = "";
  int offset = 0;
  const char* label = "";
  const char* unit = "";
  const char* hint = "";
  double lo = -kUnbounded;
  double hi = kUnbounded;
  const char* comboName = ""; // Limit: the drop-down in the edit's place
  const char* groupName = ""; // Limit: the radio group "Signalquelle"
  std::span<const char* const> columns = {};

  constexpr FieldLayout withUnit(const char* u) const {
    FieldLayout f = *this;
    f.unit = u;
    return f;
  }
  constexpr FieldLayout withHint(const char* h) const {
    FieldLayout f = *this;
    f.hint = h;
    return f;
  }
  constexpr FieldLayout atLeast(double v) const {
    FieldLayout f = *this;
    f.lo = v;
    return f;
  }
  constexpr FieldLayout atMost(double v) const {
    FieldLayout f = *this;
    f.hi = v;
    return f;
  }
};

namespace field {

constexpr FieldLayout real(const char* name, int offset, const char* label = "") {
  return {FieldKind::Real, name, offset, label};
}
constexpr FieldLayout integer(const char* name, int offset, const char* label = "") {
  return {FieldKind::Int, name, offset, label};
}
constexpr FieldLayout temperature(const char* name, int offset, const char* label = "") {
  return {FieldKind::WTemperature, name, offset, label};
}
constexpr FieldLayout check(const char* name, int offset, const char* label) {
  return {FieldKind::Check, name, offset, label};
}
constexpr FieldLayout spin(const char* name, int offset, const char* label, int lo, int hi) {
  return {FieldKind::Spin, name, offset, label, "", "", static_cast<double>(lo), static_cast<double>(hi)};
}
constexpr FieldLayout signal(const char* name, const char* label) { return {FieldKind::Signal, name, 0, label}; }
constexpr FieldLayout function(const char* name, const char* label = "Funktion") {
  return {FieldKind::Function, name, 0, label};
}
// A limit whose plain number may not exceed `hi` without showing red.
constexpr FieldLayout limit(const char* edit, const char* combo, const char* group, int offset, const char* label,
                            double hi) {
  return {FieldKind::Limit, edit, offset, label, "", "", -kUnbounded, hi, combo, group};
}
constexpr FieldLayout description() { return {FieldKind::Description, "edDesc", 0, "Beschreibung"}; }
constexpr FieldLayout zero(int offset) { return {FieldKind::Zero, "", offset}; }
constexpr FieldLayout section(const char* title, std::span<const char* const> columns = {}) {
  FieldLayout f{FieldKind::Section, "", 0, title};
  f.columns = columns;
  return f;
}
constexpr FieldLayout endSection() { return {FieldKind::EndSection}; }

} // namespace field

// The table of one dialog, `Form_A` .. `Form_Z`.
struct FormLayout {
  char letter;
  std::span<const FieldLayout> fields;
};

// nullptr for anything but 'A'..'Z'. S has an empty table: its dialog lays
// itself out.
const FormLayout* formLayout(char letter);

} // namespace veltra::gui
