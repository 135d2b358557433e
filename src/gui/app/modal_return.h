#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace veltra::gui {

// Gives the window back its activation when a modal dialog over it closes,
// as Windows does for a dialog's owner. Without a window manager, or with
// one that leaves the focus where the pointer is, Qt otherwise has no
// active window until the next click, and shows no tooltips and takes no
// grid keys until then.
class ModalReturn : public QObject {
  Q_OBJECT
public:
  // Watches every window of the application; `window` is activated again.
  explicit ModalReturn(QWidget* window);
  ~ModalReturn() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void activateWhenFree();

  QPointer<QWidget> m_window;
};

} // namespace veltra::gui
