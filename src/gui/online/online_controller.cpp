#include "gui/online/online_controller.h"

#include "core/online/live_view.h"
#include "core/util/cp1252.h"
#include "core/util/error.h"
#include "gui/app/ui_services.h"
#include "gui/modules/field_binding.h"
#include "gui/online/bit_change_dialog.h"
#include "gui/online/value_change_dialog.h"
#include "gui/util/qt_text.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace veltra::gui {

OnlineController::OnlineController(OnlineHost& host, UiServices& ui, core::ModuleTable& table, core::Settings& settings,
                                   const OnlineControls& controls, QWidget* window)
    : QObject(window), m_host(host), m_ui(ui), m_table(table), m_settings(settings), m_controls(controls),
      m_window(window), m_link(std::make_unique<core::OnlineLink>(m_shm)),
      m_recorder(std::make_unique<core::MeasurementRecorder>(m_systemClock)) {
  m_comTimer = new QTimer(this);
  m_comTimer->setObjectName("ComTimer");
  m_comTimer->setInterval(core::OnlineLink::kComTimerInterval);
  connect(m_comTimer, &QTimer::timeout, this, &OnlineController::ComTimerTimer);
  m_form13 = new ValueChangeDialog(window);
  m_form13->setMessageHandler([this](QWidget* parent, const QString& message) { m_ui.showError(parent, message); });
  m_form14 = new BitChangeDialog(window);
  connect(m_controls.btDebug, &QPushButton::clicked, this, &OnlineController::DebugClick);
  connect(m_controls.btDStop, &QPushButton::clicked, this, &OnlineController::DStopClick);
  connect(m_controls.btMessen, &QPushButton::clicked, this, &OnlineController::btMessenClick);
  connect(m_controls.btMStop, &QPushButton::clicked, this, &OnlineController::btMStopClick);
  connect(m_controls.btnSUhr, &QPushButton::clicked, this, &OnlineController::btnSUhrClick);
  connect(m_controls.edMesszeit, &QLineEdit::textChanged, this, &OnlineController::edMesszeitChange);
  applyState();
}

OnlineController::~OnlineController() = default;

void OnlineController::useBlocks(core::BlockAttacher& attacher, const std::string& blockName) {
  if (m_link->attached()) return;
  m_link = std::make_unique<core::OnlineLink>(attacher, blockName);
}

void OnlineController::setBlockName(const std::string& blockName) { useBlocks(m_shm, blockName); }

void OnlineController::setClock(const core::Clock& clock) {
  auto recorder = std::make_unique<core::MeasurementRecorder>(clock);
  recorder->setFolder(m_recorder->folder());
  m_recorder = std::move(recorder);
}

const core::ServerBlock* OnlineController::liveBlock() const {
  return m_link->OnlineMode() ? m_link->ServerView() : nullptr;
}

void OnlineController::applyState() {
  const core::LinkButtons b = m_link->buttons();
  m_controls.btDebug->setEnabled(b.btDebug);
  m_controls.btDStop->setEnabled(b.btDStop);
  m_controls.btnSUhr->setEnabled(b.btnSUhr);
  m_controls.btMessen->setEnabled(b.btMessen);
  m_controls.btMStop->setEnabled(b.btMStop);
  // ComStart / ComStop: the timer runs while either mode does; a start while
  // it runs keeps its rhythm.
  if (m_link->comTimerRunning() && !m_comTimer->isActive()) m_comTimer->start(core::OnlineLink::kComTimerInterval);
  if (!m_link->comTimerRunning()) m_comTimer->stop();

  QString text;
  QString style;
  const QString block = QString::fromStdString(m_link->blockName());
  const QString measuring = QStringLiteral("Messung alle %1 s").arg(m_link->MeasureInterval());
  if (m_link->OnlineMode()) {
    text = QStringLiteral("ONLINE  %1 – Werte der Steuerung").arg(block);
    if (m_link->MeasuringMode()) text += QStringLiteral(" · ") + measuring;
    style = QStringLiteral("QLabel { background: rgb(0,120,40); color: white; font-weight: bold; padding-left: 4px; }");
  } else if (m_link->MeasuringMode()) {
    text = measuring + QStringLiteral(" nach ") + fromCp1252(m_settings.MeasureDir);
    style =
        QStringLiteral("QLabel { background: rgb(255,200,0); color: black; font-weight: bold; padding-left: 4px; }");
  }
  m_controls.lbOnline->setText(text);
  m_controls.lbOnline->setStyleSheet(style);
  m_controls.lbOnline->setVisible(!text.isEmpty());
}

