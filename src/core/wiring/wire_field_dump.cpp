#include "core/wiring/wire_field_dump.h"

#include <algorithm>
#include <cstdio>

namespace veltra::core {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void putHex(std::string& out, std::uint8_t v) {
  out += kHex[v >> 4];
  out += kHex[v & 15];
}

void putSide(std::string& out, std::uint8_t v) {
  if (v == 0)
    out += "--";
  else
    putHex(out, v);
}

char stateChar(std::uint8_t s) {
  switch (s) {
  case kFree:
    return '.';
  case kWire:
    return 'w';
  case kBlocked:
    return '#';
  default:
    return s < 10 ? static_cast<char>('0' + s) : '?';
  }
}

} // namespace

std::string dumpWireField(const WireField& field) {
  std::string out;
  out.reserve(static_cast<std::size_t>(kFieldSize) * (kFieldSize * 11));
  for (int j = 0; j < kFieldSize; ++j) {
    for (int i = 0; i < kFieldSize; ++i) {
      const TWireCell& c = field.at(i, j);
      if (i > 0) out += ' ';
      putHex(out, c.state);
      putHex(out, c.left);
      putHex(out, c.right);
      putHex(out, c.bottom);
      putHex(out, c.top);
    }
    out += '\n';
  }
  return out;
}

std::string dumpWireFieldRegion(const WireField& field, int i0, int j0, int i1, int j1) {
  i0 = std::max(i0, 0);
  j0 = std::max(j0, 0);
  i1 = std::min(i1, kFieldSize - 1);
  j1 = std::min(j1, kFieldSize - 1);
  std::string out = "      (state left right bottom top)\n  j\\i";
  char buf[16];
  for (int i = i0; i <= i1; ++i) {
    std::snprintf(buf, sizeof buf, " %11d", i);
    out += buf;
  }
  out += '\n';
  for (int j = j0; j <= j1; ++j) {
    std::snprintf(buf, sizeof buf, "%4d", j);
    out += buf;
    for (int i = i0; i <= i1; ++i) {
      const TWireCell& c = field.at(i, j);
      out += "  ";
      out += stateChar(c.state);
      out += ' ';
      putSide(out, c.left);
      putSide(out, c.right);
      putSide(out, c.bottom);
      putSide(out, c.top);
    }
    out += '\n';
  }
  return out;
}

} // namespace veltra::core
