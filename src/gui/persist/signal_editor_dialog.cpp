#include "gui/persist/signal_editor_dialog.h"

#include "gui/persist/signal_table_model.h"
#include "gui/util/qt_text.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace veltra::gui {

namespace {

constexpr core::SignalGroup kGroups[] = {core::SignalGroup::A, core::SignalGroup::E, core::SignalGroup::F,
                                         core::SignalGroup::H, core::SignalGroup::I, core::SignalGroup::M,
                                         core::SignalGroup::Q, core::SignalGroup::V};

// Descriptions typed in the editor keep at most 20 characters.
class DescriptionDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* w = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setMaxLength(20);
    return w;
  }
};

// The table can hand over a description that is still being typed.
class SignalGrid : public QTableView {
public:
  using QTableView::QTableView;
  void commitOpenEditor() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
      commitData(editor);
      closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
  }
};

} // namespace

SignalEditorDialog::SignalEditorDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Signaleditor"));
  m_model = new SignalTableModel(this);
  m_grid = new SignalGrid(this);
  m_grid->setObjectName("grid");
  m_grid->setModel(m_model);
  m_grid->setItemDelegateForColumn(2, new DescriptionDelegate(m_grid));
  m_grid->verticalHeader()->setVisible(false);
  m_grid->verticalHeader()->setDefaultSectionSize(18);
  m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_grid->setColumnWidth(0, 50);
  m_grid->setColumnWidth(1, 170);
  m_grid->horizontalHeader()->setStretchLastSection(true);

  auto* box = new QGroupBox(QStringLiteral("Signal Gruppe"), this);
  auto* boxLayout = new QVBoxLayout(box);
  m_groups = new QButtonGroup(this);
  for (int i = 0; i < 8; ++i) {
    auto* b = new QRadioButton(fromUtf8(std::string(core::groupCaption(kGroups[i]))), box);
    m_groups->addButton(b, i);
    boxLayout->addWidget(b);
  }
  boxLayout->addStretch();
  connect(m_groups, &QButtonGroup::idClicked, this, &SignalEditorDialog::chooseGroup);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("btOk");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* right = new QVBoxLayout;
  right->addWidget(box);
  right->addWidget(ok);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(m_grid, 1);
  layout->addLayout(right);
  resize(640, 520);
}

void SignalEditorDialog::edit(core::Project& project) {
  m_project = &project;
  m_model->setProject(&project);
  exec();
}

void SignalEditorDialog::chooseGroup(int index) {
  if (index < 0 || index >= 8) return;
  m_groupIndex = index;
  if (QAbstractButton* b = m_groups->button(index)) b->setChecked(true);
  m_model->setGroup(kGroups[index]);
}

void SignalEditorDialog::done(int result) {
  // A cell still being edited belongs to what the engineer meant to keep,
  // however the window is closed (a focus change alone does not always
  // reach the editor, e.g. when the window is not active).
  static_cast<SignalGrid*>(m_grid)->commitOpenEditor();
  if (m_project != nullptr)
    for (int loop = 1; loop <= core::kLoops; ++loop)
      m_project->copySignalTextsIntoModules(loop);
  QDialog::done(result);
}

} // namespace veltra::gui
