#include "gui/modules/limit_dialog.h"

#include "gui/modules/limit_binding.h"

namespace veltra::gui {

LimitDialog::LimitDialog(char letter, QWidget* parent) : ModuleDialog(*formLayout(letter), parent) {
  for (const auto& b : bindings())
    if (auto* limit = dynamic_cast<LimitBinding*>(b.get())) (m_first == nullptr ? m_first : m_second) = limit;
}

void LimitDialog::SetList(int index) { m_first->SetList(index); }
void LimitDialog::SetList1(int index) { m_second->SetList(index); }
void LimitDialog::rgQuelleClick() { m_first->rgQuelleClick(); }
void LimitDialog::rgQuelle1Click() { m_second->rgQuelleClick(); }

} // namespace veltra::gui
