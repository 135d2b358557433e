#include "gui/persist/project_data_dialog.h"

#include "gui/util/qt_text.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra::gui {

namespace {

QLineEdit* field(QWidget* parent, const char* name, int maxLength) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(maxLength);
  return e;
}

} // namespace

ProjectDataDialog::ProjectDataDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Projektdaten"));
  edPName = field(this, "edPName", 60);
  edPBez = field(this, "edPBez", 20);
  edBearbeiter = field(this, "edBearbeiter", 20);
  edDatum = field(this, "edDatum", 10);
  edDatum->setInputMask(QStringLiteral("99.99.9999;_"));
  edKunde = field(this, "edKunde", 40);
  edStrasse = field(this, "edStrasse", 40);
  edPLZ = field(this, "edPLZ", 5);
  edOrt = field(this, "edOrt", 40);
  auto* form = new QFormLayout;
  // Room between the longest label ("Projektbezeichnung") and its field.
  form->setHorizontalSpacing(16);
  form->addRow(QStringLiteral("Projektname"), edPName);
  form->addRow(QStringLiteral("Projektbezeichnung"), edPBez);
  form->addRow(QStringLiteral("Bearbeiter"), edBearbeiter);
  form->addRow(QStringLiteral("Datum"), edDatum);
  form->addRow(QStringLiteral("Kundenname"), edKunde);
  form->addRow(QStringLiteral("Strasse/Nr."), edStrasse);
  form->addRow(QStringLiteral("Plz"), edPLZ);
  form->addRow(QStringLiteral("Ort"), edOrt);
  auto* save = new QPushButton(QStringLiteral("Speichern"), this);
  save->setObjectName("btSave");
  connect(save, &QPushButton::clicked, this, &ProjectDataDialog::btSaveClick);
  auto* box = new QVBoxLayout(this);
  box->addLayout(form);
  box->addWidget(save, 0, Qt::AlignRight);
  setMinimumWidth(460);
}

void ProjectDataDialog::edit(core::TProjectData& data) {
  m_data = &data;
  edPName->setText(fromCp1252(data.projectName.view()));
  edPBez->setText(fromCp1252(data.designation.view()));
  edBearbeiter->setText(fromCp1252(data.engineer.view()));
  edDatum->setText(fromCp1252(data.date.view()));
  edKunde->setText(fromCp1252(data.customer.view()));
  edStrasse->setText(fromCp1252(data.street.view()));
  edPLZ->setText(fromCp1252(data.postalCode.view()));
  edOrt->setText(fromCp1252(data.town.view()));
  exec();
}

void ProjectDataDialog::btSaveClick() {
  core::TProjectData d = *m_data;
  d.projectName.assign(toCp1252(edPName->text()));
  d.designation.assign(toCp1252(edPBez->text()));
  d.engineer.assign(toCp1252(edBearbeiter->text()));
  // An empty mask shows only the separators; store what the engineer sees.
  d.date.assign(toCp1252(edDatum->text()));
  d.customer.assign(toCp1252(edKunde->text()));
  d.street.assign(toCp1252(edStrasse->text()));
  d.postalCode.assign(toCp1252(edPLZ->text()));
  d.town.assign(toCp1252(edOrt->text()));
  *m_data = d;
  if (m_save && !m_save(*m_data)) return;
  accept();
}

} // namespace veltra::gui
