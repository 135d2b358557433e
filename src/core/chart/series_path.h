#pragma once

#include "core/chart/axis_mapping.h"
#include "core/chart/series_points.h"

#include <cstddef>
#include <vector>

namespace veltra::core {

struct PixelPoint {
  int x, y;
  bool operator==(const PixelPoint&) const = default;
};

// The lines of a series in device pixels: polylines that end at gaps (a NaN
// y, or a value a log axis cannot show). A polyline of one point is a lone
// sample between gaps, drawn as a dot.
struct SeriesPath {
  std::vector<PixelPoint> points;
  std::vector<std::size_t> runEnds; // end (exclusive) of each polyline in `points`
  void clear() {
    points.clear();
    runEnds.clear();
  }
};

// The visible device columns and rows (inclusive); points beyond them
// matter only for the lines that cross into view.
struct PixelClip {
  int left, top, right, bottom;
};

// Builds the polylines of a series for the clip. With `decimate`, each pixel
// column keeps only its first, lowest, highest and last point (M4): the
// vertical segments within a column then cover the same pixels as the
// segments between all its points, and the segments between columns are
// the same, so a 1-pixel line looks exactly as drawn through every point
// while millions of points cost a few per column. Consecutive points on the
// same pixel are kept once in both forms.
void buildSeriesPath(const SeriesPoints& points, const AxisMapping& x, const AxisMapping& y, const PixelClip& clip,
                     bool decimate, SeriesPath& out);

// The pixel positions of the point marks of a series whose marks reach into
// the clip (`reach` pixels around a mark's centre), each position once:
// marks drawn at the same place again would not change the picture.
void seriesMarks(const SeriesPoints& points, const AxisMapping& x, const AxisMapping& y, const PixelClip& clip,
                 int reach, std::vector<PixelPoint>& out);

} // namespace veltra::core
