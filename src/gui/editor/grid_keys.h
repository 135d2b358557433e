#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace veltra::core {
class Editor;
} // namespace veltra::core

namespace veltra::gui {

class GridView;

// The keyboard of the editor: while the mouse cursor lies over the grid and
// no modal dialog is open, every key press goes to the editor, whatever
// control has the focus (the window previews keys), and key releases are
// swallowed. Elsewhere keys are left alone. Installed on the application
// for the life of the object.
class GridKeyFilter : public QObject {
public:
  GridKeyFilter(const GridView& grid, core::Editor& editor, const QWidget& window);
  ~GridKeyFilter() override;
  GridKeyFilter(const GridKeyFilter&) = delete;
  GridKeyFilter& operator=(const GridKeyFilter&) = delete;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // OnImage: the mouse cursor, in the grid's coordinates, lies inside it.
  bool onImage() const;
  void keyDown(const QKeyEvent& event);

  const GridView& m_grid;
  core::Editor& m_editor;
  const QWidget& m_window;
};

} // namespace veltra::gui
