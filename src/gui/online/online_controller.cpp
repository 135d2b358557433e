#include "gui/online/online_controller.h"

#include "core/online/live_view.h"
#include "core/util/cp1252.h"
#include "gui/app/session.h"
#include "gui/online/bit_change_dialog.h"
#include "gui/online/graph_window.h"
#include "gui/online/value_change_dialog.h"
#include "gui/util/invalid_mark.h"
#include "gui/util/qt_text.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <string_view>

namespace veltra::gui {

namespace {

constexpr int kRowTop = 540;

QPushButton* button(const char* caption, const char* name, int x, int width, QWidget* parent) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(name);
  b->setGeometry(x, kRowTop, width, 25);
  return b;
}

} // namespace

OnlineController::OnlineController(Session& session, QWidget* parent)
    : QObject(parent), m_session(session), m_link(std::make_unique<core::OnlineLink>(m_shm)),
      m_recorder(std::make_unique<core::MeasurementRecorder>(m_systemClock)) {
  buildControls(parent);
  m_comTimer = new QTimer(this);
  m_comTimer->setObjectName("ComTimer");
  m_comTimer->setInterval(core::OnlineLink::kComTimerInterval);
  connect(m_comTimer, &QTimer::timeout, this, &OnlineController::ComTimerTimer);
  m_form13 = new ValueChangeDialog(session.window());
  m_form13->setMessageHandler(session.errorHandler());
  m_form14 = new BitChangeDialog(session.window());
  m_graphWindow = new GraphWindow([&session]() -> const core::Project& { return session.project(); }, session.ui(),
                                  session.window());
  m_graphWindow->setBlockSource([this]() -> const core::ServerBlock* { return m_link->ServerView(); });
  m_graphWindow->setMeasureDir([&session] { return fromCp1252(session.settings().MeasureDir); });
  applyState();
}

OnlineController::~OnlineController() = default;

void OnlineController::buildControls(QWidget* parent) {
  // Above the button row, under the help panel; shown only while a mode runs.
  m_lbOnline = new QLabel(parent);
  m_lbOnline->setObjectName("lbOnline");
  m_lbOnline->setGeometry(596, 498, 353, 20);
  m_lbOnline->hide();
  m_btDebug = button("Debug", "btDebug", 596, 48, parent);
  m_btDStop = button("Stop", "btDStop", 646, 40, parent);
  auto* lbMess = new QLabel(QStringLiteral("Messwertupdate"), parent);
  lbMess->setGeometry(692, kRowTop - 16, 90, 14);
  m_edMesszeit = new QLineEdit(QStringLiteral("60"), parent);
  m_edMesszeit->setObjectName("edMesszeit");
  m_edMesszeit->setGeometry(692, kRowTop + 1, 34, 23);
  m_btMessen = button("Messen", "btMessen", 728, 52, parent);
  m_btMStop = button("Stop", "btMStop", 782, 40, parent);
  m_btnSUhr = button("SUhr", "btnSUhr", 828, 44, parent);
  connect(m_btDebug, &QPushButton::clicked, this, &OnlineController::DebugClick);
  connect(m_btDStop, &QPushButton::clicked, this, &OnlineController::DStopClick);
  connect(m_btMessen, &QPushButton::clicked, this, &OnlineController::btMessenClick);
  connect(m_btMStop, &QPushButton::clicked, this, &OnlineController::btMStopClick);
  connect(m_btnSUhr, &QPushButton::clicked, this, &OnlineController::btnSUhrClick);
  connect(m_edMesszeit, &QLineEdit::textChanged, this, &OnlineController::edMesszeitChange);
}

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
  m_btDebug->setEnabled(b.btDebug);
  m_btDStop->setEnabled(b.btDStop);
  m_btnSUhr->setEnabled(b.btnSUhr);
  m_btMessen->setEnabled(b.btMessen);
  m_btMStop->setEnabled(b.btMStop);
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
    text = measuring + QStringLiteral(" nach ") + fromCp1252(m_session.settings().MeasureDir);
    style =
        QStringLiteral("QLabel { background: rgb(255,200,0); color: black; font-weight: bold; padding-left: 4px; }");
  }
  m_lbOnline->setText(text);
  m_lbOnline->setStyleSheet(style);
  m_lbOnline->setVisible(!text.isEmpty());
}

void OnlineController::showStart(const core::LinkStart& start) {
  if (!start.message.empty()) m_session.showError(start.message);
}

