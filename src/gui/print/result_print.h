#pragma once

#include <QStringList>

class QPagedPaintDevice;
class QPainter;

namespace veltra::gui {

// The result window's "Drucken": its lines from (200, 200) of the 300 dpi
// page, one text height apart, inside a black frame 200 units from the page
// edges. Lines that do not fit continue on further pages, each with its
// frame, instead of being cut off at the page's end.
void paintResultLines(QPainter& g, QPagedPaintDevice& device, const QStringList& lines);

// Lines per page of that printout on a page `height` units high.
int resultLinesPerPage(int height);

} // namespace veltra::gui
