#include "gui/app/edit_menu.h"

#include "gui/util/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace veltra::gui {

EditMenu::EditMenu(QMenuBar* bar, core::EditHistory& history, Hooks hooks)
    : QObject(bar), m_history(history), m_hooks(std::move(hooks)) {
  m_menu = bar->addMenu(QStringLiteral("Bearbeiten"));
  m_menu->setObjectName("menuBearbeiten");
  m_undo = m_menu->addAction(QStringLiteral("Rückgängig"), this, &EditMenu::undo);
  m_undo->setObjectName("actUndo");
  m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  m_redo = m_menu->addAction(QStringLiteral("Wiederholen"), this, &EditMenu::redo);
  m_redo->setObjectName("actRedo");
  m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  // The shortcuts work wherever the focus is in the window, also over the grid.
  for (QAction* a : {m_undo, m_redo})
    a->setShortcutContext(Qt::WindowShortcut);
  connect(m_menu, &QMenu::aboutToShow, this, &EditMenu::update);
  m_history.setChangeHandler([this] { update(); });
  update();
}

void EditMenu::update() {
  const bool online = m_hooks.online && m_hooks.online();
  const QString undoName = fromUtf8(m_history.undoName()), redoName = fromUtf8(m_history.redoName());
  m_undo->setText(undoName.isEmpty() ? QStringLiteral("Rückgängig") : QStringLiteral("Rückgängig: ") + undoName);
  m_redo->setText(redoName.isEmpty() ? QStringLiteral("Wiederholen") : QStringLiteral("Wiederholen: ") + redoName);
  m_undo->setEnabled(!online && m_history.canUndo());
  m_redo->setEnabled(!online && m_history.canRedo());
}

void EditMenu::undo() { step(true); }

void EditMenu::redo() { step(false); }

void EditMenu::step(bool undo) {
  // The link changes no model: nothing is taken back while online.
  if (m_hooks.online && m_hooks.online()) return;
  if (m_hooks.beforeStep) m_hooks.beforeStep();
  if (undo ? !m_history.canUndo() : !m_history.canRedo()) return;
  const int loop = undo ? m_history.undo() : m_history.redo();
  if (m_hooks.showStep) m_hooks.showStep(loop);
  update();
}

} // namespace veltra::gui
