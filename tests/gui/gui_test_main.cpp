// Runs the registered Qt Test classes. Usage:
//   veltra_gui_tests [Class ...] [-- qtest options and test functions]
// Without class names every class runs. The platform defaults to offscreen.

#include "gui_test.h"

#include "gui/app/german_texts.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace veltra::gui::testing {

std::vector<RegisteredTest>& registeredTests() {
  static std::vector<RegisteredTest> tests;
  return tests;
}

} // namespace veltra::gui::testing

namespace veltra::test {

namespace {

QtMessageHandler g_testLogHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("does not support propagateSizeHints"))) return;
  if (g_testLogHandler != nullptr) g_testLogHandler(type, context, message);
}

} // namespace

void quietOffscreenWarnings() { g_testLogHandler = qInstallMessageHandler(quietOffscreen); }

} // namespace veltra::test

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  // The tests see the program's texts: Qt's own ones in German too.
  veltra::gui::useGermanTexts(app);
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());

  std::vector<std::string> only;
  std::vector<char*> qtestArgs{argv[0]};
  bool afterSeparator = false;
  for (int i = 1; i < argc; ++i) {
    if (!afterSeparator && std::strcmp(argv[i], "--") == 0)
      afterSeparator = true;
    else if (afterSeparator)
      qtestArgs.push_back(argv[i]);
    else
      only.emplace_back(argv[i]);
  }

  int failedFunctions = 0, failedClasses = 0, ran = 0;
  for (const auto& test : veltra::gui::testing::registeredTests()) {
    if (!only.empty() && std::find(only.begin(), only.end(), test.name) == only.end()) continue;
    std::unique_ptr<QObject> object = test.make();
    ++ran;
    const int failed = QTest::qExec(object.get(), static_cast<int>(qtestArgs.size()), qtestArgs.data());
    failedFunctions += failed;
    if (failed != 0) ++failedClasses;
  }
  std::printf("GUI test classes: %d run, %d with %d failed functions\n", ran, failedClasses, failedFunctions);
  return failedClasses == 0 && ran > 0 ? 0 : 1;
}
