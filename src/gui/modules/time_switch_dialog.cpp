#include "gui/modules/time_switch_dialog.h"

#include "core/modules/time_switch.h"
#include "core/util/error.h"
#include "gui/modules/switch_point_dialog.h"
#include "gui/util/qt_text.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace veltra::gui {

TimeSwitchDialog::TimeSwitchDialog(QWidget* parent) : ModuleDialog('S', parent) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_spNummer = new QSpinBox(this);
  m_spNummer->setObjectName(QStringLiteral("spNummer"));
  m_spNummer->setRange(1, core::kPrograms);
  m_spNummer->setToolTip(QStringLiteral("Signalnummer"));
  m_spNummer->setMaximumWidth(80);
  form->addRow(QStringLiteral("Nummer"), m_spNummer);
  m_edDesc = new QLineEdit(this);
  m_edDesc->setObjectName(QStringLiteral("edDesc"));
  m_edDesc->setMaxLength(20);
  m_edDesc->setToolTip(QStringLiteral("Name des Schaltuhrprogramms, höchstens 20 Zeichen"));
  form->addRow(QStringLiteral("Beschreibung"), m_edDesc);
  m_cbInv = new QCheckBox(QStringLiteral("Invertierung"), this);
  m_cbInv->setObjectName(QStringLiteral("cbInv"));
  m_cbInv->setToolTip(QStringLiteral("Eingangsinvertierung"));
  form->addRow(QString(), m_cbInv);
  layout->addLayout(form);

  auto* points = new QGroupBox(QStringLiteral("Schaltpunkte"), this);
  auto* pointsLayout = new QHBoxLayout(points);
  m_lbZeit = new QListWidget(points);
  m_lbZeit->setObjectName(QStringLiteral("lbZeit"));
  m_lbZeit->setSelectionMode(QAbstractItemView::SingleSelection);
  // The day columns of the point texts line up only in a fixed-pitch font.
  m_lbZeit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  const int lineHeight = m_lbZeit->fontMetrics().height();
  m_lbZeit->setMinimumSize(m_lbZeit->fontMetrics().horizontalAdvance(QStringLiteral("Ein MoDiMiDoFrSaSo  00:00")) + 32,
                           lineHeight * core::kPointsPerProgram + 12);
  pointsLayout->addWidget(m_lbZeit);
  auto* buttons = new QVBoxLayout;
  m_btNeu = new QPushButton(QStringLiteral("Neu"), points);
  m_btNeu->setObjectName(QStringLiteral("btNeu"));
  m_btNeu->setToolTip(QStringLiteral("neuen Schaltpunkt anhängen (höchstens 10)"));
  m_btChange = new QPushButton(QStringLiteral("Edit"), points);
  m_btChange->setObjectName(QStringLiteral("btChange"));
  m_btChange->setToolTip(QStringLiteral("gewählten Schaltpunkt ändern"));
  m_btDel = new QPushButton(QStringLiteral("Del"), points);
  m_btDel->setObjectName(QStringLiteral("btDel"));
  m_btDel->setToolTip(QStringLiteral("gewählten Schaltpunkt löschen"));
  buttons->addWidget(m_btNeu);
  buttons->addWidget(m_btChange);
  buttons->addWidget(m_btDel);
  buttons->addStretch();
  pointsLayout->addLayout(buttons);
  layout->addWidget(points);
  addButtons(layout);

  m_pointDialog = new SwitchPointDialog(this);
  connect(m_spNummer, &QSpinBox::valueChanged, this, [this](int program) {
    if (!loading()) spNummerChange(program);
  });
  connect(m_btNeu, &QPushButton::clicked, this, &TimeSwitchDialog::btNeuClick);
  connect(m_btChange, &QPushButton::clicked, this, &TimeSwitchDialog::btChangeClick);
  connect(m_btDel, &QPushButton::clicked, this, &TimeSwitchDialog::btDelClick);
  connect(m_lbZeit, &QListWidget::itemDoubleClicked, this, &TimeSwitchDialog::btChangeClick);
}

QString TimeSwitchDialog::programName(int program) {
  return fromCp1252(project().SignalDesc.text(core::SignalGroup::S, program));
}

void TimeSwitchDialog::FormActivate() {
  const core::TCell& top = topCell();
  m_edDesc->clear();
  m_spNummer->setMaximum(core::kPrograms);
  // A number outside the programs (only from a file) shows, and is stored
  // on "Ok", as the nearest program.
  const int program = std::clamp(top.i32(0), 1, core::kPrograms);
  m_spNummer->setValue(program);
  m_loadedInv = top.u8(4) != 0;
  m_cbInv->setChecked(m_loadedInv);
  m_edDesc->setText(top.text.empty() ? programName(program) : fromCp1252(top.text.view()));
  m_shownDesc = m_edDesc->text();
  GetSKanal(program);
  m_spNummer->setFocus();
}

void TimeSwitchDialog::spNummerChange(int program) {
  m_edDesc->setText(programName(program));
  GetSKanal(program);
}

void TimeSwitchDialog::GetSKanal(int program) {
  m_lbZeit->clear();
  for (const std::string& line : core::GetSKanal(project(), program))
    m_lbZeit->addItem(QString::fromStdString(line));
}

void TimeSwitchDialog::btNeuClick() {
  const int program = m_spNummer->value();
  const int used = core::usedSwitchPoints(project(), program);
  if (used >= core::kPointsPerProgram) return;
  const std::optional<core::TSwitchPoint> point = m_pointDialog->edit(core::TSwitchPoint{}, program, used + 1);
  if (!point || point->mask < 1) return;
  try {
    core::addSwitchPoint(project(), program, *point);
  } catch (const core::Error& e) {
    showMessage(fromUtf8(e.what()));
  }
  GetSKanal(program);
  m_lbZeit->setCurrentRow(m_lbZeit->count() - 1);
}

void TimeSwitchDialog::btChangeClick() {
  const int row = m_lbZeit->currentRow();
  if (row < 0) return;
  const int program = m_spNummer->value();
  const std::optional<core::TSwitchPoint> point =
      m_pointDialog->edit(project().switchPoint(program, row + 1), program, row + 1);
  if (!point || point->mask < 1) return;
  try {
    core::editSwitchPoint(project(), program, row + 1, *point);
  } catch (const core::Error& e) {
    showMessage(fromUtf8(e.what()));
  }
  GetSKanal(program);
  m_lbZeit->setCurrentRow(row);
}

void TimeSwitchDialog::btDelClick() {
  const int row = m_lbZeit->currentRow();
  if (row < 0) return;
  const int program = m_spNummer->value();
  core::deleteSwitchPoint(project(), program, row + 1);
  GetSKanal(program);
}

void TimeSwitchDialog::completeStore(core::TCell& copy) {
  copy.setI32(0, m_spNummer->value());
  if (m_cbInv->isChecked() != m_loadedInv) copy.setU8(4, m_cbInv->isChecked() ? 1 : 0);
  // The text as it came stays byte for byte when the engineer did not touch it.
  if (m_edDesc->text() != m_shownDesc || copy.text.empty()) copy.text.assign(toCp1252(m_edDesc->text()));
}

void TimeSwitchDialog::afterStore(core::TCell& top) {
  if (core::TSignalText* name = project().SignalDesc.at(core::SignalGroup::S, top.i32(0))) *name = top.text;
}

} // namespace veltra::gui
