// veltra: the engineering program. Takes a project file on its command
// line, and --block NAME for another server block than /VTR_PC_MEM.
#include "gui/app/german_texts.h"
#include "gui/app/main_window.h"
#include "gui/online/online_controller.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QStyle>

#include <clocale>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VELTRA"));
  veltra::gui::useGermanTexts(app);
  // Numbers are written and read with '.' throughout, whatever the desktop's
  // language says.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  veltra::gui::MainWindow window(QCoreApplication::applicationDirPath());
  QStringList args = QCoreApplication::arguments();
  args.removeFirst();
  QString project;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args.at(i) == QStringLiteral("--block") && i + 1 < args.size())
      window.online().setBlockName(args.at(++i).toStdString());
    else
      project = args.at(i);
  }
  window.adjustSize();
  if (QScreen* screen = window.screen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
    if (screen->size().height() > 650) window.setFixedSize(window.size());
  }
  window.show();
  if (!project.isEmpty()) window.projectCommands().openProject(project);
  return app.exec();
}