void OnlineController::showStart(const core::LinkStart& start) {
  if (!start.message.empty()) m_ui.showError(m_window, fromUtf8(start.message));
}

void OnlineController::DebugClick() {
  const core::LinkStart start = m_link->DebugClick(m_host.onlineProject(), m_table, m_settings.DataMemorySize);
  showStart(start);
  if (!start.started) return;
  m_host.setEditorOnline(true);
  applyState();
  m_host.redrawOnline();
}

void OnlineController::DStopClick() {
  m_link->DStopClick();
  m_host.setEditorOnline(false);
  applyState();
  m_host.redrawOnline();
}

void OnlineController::btMessenClick() {
  // The folder: the dialog starts at MeasureDir when that folder exists.
  const QString current = fromCp1252(m_settings.MeasureDir);
  if (current.isEmpty() || !QDir(current).exists()) m_settings.MeasureDir.clear();
  const QString chosen =
      m_ui.chooseFolder(m_window, QStringLiteral("Ordner auswählen"), fromCp1252(m_settings.MeasureDir));
  if (!chosen.isEmpty()) m_settings.MeasureDir = toCp1252(chosen);
  // Cancelled without any folder: nothing to record into.
  if (m_settings.MeasureDir.empty()) return;
  if (m_settings.MeasureDir.back() != '/') m_settings.MeasureDir += '/';
  try {
    core::writeMeasureDir(m_host.onlineSettingsFile(), m_settings);
  } catch (const core::Error& e) {
    m_ui.showError(m_window, fromUtf8(e.what()));
  }
  const core::LinkStart start = m_link->startMeasuring(m_host.onlineProject(), m_table, m_settings.DataMemorySize,
                                                       toUtf8(m_controls.edMesszeit->text()));
  if (!start.intervalText.empty() && fromUtf8(start.intervalText) != m_controls.edMesszeit->text()) {
    m_settingInterval = true;
    m_controls.edMesszeit->setText(fromUtf8(start.intervalText));
    m_settingInterval = false;
  }
  markInvalid(m_controls.edMesszeit, false);
  showStart(start);
  if (!start.started) return;
  m_recorder->setFolder(core::cp1252ToUtf8(m_settings.MeasureDir));
  applyState();
}

void OnlineController::btMStopClick() {
  m_link->btMStopClick();
  applyState();
}

void OnlineController::btnSUhrClick() {
  m_host.runEdit("Schaltuhren übernehmen", [this] { m_link->btnSUhrClick(m_host.onlineProject()); });
}

void OnlineController::edMesszeitChange() {
  if (m_settingInterval) return;
  const core::IntervalText t = m_link->edMesszeitChange(toUtf8(m_controls.edMesszeit->text()));
  // A text that is no number shows red and keeps the interval; "Messen" says why.
  markInvalid(m_controls.edMesszeit, !t.interval.has_value());
  if (t.interval && fromUtf8(t.text) != m_controls.edMesszeit->text()) {
    m_settingInterval = true;
    m_controls.edMesszeit->setText(fromUtf8(t.text));
    m_settingInterval = false;
  }
  if (t.interval) applyState();
}

void OnlineController::ComTimerTimer() {
  const core::LinkTick tick = m_link->ComTimerTimer();
  if (tick.redraw) m_host.redrawOnline();
  if (!tick.writeRows || m_link->ServerView() == nullptr) return;
  const core::RecordReport r = m_recorder->writeTick(*m_link->ServerView());
  if (r.message.empty()) return;
  if (r.isError)
    m_ui.showError(m_window, fromUtf8(r.message));
  else
    m_ui.showInfo(m_window, fromUtf8(r.message));
}

void OnlineController::onlineDataEntry(int loop, int col, int row) {
  core::ServerBlock* block = m_link->ServerView();
  if (!m_link->OnlineMode() || block == nullptr) return;
  const std::optional<core::OnlineTarget> target = core::onlineTarget(m_host.onlineProject().cell(loop, col, row));
  if (!target) return;
  if (target->isBit) {
    if (const std::optional<bool> bit = m_form14->change(block->bit(target->area, target->n).value_or(false)))
      block->setBit(target->area, target->n, *bit);
  } else {
    if (const std::optional<double> v = m_form13->change(block->analog(target->area, target->n).value_or(0.0)))
      block->setAnalog(target->area, target->n, *v);
  }
}

void OnlineController::loopChosen(int loop) { m_link->loopChanged(loop); }

} // namespace veltra::gui
