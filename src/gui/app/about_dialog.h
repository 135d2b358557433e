#pragma once

#include <QDialog>

class QLabel;

namespace veltra::gui {

// The About box with the program's version.
class AboutDialog : public QDialog {
  Q_OBJECT
public:
  explicit AboutDialog(const QString& programDir, QWidget* parent = nullptr);
  QLabel* versionLabel() const { return m_version; }

  // "major.minor.release.build" of a version text such as "2.1.0" or
  // "2.1.0.5", each part a 16-bit number; "?" when there is none.
  static QString versionText(const QString& version);

private:
  QLabel* m_version;
};

} // namespace veltra::gui
