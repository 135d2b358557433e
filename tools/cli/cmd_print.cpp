// print: the printed documentation of a project written to a PDF file, as
// "Drucken" → "PDF…" writes it, without a window. Built only with the Qt
// program.
#include "cli.h"
#include "offscreen.h"

#include "core/app/settings.h"
#include "core/util/cp1252.h"
#include "core/util/error.h"
#include "core/util/lenient_int.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/print/print_job.h"

#include <filesystem>
#include <iostream>
#include <sstream>

namespace veltra::cli {

using namespace veltra::core;

namespace {

// "--sections projekt,regelkreise,..." onto the options; false for a name
// that is not a section.
bool chooseSections(const std::string& list, PrintOptions& o) {
  o.projectData = o.loops = o.crossReferences = o.signalLists = false;
  std::stringstream in(list);
  std::string name;
  while (std::getline(in, name, ',')) {
    if (name == "projekt")
      o.projectData = true;
    else if (name == "regelkreise")
      o.loops = true;
    else if (name == "querverweise")
      o.crossReferences = true;
    else if (name == "signallisten")
      o.signalLists = true;
    else {
      std::cerr << "Abschnitt \"" << name << "\" gibt es nicht (projekt, regelkreise, querverweise, signallisten).\n";
      return false;
    }
  }
  return o.anySection();
}

} // namespace

int cmdPrint(const Args& args) {
  if (args.positional.size() != 1 || !args.has("--pdf") || (args.has("--loop") && args.has("--all"))) return kExitUsage;
  PrintOptions options;
  options.connections = args.has("--xy");
  options.contents = args.has("--toc");
  if (args.has("--sections") && !chooseSections(args.value("--sections"), options)) return kExitUsage;
  long long loop = 0;
  if (args.has("--loop")) {
    loop = lenientInt(args.value("--loop"));
    if (!validLoop(static_cast<int>(loop))) {
      std::cerr << "Regelkreis " << args.value("--loop") << " gibt es nicht (1..200).\n";
      return kExitUsage;
    }
    options.allLoops = false;
    options.loop = static_cast<int>(loop);
  }
  const Settings settings = loadSettings(args.programDir.string());
  const std::filesystem::path designDir = core::designDir(settings);

  std::optional<LoadedProject> loaded = loadOrReport(args, args.positional[0]);
  if (!loaded) return kExitBadInput;
  Project& project = *loaded->project;

  const auto app = offscreenApplication();
  gui::BitmapCache cache;
  // A picture that is missing would print as a placeholder: refuse instead.
  cache.setErrorHandler([](const QString& message) { throw Error(message.toStdString()); });
  gui::PrintJob job(project, cache, QString::fromStdString(settings.ProgramDir),
                    QString::fromStdString(designDir.string()));
  job.showTexts = settings.ShowTexts;
  const std::string out = args.value("--pdf");
  try {
    const QPageLayout layout = gui::PrintJob::defaultLayout();
    const Report report = job.layOut(options, layout);
    if (report.pages.empty()) {
      std::cerr << "Es gibt nichts zu drucken: die gewählten Abschnitte sind leer.\n";
      return kExitBadInput;
    }
    job.writePdf(QString::fromStdString(out), report, layout);
    std::cout << out << ": " << report.pages.size() << " Seiten\n";
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

} // namespace veltra::cli
