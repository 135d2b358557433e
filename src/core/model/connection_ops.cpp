#include "core/model/connection_ops.h"

namespace veltra::core {

bool addDestination(Project& p, int loop, bool analog, int n, int srcCol, int srcRow, int dstCol, int dstRow) {
  if (!validLoop(loop) || !validWire(n) || !validCol(srcCol) || !validRow(srcRow) || !validCol(dstCol) ||
      !validRow(dstRow))
    return false;
  TWire& w = analog ? p.XWires[loop][n] : p.YWires[loop][n];
  for (TWireEnd& d : w.dest) {
    if (d.col != -1) continue;
    d = {dstCol, dstRow};
    TCell& src = p.cell(loop, srcCol, srcRow);
    TCell& dst = p.cell(loop, dstCol, dstRow);
    (analog ? src.XA : src.YA) = n;
    (analog ? dst.XE : dst.YE) = n;
    w.src = {srcCol, srcRow};
    p.Modified = true;
    return true;
  }
  return false;
}

} // namespace veltra::core
