#pragma once

#include <QString>

class QMenu;

namespace veltra::gui {

class Session;
class SettingsDialog;

// "Einstellungen" and the "Designs" menu: the display flags and the design
// of the module pictures, each written back to "VTR.INI" at once.
class SettingsCommands {
public:
  SettingsCommands(Session& session, SettingsDialog& dialog, QMenu& designMenu)
      : m_session(session), m_dialog(dialog), m_designMenu(designMenu) {}

  // The settings dialog, then the redraw.
  void EinstellungenClick();
  // One entry per design folder of the program folder, the chosen one
  // checked.
  void buildDesignMenu();
  void chooseDesign(const QString& name);

private:
  Session& m_session;
  SettingsDialog& m_dialog;
  QMenu& m_designMenu;
};

} // namespace veltra::gui
