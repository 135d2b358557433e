#pragma once

#include "core/model/project.h"
#include "core/online/server_block.h"

#include <optional>
#include <string>
#include <vector>

namespace veltra::core {

// What the live view shows beside one cell of a loop, read from the block:
// by the cell's letter a signal of its group or the value of its own output
// connection in the loop's slots. Nothing (nullopt) for an empty cell, a
// function module whose output is not connected, a signal number outside
// its group or a connection number outside 1..100.
std::optional<std::string> liveText(const Project& p, int loop, int col, int row, const ServerBlock& block);

// The text of an analog live value: 6 significant digits, two decimals
// ("21.46", "12345.70"); NaN and infinities as "NAN", "INF", "-INF".
std::string liveAnalogText(double v);

struct LiveCell {
  int col;
  int row;
  std::string text;
};
// Every cell of a loop that shows a value, in drawing order (column by
// column, each top to bottom).
std::vector<LiveCell> liveTexts(const Project& p, int loop, const ServerBlock& block);

// Where an online value change of a cell writes: "Wert ändern" for A, E, F,
// H, "Bit ändern" for I, M, Q, S, with the cell's signal number; nothing for
// other letters or a number outside the group.
struct OnlineTarget {
  bool isBit;
  BlockArea area;
  int n;
  char letter;
};
std::optional<OnlineTarget> onlineTarget(const TCell& cell);
// The same for a signal named by letter and number ("E", 5).
std::optional<OnlineTarget> onlineTarget(char letter, long long n);

} // namespace veltra::core
