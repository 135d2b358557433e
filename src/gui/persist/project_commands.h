#pragma once

#include "core/model/types.h"

#include <QString>

namespace veltra::gui {

class ProjectDataDialog;
class ResultWindow;
class Session;

// The project file commands of the "Datei" menu ("Neu", "Laden",
// "Speichern"), the question before the open project is given up, and the
// data sheet "Projektdaten" with its ".vtp" file, and "Projekt" →
// "Vergleichen…". Neu and Laden start the undo history afresh; Speichern
// marks the saved state in it.
class ProjectCommands {
public:
  ProjectCommands(Session& session, ProjectDataDialog& dataSheet, ResultWindow& results);
  ProjectCommands(const ProjectCommands&) = delete;
  ProjectCommands& operator=(const ProjectCommands&) = delete;

  // "Neu": the question, a reset project with a fresh data sheet, then the
  // data sheet dialog. Stops, leaving the project alone, when the signal
  // name files cannot be read or the project was not saved as asked.
  void Neu1Click();
  // "Laden": the question, then a project chosen in the open dialog.
  void LadenNeuClick();
  // "Speichern" through the save dialog; true when the project was written.
  bool SpeichernNeuClick();
  // AskSave, "Regelkreise speichern?" when the project has changed: true
  // when the action may go on (unchanged, No, or saved). When the save
  // dialog is cancelled or the save fails, the project and Modified stay
  // and the answer is false.
  bool AskSave();

  // "Laden" and "Speichern" of a given file, without the file dialog.
  bool openProject(const QString& vtrPath);
  bool saveProjectAs(const QString& vtrPath);

  // "Dokumentation" → "Projektdaten".
  void ProjektdatenClick();

  // "Projekt" → "Vergleichen…": what changed from a chosen file to the
  // open project, in the result list (as veltra-cli diff FILE OPEN lists it).
  void VergleichenClick();
  bool compareWith(const QString& vtrPath);

private:
  // "Speichern" of the data sheet dialog: the ".vtp" file through the save
  // dialog. False (reported) when it could not be written.
  bool saveDataSheet(const core::TProjectData& data);

  Session& m_session;
  ProjectDataDialog& m_dataSheet;
  ResultWindow& m_results;
};

} // namespace veltra::gui
