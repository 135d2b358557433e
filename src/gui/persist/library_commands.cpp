#include "gui/persist/library_commands.h"

#include "core/persist/library_file.h"
#include "gui/app/session.h"

namespace veltra::gui {

namespace {

QString libraryFilter() { return QStringLiteral("Librarydatei (*.rkl)"); }

} // namespace

void LibraryCommands::Libraryladen1Click() {
  core::Project& p = m_session.project();
  core::Settings& settings = m_session.settings();
  p.Modified = true;
  const int loop = p.CurrentLoop;
  if (!p.loopIsEmpty(loop)) {
    m_session.ui().showInfo(m_session.window(),
                            QStringLiteral("Regelkreis %1 enthält bereits Module. Eine Library kann nur in einen "
                                           "leeren Regelkreis geladen werden.")
                                .arg(loop));
    return;
  }
  const QString file = m_session.ui().openFileName(m_session.window(), QStringLiteral("Library laden"),
                                                   fromCp1252(settings.LibraryDir), libraryFilter());
  if (file.isEmpty()) return;
  settings.LibraryDir = toCp1252(folderOf(file));
  m_session.attempt([&] {
    core::writeLibraryDir(m_session.ini(), settings);
    core::EditScope edit(&m_session.history(), "Library laden");
    core::loadLibrary(p, loop, file.toStdString());
  });
  m_session.host().rebuild();
}

void LibraryCommands::Libraryspeichern1Click() {
  core::Project& p = m_session.project();
  core::Settings& settings = m_session.settings();
  const QString file =
      m_session.ui().saveFileName(m_session.window(), QStringLiteral("Library speichern"),
                                  fromCp1252(settings.LibraryDir), QString(), libraryFilter(), QStringLiteral("rkl"));
  if (file.isEmpty()) return;
  settings.LibraryDir = toCp1252(folderOf(file));
  m_session.attempt([&] {
    core::writeLibraryDir(m_session.ini(), settings);
    core::saveLibrary(p, p.CurrentLoop, file.toStdString());
  });
  m_session.host().ZeichneAlles();
}

} // namespace veltra::gui
