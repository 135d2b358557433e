#pragma once

#include <QImage>
#include <QLine>
#include <QWidget>

namespace veltra::gui {

// The 525 x 525 grid picture (Image1). It shows the picture the painter made
// and, on top of it, the rubber band of a connection in progress, so that a
// redraw never leaves a stray line behind. Pointer events go out as signals.
class GridView : public QWidget {
  Q_OBJECT
public:
  explicit GridView(QWidget* parent = nullptr);

  QImage& image() { return m_image; }
  const QImage& image() const { return m_image; }
  void setRubberBand(bool visible, QPoint from, QPoint to);
  bool rubberBandVisible() const { return m_rubberVisible; }
  QSize sizeHint() const override;

signals:
  void pointerMoved(int x, int y, bool leftButtonHeld);
  void clicked();
  void released();
  // The pointer left the picture (for the window around it).
  void left();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  QImage m_image;
  bool m_rubberVisible = false;
  QLine m_rubber;
  bool m_pressedHere = false;
};

} // namespace veltra::gui
