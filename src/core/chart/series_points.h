#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace veltra::core {

struct ValueLimits {
  double min = 0, max = 0;
  bool operator==(const ValueLimits&) const = default;
};

// The points of a series in x order, in contiguous arrays. Besides x and y
// each point has two further values, 0 for points added without them; they
// take memory only once a point has one.
//
// For drawing, the y values are summarised in blocks of kBlock points (the
// minimum and maximum of each, and whether it holds a NaN, a gap in the
// line), so that the extremes of a long run of points cost one look per
// block.
class SeriesPoints {
public:
  static constexpr std::size_t kBlock = 64;
  struct Block {
    double min, max; // of the non-NaN y values; +inf / -inf when there are none
    bool gap;        // holds a NaN y
  };

  std::size_t size() const { return m_x.size(); }
  bool empty() const { return m_x.empty(); }
  std::span<const double> x() const { return m_x; }
  std::span<const double> y() const { return m_y; }
  // The further value 0 or 1 of point i.
  double extra(std::size_t i, int which) const {
    return m_withExtras ? m_extra[2 * i + static_cast<std::size_t>(which)] : 0;
  }
  bool hasExtras() const { return m_withExtras; }
  const std::vector<Block>& blocks() const { return m_blocks; }

  // Adds a point: appended when x is not below the last x, except that the
  // last point takes the new values when duplicates are not allowed and x
  // lies within `tolerance` of the last x; inserted in x order otherwise
  // (after points of equal x). A NaN x has no place and is refused (false).
  bool add(double x, double y, double e1, double e2, bool duplicatesAllowed, double tolerance);
  void reserve(std::size_t n);
  void clear();

  // The limits of the finite y values, or of the positive ones (for a
  // logarithmic axis); nothing when there are none.
  std::optional<ValueLimits> yLimits() const;
  std::optional<ValueLimits> positiveYLimits() const;
  // The limits of the finite x values.
  std::optional<ValueLimits> xLimits() const;
  std::optional<ValueLimits> positiveXLimits() const;

private:
  void rebuildBlocksFrom(std::size_t point);
  void extendLastBlock(double y);
  static std::optional<ValueLimits> limitsOf(std::span<const double> values, bool positiveOnly);

  std::vector<double> m_x, m_y, m_extra;
  std::vector<Block> m_blocks;
  bool m_withExtras = false;
  // Cached limits of the finite y values; recomputed after a change that
  // may have removed an extreme.
  mutable bool m_yLimitsValid = true;
  mutable std::optional<ValueLimits> m_yLimits;
};

} // namespace veltra::core
