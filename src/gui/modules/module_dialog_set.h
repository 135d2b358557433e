#pragma once

#include "gui/modules/module_dialog.h"
#include "gui/modules/module_dialogs.h"

#include <QPointer>

#include <array>

namespace veltra::gui {

// The 26 parameter dialogs, created once and reused: every opening reloads
// the dialog from the module (FormActivate).
class ModuleDialogSet : public ModuleDialogs {
public:
  // The dialogs become children of `parent` (centred on it, closed with it).
  explicit ModuleDialogSet(QWidget* parent = nullptr);
  ~ModuleDialogSet() override;
  ModuleDialogSet(const ModuleDialogSet&) = delete;
  ModuleDialogSet& operator=(const ModuleDialogSet&) = delete;

  bool exec(char letter, core::Project& project, int loop, int col, int row, const QString& programDir) override;

  // The dialog of a module letter, nullptr for anything else.
  ModuleDialog* dialog(char letter) const;
  // Where every dialog sends its conversion messages.
  void setMessageHandler(const ModuleDialog::MessageHandler& handler);

private:
  std::array<QPointer<ModuleDialog>, 26> m_dialogs;
};

} // namespace veltra::gui
