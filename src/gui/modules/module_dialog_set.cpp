#include "gui/modules/module_dialog_set.h"

#include "gui/modules/constant_dialog.h"
#include "gui/modules/limit_dialog.h"
#include "gui/modules/time_switch_dialog.h"

namespace veltra::gui {

ModuleDialogSet::ModuleDialogSet(QWidget* parent) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    ModuleDialog* d = nullptr;
    switch (letter) {
    case 'F':
      d = new ConstantDialog(parent);
      break;
    case 'G':
    case 'Z':
      d = new LimitDialog(letter, parent);
      break;
    case 'S':
      d = new TimeSwitchDialog(parent);
      break;
    default:
      d = new ModuleDialog(*formLayout(letter), parent);
      break;
    }
    m_dialogs[static_cast<std::size_t>(letter - 'A')] = d;
  }
}

ModuleDialogSet::~ModuleDialogSet() {
  // Dialogs still alive (their parent has not deleted them) go with the set.
  for (QPointer<ModuleDialog>& d : m_dialogs)
    delete d.data();
}

ModuleDialog* ModuleDialogSet::dialog(char letter) const {
  if (letter < 'A' || letter > 'Z') return nullptr;
  return m_dialogs[static_cast<std::size_t>(letter - 'A')].data();
}

void ModuleDialogSet::setMessageHandler(const ModuleDialog::MessageHandler& handler) {
  for (QPointer<ModuleDialog>& d : m_dialogs)
    if (d) d->setMessageHandler(handler);
}

bool ModuleDialogSet::exec(char letter, core::Project& project, int loop, int col, int row, const QString& programDir) {
  ModuleDialog* d = dialog(letter);
  if (d == nullptr || !core::validLoop(loop) || !core::validCol(col) || !core::validRow(row)) return false;
  return d->edit(project, loop, col, row, programDir);
}

} // namespace veltra::gui
