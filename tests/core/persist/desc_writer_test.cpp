#include "persist/desc_writer.h"

#include "persist_test_util.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

namespace veltra::core {
namespace {

using namespace test;

TEST(DescWriter, NineSectionsInFixedOrderWithSeparatorsAndCrLf) {
  auto p = std::make_unique<Project>();
  SignalTables& d = p->SignalDesc;
  d.at(SignalGroup::E, 1)->assign("E eins");
  d.at(SignalGroup::F, 256)->assign("F letzter");
  d.at(SignalGroup::S, 32)->assign("Uhr 32");
  d.at(SignalGroup::A, 1)->assign("A eins");
  d.at(SignalGroup::V, 9216)->assign("V letzter");
  d.at(SignalGroup::M, 256)->assign("Merker 256 mit 21 Zei");
  const std::string text = writeDesc(d);
  const std::vector<std::string> lines = splitLines(text);

  ASSERT_EQ(lines.size(), 11049u);
  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    crlf += text[i] == '\r' && text[i + 1] == '\n';
  EXPECT_EQ(crlf, 11049u);
  EXPECT_EQ(text.substr(text.size() - 4), "--\r\n");

  // Separator line numbers (0-based) after E, F, I, S, A, Q, V, H, M.
  for (std::size_t sep : {256u, 513u, 770u, 803u, 1060u, 1317u, 10534u, 10791u, 11048u})
    EXPECT_EQ(lines[sep], "--") << sep;
  EXPECT_EQ(lines[0], "E eins");
  EXPECT_EQ(lines[512], "F letzter");
  EXPECT_EQ(lines[802], "Uhr 32");
  EXPECT_EQ(lines[804], "A eins");
  EXPECT_EQ(lines[10533], "V letzter");
  EXPECT_EQ(lines[11047], "Merker 256 mit 21 Zei");
  EXPECT_EQ(lines[1], "");
}

} // namespace
} // namespace veltra::core
