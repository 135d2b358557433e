#pragma once

#include "core/model/types.h"
#include "core/online/measurement_recorder.h"
#include "core/online/online_link.h"
#include "core/online/shm_block.h"
#include "core/util/clock.h"

#include <QObject>

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace veltra::gui {

class BitChangeDialog;
class GraphWindow;
class Session;
class ValueChangeDialog;

// The online link of the main window: the buttons "Debug" and "Stop"
// (`btDebug`, `btDStop`), the interval `edMesszeit` under "Messwertupdate"
// with "Messen" and "Stop" (`btMessen`, `btMStop`), "SUhr" (`btnSUhr`), the
// label that says the window shows the controller's values, `ComTimer`, the
// value and bit dialogs, and the "Graphik" menu entry. Each handler turns a
// click or a tick into the core link's call and shows what it says. Block,
// clock and folder dialog are seams a test can replace.
class OnlineController : public QObject {
  Q_OBJECT
public:
  // Builds the controls into `parent` at their fixed places in the button
  // row under the help panel, detached: "Debug" and "Messen" enabled, both
  // "Stop" and "SUhr" disabled.
  OnlineController(Session& session, QWidget* parent);
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
  // "Graphik" → "Graphik": the measurement graph window, modal.
  void GraphikClick();
  // "Verlauf anzeigen" on the signal module at a cell of the current loop:
  // the graph window with that signal's curve.
  void VerlaufClick(int col, int row);
  // Whether a cell belongs to a module whose signal has a curve.
  static bool showsTrend(const core::TCell& cell);

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
  GraphWindow* graphWindow() const { return m_graphWindow; }

private:
  void buildControls(QWidget* parent);
  // Buttons, timer and the online label after every change of a mode.
  void applyState();
  void showStart(const core::LinkStart& start);
  // edMesszeit shows `text` without running its change handler.
  void setIntervalText(const std::string& text);

  Session& m_session;
  QPushButton* m_btDebug = nullptr;
  QPushButton* m_btDStop = nullptr;
  QLineEdit* m_edMesszeit = nullptr;
  QPushButton* m_btMessen = nullptr;
  QPushButton* m_btMStop = nullptr;
  QPushButton* m_btnSUhr = nullptr;
  QLabel* m_lbOnline = nullptr;
  core::ShmAttacher m_shm;
  std::unique_ptr<core::OnlineLink> m_link;
  core::SystemClock m_systemClock;
  std::unique_ptr<core::MeasurementRecorder> m_recorder;
  QTimer* m_comTimer = nullptr;
  ValueChangeDialog* m_form13 = nullptr;
  BitChangeDialog* m_form14 = nullptr;
  GraphWindow* m_graphWindow = nullptr;
  bool m_settingInterval = false; // the program itself writes edMesszeit
};

} // namespace veltra::gui
