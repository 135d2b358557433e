#include "gui/persist/project_commands.h"

#include "core/compare/project_compare.h"
#include "core/persist/project_file_set.h"
#include "core/persist/signal_lists.h"
#include "core/persist/vtp_writer.h"
#include "gui/app/session.h"
#include "gui/compiler/result_window.h"
#include "gui/persist/project_data_dialog.h"

#include <QFileInfo>

namespace veltra::gui {

namespace {

// The name the save dialog proposes: the project's base name with `ext`.
QString proposedName(const QString& projectFileName, const char* ext) {
  return projectFileName.isEmpty() ? QString() : QFileInfo(projectFileName).completeBaseName() + ext;
}

} // namespace

ProjectCommands::ProjectCommands(Session& session, ProjectDataDialog& dataSheet, ResultWindow& results)
    : m_session(session), m_dataSheet(dataSheet), m_results(results) {
  m_dataSheet.setSaveHandler([this](const core::TProjectData& data) { return saveDataSheet(data); });
}

bool ProjectCommands::AskSave() {
  core::Project& p = m_session.project();
  if (!p.Modified) return true;
  if (m_session.ui().askYesNo(m_session.window(), QStringLiteral("Regelkreise speichern?")) && !SpeichernNeuClick())
    return false;
  // Asked once: answered No, the changes are given up.
  m_session.project().Modified = false;
  return true;
}

void ProjectCommands::Neu1Click() {
  // Read first: a reset that cannot finish must not start.
  core::SignalDefaults defaults;
  if (!m_session.attempt([&] { core::readSignalDefaults(m_session.settings().ProgramDir, defaults); })) return;
  if (!AskSave()) return;
  core::Project& p = m_session.project();
  p.InitRKreise(defaults);
  p.ProjectData = core::TProjectData{};
  p.ProjectData.date.assign("01.04.2009");
  m_session.setProjectFileName({});
  p.TextList.clear();
  m_session.host().projectChanged();
  // InitRKreise marks the project changed; a fresh project has nothing to
  // save (the description refill, which used to clear it, no longer does).
  p.Modified = false;
  m_session.history().reset(p);
  m_dataSheet.edit(p.ProjectData);
}

bool ProjectCommands::openProject(const QString& vtrPath) {
  return m_session.attempt([&] {
    core::LoadedProject loaded =
        m_session.loader().load(m_session.project(), m_session.settings().ProgramDir, vtrPath.toStdString());
    m_session.setProjectFileName(QFileInfo(vtrPath).fileName());
    m_session.replaceProject(std::move(loaded.project));
    m_session.history().reset(m_session.project());
    m_session.host().projectChanged();
    m_session.project().Modified = false;
    m_session.rememberProjectDir(vtrPath);
  });
}

void ProjectCommands::LadenNeuClick() {
  if (!AskSave()) return;
  const QString file =
      m_session.ui().openFileName(m_session.window(), QStringLiteral("Laden"),
                                  fromCp1252(m_session.settings().ProjectDir), QStringLiteral("Regelkreis (*.vtr)"));
  if (file.isEmpty()) return;
  openProject(file);
}

bool ProjectCommands::saveProjectAs(const QString& vtrPath) {
  m_session.setProjectFileName(QFileInfo(vtrPath).fileName());
  const bool saved = m_session.attempt([&] {
    m_session.rememberProjectDir(vtrPath);
    core::saveProject(m_session.project(), vtrPath.toStdString());
  });
  if (!saved) {
    m_session.host().showFileTitle();
    return false;
  }
  m_session.history().markSaved();
  m_session.host().ZeichneAlles();
  return true;
}

bool ProjectCommands::SpeichernNeuClick() {
  const QString file = m_session.ui().saveFileName(
      m_session.window(), QStringLiteral("Speichern"), fromCp1252(m_session.settings().ProjectDir),
      proposedName(m_session.projectFileName(), ".vtr"), QStringLiteral("Regelkreis (*.vtr)"), QStringLiteral("vtr"));
  if (file.isEmpty()) return false;
  return saveProjectAs(file);
}

void ProjectCommands::ProjektdatenClick() {
  m_session.runEdit("Projektdaten ändern", [this] { m_dataSheet.edit(m_session.project().ProjectData); });
  m_session.host().showFileTitle();
}

void ProjectCommands::VergleichenClick() {
  const QString file =
      m_session.ui().openFileName(m_session.window(), QStringLiteral("Vergleichen"),
                                  fromCp1252(m_session.settings().ProjectDir), QStringLiteral("Regelkreis (*.vtr)"));
  if (file.isEmpty()) return;
  compareWith(file);
}

bool ProjectCommands::compareWith(const QString& vtrPath) {
  std::vector<core::ProjectDifference> diffs;
  const bool read = m_session.attempt([&] {
    // The other file on its own, as veltra-cli diff reads it: tables its
    // set lacks stay empty instead of taking the open project's.
    const auto empty = std::make_unique<core::Project>();
    const core::LoadedProject other = core::loadProject(*empty, m_session.settings().ProgramDir, vtrPath.toStdString());
    diffs = core::compareProjects(*other.project, m_session.project());
  });
  if (!read) return false;
  m_results.ClearLines();
  for (const QString& line : fromUtf8(core::formatDifferences(diffs)).split('\n', Qt::SkipEmptyParts))
    m_results.AddLine(line);
  const QString title = m_results.windowTitle();
  m_results.setWindowTitle(QStringLiteral("Vergleich mit ") + QFileInfo(vtrPath).fileName());
  m_results.exec();
  m_results.setWindowTitle(title);
  return true;
}

bool ProjectCommands::saveDataSheet(const core::TProjectData& data) {
  const QString file = m_session.ui().saveFileName(
      m_session.window(), QStringLiteral("Projektdaten"), fromCp1252(m_session.settings().ProjectDir),
      proposedName(m_session.projectFileName(), ".vtp"), QStringLiteral("Projektdaten (*.vtp)"), QStringLiteral("vtp"));
  if (file.isEmpty()) return true;
  m_session.setProjectFileName(QFileInfo(file).fileName());
  if (!m_session.attempt([&] {
        m_session.rememberProjectDir(file);
        core::saveProjectData(data, file.toStdString());
      }))
    return false;
  m_session.host().showFileTitle();
  return true;
}

} // namespace veltra::gui
