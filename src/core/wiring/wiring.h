#pragma once

#include "core/wiring/path_finder.h"
#include "core/wiring/wire_field.h"

#include <cstdint>
#include <memory>

namespace veltra::core {

// Result codes of FindeWeg.
inline constexpr int kWegOk = 0;
inline constexpr int kWegBadSource = 1;   // start point is no module output
inline constexpr int kWegBadTarget = 2;   // end point is no module input
inline constexpr int kWegSourceTaken = 3; // another connection leaves the source there
inline constexpr int kWegTargetTaken = 4; // a line already enters the input
inline constexpr int kWegNoPath = 5;

// The router: lays connection lines into a WireField. The object only holds
// the search buffers, so the owner keeps one for the life of the program;
// the field itself is passed in.
class TWiring {
public:
  explicit TWiring(RouterKind kind = RouterKind::Fast);
  TWiring(const TWiring&) = delete;
  TWiring& operator=(const TWiring&) = delete;

  RouterKind kind() const { return m_kind; }

  // Clears all five bytes of the sub-cells x..x+w-1, y..y+h-1; the part
  // outside the field is ignored.
  static void Loesche(WireField& field, int x, int y, int w, int h);
  // Marks the same kind of rectangle as module area; sides stay as they are.
  static void Belege(WireField& field, int x, int y, int w, int h);

  // Routes one line of connection `id` from the output point (x1, y1) of a
  // source cell to the input point (x2, y2) of a destination cell. Returns
  // kWegOk or the highest number of the checks that failed (then nothing is
  // changed), or kWegNoPath when no way was found.
  int FindeWeg(WireField& field, int x1, int y1, int x2, int y2, std::uint8_t id);

  // The A* search from (sx, sy) to (tx, ty); on success the path is marked.
  // Points outside the field find nothing.
  bool FindPath(WireField& field, int sx, int sy, int tx, int ty, std::uint8_t id);

  // Marks a run of FindeWeg calls on one field that nothing else changes
  // meanwhile (Loesche and Belege included), as in BildeWireArray; the fast
  // router then reuses what failed searches found out.
  class Batch {
  public:
    Batch(TWiring& wiring, const WireField& field) : m_wiring(wiring) { m_wiring.m_finder->beginBatch(field); }
    ~Batch() { m_wiring.m_finder->endBatch(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

  private:
    TWiring& m_wiring;
  };

private:
  RouterKind m_kind;
  std::unique_ptr<PathFinder> m_finder;
};

} // namespace veltra::core
