#include "core/chart/series_path.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace veltra::core {

namespace {

// The index range of the points that can show in the clip's columns, with
// one more at each side for the lines that come in from beyond.
struct VisibleRange {
  std::size_t begin, end;
};

// Column keys grow with the index even on a reversed x axis.
int columnKey(const AxisMapping& x, double v) { return x.direction * x.toPixel(v); }

VisibleRange visibleRange(const SeriesPoints& points, const AxisMapping& x, int left, int right, bool withNeighbours) {
  const auto xs = points.x();
  std::size_t first = 0;
  if (x.log) first = static_cast<std::size_t>(std::upper_bound(xs.begin(), xs.end(), 0.0) - xs.begin());
  const int keyLo = x.direction > 0 ? left : -right, keyHi = x.direction > 0 ? right : -left;
  const auto begin = xs.begin() + static_cast<std::ptrdiff_t>(first);
  const auto lo = std::partition_point(begin, xs.end(), [&](double v) { return columnKey(x, v) < keyLo; });
  const auto hi = std::partition_point(lo, xs.end(), [&](double v) { return columnKey(x, v) <= keyHi; });
  std::size_t b = static_cast<std::size_t>(lo - xs.begin()), e = static_cast<std::size_t>(hi - xs.begin());
  if (withNeighbours) {
    if (b > first) --b;
    if (e < xs.size()) ++e;
  }
  return {b, e};
}

// The first index after `from` (a point of column `key`) whose column lies
// beyond `key`. The search starts where the previous column's size points
// to and gallops from there, so that it reads points next to those just
// read: with evenly spaced samples it lands at once, where a plain binary
// search over millions of points would miss the cache at every step.
std::size_t columnEnd(const AxisMapping& x, std::span<const double> xs, std::size_t from, std::size_t end, int key,
                      std::size_t hint) {
  const auto inColumn = [&](std::size_t k) { return columnKey(x, xs[k]) <= key; };
  const std::size_t guess = std::min(end, from + std::max<std::size_t>(hint, 1));
  std::size_t lo = from, hi = guess; // inColumn(lo); hi == end or !inColumn(hi)
  if (guess < end && inColumn(guess)) {
    lo = guess;
    for (std::size_t step = 1;; step *= 2) {
      hi = std::min(end, lo + step);
      if (hi == end || !inColumn(hi)) break;
      lo = hi;
    }
  } else {
    for (std::size_t step = 1; hi > from + 1; step *= 2) {
      const std::size_t back = hi - std::min(step, hi - from - 1);
      if (inColumn(back)) {
        lo = back;
        break;
      }
      hi = back;
    }
  }
  const auto first = xs.begin() + static_cast<std::ptrdiff_t>(lo);
  return static_cast<std::size_t>(std::partition_point(first, xs.begin() + static_cast<std::ptrdiff_t>(hi),
                                                       [&](double v) { return columnKey(x, v) <= key; }) -
                                  xs.begin());
}

class PathBuilder {
public:
  PathBuilder(const AxisMapping& y, SeriesPath& out) : m_y(y), m_out(out) {}
  void point(int px, double v) {
    const PixelPoint p{px, m_y.toPixel(v)};
    if (m_open && m_out.points.back() == p) return;
    m_out.points.push_back(p);
    m_open = true;
  }
  void gap() {
    if (!m_open) return;
    m_out.runEnds.push_back(m_out.points.size());
    m_open = false;
  }
  bool validY(double v) const { return m_y.log ? v > 0 : !std::isnan(v); }
  // The M4 points of a column: first, lowest, highest, last.
  void column(int px, double first, double low, double high, double last) {
    point(px, first);
    point(px, low);
    point(px, high);
    point(px, last);
  }

private:
  const AxisMapping& m_y;
  SeriesPath& m_out;
  bool m_open = false;
};

// The lowest and highest y of points [i, j) by the block summaries, or
// false when a gap lies among them.
bool extremes(const SeriesPoints& points, std::size_t i, std::size_t j, bool log, double& low, double& high) {
  const auto ys = points.y();
  const auto& blocks = points.blocks();
  constexpr std::size_t B = SeriesPoints::kBlock;
  low = std::numeric_limits<double>::infinity();
  high = -low;
  auto scan = [&](std::size_t a, std::size_t b) {
    for (std::size_t k = a; k < b; ++k) {
      const double v = ys[k];
      if (std::isnan(v)) return false;
      low = std::min(low, v);
      high = std::max(high, v);
    }
    return true;
  };
  std::size_t k = i;
  const std::size_t headEnd = std::min(j, (i + B - 1) / B * B);
  if (!scan(k, headEnd)) return false;
  for (k = headEnd; k + B <= j; k += B) {
    const auto& block = blocks[k / B];
    if (block.gap) return false;
    low = std::min(low, block.min);
    high = std::max(high, block.max);
  }
  if (!scan(k, j)) return false;
  return !log || low > 0;
}

} // namespace

