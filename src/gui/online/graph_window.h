#pragma once

#include "core/model/project.h"
#include "core/online/day_loader.h"
#include "core/online/graph_curves.h"
#include "core/online/server_block.h"
#include "core/util/clock.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeView;

namespace veltra::gui {

class SignalTreeModel;
class TXYChart;
class UiServices;

// "Grafik" (Form5): up to 16 signals as curves over time, live from the
// server block or from the day files of one day. Created once with the main
// window; curves, the loaded day, LiveMode and Timer1 survive closing.
class GraphWindow : public QDialog {
  Q_OBJECT
public:
  // `project` is asked at every use: "Laden" and "Neu" replace the project.
  GraphWindow(std::function<const core::Project&()> project, UiServices& ui, QWidget* parent = nullptr);
  ~GraphWindow() override;

  // The link's ServerView: the block while attached, else nullptr.
  void setBlockSource(std::function<const core::ServerBlock*()> source) { m_block = std::move(source); }
  void setClock(const core::Clock& clock) { m_clock = &clock; }
  // MeasureDir, where the file dialog of "Laden" starts.
  void setMeasureDir(std::function<QString()> dir) { m_measureDir = std::move(dir); }

  // The handlers of the window's controls.
  void FormActivate();
  void lbKurveDblClick();
  void lbWerteDblClick();
  void btStartClick();
  void btStopClick();
  void Timer1Timer();
  void btClearClick();
  void btCSVLoadClick();
  void btShowClick() { ShowOfflineGraph(); }
  void ShowOfflineGraph();
  void btSaveClick();
  void btLoadClick();
  void btDruckClick();
  void btClipClick();
  void btCrossClick();
  void Chart1MouseMove(int x, int y);
  void cbLegendeClick();
  void btDesignClick();

  // Adds the curve of a signal with a colour, as a confirmed colour dialog
  // does; false when one of the conditions does not hold.
  bool addCurve(char letter, int signal, const QColor& color);
  // Loads the day of a chosen file (step 3 on of "Laden").
  void loadDay(const QString& path);
  // "Verlauf anzeigen": the signal's curve, live while attached, otherwise
  // from the most recent day file of MeasureDir that holds its group.
  void showTrend(char letter, int signal);

  bool LiveMode() const { return m_liveMode; }
  const core::CurveList& curves() const { return m_curves; }
  const core::DayMeasurement& measurement() const { return m_measurement; }
  // How the next load reads each group's values (kDayGroups order).
  void setValueForm(char letter, core::ValueForm form);
  core::ValueForm valueForm(char letter) const;
  // The line texts of lbWerte in order.
  QStringList curveTexts() const;
  SignalTreeModel* signalTree() const { return m_tree; }

  TXYChart* Chart1 = nullptr;
  QTreeView* lbKurve = nullptr;
  QListWidget* lbWerte = nullptr;
  QPushButton *btLoad = nullptr, *btSave = nullptr, *btDruck = nullptr, *btClip = nullptr, *btCross = nullptr;
  QPushButton *btCSVLoad = nullptr, *btShow = nullptr, *btDesign = nullptr;
  QPushButton *btStart = nullptr, *btStop = nullptr, *btClear = nullptr, *btEnde = nullptr;
  QToolButton* btForm = nullptr; // the value form of each group
  QCheckBox* cbLegende = nullptr;
  QLabel *stZeit = nullptr, *stWert = nullptr, *stWert1 = nullptr;
  QLabel* stStatus = nullptr; // why a double-click did nothing, what a load read
  QTimer* Timer1 = nullptr;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void buildControls();
  void FormCreate();
  void clearCurves();
  void styleLiveSeries(int i);
  void refreshFormMenu();
  void showReadForms();
  void showStatus(const QString& text);
  QString curveText(char letter, int signal) const;
  std::vector<std::string> curveNames() const;
  core::TDateTime nowDateTime() const;

  std::function<const core::Project&()> m_project;
  UiServices& m_ui;
  std::function<const core::ServerBlock*()> m_block;
  std::function<QString()> m_measureDir;
  core::SystemClock m_systemClock;
  const core::Clock* m_clock = &m_systemClock;
  core::DateTimeFormats m_formats;
  SignalTreeModel* m_tree = nullptr;
  QMenu* m_formMenu = nullptr;
  std::array<QMenu*, core::kDayGroups.size()> m_formMenus{};
  std::array<std::array<QAction*, 3>, core::kDayGroups.size()> m_formActions{};
  core::CurveList m_curves;
  core::DayMeasurement m_measurement;
  std::array<core::ValueForm, core::kDayGroups.size()> m_forms{};
  bool m_liveMode = false;
  // The signal "Verlauf anzeigen" asked for, selected once the tree is rebuilt.
  char m_selectLetter = ' ';
  int m_selectSignal = 0;
};

} // namespace veltra::gui
