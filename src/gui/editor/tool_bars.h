#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QToolBar;
class QToolButton;
class QWidget;

namespace veltra::gui {

// The two toolbars of the editor: `ToolBar1` across the top with the 23
// module tools, `ToolBar2` down the left edge with the other tools and the
// modules J, F and L. Each button shows its picture from the program
// folder's "toolbar/" and chooses its code; the chosen one stays marked.
class ToolBars : public QObject {
  Q_OBJECT
public:
  ToolBars(const QString& programDir, QWidget* parent);

  // The button of a tool code, nullptr for none.
  QToolButton* button(char code) const;
  // Marks the button of `code` as the chosen one, and no other; a choice
  // the program makes itself (the debug start chooses data entry).
  void mark(char code);
  QToolBar* top() const { return m_top; }
  QToolBar* left() const { return m_left; }

signals:
  // A button was clicked. `isConnectButton`: the connect tool's own button
  // (`ToolButton24`); `keepsRange`: the one button that leaves a block
  // selection alone (`ToolButton39`).
  void chosen(char code, bool isConnectButton, bool keepsRange);

private:
  QToolBar* m_top = nullptr;
  QToolBar* m_left = nullptr;
  QList<QToolButton*> m_buttons;
  QList<char> m_codes;
};

} // namespace veltra::gui