void OnlineController::setIntervalText(const std::string& text) {
  const QString shown = fromUtf8(text);
  if (shown == m_edMesszeit->text()) return;
  m_settingInterval = true;
  m_edMesszeit->setText(shown);
  m_settingInterval = false;
}

void OnlineController::DebugClick() {
  const core::LinkStart start =
      m_link->DebugClick(m_session.project(), m_session.moduleTable(), m_session.settings().DataMemorySize);
  showStart(start);
  if (!start.started) return;
  m_session.host().setEditorOnline(true);
  applyState();
  m_session.host().ZeichneAlles();
}

void OnlineController::DStopClick() {
  m_link->DStopClick();
  m_session.host().setEditorOnline(false);
  applyState();
  m_session.host().ZeichneAlles();
}

void OnlineController::btMessenClick() {
  core::Settings& settings = m_session.settings();
  // The folder: the dialog starts at MeasureDir when that folder exists.
  const QString current = fromCp1252(settings.MeasureDir);
  if (current.isEmpty() || !QDir(current).exists()) settings.MeasureDir.clear();
  const QString chosen = m_session.ui().chooseFolder(m_session.window(), QStringLiteral("Ordner auswählen"),
                                                     fromCp1252(settings.MeasureDir));
  if (!chosen.isEmpty()) settings.MeasureDir = toCp1252(chosen);
  // Cancelled without any folder: nothing to record into.
  if (settings.MeasureDir.empty()) return;
  if (settings.MeasureDir.back() != '/') settings.MeasureDir += '/';
  // A settings file that cannot be written is reported; the measurement still starts.
  m_session.attempt([&] { core::writeMeasureDir(m_session.ini(), settings); });
  const core::LinkStart start = m_link->startMeasuring(m_session.project(), m_session.moduleTable(),
                                                       settings.DataMemorySize, toUtf8(m_edMesszeit->text()));
  if (!start.intervalText.empty()) setIntervalText(start.intervalText);
  markInvalid(m_edMesszeit, false);
  showStart(start);
  if (!start.started) return;
  m_recorder->setFolder(core::cp1252ToUtf8(settings.MeasureDir));
  applyState();
}

void OnlineController::btMStopClick() {
  m_link->btMStopClick();
  applyState();
}

void OnlineController::btnSUhrClick() {
  m_session.runEdit("Schaltuhren übernehmen", [this] { m_link->btnSUhrClick(m_session.project()); });
}

void OnlineController::edMesszeitChange() {
  if (m_settingInterval) return;
  const core::IntervalText t = m_link->edMesszeitChange(toUtf8(m_edMesszeit->text()));
  // A text that is no number shows red and keeps the interval; "Messen" says why.
  markInvalid(m_edMesszeit, !t.interval.has_value());
  if (!t.interval) return;
  setIntervalText(t.text);
  applyState();
}

void OnlineController::ComTimerTimer() {
  const core::LinkTick tick = m_link->ComTimerTimer();
  if (tick.redraw) m_session.host().ZeichneAlles();
  if (!tick.writeRows || m_link->ServerView() == nullptr) return;
  const core::RecordReport r = m_recorder->writeTick(*m_link->ServerView());
  if (r.message.empty()) return;
  if (r.isError)
    m_session.showError(r.message);
  else
    m_session.ui().showInfo(m_session.window(), fromUtf8(r.message));
}

void OnlineController::GraphikClick() { m_graphWindow->exec(); }

bool OnlineController::showsTrend(const core::TCell& cell) {
  return std::string_view("AEFHIMQV").find(static_cast<char>(cell.letter)) != std::string_view::npos;
}

void OnlineController::VerlaufClick(int col, int row) {
  core::Project& p = m_session.project();
  // The module's parameters lie in its top cell.
  const int part = std::max(1, static_cast<int>(p.cell(p.CurrentLoop, col, row).part));
  const core::TCell& c = p.cell(p.CurrentLoop, col, std::max(0, row - part + 1));
  if (!showsTrend(c)) return;
  // The window's state is kept; the curve is added before it is shown, and
  // activation then decides between live and offline.
  m_graphWindow->showTrend(static_cast<char>(c.letter), core::Project::signalNumber(c));
  m_graphWindow->exec();
}

void OnlineController::onlineDataEntry(int loop, int col, int row) {
  core::ServerBlock* block = m_link->ServerView();
  if (!m_link->OnlineMode() || block == nullptr) return;
  const std::optional<core::OnlineTarget> target = core::onlineTarget(m_session.project().cell(loop, col, row));
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
