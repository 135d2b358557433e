#pragma once

#include "core/app/settings.h"

#include <QDialog>

class QCheckBox;

namespace veltra::gui {

// "Einstellungen": the tooltip parts and whether free texts are drawn. It
// reads the four flags from "VTR.INI" when it opens and writes them back
// when it closes, by "OK" or otherwise.
class SettingsDialog : public QDialog {
  Q_OBJECT
public:
  explicit SettingsDialog(QWidget* parent = nullptr);

  // Shows the dialog modally; afterwards `settings` holds the flags written.
  void edit(core::IniFile& ini, core::Settings& settings);

  QCheckBox* cbDescription;
  QCheckBox* cbParameters;
  QCheckBox* cbCrossRef;
  QCheckBox* cbTexts;
};

} // namespace veltra::gui
