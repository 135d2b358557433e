#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace veltra::gui {

// "Ergebnisse": a list of result lines (faulty cells, cross-reference).
class ResultWindow : public QDialog {
  Q_OBJECT
public:
  explicit ResultWindow(QWidget* parent = nullptr);

  void ClearLines();
  void AddLine(const QString& line);
  QStringList lines() const { return m_lines; }
  QPushButton* printButton() const { return m_print; }

private:
  QPlainTextEdit* m_text;
  QPushButton* m_print;
  QStringList m_lines;
};

} // namespace veltra::gui
