#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

namespace veltra::core {
class Editor;
class Project;
} // namespace veltra::core

namespace veltra::gui {

// The fields right of the grid: the loop number `edNum` with `UpDown1`, the
// sample time `edZeit` and the description `RKBeschreibung`. The engineer's
// edits go to the editor; the program refills the fields from the model on
// every redraw without running their change handlers, so that only the
// engineer's edits set Modified.
class LoopFields : public QObject {
  Q_OBJECT
public:
  // Builds the fields into `parent` at their fixed places; a sample time
  // that is not a number is reported through `reportError`.
  LoopFields(core::Editor& editor, std::function<void(const QString&)> reportError, QWidget* parent);

  QLineEdit* edNum() const { return m_edNum; }
  QSpinBox* upDown() const { return m_upDown; }
  QLineEdit* edZeit() const { return m_edZeit; }
  QPlainTextEdit* description() const { return m_description; }

  // The sample time and description of the shown loop. A field being typed
  // in keeps its text while it shows the same loop of the same project;
  // another loop or project always refills it.
  void refill(const core::Project& p);
  // A reset or loaded project: the loop number shows its CurrentLoop (not
  // marked), and the next refill fills every field.
  void showProject(const core::Project& p);
  // The loop number field shows `loop` (not marked), without its handler.
  void showLoop(int loop);

private:
  void edNumChanged();
  void edZeitEdited();
  void edZeitFinished();
  void descriptionChanged();

  core::Editor& m_editor;
  std::function<void(const QString&)> m_reportError;
  QLineEdit* m_edNum;
  QSpinBox* m_upDown;
  QLineEdit* m_edZeit;
  QPlainTextEdit* m_description;
  bool m_refreshing = false; // the program itself fills a field
  // The loop and project the fields were last filled for.
  int m_filledLoop = 0;
  const core::Project* m_filledProject = nullptr;
};

} // namespace veltra::gui
