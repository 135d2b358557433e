#pragma once

#include "core/wiring/wire_field.h"
#include "core/wiring/wire_field_dump.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veltra::core::testing {

// Equal fields, or a message naming the count of differing sub-cells and
// showing the region around the first one in both fields.
inline ::testing::AssertionResult sameField(const WireField& actual, const WireField& expected) {
  int differing = 0, fi = 0, fj = 0;
  for (int i = 0; i < kFieldSize; ++i)
    for (int j = 0; j < kFieldSize; ++j)
      if (!(actual.at(i, j) == expected.at(i, j)) && differing++ == 0) fi = i, fj = j;
  if (differing == 0) return ::testing::AssertionSuccess();
  std::ostringstream out;
  out << differing << " sub-cells differ, the first at (" << fi << ", " << fj << ")\nactual:\n"
      << dumpWireFieldRegion(actual, fi - 4, fj - 4, fi + 4, fj + 4) << "expected:\n"
      << dumpWireFieldRegion(expected, fi - 4, fj - 4, fi + 4, fj + 4);
  return ::testing::AssertionFailure() << out.str();
}

// Sets the sub-cells i0..i1 x j0..j1, e.g. a straight piece of line.
inline void setRect(WireField& f, int i0, int i1, int j0, int j1, TWireCell c) {
  for (int i = i0; i <= i1; ++i)
    for (int j = j0; j <= j1; ++j)
      f.at(i, j) = c;
}

} // namespace veltra::core::testing
