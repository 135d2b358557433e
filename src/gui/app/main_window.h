#pragma once

#include "core/editor/editor.h"
#include "gui/app/session.h"
#include "gui/compiler/compiler_commands.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/editor/grid_painter.h"
#include "gui/persist/library_commands.h"
#include "gui/persist/project_commands.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace veltra::gui {

class AboutDialog;
class EditMenu;
class GridKeyFilter;
class GridView;
class LoopFields;
class ModuleDialogs;
class OnlineController;
class PrintCommands;
class ProjectDataDialog;
class ResultWindow;
class SettingsCommands;
class SettingsDialog;
class SignalEditorDialog;
class TextDialog;
class ToolBars;

// The main window assembles the program: it owns the session (project,
// settings, module table), the editor with its router field, the painter
// and every dialog, builds the controls at their fixed places and the
// menus, and wires them to the commands, which live beside their
// subsystems: files and libraries in gui/persist, "Tabelle erzeugen" and
// "Querverweis" in gui/compiler, settings and designs in gui/app, the
// online buttons and "Graphik" in gui/online, "Drucken " in gui/print.
class MainWindow : public QMainWindow, private core::EditorHost, private SessionHost {
  Q_OBJECT
public:
  // `ui` answers questions and file dialogs (the real ones by default).
  explicit MainWindow(const QString& programDir, UiServices* ui = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  core::Project& project() { return m_session.project(); }
  core::Editor& editor() { return m_editor; }
  core::EditHistory& history() { return m_session.history(); }
  // "Bearbeiten": "Rückgängig" and "Wiederholen".
  EditMenu& editMenu() const { return *m_editMenu; }
  core::Settings& settings() { return m_session.settings(); }
  GridView* gridView() const { return m_grid; }
  QString projectFileName() const { return m_session.projectFileName(); }
  QToolButton* toolButton(char code) const;
  void setModuleDialogs(ModuleDialogs* dialogs) { m_moduleDialogs = dialogs; }
  // The link to the communication server: buttons, ComTimer, value dialogs.
  OnlineController& online() { return *m_online; }

  ProjectCommands& projectCommands() { return *m_projectCommands; }
  LibraryCommands& libraryCommands() { return m_libraryCommands; }
  PrintCommands& printCommands() { return *m_printCommands; }
  ResultWindow* resultWindow() const { return m_resultWindow; }
  // "Ende" (menu and button): AskSave, then the window closes.
  void EndeClick();
  // ZeichneAlles with the fields beside the grid.
  void ZeichneAlles() override;
  // Makes `loop` current and shows it (printing shows each loop it prints).
  void showLoop(int loop);

  LoopFields& loopFields() const { return *m_fields; }
  QPlainTextEdit* helpMemo() const { return m_helpMemo; }
  QAction* libraryLoadAction() const { return m_actLibraryLoad; }

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  // EditorHost
  bool askYesNo(const std::string& question) override;
  void openModuleDialog(char letter) override;
  void openTextDialog(int loop, int col, int row) override;
  void redraw() override;
  void overlayChanged() override;
  void showHelp(char code) override;
  void clearHelp() override;
  void setHoverText(const std::string& text) override;
  void onlineDataEntry(int loop, int col, int row) override;
  void loopChosen(int loop) override;
  // SessionHost
  void rebuild() override;
  void showFileTitle() override;
  void projectChanged() override;
  void settingsChanged() override;
  void setEditorOnline(bool on) override;

  void startUp();
  void buildControls();
  void buildMenu();
  // Undo or redo took the model back or forth: show the step's loop.
  void showStep(int loop);
  void gridContextMenu(const QPoint& pos);

  std::unique_ptr<UiServices> m_ownUi;
  Session m_session;
  core::Editor m_editor;
  BitmapCache m_bitmaps;
  GridPainter m_painter;
  bool m_askedOnClose = false;

  GridView* m_grid = nullptr;
  ToolBars* m_toolBars = nullptr;
  LoopFields* m_fields = nullptr;
  QPlainTextEdit* m_helpMemo = nullptr;
  OnlineController* m_online = nullptr;
  QMenu* m_designMenu = nullptr;
  QAction* m_actLibraryLoad = nullptr;
  EditMenu* m_editMenu = nullptr;
  std::unique_ptr<GridKeyFilter> m_keys;

  ModuleDialogs* m_moduleDialogs = nullptr;
  std::unique_ptr<ModuleDialogs> m_ownModuleDialogs;
  TextDialog* m_textDialog = nullptr;
  ProjectDataDialog* m_projectDataDialog = nullptr;
  SignalEditorDialog* m_signalEditor = nullptr;
  ResultWindow* m_resultWindow = nullptr;
  SettingsDialog* m_settingsDialog = nullptr;
  AboutDialog* m_aboutDialog = nullptr;

  // The commands need the dialogs, which the window creates first.
  std::unique_ptr<ProjectCommands> m_projectCommands;
  LibraryCommands m_libraryCommands;
  std::unique_ptr<CompilerCommands> m_compilerCommands;
  std::unique_ptr<SettingsCommands> m_settingsCommands;
  std::unique_ptr<PrintCommands> m_printCommands;
};

} // namespace veltra::gui
