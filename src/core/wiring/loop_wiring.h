#pragma once

#include "core/model/project.h"
#include "core/wiring/wire_field.h"
#include "core/wiring/wiring.h"

#include <array>

namespace veltra::core {

// How the FindeWeg calls of one BildeWireArray ended, counted by result code
// (kWegOk .. kWegNoPath). The drawing does not need it; it tells tools and
// tests how much of a loop could be drawn.
struct RouteSummary {
  std::array<int, kWegNoPath + 1> byCode{};

  int calls() const;
  int routed() const { return byCode[kWegOk]; }
};

// Clears the field and marks the area of every module of `loop` as blocked.
// A module whose height is 0 or runs past the last grid row (a damaged
// file) blocks nothing. Throws Error for a loop number outside 1..200.
void BildeBelegung(const Project& p, int loop, WireField& field);

// Routes every connection of `loop` into the field prepared by
// BildeBelegung: analog connection n with id n, then digital n with id
// n + 128, each destination slot in order. Destinations in column 0 are
// never routed (their input point lies on the field's edge); sources and
// destinations outside the grid (a damaged file) are skipped. Throws Error
// for a loop number outside 1..200.
RouteSummary BildeWireArray(const Project& p, int loop, WireField& field, TWiring& wiring);

} // namespace veltra::core
