// A E F H I M Q S V: the modules that stand for a signal of the block.
#include "core/simulation/module_context.h"

namespace veltra::core {

void executeSignalModule(const ExecModule& m, ModuleContext& c) {
  const std::int32_t n = m.i32(0);
  switch (m.letter) {
  case 'A': {
    const double v = c.analog(m.xe[1]) * m.f64(8) + m.f64(16);
    c.setSignal(BlockArea::A, n, v);
    c.setAnalog(m.xa[1], c.signal(BlockArea::A, n));
    break;
  }
  case 'E':
    c.setAnalog(m.xa[1], c.signal(BlockArea::E, n) * m.f64(8) + m.f64(16));
    break;
  case 'V':
    c.setAnalog(m.xa[1], c.signal(BlockArea::V, n) * m.f64(8) + m.f64(16));
    break;
  case 'F':
    // The block's value, so that "Wert ändern" on a constant takes effect.
    c.setAnalog(m.xa[1], c.signal(BlockArea::F, n));
    break;
  case 'H':
    if (m.xe[1] > 0) c.setSignal(BlockArea::H, n, c.analog(m.xe[1]));
    c.setAnalog(m.xa[1], c.signal(BlockArea::H, n));
    break;
  case 'I':
    c.setBit(m.ya[1], c.signalBit(BlockArea::I, n) != (m.u8(4) != 0));
    break;
  case 'M':
    if (m.ye[1] > 0) c.setSignalBit(BlockArea::M, n, c.bit(m.ye[1]));
    c.setBit(m.ya[1], c.signalBit(BlockArea::M, n) != (m.u8(4) != 0));
    break;
  case 'Q': {
    const bool on = c.bit(m.ye[1]) != (m.u8(4) != 0);
    c.setSignalBit(BlockArea::Q, n, on);
    c.setBit(m.ya[1], c.signalBit(BlockArea::Q, n));
    break;
  }
  case 'S':
    c.setBit(m.ya[1], c.signalBit(BlockArea::S, n) != (m.u8(4) != 0));
    break;
  default:
    break;
  }
}

} // namespace veltra::core
