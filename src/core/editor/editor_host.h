#pragma once

#include <string>

namespace veltra::core {

// What the editor needs from the window around it: questions, dialogs and
// the redraw. The Qt main window implements it; tests use a recording fake.
class EditorHost {
public:
  virtual ~EditorHost() = default;

  // A Yes/No question; true for Yes. UTF-8.
  virtual bool askYesNo(const std::string& question) = 0;
  // The parameter dialog of the module whose cell is the selected cell,
  // shown modally.
  virtual void openModuleDialog(char letter) = 0;
  // The text dialog for a cell, shown modally.
  virtual void openTextDialog(int loop, int col, int row) = 0;
  // ZeichneAlles: the grid picture and the fields shown beside it.
  virtual void redraw() = 0;
  // Only the rubber band overlay changed.
  virtual void overlayChanged() = 0;
  // The help panel: the help file of a tool or module code, or empty.
  virtual void showHelp(char code) = 0;
  virtual void clearHelp() = 0;
  // The tooltip of the grid; empty hides it.
  virtual void setHoverText(const std::string& text) = 0;
  // Online only: the value or bit change of a cell ("Wert ändern", "Bit
  // ändern"), instead of the parameter dialog. A host without a link has
  // nothing to change.
  virtual void onlineDataEntry(int /*loop*/, int /*col*/, int /*row*/) {}
  // Another loop became current, before it is drawn.
  virtual void loopChosen(int /*loop*/) {}
};

} // namespace veltra::core
