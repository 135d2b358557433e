#include "core/chart/series_points.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace veltra::core {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

void widen(std::optional<ValueLimits>& limits, double v) {
  if (!limits)
    limits = ValueLimits{v, v};
  else {
    limits->min = std::min(limits->min, v);
    limits->max = std::max(limits->max, v);
  }
}

} // namespace

void SeriesPoints::reserve(std::size_t n) {
  m_x.reserve(n);
  m_y.reserve(n);
  m_blocks.reserve(n / kBlock + 1);
}

void SeriesPoints::clear() {
  m_x.clear();
  m_y.clear();
  m_extra.clear();
  m_withExtras = false;
  m_blocks.clear();
  m_yLimits.reset();
  m_yLimitsValid = true;
}

void SeriesPoints::extendLastBlock(double y) {
  if ((m_x.size() - 1) % kBlock == 0) m_blocks.push_back({kInf, -kInf, false});
  Block& b = m_blocks.back();
  if (std::isnan(y)) {
    b.gap = true;
  } else {
    b.min = std::min(b.min, y);
    b.max = std::max(b.max, y);
  }
}

void SeriesPoints::rebuildBlocksFrom(std::size_t point) {
  const std::size_t first = point / kBlock;
  m_blocks.resize(first);
  const std::size_t n = m_x.size();
  for (std::size_t b = first; b * kBlock < n; ++b) {
    Block block{kInf, -kInf, false};
    for (std::size_t i = b * kBlock; i < std::min(n, (b + 1) * kBlock); ++i) {
      const double y = m_y[i];
      if (std::isnan(y)) {
        block.gap = true;
      } else {
        block.min = std::min(block.min, y);
        block.max = std::max(block.max, y);
      }
    }
    m_blocks.push_back(block);
  }
}

bool SeriesPoints::add(double x, double y, double e1, double e2, bool duplicatesAllowed, double tolerance) {
  if (std::isnan(x)) return false;
  const bool extras = e1 != 0 || e2 != 0;
  if (extras && !m_withExtras) {
    m_extra.assign(2 * m_x.size(), 0.0);
    m_withExtras = true;
  }

  if (!m_x.empty() && !(x < m_x.back()) && !duplicatesAllowed && std::fabs(x - m_x.back()) <= tolerance) {
    const std::size_t last = m_x.size() - 1;
    m_x[last] = x;
    m_y[last] = y;
    if (m_withExtras) {
      m_extra[2 * last] = e1;
      m_extra[2 * last + 1] = e2;
    }
    rebuildBlocksFrom(last);
    m_yLimitsValid = false;
    return true;
  }

  std::size_t at = m_x.size();
  if (!m_x.empty() && x < m_x.back())
    at = static_cast<std::size_t>(std::upper_bound(m_x.begin(), m_x.end(), x) - m_x.begin());
  if (at == m_x.size()) {
    m_x.push_back(x);
    m_y.push_back(y);
    if (m_withExtras) {
      m_extra.push_back(e1);
      m_extra.push_back(e2);
    }
    extendLastBlock(y);
  } else {
    m_x.insert(m_x.begin() + static_cast<std::ptrdiff_t>(at), x);
    m_y.insert(m_y.begin() + static_cast<std::ptrdiff_t>(at), y);
    if (m_withExtras) m_extra.insert(m_extra.begin() + static_cast<std::ptrdiff_t>(2 * at), {e1, e2});
    rebuildBlocksFrom(at);
  }
  if (m_yLimitsValid && std::isfinite(y)) widen(m_yLimits, y);
  return true;
}

std::optional<ValueLimits> SeriesPoints::limitsOf(std::span<const double> values, bool positiveOnly) {
  std::optional<ValueLimits> limits;
  for (double v : values)
    if (std::isfinite(v) && (!positiveOnly || v > 0)) widen(limits, v);
  return limits;
}

std::optional<ValueLimits> SeriesPoints::yLimits() const {
  if (!m_yLimitsValid) {
    // The blocks hold the extremes, so only blocks that reach an infinity
    // need a look at their points.
    m_yLimits.reset();
    for (std::size_t b = 0; b < m_blocks.size(); ++b) {
      const Block& block = m_blocks[b];
      if (std::isfinite(block.min) && std::isfinite(block.max)) {
        widen(m_yLimits, block.min);
        widen(m_yLimits, block.max);
      } else if (block.min <= block.max) {
        const std::size_t end = std::min(m_y.size(), (b + 1) * kBlock);
        const auto part = limitsOf(std::span<const double>(m_y).subspan(b * kBlock, end - b * kBlock), false);
        if (part) {
          widen(m_yLimits, part->min);
          widen(m_yLimits, part->max);
        }
      }
    }
    m_yLimitsValid = true;
  }
  return m_yLimits;
}

std::optional<ValueLimits> SeriesPoints::positiveYLimits() const {
  const auto all = yLimits();
  if (all && all->min > 0) return all;
  return limitsOf(m_y, true);
}

std::optional<ValueLimits> SeriesPoints::xLimits() const {
  // x is sorted: the finite limits lie at the ends, past any infinities.
  const auto first = std::find_if(m_x.begin(), m_x.end(), [](double v) { return std::isfinite(v); });
  if (first == m_x.end()) return std::nullopt;
  const auto last = std::find_if(m_x.rbegin(), m_x.rend(), [](double v) { return std::isfinite(v); });
  return ValueLimits{*first, *last};
}

std::optional<ValueLimits> SeriesPoints::positiveXLimits() const {
  const auto first = std::upper_bound(m_x.begin(), m_x.end(), 0.0);
  const auto lastFinite = std::find_if(m_x.rbegin(), m_x.rend(), [](double v) { return std::isfinite(v); });
  if (first == m_x.end() || !std::isfinite(*first) || lastFinite == m_x.rend() || *lastFinite <= 0) return std::nullopt;
  return ValueLimits{*first, *lastFinite};
}

} // namespace veltra::core
