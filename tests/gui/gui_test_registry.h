#pragma once

// One executable runs the Qt Test classes of every file: each file registers
// its classes with VELTRA_GUI_TEST(Class), and gui_test_main runs them in
// registration order (or only those named on the command line).

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace veltra::gui::testing {

struct RegisteredTest {
  std::string name;
  std::function<std::unique_ptr<QObject>()> make;
};

std::vector<RegisteredTest>& registeredTests();

struct TestRegistrar {
  TestRegistrar(const char* name, std::function<std::unique_ptr<QObject>()> make) {
    registeredTests().push_back({name, std::move(make)});
  }
};

} // namespace veltra::gui::testing

#define VELTRA_GUI_TEST(Class)                                                                                         \
  static const ::veltra::gui::testing::TestRegistrar s_veltraGuiTest##Class(#Class,                                    \
                                                                            [] { return std::make_unique<Class>(); })
