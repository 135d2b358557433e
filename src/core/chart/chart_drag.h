#pragma once

namespace veltra::core {

class ChartModel;

// Zooming and legend moving with Shift and the mouse.
//
// Shift and mouse down within 3 pixels of the visible legend's top-left
// corner starts a legend drag; anywhere else a zoom drag, which first saves
// each axis's AutoSizing, Min and Max when no zoom is in force. On mouse up
// a legend drag puts the legend's corner at the pointer; a zoom band wider
// and taller than 4 pixels becomes the new ranges (at least a thousandth of
// the range before the first zoom, so a zoom can never collapse an axis);
// a smaller one (a Shift-click) restores the state before the first zoom.
class ChartDrag {
public:
  enum class Mode { None, Zoom, Legend };

  // Returns whether a drag started.
  bool mouseDown(ChartModel& chart, int x, int y, bool shift);
  void mouseMove(int x, int y);
  void mouseUp(ChartModel& chart, int x, int y);
  // Ends a drag without effect (the mouse left, the window lost focus).
  void cancel() { m_mode = Mode::None; }

  Mode mode() const { return m_mode; }
  bool zoomed() const { return m_zoomed; }
  int startX() const { return m_startX; }
  int startY() const { return m_startY; }
  int currentX() const { return m_x; }
  int currentY() const { return m_y; }

private:
  struct SavedAxis {
    bool autoSizing = true;
    double min = 0, max = 1;           // the stored limits
    double shownMin = 0, shownMax = 1; // the limits drawn with
  };
  void restore(ChartModel& chart);
  void zoomTo(ChartModel& chart, int left, int top, int right, int bottom);

  Mode m_mode = Mode::None;
  int m_startX = 0, m_startY = 0, m_x = 0, m_y = 0;
  bool m_zoomed = false;
  SavedAxis m_saved[3];
};

} // namespace veltra::core