void buildSeriesPath(const SeriesPoints& points, const AxisMapping& x, const AxisMapping& y, const PixelClip& clip,
                     bool decimate, SeriesPath& out) {
  out.clear();
  const auto xs = points.x();
  const auto ys = points.y();
  const VisibleRange r = visibleRange(points, x, clip.left, clip.right, true);
  PathBuilder path(y, out);
  std::size_t i = r.begin, previousColumn = 1;
  while (i < r.end) {
    const int key = columnKey(x, xs[i]);
    const int px = x.direction * key;
    // Few points in this column: take them as they are.
    std::size_t j = i + 1;
    while (j < r.end && j < i + 8 && columnKey(x, xs[j]) == key)
      ++j;
    if (decimate && j == i + 8 && j < r.end && columnKey(x, xs[j]) == key)
      j = columnEnd(x, xs, j, r.end, key, previousColumn);
    previousColumn = j - i;
    double low, high;
    if (decimate && j - i > 4 && extremes(points, i, j, y.log, low, high)) {
      path.column(px, ys[i], low, high, ys[j - 1]);
    } else if (decimate && j - i > 4) {
      // Gaps within the column: M4 on each stretch between them.
      std::size_t k = i;
      while (k < j) {
        if (!path.validY(ys[k])) {
          path.gap();
          ++k;
          continue;
        }
        std::size_t e = k;
        double lo = ys[k], hi = ys[k];
        while (e < j && path.validY(ys[e])) {
          lo = std::min(lo, ys[e]);
          hi = std::max(hi, ys[e]);
          ++e;
        }
        path.column(px, ys[k], lo, hi, ys[e - 1]);
        k = e;
      }
    } else {
      for (std::size_t k = i; k < j; ++k) {
        if (path.validY(ys[k]))
          path.point(px, ys[k]);
        else
          path.gap();
      }
    }
    i = j;
  }
  path.gap();
}

void seriesMarks(const SeriesPoints& points, const AxisMapping& x, const AxisMapping& y, const PixelClip& clip,
                 int reach, std::vector<PixelPoint>& out) {
  out.clear();
  const PixelClip area{clip.left - reach, clip.top - reach, clip.right + reach, clip.bottom + reach};
  if (area.right < area.left || area.bottom < area.top) return;
  const std::size_t w = static_cast<std::size_t>(area.right - area.left + 1);
  const std::size_t h = static_cast<std::size_t>(area.bottom - area.top + 1);
  std::vector<bool> seen(w * h, false);
  const VisibleRange r = visibleRange(points, x, area.left, area.right, false);
  const auto xs = points.x();
  const auto ys = points.y();
  for (std::size_t i = r.begin; i < r.end; ++i) {
    if (!(y.log ? ys[i] > 0 : !std::isnan(ys[i]))) continue;
    const PixelPoint p{x.toPixel(xs[i]), y.toPixel(ys[i])};
    if (p.x < area.left || p.x > area.right || p.y < area.top || p.y > area.bottom) continue;
    const std::size_t at = static_cast<std::size_t>(p.y - area.top) * w + static_cast<std::size_t>(p.x - area.left);
    if (seen[at]) continue;
    seen[at] = true;
    out.push_back(p);
  }
}

} // namespace veltra::core
