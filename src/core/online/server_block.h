#pragma once

#include "core/compiler/module_table.h"
#include "core/model/project.h"
#include "core/model/signal_group.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

namespace veltra::core {

// The communication server's shared block: what the controller runs and its
// live values. The tool and the server stand-in reach it only through
// ServerBlock, which refuses every index outside its area.
inline constexpr std::size_t kServerBlockSize = 507920;
inline constexpr char kDefaultBlockName[] = "/VTR_PC_MEM";

enum class BlockArea : std::uint8_t {
  Checksum,          // 4 x u32, words 0..3
  E,                 // analog inputs
  A,                 // analog outputs
  H,                 // auxiliary analog signals
  F,                 // fixed values
  V,                 // internal variables
  AnalogConnection,  // by global connection number (L - 1) * 100 + k
  DigitalConnection, // the same for digital connections
  M,                 // digital markers
  I,                 // digital inputs
  Q,                 // digital outputs
  S,                 // time switch outputs
  SwitchPrograms,    // the controller's 5120 bytes of SwitchPrograms
};

enum class BlockElement : std::uint8_t { Word32, Double, Bit, Bytes };

// One area: element n (first <= n <= last) lies at base + n * size.
struct BlockAreaLayout {
  BlockArea area;
  BlockElement element;
  std::size_t base;
  std::size_t size;
  int first;
  int last;
  std::string_view name;

  constexpr std::size_t offsetOf(int n) const { return base + static_cast<std::size_t>(n) * size; }
  // The first byte after the area's last element.
  constexpr std::size_t end() const { return offsetOf(last) + size; }
  constexpr bool contains(long long n) const { return n >= first && n <= last; }
};

inline constexpr int kGlobalConnections = kLoops * kWires; // 20000 per kind

// The layout, in block order. Signal areas keep their unused slot 0, so that
// their byte ranges run on without gaps: E's slot 0 starts right after the
// checksum words.
inline constexpr std::array<BlockAreaLayout, 13> kBlockLayout = {{
    {BlockArea::Checksum, BlockElement::Word32, 0, 4, 0, 3, "Prüfsumme"},
    {BlockArea::E, BlockElement::Double, 16, 8, 1, kSignals, "analoge Eingänge"},
    {BlockArea::A, BlockElement::Double, 2072, 8, 1, kSignals, "analoge Ausgänge"},
    {BlockArea::H, BlockElement::Double, 4128, 8, 1, kSignals, "analoge Merker"},
    {BlockArea::F, BlockElement::Double, 6184, 8, 1, kSignals, "Festwerte"},
    {BlockArea::V, BlockElement::Double, 8240, 8, 1, kVSignals, "interne Variable"},
    {BlockArea::AnalogConnection, BlockElement::Double, 81976, 8, 1, kGlobalConnections, "analoge Verbindungen"},
    {BlockArea::DigitalConnection, BlockElement::Bit, 241984, 1, 1, kGlobalConnections, "digitale Verbindungen"},
    {BlockArea::M, BlockElement::Bit, 261985, 1, 1, kSignals, "digitale Merker"},
    {BlockArea::I, BlockElement::Bit, 262242, 1, 1, kSignals, "digitale Eingänge"},
    {BlockArea::Q, BlockElement::Bit, 262499, 1, 1, kSignals, "digitale Ausgänge"},
    {BlockArea::S, BlockElement::Bit, 502760, 1, 1, kPrograms, "Schaltuhren"},
    {BlockArea::SwitchPrograms, BlockElement::Bytes, 502796, 1, 0, 5119, "Schaltuhrprogramme"},
}};

constexpr const BlockAreaLayout& layoutOf(BlockArea a) { return kBlockLayout[static_cast<std::size_t>(a)]; }

// The block area of a signal group, in the order of SignalGroup.
constexpr BlockArea areaOf(SignalGroup g) {
  constexpr BlockArea areas[] = {BlockArea::A, BlockArea::E, BlockArea::F, BlockArea::H, BlockArea::I,
                                 BlockArea::M, BlockArea::Q, BlockArea::V, BlockArea::S};
  return areas[static_cast<int>(g)];
}
static_assert(areaOf(SignalGroup::S) == BlockArea::S && areaOf(SignalGroup::V) == BlockArea::V);

// The global number of connection k of loop L, 0 when either is out of range.
constexpr int globalConnection(int loop, long long k) {
  return validLoop(loop) && k >= 1 && k <= kWires ? (loop - 1) * kWires + static_cast<int>(k) : 0;
}

// A view of the 507,920 bytes of a block; it does not own them. Every read
// and write names an area and an index and is refused (nullopt / false)
// outside the area's index range, so nothing ever addresses a byte the area
// does not own. Reads and writes are single unsynchronised accesses: the
// server updates the block from its own process at any time.
class ServerBlock {
public:
  ServerBlock() = default;
  // `bytes` must hold at least kServerBlockSize bytes; only those are used.
  explicit ServerBlock(std::span<std::uint8_t> bytes);

  bool valid() const { return m_bytes != nullptr; }

  std::optional<double> analog(BlockArea area, long long n) const;
  bool setAnalog(BlockArea area, long long n, double v);
  // A bit is on when its byte is not 0.
  std::optional<bool> bit(BlockArea area, long long n) const;
  // Writes 1 or 0.
  bool setBit(BlockArea area, long long n, bool on);
  std::optional<std::uint8_t> byte(BlockArea area, long long n) const;

  // Connection k (1..100) of a loop (1..200).
  std::optional<double> analogConnection(int loop, long long k) const;
  std::optional<bool> digitalConnection(int loop, long long k) const;
  // 0.0 and 0 into the 100 analog and 100 digital connection slots of a loop.
  void clearConnections(int loop);

  TableChecksum checksum() const;
  void setChecksum(const TableChecksum& words);
  // The controller's time switch programs, copied in one piece.
  void readSwitchPrograms(SwitchProgramTable& out) const;
  void writeSwitchPrograms(std::span<const std::uint8_t, kTimeSwitchBlockSize> bytes);

private:
  // The element n of an area of that element type, nullptr when refused.
  // Inline: a measurement row reads 256 of them.
  std::uint8_t* slot(BlockArea area, long long n, BlockElement element) const {
    const BlockAreaLayout& l = layoutOf(area);
    if (m_bytes == nullptr || l.element != element || !l.contains(n)) return nullptr;
    return m_bytes + l.offsetOf(static_cast<int>(n));
  }

  std::uint8_t* m_bytes = nullptr;
};

inline std::optional<double> ServerBlock::analog(BlockArea area, long long n) const {
  const std::uint8_t* p = slot(area, n, BlockElement::Double);
  if (p == nullptr) return std::nullopt;
  double v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline std::optional<std::uint8_t> ServerBlock::byte(BlockArea area, long long n) const {
  const std::uint8_t* p = slot(area, n, BlockElement::Bit);
  if (p == nullptr) return std::nullopt;
  return *p;
}

inline std::optional<bool> ServerBlock::bit(BlockArea area, long long n) const {
  const std::uint8_t* p = slot(area, n, BlockElement::Bit);
  if (p == nullptr) return std::nullopt;
  return *p != 0;
}

} // namespace veltra::core
