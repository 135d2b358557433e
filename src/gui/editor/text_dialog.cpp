#include "gui/editor/text_dialog.h"

#include "core/editor/text_annotations.h"
#include "gui/util/qt_text.h"

#include <QLineEdit>
#include <QPushButton>

namespace veltra::gui {

TextDialog::TextDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Text"));
  setFixedSize(398, 139);
  edText = new QLineEdit(this);
  edText->setObjectName("edText");
  edText->setGeometry(16, 8, 297, 21);
  edText1 = new QLineEdit(this);
  edText1->setObjectName("edText1");
  edText1->setGeometry(16, 34, 297, 21);
  edText2 = new QLineEdit(this);
  edText2->setObjectName("edText2");
  edText2->setGeometry(16, 61, 297, 21);
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName("btOk");
  ok->setGeometry(336, 8, 41, 25);
  ok->setDefault(true);
  auto* del = new QPushButton(QStringLiteral("Del"), this);
  del->setObjectName("btDel");
  del->setGeometry(336, 48, 41, 25);
  connect(ok, &QPushButton::clicked, this, &TextDialog::btOkClick);
  connect(del, &QPushButton::clicked, this, &TextDialog::btDelClick);
}

bool TextDialog::edit(core::Project& project, int loop, int col, int row) {
  m_project = &project;
  m_loop = loop;
  m_col = col;
  m_row = row;
  m_changed = false;
  QLineEdit* fields[3] = {edText, edText1, edText2};
  const int index = core::findTextEntry(project.TextList, loop, col, row);
  const core::TextAnnotation t =
      index >= 0 ? core::parseTextEntry(project.TextList[static_cast<size_t>(index)]) : core::TextAnnotation{};
  for (int k = 0; k < 3; ++k)
    fields[k]->setText(fromCp1252(t.lines[k]));
  edText->setFocus();
  exec();
  return m_changed;
}

void TextDialog::btOkClick() {
  auto& list = m_project->TextList;
  const std::string before = [&] {
    int i = core::findTextEntry(list, m_loop, m_col, m_row);
    return i >= 0 ? list[static_cast<size_t>(i)] : std::string();
  }();
  const std::string entry = core::formatTextEntry(
      {toCp1252(edText->text()), toCp1252(edText1->text()), toCp1252(edText2->text())}, m_loop, m_col, m_row);
  if (entry != before) {
    const int index = core::findTextEntry(list, m_loop, m_col, m_row);
    if (index >= 0) list.erase(list.begin() + index);
    if (!entry.empty()) list.push_back(entry);
    m_project->Modified = true;
    m_changed = true;
  }
  accept();
}

void TextDialog::btDelClick() {
  edText->clear();
  edText1->clear();
  edText2->clear();
}

} // namespace veltra::gui
