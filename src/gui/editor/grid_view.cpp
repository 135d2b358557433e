#include "gui/editor/grid_view.h"

#include "core/editor/grid_geometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace veltra::gui {

GridView::GridView(QWidget* parent) : QWidget(parent), m_image(core::kGridPx, core::kGridPx, QImage::Format_RGB32) {
  m_image.fill(Qt::white);
  setFixedSize(core::kGridPx, core::kGridPx);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize GridView::sizeHint() const { return {core::kGridPx, core::kGridPx}; }

void GridView::setRubberBand(bool visible, QPoint from, QPoint to) {
  m_rubberVisible = visible;
  m_rubber = QLine(from, to);
  update();
}

void GridView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, m_image);
  if (m_rubberVisible) {
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.drawLine(m_rubber);
  }
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit pointerMoved(pos.x(), pos.y(), event->buttons().testFlag(Qt::LeftButton));
}

void GridView::mousePressEvent(QMouseEvent* event) { m_pressedHere = event->button() == Qt::LeftButton; }

// The second press of a double click counts as a click of its own.
void GridView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool wasPressed = m_pressedHere;
  m_pressedHere = false;
  if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
  emit released();
}

void GridView::leaveEvent(QEvent*) { emit left(); }

} // namespace veltra::gui
