#pragma once

#include "core/print/report.h"

#include <functional>

class QPainter;

namespace veltra::gui {

// Draws the pages of the core's report. The painter's coordinates must be
// units of the 300 dpi page (see printPageTransform); loop pictures are
// drawn by the given function into their square.
class ReportPainter {
public:
  using PictureDrawer = std::function<void(QPainter&, const core::PagePicture&)>;

  explicit ReportPainter(PictureDrawer pictures = {}) : m_pictures(std::move(pictures)) {}

  void paintPage(QPainter& g, const core::ReportPage& page) const;
  static void paintText(QPainter& g, const core::PageText& text);
  // Cell frames in dark grey, heading row and the first two columns in the
  // grid's fixed colour, texts padded left and centred vertically.
  static void paintGrid(QPainter& g, const core::PageGrid& grid);

private:
  PictureDrawer m_pictures;
};

} // namespace veltra::gui
