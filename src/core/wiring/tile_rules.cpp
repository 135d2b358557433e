#include "core/wiring/tile_rules.h"

namespace veltra::core {

int tileRule(const TWireCell& c) {
  const int l = c.left, r = c.right, b = c.bottom, t = c.top;
  if (l == r && l != 0) { // a horizontal run
    if (t == l && b == l) return 1;
    if (t == l) return 2;
    if (b == l) return 3;
    if (t == b && t != 0) return 4;
    if (t == 0 && b == 0) return 5;
    return 15;
  }
  if (t == b && t != 0) { // a vertical run
    if (l == t) return 6;
    if (r == t) return 7;
    if (l == 0 && r == 0) return 8;
    return 15;
  }
  if (l == t && r == 0 && b == 0) return 9;
  if (l == b && r == 0 && t == 0) return 10;
  if (r == t && l == 0 && b == 0) return 11;
  if (r == b && l == 0 && t == 0) return 12;
  if (l == t && r == b) return 13;
  if (l == b && r == t) return 14;
  return 15;
}

bool tileAnalogOnly(const TWireCell& c) { return c.left < 128 && c.right < 128 && c.bottom < 128 && c.top < 128; }

std::string tileFileName(int rule, bool analogOnly) {
  static const char* const kNames[16] = {"v0.bmp", "v11.bmp", "v8.bmp",  "v7.bmp", "v12.bmp", "v1.bmp",
                                         "v9.bmp", "v10.bmp", "v2.bmp",  "v3.bmp", "v5.bmp",  "v4.bmp",
                                         "v6.bmp", "V13.bmp", "V14.bmp", "v0.bmp"};
  const char* name = rule >= 1 && rule <= 15 ? kNames[rule] : kNames[0];
  return (analogOnly ? "r" : "") + std::string(name);
}

std::string tileFileName(const TWireCell& c) { return tileFileName(tileRule(c), tileAnalogOnly(c)); }

} // namespace veltra::core
