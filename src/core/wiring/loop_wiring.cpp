#include "core/wiring/loop_wiring.h"

#include "core/util/error.h"

#include <string>

namespace veltra::core {

namespace {

void checkLoop(int loop) {
  if (!validLoop(loop))
    throw Error("Regelkreis " + std::to_string(loop) + " gibt es nicht (erlaubt sind 1 bis " + std::to_string(kLoops) +
                ").");
}

void routeTable(const Project::LoopWires& wires, bool analog, WireField& field, TWiring& wiring,
                RouteSummary& summary) {
  for (int n = 1; n <= kWires; ++n) {
    const TWire& w = wires[static_cast<std::size_t>(n)];
    if (w.src.col < 0) continue;
    if (!validCol(w.src.col) || !validRow(w.src.row)) continue;
    const int x1 = outputPointX(w.src.col), y1 = pointY(w.src.row);
    const std::uint8_t id = analog ? analogId(n) : digitalId(n);
    for (const TWireEnd& d : w.dest) {
      if (d.col <= 0) continue;
      if (!validCol(d.col) || !validRow(d.row)) continue;
      const int code = wiring.FindeWeg(field, x1, y1, inputPointX(d.col), pointY(d.row), id);
      ++summary.byCode[static_cast<std::size_t>(code)];
    }
  }
}

} // namespace

int RouteSummary::calls() const {
  int n = 0;
  for (int c : byCode)
    n += c;
  return n;
}

void BildeBelegung(const Project& p, int loop, WireField& field) {
  checkLoop(loop);
  TWiring::Loesche(field, 0, 0, kFieldSize, kFieldSize);
  for (int c = 0; c < kCols; ++c)
    for (int r = 0; r < kRows; ++r) {
      const TCell& cell = p.cell(loop, c, r);
      if (!cell.isDrawable() || cell.part != 1) continue;
      if (cell.height < 1 || r + cell.height > kRows) continue;
      TWiring::Belege(field, kSubPerCell * c, kSubPerCell * r, kSubPerCell, kSubPerCell * cell.height);
    }
}

RouteSummary BildeWireArray(const Project& p, int loop, WireField& field, TWiring& wiring) {
  checkLoop(loop);
  RouteSummary summary;
  TWiring::Batch batch(wiring, field);
  routeTable(p.XWires[static_cast<std::size_t>(loop)], true, field, wiring, summary);
  routeTable(p.YWires[static_cast<std::size_t>(loop)], false, field, wiring, summary);
  return summary;
}

} // namespace veltra::core
