#pragma once

#include "core/history/edit_history.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace veltra::gui {

// "Bearbeiten": "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y,
// Ctrl+Shift+Z) over the project's history. Each names the step it would
// take ("Rückgängig: Modul R verschieben") and is disabled when there is
// none, and both while the window is online.
class EditMenu : public QObject {
  Q_OBJECT
public:
  struct Hooks {
    std::function<bool()> online;           // OnlineMode
    std::function<void()> beforeStep;       // ends a gesture in progress
    std::function<void(int loop)> showStep; // shows the loop (0: the current one), rebuilt and redrawn
  };
  EditMenu(QMenuBar* bar, core::EditHistory& history, Hooks hooks);

  // Texts and enabled state from the history.
  void update();
  void undo();
  void redo();

  QMenu* menu() const { return m_menu; }
  QAction* undoAction() const { return m_undo; }
  QAction* redoAction() const { return m_redo; }

private:
  void step(bool undo);

  core::EditHistory& m_history;
  Hooks m_hooks;
  QMenu* m_menu;
  QAction* m_undo;
  QAction* m_redo;
};

} // namespace veltra::gui
