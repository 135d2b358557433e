#pragma once

#include "core/model/project.h"
#include "core/online/server_block.h"
#include "core/simulation/executable_table.h"
#include "core/simulation/owned_slots.h"
#include "core/util/clock.h"

#include <cstdint>
#include <cstring>
#include <span>

namespace veltra::core {

// A module's own working memory: exactly its type's bytes. Accesses past
// them read 0 and write nothing, so no table can reach another module's
// state or anything else.
class WorkArea {
public:
  explicit WorkArea(std::span<std::uint8_t> bytes) : m_bytes(bytes) {}

  template <typename T> T get(std::size_t off) const {
    T v{};
    if (off + sizeof(T) <= m_bytes.size()) std::memcpy(&v, m_bytes.data() + off, sizeof v);
    return v;
  }
  template <typename T> void set(std::size_t off, T v) {
    if (off + sizeof(T) <= m_bytes.size()) std::memcpy(m_bytes.data() + off, &v, sizeof v);
  }

private:
  std::span<std::uint8_t> m_bytes;
};

// What one module sees when it runs: the block (through its bounds-checked
// accessors only), its working memory, the time since its loop ran last and
// the controller's clock.
struct ModuleContext {
  ServerBlock& block;
  OwnedSlots& outputs; // A, H, M, Q: a slot the tool wrote stays the tool's
  WorkArea work;
  int dt; // seconds, the loop's sample time
  const SwitchProgramTable& programs;
  const LocalDateTime& now;

  // Connection values by global number; an unconnected port (0) reads 0.0 /
  // off and is not written.
  double analog(std::int32_t g) const { return block.analog(BlockArea::AnalogConnection, g).value_or(0.0); }
  bool bit(std::int32_t g) const { return block.bit(BlockArea::DigitalConnection, g).value_or(false); }
  void setAnalog(std::int32_t g, double v) const { block.setAnalog(BlockArea::AnalogConnection, g, v); }
  void setBit(std::int32_t g, bool on) const { block.setBit(BlockArea::DigitalConnection, g, on); }
  void setSignal(BlockArea area, std::int32_t n, double v) const { outputs.writeAnalog(block, area, n, v); }
  void setSignalBit(BlockArea area, std::int32_t n, bool on) const { outputs.writeBit(block, area, n, on); }
  double signal(BlockArea area, long long n) const { return block.analog(area, n).value_or(0.0); }
  bool signalBit(BlockArea area, long long n) const { return block.bit(area, n).value_or(false); }
  long long dtMs() const { return static_cast<long long>(dt) * 1000; }
};

// A limit field of G or Z: a plain number, or the current value of the
// constant F n / auxiliary signal H n it names (0 when there is no such slot).
double limitValue(double stored, const ServerBlock& block);

// One run of a module. The letter decides; each family lives in its own
// file (signal, analog, logic and timer, controller modules).
void executeModule(const ExecModule& m, ModuleContext& c);
void executeSignalModule(const ExecModule& m, ModuleContext& c);
void executeAnalogModule(const ExecModule& m, ModuleContext& c);
void executeLogicModule(const ExecModule& m, ModuleContext& c);
void executeTimerModule(const ExecModule& m, ModuleContext& c);
void executeControllerModule(const ExecModule& m, ModuleContext& c);

} // namespace veltra::core
