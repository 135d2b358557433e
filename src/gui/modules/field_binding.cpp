#include "gui/modules/field_binding.h"

#include "core/modules/w_temperature.h"
#include "core/persist/signal_lists.h"
#include "core/util/error.h"
#include "core/util/number_format.h"
#include "core/util/number_parse.h"
#include "gui/modules/signal_list_model.h"
#include "gui/util/invalid_mark.h"
#include "gui/util/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>

#include <algorithm>
#include <optional>

namespace veltra::gui {

namespace {

QString generalText(double v) { return QString::fromStdString(core::formatGeneral(v)); }

} // namespace

// ---------------------------------------------------------------- numbers

NumberEditBinding::NumberEditBinding(QLineEdit* edit, Kind kind, int offset, double lo, double hi)
    : m_edit(edit), m_kind(kind), m_offset(offset), m_lo(lo), m_hi(hi) {
  QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { check(); });
}

void NumberEditBinding::load(const DialogContext&, const core::TCell& top) {
  switch (m_kind) {
  case Kind::Real:
    m_edit->setText(generalText(top.f64(m_offset)));
    break;
  case Kind::Int:
    m_edit->setText(QString::number(top.i32(m_offset)));
    break;
  case Kind::WTemperature:
    m_edit->setText(generalText(core::wTemperatureDegrees(top.f64(m_offset))));
    break;
  }
  m_loaded = m_edit->text();
  check();
}

bool NumberEditBinding::acceptable(const QString& text) const {
  const std::string s = text.toStdString();
  double v = 0;
  if (m_kind == Kind::Int) {
    std::optional<std::int32_t> i = core::parseInt(s);
    if (!i) return false;
    v = *i;
  } else {
    std::optional<double> d = core::parseReal(s);
    if (!d) return false;
    if (m_kind == Kind::WTemperature && !core::wTemperatureStored(*d)) return false;
    v = *d;
  }
  return v >= m_lo && v <= m_hi;
}

void NumberEditBinding::check() { markInvalid(m_edit, !acceptable(m_edit->text())); }

void NumberEditBinding::store(const DialogContext&, core::TCell& top) const {
  const QString text = m_edit->text();
  if (text == m_loaded) return;
  const std::string s = text.toStdString();
  switch (m_kind) {
  case Kind::Real:
    top.setF64(m_offset, core::toReal(s));
    break;
  case Kind::Int:
    top.setI32(m_offset, core::toInt(s));
    break;
  case Kind::WTemperature: {
    std::optional<double> stored = core::wTemperatureStored(core::toReal(s));
    if (!stored) throw core::Error("'" + s + "' ist als Temperatur zu groß");
    top.setF64(m_offset, *stored);
    break;
  }
  }
}

QWidget* NumberEditBinding::widget() const { return m_edit; }

// ---------------------------------------------------------------- check box

CheckBinding::CheckBinding(QCheckBox* box, int offset) : m_box(box), m_offset(offset) {}

void CheckBinding::load(const DialogContext&, const core::TCell& top) {
  m_loaded = top.u8(m_offset) != 0;
  m_box->setChecked(m_loaded);
}

void CheckBinding::store(const DialogContext&, core::TCell& top) const {
  if (m_box->isChecked() != m_loaded) top.setU8(m_offset, m_box->isChecked() ? 1 : 0);
}

QWidget* CheckBinding::widget() const { return m_box; }

// ---------------------------------------------------------------- spin box

SpinBinding::SpinBinding(QSpinBox* spin, int offset) : m_spin(spin), m_offset(offset) {}

void SpinBinding::load(const DialogContext&, const core::TCell& top) {
  m_spin->setValue(std::clamp(top.i32(m_offset), m_spin->minimum(), m_spin->maximum()));
}

void SpinBinding::store(const DialogContext&, core::TCell& top) const { top.setI32(m_offset, m_spin->value()); }

QWidget* SpinBinding::widget() const { return m_spin; }

// ---------------------------------------------------------------- signals

SignalComboBinding::SignalComboBinding(QComboBox* combo, core::SignalGroup group)
    : m_combo(combo), m_model(new SignalListModel(combo)), m_group(group) {
  // Neither the box nor its list may measure every entry: group V has 9,216.
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(28);
  combo->setMaxVisibleItems(20);
  if (auto* view = qobject_cast<QListView*>(combo->view())) view->setUniformItemSizes(true);
  combo->setModel(m_model);
}

void SignalComboBinding::load(const DialogContext& ctx, const core::TCell& top) {
  const std::int32_t n = core::Project::signalNumber(top);
  const int count = core::groupSize(m_group);
  const bool inRange = core::inGroupRange(m_group, n);
  m_model->show(ctx.project, m_group, count, inRange ? QString() : QStringLiteral("%1  (ungültige Nummer)").arg(n));
  m_combo->setCurrentIndex(inRange ? n - 1 : count);
}

int SignalComboBinding::chosenNumber() const {
  const int row = m_combo->currentIndex();
  return row >= 0 && row < m_model->signalCount() ? row + 1 : 0;
}

void SignalComboBinding::store(const DialogContext& ctx, core::TCell& top) const {
  const int n = chosenNumber();
  if (n == 0) return; // the stored number the list does not hold
  top.setI32(0, n);
  top.text = *ctx.project->SignalDesc.at(m_group, n);
}

QWidget* SignalComboBinding::widget() const { return m_combo; }

// ---------------------------------------------------------------- functions

FunctionComboBinding::FunctionComboBinding(QComboBox* combo) : m_combo(combo) {}

void FunctionComboBinding::load(const DialogContext& ctx, const core::TCell& top) {
  const std::vector<std::string> items = core::itemsOrBuiltin(ctx.programDir, ctx.letter);
  m_combo->clear();
  for (const std::string& item : items)
    m_combo->addItem(fromCp1252(item));
  m_items = static_cast<int>(items.size());
  const std::int32_t index = top.i32(0);
  if (index >= 0 && index < m_items) {
    m_combo->setCurrentIndex(index);
  } else {
    m_combo->addItem(QString::number(index));
    m_combo->setCurrentIndex(m_items);
  }
  m_loadedRow = m_combo->currentIndex();
}

void FunctionComboBinding::store(const DialogContext&, core::TCell& top) const {
  const int row = m_combo->currentIndex();
  if (row == m_loadedRow || row < 0 || row >= m_items) return;
  top.setI32(0, row);
}

QWidget* FunctionComboBinding::widget() const { return m_combo; }

// ---------------------------------------------------------------- text

DescriptionBinding::DescriptionBinding(QLineEdit* edit) : m_edit(edit) { edit->setMaxLength(20); }

void DescriptionBinding::load(const DialogContext&, const core::TCell& top) {
  m_edit->setText(fromCp1252(top.text.view()));
  m_loaded = m_edit->text();
}

void DescriptionBinding::store(const DialogContext&, core::TCell& top) const {
  if (m_edit->text() != m_loaded) top.text.assign(toCp1252(m_edit->text()));
}

QWidget* DescriptionBinding::widget() const { return m_edit; }

void ZeroBinding::store(const DialogContext&, core::TCell& top) const { top.setF64(m_offset, 0.0); }

} // namespace veltra::gui
