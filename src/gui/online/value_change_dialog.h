#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace veltra::gui {

// "Wert ändern" (Form13): the controller's value of an analog signal and a
// new one. Created once; the text of edNeu stays from one use to the next.
class ValueChangeDialog : public QDialog {
  Q_OBJECT
public:
  explicit ValueChangeDialog(QWidget* parent = nullptr);

  // Where a text that is not a number is reported (the program's message box).
  void setMessageHandler(std::function<void(QWidget*, const QString&)> handler) { m_message = std::move(handler); }
  // Shows the old value; the new value when "OK" closed the dialog.
  std::optional<double> change(double oldValue);

  QLabel* blALt = nullptr;
  QLineEdit* edNeu = nullptr;
  QPushButton* Button1 = nullptr;

private:
  void Button1Click();

  std::function<void(QWidget*, const QString&)> m_message;
  double m_old = 0.0;
  double m_new = 0.0;
};

} // namespace veltra::gui
