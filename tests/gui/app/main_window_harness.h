#pragma once

// A main window for tests: a private copy of the program folder (so that
// settings written by the window do not touch the build's "VTR.INI"),
// scripted answers for questions and file dialogs, recorded module dialogs,
// and pointer and key input sent to the window's own widgets.

#include "app/main_window.h"
#include "app/ui_services.h"
#include "modules/module_dialogs.h"

#include <QEvent>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>

class QTimer;

namespace veltra::gui::testing {

// Answers of the UiServices seam, in the order they are asked for.
class ScriptedUi : public UiServices {
public:
  bool askYesNo(QWidget* parent, const QString& question) override;
  void showError(QWidget*, const QString& message) override { errors << message; }
  void showInfo(QWidget*, const QString& message) override { infos << message; }
  QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
    ++openCalls;
    return next(openNames);
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&,
                       const QString&) override {
    ++saveCalls;
    return next(saveNames);
  }

  // Runs when a question is asked, before it is answered.
  std::function<void(const QString& question)> onAsk;
  std::deque<bool> answers; // an unscripted question counts as a fault and is answered No
  std::deque<QString> openNames;
  std::deque<QString> saveNames;
  QStringList questions, errors, infos, unscripted;
  int openCalls = 0, saveCalls = 0;

private:
  static QString next(std::deque<QString>& names);
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

// The program folder of the build with the data files only.
class ProgramDirCopy {
public:
  ProgramDirCopy();
  QString path() const { return m_dir.path(); }
  QString iniText() const;
  void writeIni(const QByteArray& text) const;

private:
  QTemporaryDir m_dir;
};

class WindowHarness {
public:
  WindowHarness();
  ~WindowHarness();

  MainWindow& window() { return *m_window; }
  core::Project& project() { return m_window->project(); }
  core::Editor& editor() { return m_window->editor(); }
  ScriptedUi& ui() { return m_ui; }
  RecordingModuleDialogs& dialogs() { return m_dialogs; }
  const ProgramDirCopy& programDir() const { return m_programDir; }
  QWidget* grid() const;

  // Shows and activates the window (keys only reach the grid then).
  bool showActive();

  // Pointer over the grid in image pixels; `held` with the left button down.
  void move(int x, int y, bool held = false) { mouse(QEvent::MouseMove, x, y, held); }
  void moveToCell(int col, int row, bool held = false) { move(35 * col + 17, 35 * row + 17, held); }
  void press(int x, int y) { mouse(QEvent::MouseButtonPress, x, y, true); }
  void release(int x, int y) { mouse(QEvent::MouseButtonRelease, x, y, false); }
  // Press and release at the pointer's place after moving there.
  void click(int x, int y) {
    move(x, y);
    press(x, y);
    release(x, y);
  }
  void clickCell(int col, int row) { click(35 * col + 17, 35 * row + 17); }
  void toolButton(char code);
  // The mouse cursor itself (for keys, which act only over the grid).
  void cursorToCell(int col, int row);
  void cursorAway();
  void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  // Runs `act` on the next modal dialog as soon as it is shown.
  static void whenModal(std::function<void(QWidget*)> act);
  // Titles of modal dialogs nobody handled (closed by the watchdog).
  const QStringList& unexpectedModals() const { return m_unexpectedModals; }

private:
  void mouse(QEvent::Type type, int x, int y, bool held);

  ProgramDirCopy m_programDir;
  ScriptedUi m_ui;
  RecordingModuleDialogs m_dialogs;
  std::unique_ptr<MainWindow> m_window;
  QTimer* m_watchdog = nullptr;
  QStringList m_unexpectedModals;
};

} // namespace veltra::gui::testing
