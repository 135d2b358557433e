#pragma once

#include "core/chart/chart_model.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QTabWidget;

namespace veltra::gui {

class TXYChart;
class ChartPreview;

// "Graphik Designer": the chart's settings on the pages "X Achse",
// "Y Achse", "2. Y Achse", "Allgemein", "Legende" and "Alle Achsen", with a
// preview of the chart as edited. Every control works on a copy of the
// chart (sharing its points); "OK" gives the copy's settings to the chart,
// "Abbruch" leaves it as it was. A number that does not convert is shown
// red and keeps the value it had; limits that cannot be drawn with are
// named below the pages.
class ChartDesignDialog : public QDialog {
  Q_OBJECT

public:
  explicit ChartDesignDialog(TXYChart& chart, QWidget* parent = nullptr);

  const core::ChartModel& edited() const { return m_edited; }
  // The text below the pages: what is wrong with the limits, or empty.
  QString problem() const;

public slots:
  void btOkClick();

private:
  friend class DesignPageBuilder;
  void changed();
  QWidget* axisPage(core::TAxis& axis, const QString& prefix);
  QWidget* generalPage();
  QWidget* legendPage();
  QWidget* allAxesPage();

  TXYChart& m_chart;
  core::ChartModel m_edited;
  QTabWidget* m_pages = nullptr;
  ChartPreview* m_preview = nullptr;
  QLabel* m_problem = nullptr;
  // Refill controls that depend on another one (the series' legend status).
  std::vector<std::function<void()>> m_refresh;
};

// EditChartDesign: the design dialog on a chart, modal. True when "OK"
// changed it.
bool EditChartDesign(TXYChart& chart);

} // namespace veltra::gui
