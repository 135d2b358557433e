#pragma once

#include "core/model/limits.h"
#include "core/model/signal_defaults.h"
#include "core/model/signal_group.h"
#include "core/model/types.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veltra::core {

// Description or name table of every signal group, indexed from 1 (entry 0 is
// never used).
class SignalTables {
public:
  std::span<TSignalText> group(SignalGroup g);
  std::span<const TSignalText> group(SignalGroup g) const;
  // nullptr when n lies outside 1..groupSize(g).
  TSignalText* at(SignalGroup g, long long n);
  const TSignalText* at(SignalGroup g, long long n) const;
  // The text of signal n, empty when n is out of range.
  std::string text(SignalGroup g, long long n) const;
  void clear();

private:
  std::array<TSignalText, kSignals + 1> m_a, m_e, m_f, m_h, m_i, m_m, m_q;
  std::array<TSignalText, kVSignals + 1> m_v;
  std::array<TSignalText, kPrograms + 1> m_s;
};

using SwitchProgramTable = std::array<std::array<TSwitchPoint, kPointsPerProgram>, kPrograms>;
static_assert(sizeof(SwitchProgramTable) == 5120);

// The whole project: every table has its full size for the life of the
// object; nothing is allocated per module or connection. Loops, connections
// and signals are numbered from 1 as the engineer sees them; index 0 of those
// tables is unused. About 15 MB: create it on the heap.
class Project {
public:
  using LoopCells = std::array<std::array<TCell, kRows>, kCols>; // [column][row]
  using LoopWires = std::array<TWire, kWires + 1>;               // [1..100]

  Project();

  std::array<LoopCells, kLoops + 1> Cells;  // [loop][column][row]
  std::array<LoopWires, kLoops + 1> XWires; // analog connections
  std::array<LoopWires, kLoops + 1> YWires; // digital connections
  std::array<std::string, kLoops + 1> LoopText;
  std::array<std::int32_t, kLoops + 1> LoopSampleTime;
  SignalTables SignalDesc;
  SignalTables SignalName; // no group S
  std::array<double, kConstants + 1> FWert;
  SwitchProgramTable SwitchPrograms;
  std::vector<std::string> TextList;
  std::vector<std::string> ErrorTexts;
  TProjectData ProjectData;
  bool Modified = false;
  // The loop the editor shows, 1 after every reset and load. No operation
  // of the model reads it: each takes the loop it works on.
  int CurrentLoop = 1;

  TCell& cell(int loop, int col, int row) { return Cells[loop][col][row]; }
  const TCell& cell(int loop, int col, int row) const { return Cells[loop][col][row]; }
  TSwitchPoint& switchPoint(int program, int point) { return SwitchPrograms[program - 1][point - 1]; }
  const TSwitchPoint& switchPoint(int program, int point) const { return SwitchPrograms[program - 1][point - 1]; }

  // Resets loops, connections and signal tables to an empty project, the
  // signal texts taken from `defaults`. Does not touch SwitchPrograms,
  // FWert, TextList, ProjectData.
  void InitRKreise(const SignalDefaults& defaults);
  // The loop and connection part of InitRKreise, without files.
  void resetLoops();
  // resetLoops for one loop: description " ", sample time 10, every cell
  // empty, every connection free.
  void resetLoop(int loop);
  // Every cell of a loop to the empty state.
  void emptyCells(int loop);
  // The signal table part of InitRKreise. On a freshly constructed project
  // (whose loops are already empty) it finishes InitRKreise without a second
  // pass over the loop tables.
  void setSignalDefaults(const SignalDefaults& defaults);

  void BildeFRArray();
  void SetzeFWert(int n);
  // A constant module whose number lies outside 1..256 (only from a file)
  // becomes constant 1 with the value of FWert[1]. True when the number was
  // in range (and nothing changed).
  bool repairConstantNumber(TCell& f) const;
  // The module's value := FWert of its number, after repairConstantNumber.
  void takeConstantValue(TCell& f) const;
  // SetzeFWert(n) for every n in 1..256, in one pass over the cells.
  void setzeAlleFWerte();

  // The connection operations work on the loop they are given: the editor
  // passes its CurrentLoop, printing, the live view and simulation others.
  int GetNextXNr(int loop) const;
  int GetNextYNr(int loop) const;
  void LoescheXE(int loop, int n, int col, int row);
  void LoescheYE(int loop, int n, int col, int row);
  void LoescheXA(int loop, int n);
  void LoescheYA(int loop, int n);

  bool loopIsEmpty(int loop) const;
  // Empties every cell and connection of a loop and resets its description
  // and sample time (the Delete key of the editor).
  void clearLoop(int loop);
  // Sets error := 0 in every cell of a loop.
  void clearErrors(int loop);
  // Takes the text of every signal module of `loop` from SignalDesc.
  void copySignalTextsIntoModules(int loop);

  // The shared signal number of a signal module cell (first i32 of params).
  static std::int32_t signalNumber(const TCell& c) { return c.i32(0); }
};

} // namespace veltra::core
