#include "offscreen.h"

namespace veltra::cli {

std::unique_ptr<QGuiApplication> offscreenApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "veltra-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace veltra::cli
