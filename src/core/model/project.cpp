#include "core/model/project.h"

#include <algorithm>
#include <cstring>

namespace veltra::core {

std::span<TSignalText> SignalTables::group(SignalGroup g) {
  switch (g) {
  case SignalGroup::A:
    return m_a;
  case SignalGroup::E:
    return m_e;
  case SignalGroup::F:
    return m_f;
  case SignalGroup::H:
    return m_h;
  case SignalGroup::I:
    return m_i;
  case SignalGroup::M:
    return m_m;
  case SignalGroup::Q:
    return m_q;
  case SignalGroup::V:
    return m_v;
  case SignalGroup::S:
    return m_s;
  }
  return {};
}

std::span<const TSignalText> SignalTables::group(SignalGroup g) const {
  return const_cast<SignalTables*>(this)->group(g);
}

TSignalText* SignalTables::at(SignalGroup g, long long n) {
  return inGroupRange(g, n) ? &group(g)[static_cast<std::size_t>(n)] : nullptr;
}

const TSignalText* SignalTables::at(SignalGroup g, long long n) const {
  return inGroupRange(g, n) ? &group(g)[static_cast<std::size_t>(n)] : nullptr;
}

std::string SignalTables::text(SignalGroup g, long long n) const {
  const TSignalText* t = at(g, n);
  return t != nullptr ? t->str() : std::string();
}

void SignalTables::clear() {
  for (SignalGroup g : kAllGroups)
    for (TSignalText& t : group(g))
      t.clear();
}

Project::Project() {
  resetLoops();
  SignalDesc.clear();
  SignalName.clear();
  FWert.fill(0.0);
  std::memset(SwitchPrograms.data(), 0, sizeof SwitchPrograms);
  std::memset(&ProjectData, 0, sizeof ProjectData);
  Modified = false;
}

void Project::resetLoops() {
  for (int loop = 0; loop <= kLoops; ++loop)
    resetLoop(loop);
  CurrentLoop = 1;
}

void Project::resetLoop(int loop) {
  // Index 0 is never used but is kept in a defined state.
  LoopText[loop] = loop == 0 ? "" : " ";
  LoopSampleTime[loop] = loop == 0 ? 0 : 10;
  emptyCells(loop);
  // A free connection is all -1, every byte 0xFF.
  std::memset(&XWires[loop], loop == 0 ? 0 : 0xFF, sizeof XWires[loop]);
  std::memset(&YWires[loop], loop == 0 ? 0 : 0xFF, sizeof YWires[loop]);
}

void Project::emptyCells(int loop) {
  // A whole-table fill: an empty cell is all zero but its letter.
  std::memset(&Cells[loop], 0, sizeof Cells[loop]);
  for (auto& column : Cells[loop])
    for (TCell& c : column)
      c.letter = '*';
}

void Project::InitRKreise(const SignalDefaults& defaults) {
  Modified = true;
  resetLoops();
  setSignalDefaults(defaults);
}

void Project::setSignalDefaults(const SignalDefaults& defaults) {
  auto generated = [&](SignalGroup g, const char* prefix) {
    auto desc = SignalDesc.group(g);
    auto names = SignalName.group(g);
    for (std::size_t n = 1; n < desc.size(); ++n) {
      desc[n].assign(prefix + std::to_string(n));
      names[n].clear();
    }
  };
  auto fromFile = [&](SignalGroup g, const std::vector<TSignalText>& lines, bool alsoNames) {
    auto desc = SignalDesc.group(g);
    auto names = SignalName.group(g);
    const std::size_t n = std::min(lines.size(), desc.size());
    std::copy(lines.begin() + 1, lines.begin() + static_cast<std::ptrdiff_t>(n), desc.begin() + 1);
    if (alsoNames)
      std::copy(lines.begin() + 1, lines.begin() + static_cast<std::ptrdiff_t>(n), names.begin() + 1);
    else
      for (TSignalText& t : names)
        t.clear();
  };
  fromFile(SignalGroup::A, defaults.A, false);
  fromFile(SignalGroup::E, defaults.E, false);
  generated(SignalGroup::F, "Festwert ");
  generated(SignalGroup::H, "Hilfssignal ");
  generated(SignalGroup::M, "Merker ");
  fromFile(SignalGroup::I, defaults.I, true);
  fromFile(SignalGroup::Q, defaults.Q, true);
  fromFile(SignalGroup::V, defaults.V, true);
  for (TSignalText& t : SignalDesc.group(SignalGroup::S))
    t.clear();
  // Group S has no names; emptied all the same, so that the table is defined
  // whatever the project held before.
  for (TSignalText& t : SignalName.group(SignalGroup::S))
    t.clear();
}

void Project::BildeFRArray() {
  for (int loop = 1; loop <= kLoops; ++loop)
    for (auto& column : Cells[loop])
      for (TCell& c : column)
        if (c.letter == 'F' && repairConstantNumber(c)) FWert[c.i32(0)] = c.f64(8);
}

bool Project::repairConstantNumber(TCell& f) const {
  const int n = f.i32(0);
  if (n >= 1 && n <= kConstants) return true;
  f.setI32(0, 1);
  f.setF64(8, FWert[1]);
  return false;
}

void Project::takeConstantValue(TCell& f) const {
  if (repairConstantNumber(f)) f.setF64(8, FWert[f.i32(0)]);
}

void Project::SetzeFWert(int n) {
  if (n < 1 || n > kConstants) return;
  for (int loop = 1; loop <= kLoops; ++loop)
    for (auto& column : Cells[loop])
      for (TCell& c : column)
        if (c.letter == 'F' && c.i32(0) == n) c.setF64(8, FWert[n]);
}

void Project::setzeAlleFWerte() {
  for (int loop = 1; loop <= kLoops; ++loop)
    for (auto& column : Cells[loop])
      for (TCell& c : column) {
        if (c.letter != 'F') continue;
        const int n = c.i32(0);
        if (n >= 1 && n <= kConstants) c.setF64(8, FWert[n]);
      }
}

namespace {

int nextFree(const Project::LoopWires& wires) {
  for (int n = 1; n <= kWires; ++n)
    if (wires[n].isFree()) return n;
  return 0;
}

// The cell a wire end names, or nullptr when the stored position is outside
// the grid (only in a damaged file).
TCell* cellAt(Project::LoopCells& cells, const TWireEnd& end) {
  if (!validCol(end.col) || !validRow(end.row)) return nullptr;
  return &cells[end.col][end.row];
}

void detachDestination(Project::LoopCells& cells, Project::LoopWires& wires, int n, int col, int row,
                       std::int32_t TCell::*inField, std::int32_t TCell::*outField) {
  if (validCol(col) && validRow(row)) cells[col][row].*inField = 0;
  if (!validWire(n)) return;
  TWire& w = wires[n];
  bool anyLeft = false;
  for (TWireEnd& d : w.dest) {
    if (d.col >= 0 && d.col == col && d.row == row) d = {-1, -1};
    if (d.col >= 0) anyLeft = true;
  }
  if (!anyLeft) {
    if (TCell* src = cellAt(cells, w.src)) src->*outField = 0;
    w.clear();
  }
}

void removeWire(Project::LoopCells& cells, Project::LoopWires& wires, int n, std::int32_t TCell::*inField,
                std::int32_t TCell::*outField) {
  if (!validWire(n)) return;
  TWire& w = wires[n];
  if (TCell* src = cellAt(cells, w.src)) src->*outField = 0;
  for (const TWireEnd& d : w.dest)
    if (d.col >= 0)
      if (TCell* dst = cellAt(cells, d)) dst->*inField = 0;
  w.clear();
}

} // namespace

int Project::GetNextXNr(int loop) const { return validLoop(loop) ? nextFree(XWires[loop]) : 0; }
int Project::GetNextYNr(int loop) const { return validLoop(loop) ? nextFree(YWires[loop]) : 0; }

void Project::LoescheXE(int loop, int n, int col, int row) {
  if (!validLoop(loop)) return;
  detachDestination(Cells[loop], XWires[loop], n, col, row, &TCell::XE, &TCell::XA);
  Modified = true;
}

void Project::LoescheYE(int loop, int n, int col, int row) {
  if (!validLoop(loop)) return;
  detachDestination(Cells[loop], YWires[loop], n, col, row, &TCell::YE, &TCell::YA);
  Modified = true;
}

void Project::LoescheXA(int loop, int n) {
  if (!validLoop(loop)) return;
  removeWire(Cells[loop], XWires[loop], n, &TCell::XE, &TCell::XA);
  Modified = true;
}

void Project::LoescheYA(int loop, int n) {
  if (!validLoop(loop)) return;
  removeWire(Cells[loop], YWires[loop], n, &TCell::YE, &TCell::YA);
  Modified = true;
}

bool Project::loopIsEmpty(int loop) const {
  for (const auto& column : Cells[loop])
    for (const TCell& c : column)
      if (!c.isEmpty()) return false;
  return true;
}

void Project::clearLoop(int loop) {
  Modified = true;
  resetLoop(loop);
}

void Project::clearErrors(int loop) {
  for (auto& column : Cells[loop])
    for (TCell& c : column)
      c.error = 0;
}

void Project::copySignalTextsIntoModules(int loop) {
  for (auto& column : Cells[loop])
    for (TCell& c : column) {
      auto g = groupOfLetter(static_cast<char>(c.letter));
      if (!g) continue;
      if (const TSignalText* t = SignalDesc.at(*g, c.i32(0))) c.text = *t;
    }
}

} // namespace veltra::core
