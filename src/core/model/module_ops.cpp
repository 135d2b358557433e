#include "core/model/module_ops.h"

#include "core/modules/catalogue.h"
#include "core/util/cp1252.h"

namespace veltra::core {

namespace {

struct PlacementRule {
  int minCol;
  int maxCol;
};

PlacementRule placementRule(char letter) {
  switch (letter) {
  case 'A':
  case 'H':
  case 'M':
  case 'Q':
    return {0, 14};
  case 'E':
  case 'F':
  case 'I':
  case 'S':
  case 'V':
    return {0, 13};
  default:
    return {1, 13};
  }
}

bool emptyOrOutside(const Project& p, int loop, int col, int row) {
  return !validCol(col) || p.cell(loop, col, row).isEmpty();
}

} // namespace

bool canPlace(const Project& p, int loop, int col, int row, char letter) {
  const ModuleType* type = moduleType(letter);
  if (type == nullptr || !validLoop(loop)) return false;
  PlacementRule rule = placementRule(letter);
  int h = type->height;
  if (col < rule.minCol || col > rule.maxCol || row < 0 || row + h - 1 > kRows - 1) return false;
  for (int k = 0; k < h; ++k) {
    if (!p.cell(loop, col, row + k).isEmpty()) return false;
    if (!emptyOrOutside(p, loop, col - 1, row + k) || !emptyOrOutside(p, loop, col + 1, row + k)) return false;
  }
  return true;
}

bool placeModule(Project& p, int loop, int col, int row, char letter) {
  if (!canPlace(p, loop, col, row, letter)) return false;
  int h = moduleType(letter)->height;
  for (int k = 0; k < h; ++k) {
    TCell& c = p.cell(loop, col, row + k);
    c.letter = static_cast<std::uint8_t>(letter);
    c.height = static_cast<std::uint8_t>(h);
    c.part = static_cast<std::uint8_t>(k + 1);
  }
  return true;
}

void createModuleDefaults(const Project& p, TCell& top) {
  const ModuleType* type = moduleType(static_cast<char>(top.letter));
  if (type == nullptr) return;
  std::memset(top.params, 0, sizeof top.params);
  for (const ParamDef& f : type->params) {
    switch (f.type) {
    case FieldType::I32:
      top.setI32(f.offset, static_cast<std::int32_t>(f.defaultValue));
      break;
    case FieldType::U8:
      top.setU8(f.offset, static_cast<std::uint8_t>(f.defaultValue));
      break;
    case FieldType::F64:
      top.setF64(f.offset, f.defaultValue);
      break;
    }
  }
  if (type->letter == 'F') p.takeConstantValue(top);
  if (type->letter == 'S') {
    top.text = *p.SignalDesc.at(SignalGroup::S, 1);
    if (top.text.empty()) top.text.assign(utf8ToCp1252(type->defaultText));
  } else if (type->signalGroup) {
    top.text = *p.SignalDesc.at(*type->signalGroup, 1);
  } else if (top.text.empty()) {
    top.text.assign(utf8ToCp1252(type->defaultText));
  }
}

int topRowOf(const TCell& c, int row) {
  int top = row - (c.part >= 1 ? c.part - 1 : 0);
  return top < 0 ? 0 : top;
}

void deleteModule(Project& p, int loop, int col, int row) {
  if (!validLoop(loop) || !validCol(col) || !validRow(row)) return;
  const TCell& hit = p.cell(loop, col, row);
  if (hit.isEmpty()) return;
  const int top = topRowOf(hit, row);
  const int height = hit.height >= 1 ? hit.height : 1;
  for (int k = 0; k < height && top + k < kRows; ++k) {
    TCell& c = p.cell(loop, col, top + k);
    const std::int32_t xe = c.XE, ye = c.YE, xa = c.XA, ya = c.YA;
    c.letter = '*';
    c.height = 0;
    c.text.clear();
    c.error = 0;
    std::memset(c.params, 0, sizeof c.params);
    if (xe > 0) p.LoescheXE(loop, xe, col, top + k);
    if (ye > 0) p.LoescheYE(loop, ye, col, top + k);
    if (xa > 0) p.LoescheXA(loop, xa);
    if (ya > 0) p.LoescheYA(loop, ya);
    // A connection that was not registered in the tables must not keep the
    // field set in an otherwise empty cell.
    c.clear();
  }
  p.Modified = true;
}

} // namespace veltra::core

namespace veltra::core {

bool canMoveModule(const Project& p, int loop, int fromCol, int fromRow, int height, int toCol, int toRow) {
  if (!validLoop(loop) || !validCol(toCol) || toRow < 0 || height < 1 || toRow + height - 1 > kRows - 1) return false;
  for (int k = 0; k < height; ++k) {
    const TCell& c = p.cell(loop, toCol, toRow + k);
    const bool own = toCol == fromCol && toRow + k >= fromRow && toRow + k <= fromRow + height - 1;
    if (!c.isEmpty() && !own) return false;
  }
  return true;
}

namespace {

void moveDestination(Project::LoopWires& wires, int oldCol, int oldRow, int newCol, int newRow) {
  for (int n = 1; n <= kWires; ++n)
    for (TWireEnd& d : wires[n].dest)
      if (d.col >= 0 && d.col == oldCol && d.row == oldRow) {
        d = {newCol, newRow};
        return;
      }
}

} // namespace

void moveModule(Project& p, int loop, const TCell* cells, int height, int fromCol, int fromRow, int toCol, int toRow) {
  p.Modified = true;
  for (int k = 0; k < height; ++k)
    if (validRow(fromRow + k)) p.cell(loop, fromCol, fromRow + k).clear();
  // Moving down in the same column, the lowest row goes first, so that an
  // end already moved is never taken for one still to move.
  const bool downInColumn = toCol == fromCol && fromRow < toRow;
  for (int i = 0; i < height; ++i) {
    const int k = downInColumn ? height - 1 - i : i;
    const TCell& c = cells[k];
    const int oldRow = fromRow + k, newRow = toRow + k;
    if (c.XE > 0) moveDestination(p.XWires[loop], fromCol, oldRow, toCol, newRow);
    if (c.YE > 0) moveDestination(p.YWires[loop], fromCol, oldRow, toCol, newRow);
    if (validWire(c.XA)) p.XWires[loop][c.XA].src = {toCol, newRow};
    if (validWire(c.YA)) p.YWires[loop][c.YA].src = {toCol, newRow};
  }
  for (int k = 0; k < height; ++k)
    p.cell(loop, toCol, toRow + k) = cells[k];
}

} // namespace veltra::core
