#pragma once

#include "core/model/project.h"

#include <QDialog>

class QButtonGroup;
class QTableView;

namespace veltra::gui {

class SignalTableModel;

// "Signaleditor": the descriptions of the signal groups. Edits go straight
// into the description tables; on closing, every signal module takes the
// description of its signal as its text.
class SignalEditorDialog : public QDialog {
  Q_OBJECT
public:
  explicit SignalEditorDialog(QWidget* parent = nullptr);

  // Shows the editor modally on the project's tables (refreshed every time).
  void edit(core::Project& project);
  // Shows group 0..7 (A, E, F, H, I, M, Q, V).
  void chooseGroup(int index);
  int groupIndex() const { return m_groupIndex; }

  QTableView* grid() const { return m_grid; }
  SignalTableModel* model() const { return m_model; }

protected:
  void done(int result) override;

private:
  QTableView* m_grid;
  SignalTableModel* m_model;
  QButtonGroup* m_groups;
  core::Project* m_project = nullptr;
  int m_groupIndex = -1;
};

} // namespace veltra::gui
