#pragma once

#include "core/model/types.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace veltra::gui {

// "Projektdaten": the project data sheet. "Speichern" takes the edits into
// the data sheet and then asks the owner to write the ".vtp" file; closing
// the window otherwise discards the edits.
class ProjectDataDialog : public QDialog {
  Q_OBJECT
public:
  // Writes the data sheet; returns false (and has reported why) when the
  // file could not be written, so the dialog stays open.
  using SaveHandler = std::function<bool(const core::TProjectData&)>;

  explicit ProjectDataDialog(QWidget* parent = nullptr);
  void setSaveHandler(SaveHandler handler) { m_save = std::move(handler); }

  // Shows the dialog modally on `data`; "Speichern" changes it.
  void edit(core::TProjectData& data);

  QLineEdit *edPName, *edPBez, *edBearbeiter, *edDatum, *edKunde, *edStrasse, *edPLZ, *edOrt;

private:
  void btSaveClick();

  core::TProjectData* m_data = nullptr;
  SaveHandler m_save;
};

} // namespace veltra::gui
