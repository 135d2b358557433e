#pragma once

namespace veltra::core {

// Capacities of a project. They are part of the file formats and of the
// controller's addressing and never change.
inline constexpr int kLoops = 200;           // control loops 1..200
inline constexpr int kCols = 15;             // grid columns 0..14
inline constexpr int kRows = 15;             // grid rows 0..14
inline constexpr int kWires = 100;           // connections 1..100 per kind and loop
inline constexpr int kDests = 20;            // destinations per connection
inline constexpr int kSignals = 256;         // signals of A, E, F, H, I, M, Q
inline constexpr int kVSignals = 9216;       // internal signals V
inline constexpr int kPrograms = 32;         // time switch programs S
inline constexpr int kPointsPerProgram = 10; // switching points per program
inline constexpr int kConstants = 256;       // FWert 1..256
inline constexpr int kTextLen = 21;          // characters of a TSignalText
inline constexpr int kParamsSize = 128;      // bytes of TCell::params
inline constexpr int kMaxModuleHeight = 5;

inline constexpr bool validLoop(int loop) { return loop >= 1 && loop <= kLoops; }
inline constexpr bool validCol(int col) { return col >= 0 && col < kCols; }
inline constexpr bool validRow(int row) { return row >= 0 && row < kRows; }
inline constexpr bool validWire(int n) { return n >= 1 && n <= kWires; }

} // namespace veltra::core
