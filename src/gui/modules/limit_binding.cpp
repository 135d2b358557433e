#include "gui/modules/limit_binding.h"

#include "core/util/error.h"
#include "core/util/number_format.h"
#include "core/util/number_parse.h"
#include "gui/modules/signal_list_model.h"
#include "gui/util/invalid_mark.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>

#include <cmath>
#include <optional>

namespace veltra::gui {

namespace {

using core::LimitSource;

constexpr const char* kSourceNames[] = {"Zahl", "F", "H"};

int listSize(LimitSource s) { return s == LimitSource::F ? core::kLimitFMax : core::kSignals; }
core::SignalGroup groupOf(LimitSource s) { return s == LimitSource::F ? core::SignalGroup::F : core::SignalGroup::H; }

} // namespace

LimitBinding::LimitBinding(const FieldLayout& def, QWidget* parent) : m_offset(def.offset), m_max(def.hi) {
  m_box = new QGroupBox(QString::fromUtf8(def.label), parent);
  m_sourceBox = new QGroupBox(QStringLiteral("Signalquelle"), m_box);
  m_sourceBox->setObjectName(QString::fromUtf8(def.groupName));
  m_sourceBox->setToolTip(QStringLiteral("Zahl, Konstante F (1 bis 100) oder analoges Hilfssignal H"));
  m_sources = new QButtonGroup(m_sourceBox);
  auto* sourceLayout = new QHBoxLayout(m_sourceBox);
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(kSourceNames[i]), m_sourceBox);
    b->setObjectName(QString::fromUtf8(def.groupName) + QString::fromUtf8(kSourceNames[i]));
    m_sources->addButton(b, i);
    sourceLayout->addWidget(b);
  }
  sourceLayout->addStretch();

  m_edit = new QLineEdit(m_box);
  m_edit->setObjectName(QString::fromUtf8(def.name));
  m_edit->setToolTip(QStringLiteral("Zahlenwert bis %1").arg(def.hi));

  m_combo = new QComboBox(m_box);
  m_combo->setObjectName(QString::fromUtf8(def.comboName));
  m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_combo->setMinimumContentsLength(24);
  m_combo->setMaxVisibleItems(20);
  if (auto* view = qobject_cast<QListView*>(m_combo->view())) view->setUniformItemSizes(true);
  m_model = new SignalListModel(m_combo);
  m_combo->setModel(m_model);
  m_combo->hide();

  m_edit->setFixedWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000000")) + 12);
  auto* layout = new QHBoxLayout(m_box);
  layout->addWidget(m_sourceBox);
  // Edit and drop-down in the same place; one of them is hidden.
  auto* value = new QGridLayout;
  value->addWidget(m_edit, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
  value->addWidget(m_combo, 0, 0, Qt::AlignVCenter);
  layout->addLayout(value, 1);

  QObject::connect(m_sources, &QButtonGroup::idClicked, m_box, [this](int) { rgQuelleClick(); });
  QObject::connect(m_edit, &QLineEdit::textChanged, m_box, [this] { check(); });
}

QRadioButton* LimitBinding::sourceButton(LimitSource source) const {
  return qobject_cast<QRadioButton*>(m_sources->button(static_cast<int>(source)));
}

LimitSource LimitBinding::source() const {
  const int id = m_sources->checkedId();
  return id < 0 ? LimitSource::Number : static_cast<LimitSource>(id);
}

void LimitBinding::check() {
  std::optional<double> v = core::parseReal(m_edit->text().toStdString());
  markInvalid(m_edit, !v || *v > m_max);
}

void LimitBinding::load(const DialogContext& ctx, const core::TCell& top) {
  m_project = ctx.project;
  const core::LimitRef ref = core::decodeLimit(top.f64(m_offset));
  m_loadedSource = ref.source;
  sourceButton(ref.source)->setChecked(true);
  if (ref.source == LimitSource::Number) {
    m_edit->setText(QString::fromStdString(core::formatGeneral(ref.value)));
    SetList(0);
  } else {
    // A reference has no number of its own; "Zahl" starts from 0.
    m_edit->setText(QStringLiteral("0"));
    const int size = listSize(ref.source);
    const bool listed = ref.value == std::floor(ref.value) && ref.value >= 1 && ref.value <= size;
    if (listed)
      fillList(static_cast<int>(ref.value) - 1, {});
    else
      fillList(size, QStringLiteral("%1 %2  (ungültig)")
                         .arg(ref.source == LimitSource::F ? 'F' : 'H')
                         .arg(QString::fromStdString(core::formatGeneral(ref.value))));
  }
  m_loadedText = m_edit->text();
  m_loadedRow = m_combo->currentIndex();
  check();
}

void LimitBinding::SetList(int index) {
  if (source() == LimitSource::Number) {
    m_combo->hide();
    m_edit->show();
    return;
  }
  fillList(index, {});
}

void LimitBinding::fillList(int index, const QString& extra) {
  const LimitSource s = source();
  m_edit->hide();
  m_combo->show();
  m_model->show(m_project, groupOf(s), listSize(s), extra);
  m_combo->setCurrentIndex(index);
}

void LimitBinding::rgQuelleClick() { SetList(0); }

void LimitBinding::store(const DialogContext&, core::TCell& top) const {
  const LimitSource s = source();
  if (s == LimitSource::Number) {
    const QString text = m_edit->text();
    if (s == m_loadedSource && text == m_loadedText) return;
    const std::string utf8 = text.toStdString();
    const double v = core::toReal(utf8);
    if (v > core::kLimitFBase)
      throw core::Error("'" + utf8 + "' ist als Zahl nicht möglich: Werte über 32500 stehen für Verweise auf F und H");
    top.setF64(m_offset, v);
    return;
  }
  const int row = m_combo->currentIndex();
  if (s == m_loadedSource && row == m_loadedRow) return;
  if (row < 0 || row >= m_model->signalCount()) return;
  top.setF64(m_offset, s == LimitSource::F ? core::encodeLimitF(row + 1) : core::encodeLimitH(row + 1));
}

QWidget* LimitBinding::widget() const {
  return source() == LimitSource::Number ? static_cast<QWidget*>(m_edit) : m_combo;
}

} // namespace veltra::gui
