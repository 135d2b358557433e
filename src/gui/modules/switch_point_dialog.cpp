#include "gui/modules/switch_point_dialog.h"

#include "gui/util/dialog_buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace veltra::gui {

namespace {

constexpr const char* kDayNames[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

} // namespace

SwitchPointDialog::SwitchPointDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormSP"));
  setWindowTitle(QStringLiteral("Schaltpunkt"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  m_title = new QLabel(this);
  layout->addWidget(m_title);

  auto* days = new QGroupBox(QStringLiteral("Wochentage"), this);
  auto* dayGrid = new QGridLayout(days);
  for (int d = 0; d < 7; ++d) {
    auto* head = new QLabel(QString::fromUtf8(kDayNames[d]), days);
    head->setAlignment(Qt::AlignCenter);
    dayGrid->addWidget(head, 0, d);
    m_days[static_cast<std::size_t>(d)] = new QCheckBox(days);
    m_days[static_cast<std::size_t>(d)]->setObjectName(QStringLiteral("cb") + QString::fromUtf8(kDayNames[d]));
    dayGrid->addWidget(m_days[static_cast<std::size_t>(d)], 1, d, Qt::AlignCenter);
  }
  layout->addWidget(days);

  auto* onOff = new QGroupBox(QStringLiteral("Ein/Aus"), this);
  onOff->setObjectName(QStringLiteral("rgOnOff"));
  m_onOff = new QButtonGroup(onOff);
  auto* onOffLayout = new QHBoxLayout(onOff);
  const char* states[2] = {"Aus", "Ein"};
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(states[i]), onOff);
    b->setObjectName(QStringLiteral("rb") + QString::fromUtf8(states[i]));
    m_onOff->addButton(b, i);
    onOffLayout->addWidget(b);
  }
  onOffLayout->addStretch();
  layout->addWidget(onOff);

  auto* time = new QGridLayout;
  time->addWidget(new QLabel(QStringLiteral("Stunde"), this), 0, 0, Qt::AlignCenter);
  time->addWidget(new QLabel(QStringLiteral("Minute"), this), 0, 2, Qt::AlignCenter);
  m_hour = new QSpinBox(this);
  m_hour->setObjectName(QStringLiteral("spHour"));
  m_hour->setRange(0, 23);
  m_minute = new QSpinBox(this);
  m_minute->setObjectName(QStringLiteral("spMin"));
  m_minute->setRange(0, 59);
  time->addWidget(m_hour, 1, 0);
  time->addWidget(new QLabel(QStringLiteral(":"), this), 1, 1);
  time->addWidget(m_minute, 1, 2);
  time->setColumnStretch(3, 1);
  layout->addLayout(time);

  m_btOk = addOkCancelRow(this, layout, QStringLiteral("Ok"));
  connect(m_btOk, &QPushButton::clicked, this, &SwitchPointDialog::btOkClick);
}

QRadioButton* SwitchPointDialog::offButton() const { return qobject_cast<QRadioButton*>(m_onOff->button(0)); }
QRadioButton* SwitchPointDialog::onButton() const { return qobject_cast<QRadioButton*>(m_onOff->button(1)); }

void SwitchPointDialog::activate(const core::TSwitchPoint& point, int program, int index) {
  m_point = point;
  m_title->setText(QStringLiteral("Programm %1, Punkt %2").arg(program).arg(index));
  (point.state != 0 ? onButton() : offButton())->setChecked(true);
  for (int d = 0; d < 7; ++d)
    m_days[static_cast<std::size_t>(d)]->setChecked((point.mask & (1 << d)) != 0);
  m_hour->setValue(point.hour);
  m_minute->setValue(point.minute);
  m_days[0]->setFocus();
}

std::optional<core::TSwitchPoint> SwitchPointDialog::edit(const core::TSwitchPoint& point, int program, int index) {
  activate(point, program, index);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return m_point;
}

void SwitchPointDialog::btOkClick() {
  core::TSwitchPoint p{};
  p.state = onButton()->isChecked() ? 1 : 0;
  for (int d = 0; d < 7; ++d)
    if (m_days[static_cast<std::size_t>(d)]->isChecked()) p.mask |= 1 << d;
  p.hour = m_hour->value();
  p.minute = m_minute->value();
  m_point = p;
  accept();
}

} // namespace veltra::gui
