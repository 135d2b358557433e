#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace veltra::gui {

// Questions, messages and file dialogs go through this seam, so that tests
// can answer them without a modal window.
class UiServices {
public:
  virtual ~UiServices() = default;
  virtual bool askYesNo(QWidget* parent, const QString& question) = 0;
  virtual void showError(QWidget* parent, const QString& message) = 0;
  virtual void showInfo(QWidget* parent, const QString& message) = 0;
  // An existing file, or an empty string when cancelled.
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter) = 0;
  // A file name to write (the dialog asks before overwriting), or empty.
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& proposed,
                               const QString& filter, const QString& defaultSuffix) = 0;
  // The platform's printer dialog on `printer`; false when cancelled.
  virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
  // A print preview of what `paint` draws onto the printer it is given.
  virtual void showPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;
  // An existing folder, or an empty string when cancelled; `start` is
  // preselected when it is not empty.
  virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
  // The colour dialog; nothing when cancelled.
  virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial);
};

// The real dialogs.
class QtUiServices : public UiServices {
public:
  bool askYesNo(QWidget* parent, const QString& question) override;
  void showError(QWidget* parent, const QString& message) override;
  void showInfo(QWidget* parent, const QString& message) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& proposed,
                       const QString& filter, const QString& defaultSuffix) override;
  bool choosePrinter(QWidget* parent, QPrinter& printer) override;
  void showPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
  QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override;
};

} // namespace veltra::gui
