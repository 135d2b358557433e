#pragma once

#include "core/print/report.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace veltra::gui {

// "Drucken": which sections to print, all loops or the current one, the
// connection numbers, an optional contents page, and where to: the printer
// ("Drucken"), a PDF file ("PDF…") or the preview ("Vorschau").
class PrintDialog : public QDialog {
  Q_OBJECT
public:
  enum class Target { None, Printer, Pdf, Preview };

  explicit PrintDialog(QWidget* parent = nullptr);

  // Shows the dialog modally; the choice stays for the next opening.
  Target choose();
  core::PrintOptions options() const;
  void setOptions(const core::PrintOptions& options);

  QCheckBox* box(const QString& objectName) const;
  QPushButton* printButton() const { return m_print; }
  QPushButton* pdfButton() const { return m_pdf; }
  QPushButton* previewButton() const { return m_preview; }

private:
  void finish(Target target);

  QCheckBox* m_projectData;
  QCheckBox* m_loops;
  QCheckBox* m_signalLists;
  QCheckBox* m_crossReferences;
  QCheckBox* m_all;
  QCheckBox* m_connections;
  QCheckBox* m_contents;
  QPushButton* m_print;
  QPushButton* m_pdf;
  QPushButton* m_preview;
  Target m_target = Target::None;
};

} // namespace veltra::gui
