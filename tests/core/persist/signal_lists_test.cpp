#include "core/persist/signal_lists.h"

#include "core/model/project.h"
#include "core/util/error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>

namespace veltra::core {
namespace {

namespace fs = std::filesystem;
using G = SignalGroup;

class SignalFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir);
    for (const char* f : {"ASignale.txt", "ESignale.txt", "ISignale.txt", "QSignale.txt", "VSignale.txt"})
      write(f, "x\r\n");
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const std::string& name, const std::string& content) {
    std::ofstream(dir / name, std::ios::binary) << content;
  }
  fs::path dir = fs::path(::testing::TempDir()) /
                 ("veltra_sig_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::unique_ptr<Project> p = std::make_unique<Project>();
};

// Groups I, Q and V fill both tables, A and E only the descriptions; long
// lines are cut, extra lines ignored, a last line without line end counts.
TEST_F(SignalFileTest, ListsFillTheTables) {
  std::string e, q;
  for (int i = 1; i <= 300; ++i)
    e += "Signal " + std::to_string(i) + " mit sehr langem Namen\r\n";
  for (int i = 1; i <= 9; ++i)
    q += "Q" + std::to_string(i) + "\r\n";
  write("ESignale.txt", e);
  write("qsignale.TXT", q + "Q10"); // found whatever its letter case
  fs::remove(dir / "QSignale.txt");
  p->InitRKreise(readSignalDefaults(dir));
  const SignalTables &d = p->SignalDesc, &n = p->SignalName;
  EXPECT_EQ(std::tuple(d.text(G::E, 1), d.text(G::E, 256).substr(0, 10), n.text(G::E, 1)),
            std::tuple("Signal 1 mit sehr lan", "Signal 256", ""));
  EXPECT_EQ(std::tuple(d.text(G::Q, 10), n.text(G::Q, 10), d.text(G::Q, 11)), std::tuple("Q10", "Q10", ""));
}

// The files are read before any project is touched; a missing one throws
// with its name.
TEST_F(SignalFileTest, MissingFileIsNamedAndNothingIsReset) {
  write("ASignale.txt", "neu A\r\n");
  fs::remove(dir / "QSignale.txt");
  SignalDefaults defaults;
  try {
    readSignalDefaults(dir, defaults);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("QSignale.txt"), std::string::npos) << e.what();
  }
  EXPECT_EQ(defaults.A[1].str(), "neu A"); // the files before it were read ...
  EXPECT_TRUE(defaults.V[1].empty());      // ... those after it not
}

} // namespace
} // namespace veltra::core
