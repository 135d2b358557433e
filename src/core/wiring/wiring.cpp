#include "core/wiring/wiring.h"

#include <algorithm>

namespace veltra::core {

namespace {

// Calls `fn` for every sub-cell of the rectangle that lies in the field.
// Wide arithmetic, so that no argument can overflow.
template <typename Fn> void forRect(WireField& field, int x, int y, int w, int h, Fn fn) {
  if (w < 1 || h < 1) return;
  const long long x0 = std::max<long long>(x, 0), y0 = std::max<long long>(y, 0);
  const long long x1 = std::min<long long>(static_cast<long long>(x) + w, kFieldSize);
  const long long y1 = std::min<long long>(static_cast<long long>(y) + h, kFieldSize);
  for (long long i = x0; i < x1; ++i)
    for (long long j = y0; j < y1; ++j)
      fn(field.at(static_cast<int>(i), static_cast<int>(j)));
}

bool inFieldWide(long long i, long long j) { return i >= 0 && i < kFieldSize && j >= 0 && j < kFieldSize; }

} // namespace

TWiring::TWiring(RouterKind kind) : m_kind(kind), m_finder(makePathFinder(kind)) {}

void TWiring::Loesche(WireField& field, int x, int y, int w, int h) {
  forRect(field, x, y, w, h, [](TWireCell& c) { c = TWireCell{}; });
}

void TWiring::Belege(WireField& field, int x, int y, int w, int h) {
  forRect(field, x, y, w, h, [](TWireCell& c) { c.state = kBlocked; });
}

bool TWiring::FindPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id) {
  if (!inField(sx, sy) || !inField(tx, ty)) return false;
  return m_finder->FindPath(field, sx, sy, tx, ty, id);
}

int TWiring::FindeWeg(WireField& field, int x1, int y1, int x2, int y2, std::uint8_t id) {
  // Every check is made; the highest failing number is the result. A sub-cell
  // outside the field fails its check.
  int result = kWegOk;
  if (!inField(x1, y1) || field.at(x1, y1).state != kBlocked || x1 >= kFieldSize - 1) result = kWegBadSource;
  if (!inField(x2, y2) || field.at(x2, y2).state != kBlocked || x2 <= 0) result = kWegBadTarget;
  if (!inFieldWide(x1 + 1LL, y1)) {
    result = kWegSourceTaken;
  } else {
    const std::uint8_t left = field.at(x1 + 1, y1).left;
    if (left != 0 && left != id) result = kWegSourceTaken;
  }
  if (!inFieldWide(x2 - 1LL, y2) || field.at(x2 - 1, y2).right != 0) result = kWegTargetTaken;
  if (result != kWegOk) return result;

  // The line's contact with the two modules.
  std::uint8_t& sourceSide = field.at(x1 + 1, y1).left;
  std::uint8_t& targetSide = field.at(x2 - 1, y2).right;
  const std::uint8_t oldSourceSide = sourceSide;
  sourceSide = id;
  targetSide = id;
  if (FindPath(field, x1 + 1, y1, x2 - 1, y2, id)) return kWegOk;
  // The source contact may belong to a line already laid for another
  // destination of this connection; that one must stay connected.
  sourceSide = oldSourceSide;
  targetSide = 0;
  return kWegNoPath;
}

} // namespace veltra::core
