#pragma once

#include "gui/modules/module_dialog.h"

class QComboBox;
class QLineEdit;

namespace veltra::gui {

// `Form_F` "Konstante": the constant's number and value. The value belongs to
// the constant (`FWert`), not to the module: choosing another constant shows
// its value at once, and "Ok" writes the value into `FWert`; the caller then
// gives every F module with that number the new value (`SetzeFWert`).
class ConstantDialog : public ModuleDialog {
  Q_OBJECT
public:
  explicit ConstantDialog(QWidget* parent = nullptr);

  QComboBox* cbSignal() const;
  QLineEdit* edConst() const;

  // Choosing another constant sets the module's number and value at once
  // (closing without "Ok" keeps that) and shows the value.
  void cbSignalChange(int index);

protected:
  void completeStore(core::TCell& copy) override;
  void afterStore(core::TCell& top) override;
};

} // namespace veltra::gui
