#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltra::core {

// A free text anchored at a grid cell. The TextList keeps one line per text:
// "line 1|line 2|line 3=<loop*10000 + column*100 + row>", with "=" inside a
// line stored as "~".
struct TextAnnotation {
  std::int64_t key = 0;
  int loop = 0;
  int col = 0;
  int row = 0;
  std::array<std::string, 3> lines; // "~" already turned back into "="
};

std::int64_t textKey(int loop, int col, int row);

// Reads an entry the way the drawing and the text dialog do: a key that is
// not a number gives 0, which matches no loop.
TextAnnotation parseTextEntry(std::string_view entry);

// The entry the text dialog appends for three lines, or an empty string when
// all three are empty (the cell then has no text).
std::string formatTextEntry(const std::array<std::string, 3>& lines, int loop, int col, int row);

// Index of the first entry of the cell, or -1.
int findTextEntry(const std::vector<std::string>& list, int loop, int col, int row);

} // namespace veltra::core
