#include "gui/print/print_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra::gui {

namespace {

QCheckBox* checkBox(const QString& caption, const char* name, bool checked, QWidget* parent) {
  auto* b = new QCheckBox(caption, parent);
  b->setObjectName(name);
  b->setChecked(checked);
  return b;
}

} // namespace

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Drucken"));
  auto* sections = new QGroupBox(QStringLiteral("Abschnitte"), this);
  m_projectData = checkBox(QStringLiteral("Projektbeschreibung"), "cbProjekt", true, sections);
  m_loops = checkBox(QStringLiteral("Regelkreise"), "cbRegelkreise", true, sections);
  m_signalLists = checkBox(QStringLiteral("Signallisten"), "cbSignallisten", true, sections);
  m_crossReferences = checkBox(QStringLiteral("Querverweise"), "cbQuerverweise", true, sections);
  m_contents = checkBox(QStringLiteral("Inhaltsverzeichnis"), "cbInhalt", false, sections);
  m_contents->setToolTip(QStringLiteral("Eine erste Seite \"Inhalt\" mit den Abschnitten und Regelkreisen"));
  auto* sectionLayout = new QVBoxLayout(sections);
  for (QCheckBox* b : {m_projectData, m_loops, m_signalLists, m_crossReferences, m_contents})
    sectionLayout->addWidget(b);

  auto* loops = new QGroupBox(QStringLiteral("Regelkreise"), this);
  m_all = checkBox(QStringLiteral("alle"), "cbAlle", true, loops);
  m_connections = checkBox(QStringLiteral("X/Y-Signale"), "cbXY", false, loops);
  auto* loopLayout = new QVBoxLayout(loops);
  for (QCheckBox* b : {m_all, m_connections})
    loopLayout->addWidget(b);
  loopLayout->addStretch();
  // The loop options mean nothing without the loops.
  connect(m_loops, &QCheckBox::toggled, m_all, &QWidget::setEnabled);
  connect(m_loops, &QCheckBox::toggled, m_connections, &QWidget::setEnabled);

  m_print = new QPushButton(QStringLiteral("Drucken"), this);
  m_print->setObjectName("btDrucken");
  m_print->setDefault(true);
  m_pdf = new QPushButton(QStringLiteral("PDF…"), this);
  m_pdf->setObjectName("btPdf");
  m_preview = new QPushButton(QStringLiteral("Vorschau"), this);
  m_preview->setObjectName("btVorschau");
  auto* close = new QPushButton(QStringLiteral("Schließen"), this);
  connect(m_print, &QPushButton::clicked, this, [this] { finish(Target::Printer); });
  connect(m_pdf, &QPushButton::clicked, this, [this] { finish(Target::Pdf); });
  connect(m_preview, &QPushButton::clicked, this, [this] { finish(Target::Preview); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* boxes = new QHBoxLayout;
  boxes->addWidget(sections);
  boxes->addWidget(loops);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_print);
  buttons->addWidget(m_pdf);
  buttons->addWidget(m_preview);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
}

QCheckBox* PrintDialog::box(const QString& objectName) const { return findChild<QCheckBox*>(objectName); }

PrintDialog::Target PrintDialog::choose() {
  m_target = Target::None;
  exec();
  return m_target;
}

void PrintDialog::finish(Target target) {
  // Nothing chosen to print: the dialog just closes.
  m_target = options().anySection() ? target : Target::None;
  accept();
}

core::PrintOptions PrintDialog::options() const {
  core::PrintOptions o;
  o.projectData = m_projectData->isChecked();
  o.loops = m_loops->isChecked();
  o.signalLists = m_signalLists->isChecked();
  o.crossReferences = m_crossReferences->isChecked();
  o.allLoops = m_all->isChecked();
  o.connections = m_connections->isChecked();
  o.contents = m_contents->isChecked();
  return o;
}

void PrintDialog::setOptions(const core::PrintOptions& o) {
  m_projectData->setChecked(o.projectData);
  m_loops->setChecked(o.loops);
  m_signalLists->setChecked(o.signalLists);
  m_crossReferences->setChecked(o.crossReferences);
  m_all->setChecked(o.allLoops);
  m_connections->setChecked(o.connections);
  m_contents->setChecked(o.contents);
}

} // namespace veltra::gui
