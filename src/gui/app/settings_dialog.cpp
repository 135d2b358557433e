#include "gui/app/settings_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra::gui {

SettingsDialog::SettingsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Einstellungen"));
  auto* tips = new QGroupBox(QStringLiteral("Tooltips"), this);
  cbDescription = new QCheckBox(QStringLiteral("Beschreibung"), tips);
  cbParameters = new QCheckBox(QStringLiteral("Modulparameter"), tips);
  cbCrossRef = new QCheckBox(QStringLiteral("Querverweise"), tips);
  auto* tipsLayout = new QVBoxLayout(tips);
  tipsLayout->addWidget(cbDescription);
  tipsLayout->addWidget(cbParameters);
  tipsLayout->addWidget(cbCrossRef);
  auto* graphics = new QGroupBox(QStringLiteral("Graphik"), this);
  cbTexts = new QCheckBox(QStringLiteral("Texte anzeigen"), graphics);
  auto* graphicsLayout = new QVBoxLayout(graphics);
  graphicsLayout->addWidget(cbTexts);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName("btOk");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tips);
  layout->addWidget(graphics);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

void SettingsDialog::edit(core::IniFile& ini, core::Settings& settings) {
  core::readDisplayFlags(ini, settings);
  cbDescription->setChecked(settings.TipDescription);
  cbParameters->setChecked(settings.TipParameters);
  cbCrossRef->setChecked(settings.TipCrossRef);
  cbTexts->setChecked(settings.ShowTexts);
  exec();
  settings.TipDescription = cbDescription->isChecked();
  settings.TipParameters = cbParameters->isChecked();
  settings.TipCrossRef = cbCrossRef->isChecked();
  settings.ShowTexts = cbTexts->isChecked();
  core::writeDisplayFlags(ini, settings);
}

} // namespace veltra::gui
