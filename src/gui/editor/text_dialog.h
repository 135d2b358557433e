#pragma once

#include "core/model/project.h"

#include <QDialog>

class QLineEdit;

namespace veltra::gui {

// "Text": up to three lines of free text at a grid cell. The fields are
// filled once when the dialog opens; only "Ok" changes the TextList, so
// closing the window any other way keeps the text as it was.
class TextDialog : public QDialog {
  Q_OBJECT
public:
  explicit TextDialog(QWidget* parent = nullptr);

  // Shows the dialog modally for the cell; true when the TextList changed.
  bool edit(core::Project& project, int loop, int col, int row);

  QLineEdit* edText;
  QLineEdit* edText1;
  QLineEdit* edText2;

private:
  void btOkClick();
  void btDelClick();

  core::Project* m_project = nullptr;
  int m_loop = 0, m_col = 0, m_row = 0;
  bool m_changed = false;
};

} // namespace veltra::gui
