#pragma once

#include "wiring/wire_field.h"
#include "wiring/wire_field_dump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace veltra::core::testing {

// Equal fields, or a message that names the first differing sub-cell and
// shows the region around it in both fields.
inline ::testing::AssertionResult sameField(const WireField& actual, const WireField& expected) {
  for (int i = 0; i < kFieldSize; ++i)
    for (int j = 0; j < kFieldSize; ++j) {
      if (actual.at(i, j) == expected.at(i, j)) continue;
      int differing = 0;
      for (int a = 0; a < kFieldSize; ++a)
        for (int b = 0; b < kFieldSize; ++b)
          differing += actual.at(a, b) == expected.at(a, b) ? 0 : 1;
      std::ostringstream out;
      out << differing << " sub-cells differ, the first at (" << i << ", " << j << ")\nactual:\n"
          << dumpWireFieldRegion(actual, i - 4, j - 4, i + 4, j + 4) << "expected:\n"
          << dumpWireFieldRegion(expected, i - 4, j - 4, i + 4, j + 4);
      return ::testing::AssertionFailure() << out.str();
    }
  return ::testing::AssertionSuccess();
}

// Sets the sub-cells (i0..i1, j) or (i, j0..j1) of a straight piece.
inline void setRow(WireField& f, int i0, int i1, int j, TWireCell c) {
  for (int i = i0; i <= i1; ++i)
    f.at(i, j) = c;
}
inline void setColumn(WireField& f, int i, int j0, int j1, TWireCell c) {
  for (int j = j0; j <= j1; ++j)
    f.at(i, j) = c;
}

} // namespace veltra::core::testing
