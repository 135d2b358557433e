#include "gui_test.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace veltra::test {

namespace {

struct Entry {
  const char* name;
  GuiTestFactory factory;
};

std::vector<Entry>& registry() {
  static std::vector<Entry> entries;
  return entries;
}

QtMessageHandler g_testLogHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("does not support propagateSizeHints"))) return;
  if (g_testLogHandler != nullptr) g_testLogHandler(type, context, message);
}

} // namespace

void quietOffscreenWarnings() { g_testLogHandler = qInstallMessageHandler(quietOffscreen); }

bool registerGuiTest(const char* name, GuiTestFactory factory) {
  registry().push_back({name, std::move(factory)});
  return true;
}

} // namespace veltra::test

// Runs every registered class, or only those whose names are given as the
// first arguments; the other arguments go to QTest (e.g. a test function).
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<std::string> only;
  std::vector<char*> rest{argv[0]};
  for (int i = 1; i < argc; ++i) {
    bool isClass = false;
    for (const auto& e : veltra::test::registry())
      if (std::strcmp(e.name, argv[i]) == 0) isClass = true;
    if (isClass)
      only.emplace_back(argv[i]);
    else
      rest.push_back(argv[i]);
  }
  int failed = 0;
  for (const auto& e : veltra::test::registry()) {
    if (!only.empty() && std::find(only.begin(), only.end(), e.name) == only.end()) continue;
    std::unique_ptr<QObject> test = e.factory();
    failed += QTest::qExec(test.get(), static_cast<int>(rest.size()), rest.data());
  }
  return failed == 0 ? 0 : 1;
}
