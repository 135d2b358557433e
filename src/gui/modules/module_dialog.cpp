#include "gui/modules/module_dialog.h"

#include "core/model/module_ops.h"
#include "core/modules/catalogue.h"
#include "core/util/error.h"
#include "gui/modules/limit_binding.h"
#include "gui/util/dialog_buttons.h"
#include "gui/util/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace veltra::gui {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString captionOf(char letter) {
  const core::ModuleType* t = core::moduleType(letter);
  return t != nullptr ? QString::fromUtf8(t->caption.data(), static_cast<int>(t->caption.size())) : QString();
}

// Columns of a dialog grid: label, then the control with its unit.
constexpr int kLabelCol = 0, kControlCol = 1;

// Lays out the controls of a table in grids: the dialog's own grid, and for
// a section the grid of its box, as a list of rows or as a matrix.
class Builder {
public:
  explicit Builder(QWidget* dialog, QGridLayout* mainGrid) : m_dialog(dialog), m_main(mainGrid), m_grid(mainGrid) {}

  void section(const FieldLayout& f) {
    QWidget* host = m_dialog;
    if (*f.label != 0)
      host = new QGroupBox(text(f.label), m_dialog);
    else
      host = new QWidget(m_dialog);
    m_grid = new QGridLayout(host);
    if (*f.label == 0) m_grid->setContentsMargins(0, 0, 0, 0);
    m_main->addWidget(host, m_mainRow++, kLabelCol, 1, 2);
    m_row = 0;
    m_columns = static_cast<int>(f.columns.size());
    m_cell = 0;
    for (int c = 0; c < m_columns; ++c) {
      auto* head = new QLabel(text(f.columns[static_cast<std::size_t>(c)]), host);
      head->setAlignment(Qt::AlignCenter);
      m_grid->addWidget(head, 0, c + 1);
    }
    if (m_columns > 0) m_row = 1;
  }

  void endSection() {
    m_grid = m_main;
    m_columns = 0;
  }

  QWidget* host() const { return m_grid->parentWidget() != nullptr ? m_grid->parentWidget() : m_dialog; }

  // One control with its label, unit and hint.
  void add(QWidget* control, const FieldLayout& f) {
    control->setObjectName(text(f.name));
    if (*f.hint != 0) control->setToolTip(text(f.hint));
    if (m_columns > 0) {
      const int r = m_row + m_cell / m_columns, c = m_cell % m_columns;
      if (c == 0 && *f.label != 0) m_grid->addWidget(label(f, control), r, kLabelCol);
      m_grid->addWidget(control, r, c + 1);
      ++m_cell;
      return;
    }
    int& row = m_grid == m_main ? m_mainRow : m_row;
    if (*f.label != 0 && qobject_cast<QCheckBox*>(control) == nullptr)
      m_grid->addWidget(label(f, control), row, kLabelCol);
    // The unit right beside its control; the rest of the row stays free.
    auto* line = new QHBoxLayout;
    line->addWidget(control);
    if (*f.unit != 0) line->addWidget(new QLabel(text(f.unit), host()));
    line->addStretch(1);
    m_grid->addLayout(line, row, kControlCol);
    ++row;
  }

  // A box that fills a whole row.
  void addWide(QWidget* box) {
    int& row = m_grid == m_main ? m_mainRow : m_row;
    m_grid->addWidget(box, row++, kLabelCol, 1, 2);
  }

private:
  QLabel* label(const FieldLayout& f, QWidget* control) {
    auto* l = new QLabel(text(f.label), host());
    l->setBuddy(control);
    if (*f.hint != 0) l->setToolTip(text(f.hint));
    return l;
  }

  QWidget* m_dialog;
  QGridLayout* m_main;
  QGridLayout* m_grid;
  int m_mainRow = 0;
  int m_row = 0;
  int m_columns = 0;
  int m_cell = 0;
};

QLineEdit* numberEdit(QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000000")) + 12);
  return e;
}

NumberEditBinding::Kind numberKind(FieldKind k) {
  switch (k) {
  case FieldKind::Int:
    return NumberEditBinding::Kind::Int;
  case FieldKind::WTemperature:
    return NumberEditBinding::Kind::WTemperature;
  default:
    return NumberEditBinding::Kind::Real;
  }
}

} // namespace

ModuleDialog::ModuleDialog(char letter, QWidget* parent) : QDialog(parent), m_letter(letter) {
  setObjectName(QStringLiteral("Form_") + QChar(letter));
  setWindowTitle(captionOf(letter));
  setModal(true);
  m_context.letter = letter;
}

ModuleDialog::ModuleDialog(const FormLayout& def, QWidget* parent) : ModuleDialog(def.letter, parent) { build(def); }

ModuleDialog::~ModuleDialog() = default;

