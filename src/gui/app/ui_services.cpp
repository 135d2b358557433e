#include "gui/app/ui_services.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace veltra::gui {

bool QtUiServices::askYesNo(QWidget* parent, const QString& question) {
  return QMessageBox::question(parent, QStringLiteral("Bestätigen"), question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void QtUiServices::showError(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, QStringLiteral("VELTRA"), message);
}

void QtUiServices::showInfo(QWidget* parent, const QString& message) {
  QMessageBox::information(parent, QStringLiteral("VELTRA"), message);
}

QString QtUiServices::openFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString QtUiServices::saveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& proposed,
                                   const QString& filter, const QString& defaultSuffix) {
  QFileDialog dialog(parent, title, dir, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  if (!proposed.isEmpty()) dialog.selectFile(QDir(dir).filePath(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::optional<QColor> UiServices::chooseColor(QWidget* parent, const QColor& initial) {
  const QColor c = QColorDialog::getColor(initial, parent);
  if (!c.isValid()) return std::nullopt;
  return c;
}

bool QtUiServices::choosePrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  // A caller that preset a page range offers only those pages.
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    dialog.setMinMax(printer.fromPage(), printer.toPage());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  }
  return dialog.exec() == QDialog::Accepted;
}

void QtUiServices::showPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Vorschau"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(p); });
  dialog.resize(900, 1000);
  dialog.exec();
}

QString QtUiServices::chooseFolder(QWidget* parent, const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
}

} // namespace veltra::gui
