#pragma once

#include "gui/modules/module_dialog.h"

namespace veltra::gui {

class LimitBinding;

// `Form_G` "Grenzwert" and `Form_Z` "Zweipunkt": two limits, each a number
// or a reference to a constant F or an auxiliary signal H.
class LimitDialog : public ModuleDialog {
  Q_OBJECT
public:
  explicit LimitDialog(char letter, QWidget* parent = nullptr);

  // The first (G: minimum, Z: switch-on) and the second limit.
  LimitBinding* limit() const { return m_first; }
  LimitBinding* limit1() const { return m_second; }

  void SetList(int index);
  void SetList1(int index);
  void rgQuelleClick();
  void rgQuelle1Click();

private:
  LimitBinding* m_first = nullptr;
  LimitBinding* m_second = nullptr;
};

} // namespace veltra::gui