void ModuleDialog::build(const FormLayout& def) {
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  Builder b(this, grid);
  const core::ModuleType* type = core::moduleType(def.letter);
  for (const FieldLayout& f : def.fields) {
    switch (f.kind) {
    case FieldKind::Section:
      b.section(f);
      break;
    case FieldKind::EndSection:
      b.endSection();
      break;
    case FieldKind::Real:
    case FieldKind::Int:
    case FieldKind::WTemperature: {
      QLineEdit* e = numberEdit(b.host());
      b.add(e, f);
      addBinding(std::make_unique<NumberEditBinding>(e, numberKind(f.kind), f.offset, f.lo, f.hi));
      break;
    }
    case FieldKind::Check: {
      auto* c = new QCheckBox(text(f.label), b.host());
      b.add(c, f);
      addBinding(std::make_unique<CheckBinding>(c, f.offset));
      break;
    }
    case FieldKind::Spin: {
      auto* s = new QSpinBox(b.host());
      s->setRange(static_cast<int>(f.lo), static_cast<int>(f.hi));
      s->setMaximumWidth(80);
      b.add(s, f);
      addBinding(std::make_unique<SpinBinding>(s, f.offset));
      break;
    }
    case FieldKind::Signal: {
      auto* c = new QComboBox(b.host());
      b.add(c, f);
      const core::SignalGroup g = type != nullptr && type->signalGroup ? *type->signalGroup : core::SignalGroup::A;
      addBinding(std::make_unique<SignalComboBinding>(c, g));
      break;
    }
    case FieldKind::Function: {
      auto* c = new QComboBox(b.host());
      c->setMinimumWidth(160);
      b.add(c, f);
      addBinding(std::make_unique<FunctionComboBinding>(c));
      break;
    }
    case FieldKind::Limit: {
      auto limit = std::make_unique<LimitBinding>(f, b.host());
      b.addWide(limit->box());
      addBinding(std::move(limit));
      break;
    }
    case FieldKind::Description: {
      auto* e = new QLineEdit(b.host());
      e->setToolTip(QStringLiteral("Beschreibung, höchstens 20 Zeichen"));
      e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMMMMMMMM")) * 3 / 4 + 12);
      b.add(e, f);
      addBinding(std::make_unique<DescriptionBinding>(e));
      break;
    }
    case FieldKind::Zero:
      addBinding(std::make_unique<ZeroBinding>(f.offset));
      break;
    }
  }
  addButtons(layout);
}

void ModuleDialog::addButtons(QVBoxLayout* layout) {
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addSpacing(6);
  m_btOk = addOkCancelRow(this, layout, QStringLiteral("Ok"));
  connect(m_btOk, &QPushButton::clicked, this, &ModuleDialog::btOkClick);
}

void ModuleDialog::activate(core::Project& project, int loop, int col, int row, const QString& programDir) {
  if (!core::validLoop(loop) || !core::validCol(col) || !core::validRow(row))
    throw core::Error("Es gibt keine Zelle " + std::to_string(col) + "/" + std::to_string(row) + " in Regelkreis " +
                      std::to_string(loop) + ".");
  m_context.project = &project;
  m_context.programDir = std::filesystem::path(programDir.toStdString());
  m_loop = loop;
  m_col = col;
  const core::ModuleType* type = core::moduleType(m_letter);
  m_topRow = type != nullptr && type->height > 1 ? core::topRowOf(project.cell(loop, col, row), row) : row;
  m_loading = true;
  FormActivate();
  m_loading = false;
}

bool ModuleDialog::edit(core::Project& project, int loop, int col, int row, const QString& programDir) {
  activate(project, loop, col, row, programDir);
  return exec() == QDialog::Accepted;
}

core::TCell& ModuleDialog::topCell() { return m_context.project->cell(m_loop, m_col, m_topRow); }

void ModuleDialog::FormActivate() {
  const core::TCell& top = topCell();
  for (auto& b : m_bindings)
    b->load(m_context, top);
  for (auto& b : m_bindings)
    if (QWidget* w = b->widget()) {
      w->setFocus();
      break;
    }
}

void ModuleDialog::completeStore(core::TCell&) {}

void ModuleDialog::afterStore(core::TCell&) {}

void ModuleDialog::showMessage(const QString& message) {
  if (m_messages)
    m_messages(this, message);
  else
    QMessageBox::critical(this, QStringLiteral("VELTRA"), message);
}

void ModuleDialog::btOkClick() {
  if (m_context.project == nullptr) return;
  core::TCell copy = topCell();
  for (auto& b : m_bindings) {
    try {
      b->store(m_context, copy);
    } catch (const core::Error& e) {
      showMessage(fromUtf8(e.what()));
      if (QWidget* w = b->widget()) w->setFocus();
      return;
    }
  }
  try {
    completeStore(copy);
  } catch (const core::Error& e) {
    showMessage(fromUtf8(e.what()));
    return;
  }
  copy.error = 0;
  core::TCell& top = topCell();
  top = copy;
  afterStore(top);
  accept();
}

} // namespace veltra::gui
