#include "gui/app/session.h"

#include <QDir>
#include <QFileInfo>

namespace veltra::gui {

Session::Session(const QString& programDir, UiServices& ui, QWidget* window, SessionHost& host)
    : m_programDir(QDir(programDir).absolutePath()), m_ui(ui), m_window(window), m_host(host),
      m_project(std::make_unique<core::Project>()), m_history(*m_project) {}

void Session::replaceProject(std::unique_ptr<core::Project> project) {
  std::unique_ptr<core::Project> replaced = std::move(m_project);
  m_project = std::move(project);
  m_loader.recycle(std::move(replaced));
}

void Session::loadSettings() {
  m_settings = core::loadSettings(m_programDir.toStdString() + "/");
  m_ini = std::make_unique<core::IniFile>(core::settingsFile(m_settings.ProgramDir));
}

void Session::rememberProjectDir(const QString& file) {
  m_settings.ProjectDir = toCp1252(folderOf(file));
  core::writeProjectDir(*m_ini, m_settings);
}

QString folderOf(const QString& file) { return QFileInfo(file).absolutePath(); }

} // namespace veltra::gui
