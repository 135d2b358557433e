#include "gui/compiler/result_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltra::gui {

ResultWindow::ResultWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Ergebnisse"));
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName("lines");
  m_text->setReadOnly(true);
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_print = new QPushButton(QStringLiteral("Drucken"), this);
  m_print->setObjectName("btPrint");
  auto* close = new QPushButton(QStringLiteral("Schließen"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_print);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text);
  layout->addLayout(buttons);
  resize(640, 480);
}

void ResultWindow::ClearLines() {
  m_lines.clear();
  m_text->clear();
}

void ResultWindow::AddLine(const QString& line) {
  m_lines.append(line);
  m_text->appendPlainText(line);
}

} // namespace veltra::gui
