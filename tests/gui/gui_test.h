#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace veltra::test {

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

// The offscreen platform cannot size windows by their size hints and warns
// at every window with a minimum or fixed size; that says nothing about the
// program. Call from initTestCase (QTest installs its log handler when a
// class starts); other messages still reach the test log.
void quietOffscreenWarnings();

// Adds a Qt Test class to the GUI test program; returns true.
bool registerGuiTest(const char* name, GuiTestFactory factory);

} // namespace veltra::test

// Registers the QObject test class `Class` (at namespace scope, after it).
#define VELTRA_GUI_TEST(Class)                                                                                         \
  static const bool kRegistered##Class =                                                                               \
      ::veltra::test::registerGuiTest(#Class, [] { return std::unique_ptr<QObject>(new Class); })
