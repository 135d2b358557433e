#include "core/online/live_view.h"

#include "core/util/number_format.h"

namespace veltra::core {

namespace {

enum class Source : std::uint8_t {
  None,
  SignalOrAnalogConnection, // A, E, H, V
  Signal,                   // F
  AnalogConnection,         // B, C, D, G, K, R, Y
  BitSignalOrConnection,    // I, M, Q, S
  DigitalConnection,        // L, N, O, P, T, U, W, X, Z
  PerRow,                   // J
};

Source sourceOf(char letter) {
  switch (letter) {
  case 'A':
  case 'E':
  case 'H':
  case 'V':
    return Source::SignalOrAnalogConnection;
  case 'F':
    return Source::Signal;
  case 'B':
  case 'C':
  case 'D':
  case 'G':
  case 'K':
  case 'R':
  case 'Y':
    return Source::AnalogConnection;
  case 'I':
  case 'M':
  case 'Q':
  case 'S':
    return Source::BitSignalOrConnection;
  case 'L':
  case 'N':
  case 'O':
  case 'P':
  case 'T':
  case 'U':
  case 'W':
  case 'X':
  case 'Z':
    return Source::DigitalConnection;
  case 'J':
    return Source::PerRow;
  default:
    return Source::None;
  }
}

// The inversion flag of I, M, Q and S.
constexpr int kInversionOffset = 4;

std::optional<std::string> analogText(std::optional<double> v) {
  if (!v) return std::nullopt;
  return liveAnalogText(*v);
}

std::optional<std::string> bitText(std::optional<bool> on) {
  if (!on) return std::nullopt;
  return std::string(*on ? "1" : "0");
}

std::optional<double> signalValue(const TCell& cell, const ServerBlock& block) {
  const std::optional<SignalGroup> g = groupOfLetter(static_cast<char>(cell.letter));
  if (!g) return std::nullopt;
  return block.analog(areaOf(*g), Project::signalNumber(cell));
}

std::optional<bool> signalBit(const TCell& cell, const ServerBlock& block) {
  const std::optional<SignalGroup> g = groupOfLetter(static_cast<char>(cell.letter));
  if (!g) return std::nullopt;
  const std::optional<bool> on = block.bit(areaOf(*g), Project::signalNumber(cell));
  if (!on) return std::nullopt;
  return cell.u8(kInversionOffset) != 0 ? !*on : *on;
}

} // namespace

std::string liveAnalogText(double v) { return formatFixedSignificant(v, 6, 2); }

std::optional<std::string> liveText(const Project& p, int loop, int col, int row, const ServerBlock& block) {
  if (!validLoop(loop) || !validCol(col) || !validRow(row)) return std::nullopt;
  const TCell& cell = p.cell(loop, col, row);
  switch (sourceOf(static_cast<char>(cell.letter))) {
  case Source::None:
    return std::nullopt;
  case Source::SignalOrAnalogConnection:
    if (cell.XA >= 1) return analogText(block.analogConnection(loop, cell.XA));
    return analogText(signalValue(cell, block));
  case Source::Signal:
    return analogText(signalValue(cell, block));
  case Source::AnalogConnection:
    if (cell.XA >= 1) return analogText(block.analogConnection(loop, cell.XA));
    return std::nullopt;
  case Source::BitSignalOrConnection:
    // A connected output carries the module's result, inversion included.
    if (cell.YA >= 1) return bitText(block.digitalConnection(loop, cell.YA));
    return bitText(signalBit(cell, block));
  case Source::DigitalConnection:
    if (cell.YA >= 1) return bitText(block.digitalConnection(loop, cell.YA));
    return std::nullopt;
  case Source::PerRow:
    if (cell.part == 1 || cell.part == 2) {
      if (cell.YA >= 1) return bitText(block.digitalConnection(loop, cell.YA));
    } else if (cell.XA >= 1) {
      return analogText(block.analogConnection(loop, cell.XA));
    }
    return std::nullopt;
  }
  return std::nullopt;
}

std::vector<LiveCell> liveTexts(const Project& p, int loop, const ServerBlock& block) {
  std::vector<LiveCell> cells;
  if (!validLoop(loop)) return cells;
  for (int c = 0; c < kCols; ++c)
    for (int r = 0; r < kRows; ++r) {
      if (p.cell(loop, c, r).isEmpty()) continue;
      if (std::optional<std::string> t = liveText(p, loop, c, r, block)) cells.push_back({c, r, std::move(*t)});
    }
  return cells;
}

std::optional<OnlineTarget> onlineTarget(const TCell& cell) {
  return onlineTarget(static_cast<char>(cell.letter), Project::signalNumber(cell));
}

std::optional<OnlineTarget> onlineTarget(char letter, long long n) {
  bool isBit = false;
  switch (letter) {
  case 'A':
  case 'E':
  case 'F':
  case 'H':
    break;
  case 'I':
  case 'M':
  case 'Q':
  case 'S':
    isBit = true;
    break;
  default:
    return std::nullopt;
  }
  const SignalGroup g = *groupOfLetter(letter);
  if (!inGroupRange(g, n)) return std::nullopt;
  return OnlineTarget{isBit, areaOf(g), static_cast<int>(n), letter};
}

} // namespace veltra::core
