#pragma once

#include "core/app/settings.h"
#include "core/compiler/module_table.h"
#include "core/model/project.h"
#include "core/online/measurement_recorder.h"
#include "core/online/online_link.h"
#include "core/online/shm_block.h"
#include "core/util/clock.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace veltra::gui {

class BitChangeDialog;
class UiServices;
class ValueChangeDialog;

// What the online controller needs of the main window.
class OnlineHost {
public:
  virtual ~OnlineHost() = default;
  virtual core::Project& onlineProject() = 0;
  virtual core::IniFile& onlineSettingsFile() = 0;
  // ZeichneAlles of the current loop (with live values while online).
  virtual void redrawOnline() = 0;
  // The editor's OnlineMode; switching it on also chooses the data entry
  // tool ('+', ToolButton35).
  virtual void setEditorOnline(bool on) = 0;
  // Runs a change of the project as one undoable step named `name`.
  virtual void runEdit(const std::string& /*name*/, const std::function<void()>& edit) { edit(); }
};

// The main window's controls of the link.
struct OnlineControls {
  QPushButton* btDebug;
  QPushButton* btDStop;
  QPushButton* btnSUhr;
  QPushButton* btMessen;
  QPushButton* btMStop;
  QLineEdit* edMesszeit;
  QLabel* lbOnline; // says that the window shows the controller's values
};

// The buttons, ComTimer and the value dialogs around the core's link: each
// handler turns a click or a tick into the link's call and shows what it
// says. Block, clock and file dialogs are seams a test can replace.
class OnlineController : public QObject {
  Q_OBJECT
public:
  OnlineController(OnlineHost& host, UiServices& ui, core::ModuleTable& table, core::Settings& settings,
                   const OnlineControls& controls, QWidget* window);
  ~OnlineController() override;

  // Another block (a name given with --block, or test blocks). Only before
  // the first attachment.
  void useBlocks(core::BlockAttacher& attacher, const std::string& blockName);
  void setBlockName(const std::string& blockName);
  void setClock(const core::Clock& clock);

  // The handlers of the buttons, the interval edit and the timer.
  void DebugClick();
  void DStopClick();
  void btMessenClick();
  void btMStopClick();
  void btnSUhrClick();
  void edMesszeitChange();
  void ComTimerTimer();

  // The editor's data entry while online: "Wert ändern" or "Bit ändern".
  void onlineDataEntry(int loop, int col, int row);
  // Another loop became current.
  void loopChosen(int loop);
  // The block the live view reads while online, else nullptr.
  const core::ServerBlock* liveBlock() const;

  core::OnlineLink& link() { return *m_link; }
  QTimer* comTimer() const { return m_comTimer; }
  ValueChangeDialog* valueDialog() const { return m_form13; }
  BitChangeDialog* bitDialog() const { return m_form14; }

private:
  // Buttons, timer and the online label after every change of a mode.
  void applyState();
  void showStart(const core::LinkStart& start);

  OnlineHost& m_host;
  UiServices& m_ui;
  core::ModuleTable& m_table;
  core::Settings& m_settings;
  OnlineControls m_controls;
  QWidget* m_window;
  core::ShmAttacher m_shm;
  std::unique_ptr<core::OnlineLink> m_link;
  core::SystemClock m_systemClock;
  std::unique_ptr<core::MeasurementRecorder> m_recorder;
  QTimer* m_comTimer = nullptr;
  ValueChangeDialog* m_form13 = nullptr;
  BitChangeDialog* m_form14 = nullptr;
  bool m_settingInterval = false; // the program itself writes edMesszeit
};

} // namespace veltra::gui
