#pragma once

// A main window for tests: a private copy of the program folder (settings the
// window writes do not touch the build's "VTR.INI"), scripted answers for
// questions and file dialogs, recorded module dialogs, and pointer and key
// input sent to the window's own widgets.

#include "core/editor/grid_geometry.h"
#include "gui/app/main_window.h"
#include "gui/app/ui_services.h"
#include "gui/editor/grid_view.h"
#include "gui/editor/loop_fields.h"
#include "gui/modules/module_dialogs.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace veltra::gui::testing {

// Answers of the UiServices seam, in the order they are asked for.
class ScriptedUi : public UiServices {
public:
  bool askYesNo(QWidget*, const QString& question) override {
    questions << question;
    if (onAsk) onAsk(question);
    if (answers.empty()) { // an unscripted question is a fault
      unscripted << question;
      return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void showError(QWidget*, const QString& message) override { errors << message; }
  void showInfo(QWidget*, const QString& message) override { infos << message; }
  QString openFileName(QWidget*, const QString&, const QString& dir, const QString&) override {
    ++openCalls;
    openDirs << dir;
    return next(openNames);
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString& proposed, const QString&,
                       const QString&) override {
    ++saveCalls;
    saveProposals << proposed;
    return next(saveNames);
  }
  // A test has no printer: with `printerFile` set, the chosen "printer"
  // writes that PDF file; otherwise the dialog counts as cancelled.
  bool choosePrinter(QWidget*, QPrinter& printer) override {
    ++printerCalls;
    if (printer.printRange() == QPrinter::PageRange)
      printRanges << QString::number(printer.fromPage()) + "-" + QString::number(printer.toPage());
    if (printerFile.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerFile);
    return true;
  }
  void showPrintPreview(QWidget*, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override {
    ++previewCalls;
    if (onPreview) onPreview(printer, paint);
  }
  QString chooseFolder(QWidget*, const QString& title, const QString& start) override {
    folderRequests << title + "|" + start;
    return next(folderNames);
  }

  // The colour dialog: the next scripted colour, cancelled when none is left.
  std::optional<QColor> chooseColor(QWidget*, const QColor&) override {
    ++colorCalls;
    if (colors.empty()) return std::nullopt;
    const QColor c = colors.front();
    colors.pop_front();
    return c;
  }

  std::function<void(const QString& question)> onAsk; // runs before the answer
  // Runs in place of the preview window.
  std::function<void(QPrinter&, const std::function<void(QPrinter*)>&)> onPreview;
  QString printerFile;
  int printerCalls = 0, previewCalls = 0;
  std::deque<bool> answers;
  std::deque<QString> openNames, saveNames, folderNames;
  QStringList questions, errors, infos, unscripted, folderRequests;
  int openCalls = 0, saveCalls = 0, colorCalls = 0;
  std::deque<QColor> colors;
  QStringList saveProposals; // the proposed names of the save dialogs
  QStringList openDirs;      // where the open dialogs started
  QStringList printRanges;   // page ranges preset for the printer dialog

private:
  static QString next(std::deque<QString>& names) {
    if (names.empty()) return {};
    QString name = names.front();
    names.pop_front();
    return name;
  }
};

// Module dialogs that confirm at once and record what they were opened for.
class RecordingModuleDialogs : public ModuleDialogs {
public:
  bool exec(char letter, core::Project&, int loop, int col, int row, const QString&) override {
    calls.push_back({letter, loop, col, row});
    return true;
  }
  struct Call {
    char letter;
    int loop, col, row;
  };
  std::vector<Call> calls;
};

// The program folder of the build with the data files only, and the settings
// of a fresh installation: tooltips off, texts on.
class ProgramDirCopy {
public:
  ProgramDirCopy() {
    const QDir source(QStringLiteral(VELTRA_PROGRAM_DIR));
    for (QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
      const QString file = it.next();
      if (!QStringList{"txt", "bmp", "hlp", "ini"}.contains(QFileInfo(file).suffix().toLower())) continue;
      const QString target = QDir(path()).filePath(source.relativeFilePath(file));
      QDir().mkpath(QFileInfo(target).path());
      QFile::copy(file, target);
    }
    writeIni("[VERZEICHNISSE]\r\nDesign=Standard\r\n[TOOLTIPS]\r\nBeschreibung=false\r\nParameter=false\r\n"
             "Querverweis=false\r\n[GRAPHIK]\r\nTexte=true\r\n");
  }
  QString path() const { return m_dir.path(); }
  QString iniText() const {
    QFile f(QDir(path()).filePath("VTR.INI"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
  }
  void writeIni(const QByteArray& text) const {
    QFile f(QDir(path()).filePath("VTR.INI"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text);
  }

private:
  QTemporaryDir m_dir;
};

class WindowHarness {
public:
  // A modal dialog no test step waits for would block the run: the watchdog
  // closes it after two ticks and records its title.
  WindowHarness() : m_window(std::make_unique<MainWindow>(m_programDir.path(), &m_ui)) {
    m_window->setModuleDialogs(&m_dialogs);
    m_watchdog.setInterval(500);
    QObject::connect(&m_watchdog, &QTimer::timeout, [this, seen = QPointer<QWidget>()]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || s_pendingModalHandlers > 0 || seen != modal) {
        seen = s_pendingModalHandlers > 0 ? nullptr : modal;
        return;
      }
      m_unexpectedModals << modal->windowTitle();
      if (auto* d = qobject_cast<QDialog*>(modal))
        d->reject();
      else
        modal->close();
    });
    m_watchdog.start();
  }
  ~WindowHarness() {
    m_watchdog.stop();
    m_window->setModuleDialogs(nullptr);
    m_window->project().Modified = false; // closing runs AskSave; a finished test is asked nothing
    m_window.reset();
  }

  MainWindow& window() { return *m_window; }
  core::Project& project() { return m_window->project(); }
  core::Editor& editor() { return m_window->editor(); }
  ScriptedUi& ui() { return m_ui; }
  RecordingModuleDialogs& dialogs() { return m_dialogs; }
  const ProgramDirCopy& programDir() const { return m_programDir; }
  QWidget* grid() const { return m_window->gridView(); }
  LoopFields& fields() const { return m_window->loopFields(); }

  // Chooses a menu entry by its captions, as the engineer does. A disabled
  // entry does nothing.
  void menu(const QString& title, const QString& entry) {
    for (QAction* top : m_window->menuBar()->actions())
      if (top->menu() != nullptr && top->text() == title)
        for (QAction* a : top->menu()->actions())
          if (a->text() == entry) {
            a->trigger();
            return;
          }
    QFAIL(qPrintable("no menu entry " + title + " / " + entry));
  }

  // Shows and activates the window (keys only reach the grid then).
  bool showActive() {
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    return QTest::qWaitForWindowActive(m_window.get());
  }

  // Pointer over the grid in image pixels; `held` with the left button down.
  void move(int x, int y, bool held = false) { mouse(QEvent::MouseMove, x, y, held); }
  void moveToCell(int col, int row, bool held = false) { move(middle(col), middle(row), held); }
  void press(int x, int y) { mouse(QEvent::MouseButtonPress, x, y, true); }
  void release(int x, int y) { mouse(QEvent::MouseButtonRelease, x, y, false); }
  // Press and release at the pointer's place after moving there.
  void click(int x, int y) {
    move(x, y);
    press(x, y);
    release(x, y);
  }
  void clickCell(int col, int row) { click(middle(col), middle(row)); }
  void toolButton(char code) {
    QToolButton* b = m_window->toolButton(code);
    QVERIFY2(b != nullptr, "no tool button for this code");
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // The engineer's gestures: choose a tool and click, or draw a connection
  // from an output to an input with the connect tool.
  void place(char tool, int col, int row) {
    toolButton(tool);
    clickCell(col, row);
  }
  void connect(int fromCol, int fromRow, int toCol, int toRow) {
    toolButton('0');
    clickCell(fromCol, fromRow);
    move(core::cellPx(fromCol) + 30, core::cellPx(fromRow) + 30);
    clickCell(toCol, toRow);
    move(core::cellPx(toCol) + 30, core::cellPx(toRow) + 30);
  }
  // An analog input E at column 1 wired to an analog output A at column 3.
  void eToA(int row) {
    place('E', 1, row);
    place('A', 3, row);
    connect(1, row, 3, row);
  }
  const core::TCell& cell(int col, int row) { return project().cell(project().CurrentLoop, col, row); }
  // A file in a folder of the test's own (project files, libraries, tables).
  QString file(const QString& name) const { return m_files.filePath(name); }
  // The mouse cursor itself (keys act only over the grid).
  void cursorToCell(int col, int row) { setCursor(grid()->mapToGlobal(QPoint(middle(col), middle(row)))); }
  void cursorAway() { setCursor(m_window->mapToGlobal(QPoint(m_window->width() - 5, m_window->height() - 5))); }
  void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : m_window.get();
    QTest::keyClick(target, static_cast<Qt::Key>(qtKey), modifiers);
  }

  // Runs `act` on the next modal dialog as soon as it is shown.
  static void whenModal(std::function<void(QWidget*)> act) {
    ++s_pendingModalHandlers;
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act), waited = 0]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if ((modal == nullptr || !modal->isVisible()) && ++waited <= 2000) return;
      poll->stop();
      poll->deleteLater();
      --s_pendingModalHandlers;
      if (modal != nullptr) act(modal);
    });
    poll->start();
  }
  // Titles of modal dialogs nobody handled (closed by the watchdog).
  const QStringList& unexpectedModals() const { return m_unexpectedModals; }

private:
  // The middle pixel of a cell's column or row.
  static int middle(int colOrRow) { return core::cellPx(colOrRow) + core::kCellPx / 2; }
  void mouse(QEvent::Type type, int x, int y, bool held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(x, y), grid()->mapToGlobal(QPointF(x, y)), button, held ? Qt::LeftButton : Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(grid(), &e);
  }
  static void setCursor(QPoint global) {
    QCursor::setPos(global);
    QApplication::processEvents();
  }

  static inline int s_pendingModalHandlers = 0;
  ProgramDirCopy m_programDir;
  QTemporaryDir m_files;
  ScriptedUi m_ui;
  RecordingModuleDialogs m_dialogs;
  std::unique_ptr<MainWindow> m_window;
  QTimer m_watchdog;
  QStringList m_unexpectedModals;
};

// The base of the window's test classes: a fresh window for every test
// function; after it, no question without a scripted answer, no modal
// dialog nobody handled and no message the test did not take.
class WindowTestCase : public QObject {
  Q_OBJECT

protected:
  std::unique_ptr<WindowHarness> h;

protected slots:
  void init() { h = std::make_unique<WindowHarness>(); }
  void cleanup() {
    QVERIFY2(h->ui().unscripted.isEmpty(), qPrintable(h->ui().unscripted.join(", ")));
    QVERIFY2(h->unexpectedModals().isEmpty(), qPrintable(h->unexpectedModals().join(", ")));
    QVERIFY2(h->ui().errors.isEmpty(), qPrintable(h->ui().errors.join(", ")));
    h.reset();
  }
};

} // namespace veltra::gui::testing
