// render: one control loop drawn as the main window draws it, into a PNG
// file, without showing a window. Built only with the Qt program.
#include "cli.h"
#include "offscreen.h"

#include "core/app/settings.h"
#include "core/util/cp1252.h"
#include "core/util/error.h"
#include "core/util/lenient_int.h"
#include "core/wiring/loop_wiring.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/editor/grid_painter.h"

#include <QImage>
#include <QStringList>

#include <filesystem>
#include <iostream>
#include <memory>

namespace veltra::cli {

using namespace veltra::core;

int cmdRender(const Args& args) {
  if (args.positional.size() != 1 || !args.has("--loop") || !args.has("-o")) return kExitUsage;
  const long long loop = lenientInt(args.value("--loop"));
  if (!validLoop(static_cast<int>(loop))) {
    std::cerr << "Regelkreis " << args.value("--loop") << " gibt es nicht (1..200).\n";
    return kExitUsage;
  }
  Settings settings = loadSettings(args.programDir.string());
  if (args.has("--design")) settings.DesignName = utf8ToCp1252(args.value("--design"));
  const std::filesystem::path designDir = core::designDir(settings);
  std::error_code ec;
  if (!std::filesystem::is_directory(designDir, ec)) {
    std::cerr << "Design \"" << cp1252ToUtf8(settings.DesignName) << "\" gibt es nicht (Ordner " << designDir.string()
              << ").\n";
    return kExitBadInput;
  }

  std::optional<LoadedProject> loaded = loadOrReport(args, args.positional[0]);
  if (!loaded) return kExitBadInput;
  const Project& project = *loaded->project;
  auto field = std::make_unique<WireField>();
  TWiring wiring;
  BildeBelegung(project, static_cast<int>(loop), *field);
  BildeWireArray(project, static_cast<int>(loop), *field, wiring);

  const auto app = offscreenApplication();
  QStringList missing;
  gui::BitmapCache cache;
  cache.setErrorHandler([&missing](const QString& message) { missing << message; });
  gui::GridPainter painter(cache);
  painter.setFolders(QString::fromStdString(settings.ProgramDir), QString::fromStdString(designDir.string()));
  gui::GridScene scene;
  scene.showTexts = settings.ShowTexts;
  QImage image = gui::GridPainter::newImage();
  painter.ZeichneAlles(image, project, static_cast<int>(loop), *field, scene);
  if (!missing.isEmpty()) {
    for (const QString& m : missing)
      std::cerr << m.toStdString() << "\n";
    return kExitBadInput;
  }
  const std::string out = args.value("-o");
  if (!image.save(QString::fromStdString(out), "PNG")) {
    std::cerr << "Datei \"" << out << "\" kann nicht erstellt werden.\n";
    return kExitBadInput;
  }
  return kExitOk;
}

} // namespace veltra::cli
