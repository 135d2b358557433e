#include "model/project.h"
#include "model/types.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

TEST(SignalText, AssignKeepsFirst21Bytes) {
  TSignalText t{};
  t.assign("abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(t.len, 21);
  EXPECT_EQ(t.str(), "abcdefghijklmnopqrstu");
}

} // namespace
} // namespace veltra::core
