#include "gui/app/modal_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace veltra::gui {

ModalReturn::ModalReturn(QWidget* window) : QObject(window), m_window(window) { qApp->installEventFilter(this); }

ModalReturn::~ModalReturn() { qApp->removeEventFilter(this); }

bool ModalReturn::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType()) {
    auto* w = static_cast<QWidget*>(watched);
    // After the hide, once the platform has moved the focus (or not).
    if (w->isWindow() && w->isModal() && w != m_window) QTimer::singleShot(0, this, &ModalReturn::activateWhenFree);
  }
  return QObject::eventFilter(watched, event);
}

void ModalReturn::activateWhenFree() {
  if (m_window == nullptr || !m_window->isVisible() || QApplication::activeModalWidget() != nullptr) return;
  if (QApplication::activeWindow() == nullptr) m_window->activateWindow();
}

} // namespace veltra::gui
