#pragma once

#include "core/app/settings.h"
#include "core/compiler/module_table.h"
#include "core/editor/editor.h"
#include "core/model/project.h"
#include "core/persist/project_loader.h"
#include "gui/editor/bitmap_cache.h"
#include "gui/editor/grid_painter.h"
#include "gui/online/online_controller.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolBar;
class QToolButton;

namespace veltra::gui {

class AboutDialog;
class GraphWindow;
class GridView;
class ModuleDialogs;
class PrintCommands;
class ProjectDataDialog;
class ResultWindow;
class SettingsDialog;
class SignalEditorDialog;
class TextDialog;
class UiServices;

// The main window: owns the project, the settings, the editor with its
// router field, the module table and every dialog, and wires the controls
// to them.
class MainWindow : public QMainWindow, private core::EditorHost, private OnlineHost {
  Q_OBJECT
public:
  // `ui` answers questions and file dialogs (the real ones by default).
  explicit MainWindow(const QString& programDir, UiServices* ui = nullptr, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Loads a project file as "Laden" does, without the file dialog.
  bool openProject(const QString& vtrPath);
  // Saves as "Speichern" does to the given file, without the file dialog.
  bool saveProjectAs(const QString& vtrPath);

  core::Project& project() { return *m_project; }
  core::Editor& editor() { return m_editor; }
  core::Settings& settings() { return m_settings; }
  GridView* gridView() const { return m_grid; }
  QString projectFileName() const { return m_projectFileName; }
  QToolButton* toolButton(char code) const;
  void setModuleDialogs(ModuleDialogs* dialogs) { m_moduleDialogs = dialogs; }
  // The link to the communication server: buttons, ComTimer, value dialogs.
  OnlineController& online() { return *m_online; }

  // The menu commands.
  void Neu1Click();
  void LadenNeuClick();
  void SpeichernNeuClick();
  void Libraryladen1Click();
  void Libraryspeichern1Click();
  void Tabelle1Click();
  void QuerverweisClick();
  void EinstellungenClick();
  void ProjektdatenClick();
  void SignaleditorClick();
  // "Graphik" -> "Graphik": the graph window, modal.
  void GraphikClick();
  // "Verlauf anzeigen" on the signal module at a cell of the current loop:
  // the graph window with that signal's curve.
  void VerlaufClick(int col, int row);
  GraphWindow* graphWindow() const { return m_graphWindow; }
  // "Drucken ": the print dialog.
  void DruckenClick();
  void EndeClick();
  // "Regelkreise speichern?" before the project is discarded.
  void AskSave();
  // ZeichneAlles with the fields beside the grid.
  void ZeichneAlles();

  QLineEdit* edNum() const { return m_edNum; }
  QLineEdit* edZeit() const { return m_edZeit; }
  QPlainTextEdit* description() const { return m_description; }
  QPlainTextEdit* helpMemo() const { return m_helpMemo; }
  QAction* libraryLoadAction() const { return m_actLibraryLoad; }
  ResultWindow* resultWindow() const { return m_resultWindow; }
  TextDialog* textDialog() const { return m_textDialog; }
  SignalEditorDialog* signalEditor() const { return m_signalEditor; }
  ProjectDataDialog* projectDataDialog() const { return m_projectDataDialog; }
  PrintCommands& printCommands() const { return *m_print; }
  // Makes `loop` current and shows it.
  void showLoop(int loop);

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  // OnlineHost
  core::Project& onlineProject() override { return *m_project; }
  core::IniFile& onlineSettingsFile() override { return *m_ini; }
  void redrawOnline() override { ZeichneAlles(); }
  void setEditorOnline(bool on) override;

  void startUp();
  void buildMenu();
  void buildToolBars();
  void buildControls();
  void buildDesignMenu();
  void chooseDesign(const QString& name);
  void applySettings();
  void showFileTitle();
  void edNumChanged();
  void edZeitEdited();
  void edZeitFinished();
  void descriptionChanged();
  void onToolButton(QToolButton* button);
  bool onImage() const;
  bool handleGridKey(QKeyEvent* event);
  void replaceProject(std::unique_ptr<core::Project> project);
  void setLoopFields();
  void gridContextMenu(const QPoint& pos);
  QString dirOf(const QString& path) const;

  QString m_programDir;
  std::unique_ptr<UiServices> m_ownUi;
  UiServices* m_ui;
  std::unique_ptr<core::Project> m_project;
  core::ProjectLoader m_loader;
  core::Settings m_settings;
  std::unique_ptr<core::IniFile> m_ini;
  core::Editor m_editor;
  core::ModuleTable m_table;
  BitmapCache m_bitmaps;
  GridPainter m_painter;
  QString m_projectFileName;
  bool m_refreshing = false; // the program itself fills a field
  bool m_askedOnClose = false;
  bool m_startupFailed = false;
  // The loop and project the fields beside the grid were last filled for.
  int m_fieldsLoop = 0;
  const core::Project* m_fieldsProject = nullptr;

  GridView* m_grid = nullptr;
  QToolBar* m_toolBar1 = nullptr;
  QToolBar* m_toolBar2 = nullptr;
  QList<QToolButton*> m_toolButtons;
  QLineEdit* m_edNum = nullptr;
  QSpinBox* m_upDown = nullptr;
  QLineEdit* m_edZeit = nullptr;
  QPlainTextEdit* m_description = nullptr;
  QPlainTextEdit* m_helpMemo = nullptr;
  QPushButton* m_btDebug = nullptr;
  QPushButton* m_btDStop = nullptr;
  QLineEdit* m_edMesszeit = nullptr;
  QPushButton* m_btMessen = nullptr;
  QPushButton* m_btMStop = nullptr;
  QPushButton* m_btnSUhr = nullptr;
  QLabel* m_lbOnline = nullptr;
  OnlineController* m_online = nullptr;
  QMenu* m_designMenu = nullptr;
  QAction* m_actLibraryLoad = nullptr;

  ModuleDialogs* m_moduleDialogs = nullptr;
  std::unique_ptr<ModuleDialogs> m_ownModuleDialogs;
  TextDialog* m_textDialog = nullptr;
  ProjectDataDialog* m_projectDataDialog = nullptr;
  SignalEditorDialog* m_signalEditor = nullptr;
  ResultWindow* m_resultWindow = nullptr;
  SettingsDialog* m_settingsDialog = nullptr;
  AboutDialog* m_aboutDialog = nullptr;
  GraphWindow* m_graphWindow = nullptr;
  std::unique_ptr<PrintCommands> m_print;
};

} // namespace veltra::gui
