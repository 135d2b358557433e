// veltra: the engineering program. Takes a project file on its command line.
#include "gui/app/main_window.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QStyle>

#include <clocale>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VELTRA"));
  // Numbers are written and read with '.' throughout, whatever the desktop's
  // language says.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
  veltra::gui::MainWindow window(QCoreApplication::applicationDirPath());
  window.adjustSize();
  if (QScreen* screen = window.screen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
    if (screen->size().height() > 650) window.setFixedSize(window.size());
  }
  window.show();
  const QStringList args = QCoreApplication::arguments();
  if (args.size() > 1) window.openProject(args.at(1));
  return app.exec();
}
