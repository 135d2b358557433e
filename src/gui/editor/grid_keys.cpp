#include "gui/editor/grid_keys.h"

#include "core/editor/editor.h"
#include "gui/editor/grid_view.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>

namespace veltra::gui {

GridKeyFilter::GridKeyFilter(const GridView& grid, core::Editor& editor, const QWidget& window)
    : m_grid(grid), m_editor(editor), m_window(window) {
  qApp->installEventFilter(this);
}

GridKeyFilter::~GridKeyFilter() { qApp->removeEventFilter(this); }

bool GridKeyFilter::onImage() const { return m_grid.rect().contains(m_grid.mapFromGlobal(QCursor::pos())); }

bool GridKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  if (!key || QApplication::activeModalWidget() != nullptr || !m_window.isActiveWindow() || !onImage())
    return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) keyDown(*static_cast<QKeyEvent*>(event));
  return true;
}

void GridKeyFilter::keyDown(const QKeyEvent& event) {
  const int key = event.key();
  if (event.isAutoRepeat() && key != Qt::Key_Escape) return;
  // Ctrl+Z with nothing to undo is no "Z" tool key.
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    m_editor.keyDown(core::EditorKey::Character, static_cast<char>('A' + (key - Qt::Key_A)));
  } else if (key >= Qt::Key_0 && key <= Qt::Key_9 && !keypad) {
    m_editor.keyDown(core::EditorKey::Character, static_cast<char>('0' + (key - Qt::Key_0)));
  } else if (key == Qt::Key_F1) {
    m_editor.keyDown(core::EditorKey::F1);
  } else if (key == Qt::Key_F2) {
    m_editor.keyDown(core::EditorKey::F2);
  } else if (key == Qt::Key_F3) {
    m_editor.keyDown(core::EditorKey::F3);
  } else if (key == Qt::Key_Escape) {
    m_editor.keyDown(core::EditorKey::Escape);
  } else if (key == Qt::Key_Delete) {
    m_editor.keyDown(core::EditorKey::Delete);
  }
}

} // namespace veltra::gui
