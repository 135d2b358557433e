#pragma once

#include "gui/modules/module_dialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace veltra::gui {

class SwitchPointDialog;

// `Form_S` "Schaltsignal": the program number and inversion of an S module,
// its description (which is also the program's name) and the switching points
// of the program. "Neu", "Edit" and "Del" change the project's programs at
// once, whether or not the dialog is then closed with "Ok"; everything else
// waits for "Ok".
class TimeSwitchDialog : public ModuleDialog {
  Q_OBJECT
public:
  explicit TimeSwitchDialog(QWidget* parent = nullptr);

  QSpinBox* spNummer() const { return m_spNummer; }
  QLineEdit* edDesc() const { return m_edDesc; }
  QCheckBox* cbInv() const { return m_cbInv; }
  QListWidget* lbZeit() const { return m_lbZeit; }
  QPushButton* btNeu() const { return m_btNeu; }
  QPushButton* btChange() const { return m_btChange; }
  QPushButton* btDel() const { return m_btDel; }
  SwitchPointDialog* pointDialog() const { return m_pointDialog; }

  // Another program: its name and its points are shown.
  void spNummerChange(int program);
  // Lists the points of `program`.
  void GetSKanal(int program);
  void btNeuClick();
  void btChangeClick();
  void btDelClick();

protected:
  void FormActivate() override;
  void completeStore(core::TCell& copy) override;
  void afterStore(core::TCell& top) override;

private:
  QString programName(int program);

  QSpinBox* m_spNummer;
  QLineEdit* m_edDesc;
  QCheckBox* m_cbInv;
  QListWidget* m_lbZeit;
  QPushButton* m_btNeu;
  QPushButton* m_btChange;
  QPushButton* m_btDel;
  SwitchPointDialog* m_pointDialog;
  QString m_shownDesc; // edDesc as activation left it
  bool m_loadedInv = false;
};

} // namespace veltra::gui
