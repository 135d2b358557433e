#pragma once

#include "core/app/settings.h"
#include "core/compiler/module_table.h"
#include "core/history/edit_history.h"
#include "core/model/project.h"
#include "core/persist/project_loader.h"
#include "core/util/error.h"
#include "gui/app/ui_services.h"
#include "gui/util/qt_text.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace veltra::gui {

// What the commands need from the main window around them.
class SessionHost {
public:
  virtual ~SessionHost() = default;
  // ZeichneAlles: the grid picture and the fields beside it.
  virtual void ZeichneAlles() = 0;
  // BildeBelegung and BildeWireArray of the shown loop, then ZeichneAlles.
  virtual void rebuild() = 0;
  virtual void showFileTitle() = 0;
  // The project was reset ("Neu") or replaced by a loaded one: the editor
  // and the fields start again from its CurrentLoop.
  virtual void projectChanged() = 0;
  // The display flags or the design changed.
  virtual void settingsChanged() = 0;
  // The editor's OnlineMode; switching it on also chooses the data entry
  // tool ('+', ToolButton35), so that a double click changes values.
  virtual void setEditorOnline(bool on) = 0;
};

// The state the main window's commands share, owned by the window for the
// life of the program: the open project (replaced whole by "Laden"), the
// settings with the open "VTR.INI", the project's file name, the module
// table, the question and message seam, and the one way a failed step of a
// command is reported.
class Session {
public:
  Session(const QString& programDir, UiServices& ui, QWidget* window, SessionHost& host);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const QString& programDir() const { return m_programDir; }
  UiServices& ui() { return m_ui; }
  QWidget* window() const { return m_window; }
  SessionHost& host() { return m_host; }

  core::Project& project() { return *m_project; }
  // Makes `project` the open project; the replaced one becomes the storage
  // of the next load.
  void replaceProject(std::unique_ptr<core::Project> project);
  core::ProjectLoader& loader() { return m_loader; }
  // The undo history of the open project; after replaceProject or "Neu" it
  // has to be reset to the project.
  core::EditHistory& history() { return m_history; }
  // Runs a change of the project as one undoable step named `name`.
  template <typename Edit> void runEdit(const std::string& name, Edit&& edit) {
    core::EditScope scope(&m_history, name);
    edit();
  }
  core::ModuleTable& moduleTable() { return m_table; }

  // Reads "VTR.INI" of the program folder and keeps it open for the run.
  void loadSettings();
  core::Settings& settings() { return m_settings; }
  core::IniFile& ini() { return *m_ini; }

  // ProjectFileName: the ".vtr" name without folder, empty for a new project.
  const QString& projectFileName() const { return m_projectFileName; }
  void setProjectFileName(const QString& name) { m_projectFileName = name.left(200); }
  // ProjectDir := the folder of `file`, written to "VTR.INI" (may throw).
  void rememberProjectDir(const QString& file);

  // Runs one step of a command. An Error is shown with showError and ends
  // the step: false then.
  template <typename Step> bool attempt(Step&& step) {
    try {
      step();
      return true;
    } catch (const core::Error& e) {
      showError(std::string(e.what()));
      return false;
    }
  }
  // The one way a failure is reported: a message box with its German text
  // (UTF-8 from the core) over the window, or over the dialog `parent`.
  void showError(const std::string& message) { showError(fromUtf8(message)); }
  void showError(const QString& message, QWidget* parent = nullptr) {
    m_ui.showError(parent != nullptr ? parent : m_window, message);
  }
  // showError for the dialogs that report their own failures (module
  // dialogs, "Wert ändern", the picture cache).
  std::function<void(QWidget*, const QString&)> errorHandler() {
    return [this](QWidget* parent, const QString& message) { showError(message, parent); };
  }

private:
  QString m_programDir;
  UiServices& m_ui;
  QWidget* m_window;
  SessionHost& m_host;
  std::unique_ptr<core::Project> m_project;
  core::EditHistory m_history;
  core::ProjectLoader m_loader;
  core::ModuleTable m_table;
  core::Settings m_settings;
  std::unique_ptr<core::IniFile> m_ini;
  QString m_projectFileName;
};

// The folder of a chosen file, as stored in the settings.
QString folderOf(const QString& file);

} // namespace veltra::gui
