#pragma once

#include <QDialog>

#include <optional>

class QCheckBox;
class QPushButton;

namespace veltra::gui {

// "Bit ändern" (Form14): the controller's bit of a digital signal and a new
// one. Created once; cbNew keeps its check state from one use to the next.
class BitChangeDialog : public QDialog {
  Q_OBJECT
public:
  explicit BitChangeDialog(QWidget* parent = nullptr);

  // Shows the old bit; the new bit when "OK" closed the dialog.
  std::optional<bool> change(bool oldBit);

  QCheckBox* cbAlt = nullptr;
  QCheckBox* cbNew = nullptr;
  QPushButton* btOk = nullptr;
};

} // namespace veltra::gui
