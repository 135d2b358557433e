#include "sample_builder.h"

#include "core/editor/text_annotations.h"
#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/modules/catalogue.h"
#include "core/util/cp1252.h"
#include "core/util/error.h"

namespace veltra::samples {

using namespace veltra::core;

void SampleBuilder::loop(int loop, int sampleTime, const std::string& descriptionUtf8) {
  m_loop = loop;
  m_p.LoopSampleTime[loop] = sampleTime;
  m_p.LoopText[loop] = utf8ToCp1252(descriptionUtf8);
}

TCell& SampleBuilder::place(char letter, int col, int row, const std::string& textUtf8) {
  if (!placeModule(m_p, m_loop, col, row, letter))
    throw Error(std::string("Modul ") + letter + " passt nicht an Spalte " + std::to_string(col + 1) + ", Zeile " +
                std::to_string(row + 1));
  TCell& top = m_p.cell(m_loop, col, row);
  createModuleDefaults(m_p, top);
  if (!textUtf8.empty()) top.text.assign(utf8ToCp1252(textUtf8));
  return top;
}

TCell& SampleBuilder::signal(char letter, int col, int row, const std::string& descUtf8) {
  const SignalGroup g = *groupOfLetter(letter);
  const std::string wanted = utf8ToCp1252(descUtf8);
  for (int n = 1; n <= groupSize(g); ++n)
    if (m_p.SignalDesc.text(g, n) == wanted) {
      TCell& top = place(letter, col, row);
      top.setI32(0, n);
      top.text = *m_p.SignalDesc.at(g, n);
      return top;
    }
  throw Error("Signal \"" + descUtf8 + "\" steht in keiner Signalliste");
}

TCell& SampleBuilder::timeSwitch(int col, int row, int program, bool inverted) {
  TCell& top = place('S', col, row);
  top.setI32(0, program);
  top.setU8(4, inverted ? 1 : 0);
  top.text = *m_p.SignalDesc.at(SignalGroup::S, program);
  return top;
}

void SampleBuilder::wire(int srcCol, int srcRow, int dstCol, int dstRow) {
  TCell& src = m_p.cell(m_loop, srcCol, srcRow);
  TCell& dst = m_p.cell(m_loop, dstCol, dstRow);
  const ModuleType* st = moduleType(static_cast<char>(src.letter));
  const ModuleType* dt = moduleType(static_cast<char>(dst.letter));
  if (st == nullptr || dt == nullptr) throw Error("Verbindung zwischen leeren Zellen");
  const bool analog = st->port(src.part, PortKind::XA) != nullptr;
  if (!analog && st->port(src.part, PortKind::YA) == nullptr) throw Error("Quelle ohne Ausgang");
  if (dt->port(dst.part, analog ? PortKind::XE : PortKind::YE) == nullptr || (analog ? dst.XE : dst.YE) != 0)
    throw Error(std::string("Ziel ohne freien Eingang: ") + static_cast<char>(dst.letter));
  int n = analog ? src.XA : src.YA;
  if (n == 0) n = analog ? m_p.GetNextXNr(m_loop) : m_p.GetNextYNr(m_loop);
  if (!addDestination(m_p, m_loop, analog, n, srcCol, srcRow, dstCol, dstRow)) throw Error("Verbindung voll");
}

void SampleBuilder::text(int col, int row, const std::string& line1Utf8, const std::string& line2Utf8) {
  m_p.TextList.push_back(formatTextEntry({utf8ToCp1252(line1Utf8), utf8ToCp1252(line2Utf8), ""}, m_loop, col, row));
}

} // namespace veltra::samples
