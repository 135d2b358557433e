#pragma once

#include "gui_test_registry.h"

namespace veltra::test {

// The offscreen platform cannot size windows by their size hints and warns
// at every window with a minimum or fixed size; that says nothing about the
// program. Call from initTestCase (QTest installs its log handler when a
// class starts); other messages still reach the test log.
void quietOffscreenWarnings();

} // namespace veltra::test
