#pragma once

#include "core/model/project.h"

#include <QString>

class QWidget;

namespace veltra::gui {

// Opens the parameter dialog of a module type. The dialogs read the module
// of the selected cell when they open and write it back on "Ok".
class ModuleDialogs {
public:
  virtual ~ModuleDialogs() = default;
  // Shows the dialog of `letter` modally for the module at (col, row) of
  // `loop`; true when it was confirmed.
  virtual bool exec(char letter, core::Project& project, int loop, int col, int row, const QString& programDir) = 0;
};

} // namespace veltra::gui
