#include "app/main_window_harness.h"

#include "editor/grid_view.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace veltra::gui::testing {

namespace {

int g_pendingModalHandlers = 0;

} // namespace

bool ScriptedUi::askYesNo(QWidget*, const QString& question) {
  questions << question;
  if (onAsk) onAsk(question);
  if (answers.empty()) {
    unscripted << question;
    return false;
  }
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

QString ScriptedUi::next(std::deque<QString>& names) {
  if (names.empty()) return {};
  QString name = names.front();
  names.pop_front();
  return name;
}

ProgramDirCopy::ProgramDirCopy() {
  const QDir source(QStringLiteral(VELTRA_PROGRAM_DIR));
  const QStringList dataSuffixes{"txt", "bmp", "hlp", "ini"};
  QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString file = it.next();
    if (!dataSuffixes.contains(QFileInfo(file).suffix().toLower())) continue;
    const QString target = QDir(m_dir.path()).filePath(source.relativeFilePath(file));
    QDir().mkpath(QFileInfo(target).path());
    QFile::copy(file, target);
  }
  // The settings as a fresh installation has them, whatever the build's
  // file says: tooltips off, texts on.
  writeIni("[VERZEICHNISSE]\r\nDesign=Standard\r\n[TOOLTIPS]\r\nBeschreibung=false\r\nParameter=false\r\n"
           "Querverweis=false\r\n[GRAPHIK]\r\nTexte=true\r\n");
}

QString ProgramDirCopy::iniText() const {
  QFile f(QDir(path()).filePath("VTR.INI"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(f.readAll());
}

void ProgramDirCopy::writeIni(const QByteArray& text) const {
  QFile f(QDir(path()).filePath("VTR.INI"));
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text);
}

WindowHarness::WindowHarness() {
  m_window = std::make_unique<MainWindow>(m_programDir.path(), &m_ui);
  m_window->setModuleDialogs(&m_dialogs);
  // A modal dialog that no test step waits for would block the test run.
  m_watchdog = new QTimer;
  m_watchdog->setInterval(500);
  QObject::connect(m_watchdog, &QTimer::timeout, [this, seen = QPointer<QWidget>()]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || g_pendingModalHandlers > 0) {
      seen = nullptr;
      return;
    }
    if (seen != modal) {
      seen = modal;
      return;
    }
    m_unexpectedModals << modal->windowTitle();
    if (auto* d = qobject_cast<QDialog*>(modal))
      d->reject();
    else
      modal->close();
  });
  m_watchdog->start();
}

WindowHarness::~WindowHarness() {
  delete m_watchdog;
  m_window->setModuleDialogs(nullptr);
  // Closing runs AskSave; nothing of a finished test should be asked.
  m_window->project().Modified = false;
  m_window.reset();
}

QWidget* WindowHarness::grid() const { return m_window->gridView(); }

bool WindowHarness::showActive() {
  m_window->show();
  QApplication::setActiveWindow(m_window.get());
  return QTest::qWaitForWindowActive(m_window.get());
}

void WindowHarness::mouse(QEvent::Type type, int x, int y, bool held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, QPointF(x, y), grid()->mapToGlobal(QPointF(x, y)), button, held ? Qt::LeftButton : Qt::NoButton,
                Qt::NoModifier);
  QApplication::sendEvent(grid(), &e);
}

void WindowHarness::toolButton(char code) {
  QToolButton* b = m_window->toolButton(code);
  QVERIFY2(b != nullptr, "no tool button for this code");
  QTest::mouseClick(b, Qt::LeftButton);
}

void WindowHarness::cursorToCell(int col, int row) {
  QCursor::setPos(grid()->mapToGlobal(QPoint(35 * col + 17, 35 * row + 17)));
  QApplication::processEvents();
}

void WindowHarness::cursorAway() {
  QCursor::setPos(m_window->mapToGlobal(QPoint(m_window->width() - 5, m_window->height() - 5)));
  QApplication::processEvents();
}

void WindowHarness::key(int qtKey, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : m_window.get();
  QTest::keyClick(target, static_cast<Qt::Key>(qtKey), modifiers);
}

void WindowHarness::whenModal(std::function<void(QWidget*)> act) {
  ++g_pendingModalHandlers;
  auto* poll = new QTimer;
  poll->setInterval(5);
  auto waited = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act), waited] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool timedOut = ++*waited > 2000;
    if ((modal == nullptr || !modal->isVisible()) && !timedOut) return;
    poll->stop();
    poll->deleteLater();
    --g_pendingModalHandlers;
    if (modal != nullptr) act(modal);
  });
  poll->start();
}

} // namespace veltra::gui::testing
