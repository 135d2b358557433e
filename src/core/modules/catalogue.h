#pragma once

#include "core/model/signal_group.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace veltra::core {

// The four connection fields of a cell row.
enum class PortKind : std::uint8_t { XE, XA, YE, YA };

constexpr bool isInput(PortKind k) { return k == PortKind::XE || k == PortKind::YE; }
constexpr bool isAnalog(PortKind k) { return k == PortKind::XE || k == PortKind::XA; }

// One port of a module type: the row (1-based) whose connection field it
// uses, the params offset of the connection field the compiler fills, and
// the label the printed listing puts before the connection number.
struct PortDef {
  std::uint8_t row;
  PortKind kind;
  std::uint8_t offset;
  std::string_view printLabel;
};

enum class FieldType : std::uint8_t { I32, U8, F64 };

// A parameter field with its default (connection and work memory fields are
// not listed: they default to 0).
struct ParamDef {
  std::uint8_t offset;
  FieldType type;
  double defaultValue;
  std::string_view name;
};

// What the symbol shows on the grid.
enum class SymbolLabel : std::uint8_t { None, AbsNumber, Number, Constant };

struct ModuleType {
  char letter;
  std::string_view name;        // print name, "Regler"
  std::string_view caption;     // dialog caption, "PID Regler"
  std::string_view defaultText; // empty for signal modules (they take a signal's description)
  std::uint8_t height;
  std::uint8_t blockSize; // params bytes in the module table
  std::uint16_t workSize; // controller working memory, bytes
  std::int8_t workOffset; // params offset of the work memory field, -1 = none
  std::optional<SignalGroup> signalGroup;
  std::string_view itemFile; // function list file, empty = none
  std::int8_t flagOffset;    // u8 selecting the inverted symbol, -1 = none
  SymbolLabel label;
  std::span<const ParamDef> params;
  std::span<const PortDef> ports; // in print order: by row, inputs first

  int entryLength() const { return blockSize + 12; }
  bool isSignalModule() const { return signalGroup.has_value(); }
  // The port of `row` (1-based) of the given kind, nullptr when the type has none.
  const PortDef* port(int row, PortKind kind) const;
  bool hasInputs() const;
};

// nullptr for anything but 'A'..'Z'.
const ModuleType* moduleType(char letter);
std::span<const ModuleType> allModuleTypes();

// Built-in function names, used when the item file cannot be read.
std::span<const std::string_view> builtinItems(char letter);

// Limit references of G and Z: above 32500 a constant F, above 32600 an
// auxiliary signal H, otherwise a plain number.
enum class LimitSource : std::uint8_t { Number, F, H };
struct LimitRef {
  LimitSource source;
  double value; // the plain number, or the F/H number (may have a fraction)
};
LimitRef decodeLimit(double v);
// "F3", "H1" for a reference (fraction cut off); empty for a plain number.
std::string limitReferenceText(double v);
constexpr double kLimitFBase = 32500.0;
constexpr double kLimitHBase = 32600.0;
constexpr double encodeLimitF(int n) { return kLimitFBase + n; }
constexpr double encodeLimitH(int n) { return kLimitHBase + n; }
// The highest constant a limit can name: 32500 + n above 100 reads back as
// an H reference.
constexpr int kLimitFMax = 100;

} // namespace veltra::core
