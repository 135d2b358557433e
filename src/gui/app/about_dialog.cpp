#include "gui/app/about_dialog.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra::gui {

AboutDialog::AboutDialog(const QString& programDir, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About"));
  auto* icon = new QLabel(this);
  QPixmap pm(QDir(programDir).filePath(QStringLiteral("veltra.bmp")));
  if (!pm.isNull()) icon->setPixmap(pm);
  auto* name = new QLabel(QStringLiteral("<b>VELTRA</b>"), this);
  auto* text = new QLabel(QStringLiteral("Engineering-Werkzeug für Regelkreise der Gebäudeautomation:\n"
                                         "Regelkreise zeichnen, Modultabelle erzeugen,\n"
                                         "online beobachten, messen und dokumentieren."),
                          this);
  m_version = new QLabel(QStringLiteral("Version ") + versionText(QStringLiteral(VELTRA_VERSION)), this);
  m_version->setObjectName("lbVersion");
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(icon, 0, Qt::AlignHCenter);
  layout->addWidget(name, 0, Qt::AlignHCenter);
  layout->addWidget(text);
  layout->addWidget(m_version);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

QString AboutDialog::versionText(const QString& version) {
  const QStringList parts = version.split('.');
  if (version.isEmpty() || parts.size() > 4) return QStringLiteral("?");
  QStringList out;
  for (int i = 0; i < 4; ++i) {
    bool ok = true;
    const uint v = i < parts.size() ? parts[i].toUInt(&ok) : 0;
    if (!ok || v > 65535) return QStringLiteral("?");
    out << QString::number(v);
  }
  return out.join('.');
}

} // namespace veltra::gui
