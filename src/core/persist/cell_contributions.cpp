#include "core/persist/cell_contributions.h"

namespace veltra::core {

namespace {

bool validConstant(std::int32_t n) { return n >= 1 && n <= kConstants; }

} // namespace

void CellContributions::start(Project& p) {
  m_project = &p;
  for (SignalGroup g : kAllGroups)
    m_desc[static_cast<std::size_t>(g)] = p.SignalDesc.group(g);
  m_texts.clear();
  m_constants.clear();
  m_textsOf.fill({});
  m_constantsOf.fill({});
}

void CellContributions::take(int loop) {
  const std::size_t texts = m_texts.size();
  const std::size_t constants = m_constants.size();
  for (auto& column : m_project->Cells[loop])
    for (TCell& c : column) {
      c.error = 0;
      const auto g = groupOfLetter(static_cast<char>(c.letter));
      if (!g) continue;
      const std::int32_t number = Project::signalNumber(c);
      const std::span<TSignalText> desc = m_desc[static_cast<std::size_t>(*g)];
      if (number >= 1 && static_cast<std::size_t>(number) < desc.size()) {
        // Filled in place: a temporary would be stored and loaded again in
        // pieces of other sizes, which stalls.
        Text& t = m_texts.emplace_back();
        t.entry = &desc[number];
        t.text = c.text;
      }
      if (c.letter == 'F') m_constants.push_back({&c, number, c.f64(8)});
    }
  m_textsOf[loop] = {texts, m_texts.size()};
  m_constantsOf[loop] = {constants, m_constants.size()};
}

void CellContributions::adoptModuleTexts() const {
  for (int loop = 1; loop <= kLoops; ++loop)
    for (std::size_t i = m_textsOf[loop].begin; i < m_textsOf[loop].end; ++i)
      *m_texts[i].entry = m_texts[i].text;
}

void CellContributions::rebuildConstants() const {
  // BildeFRArray: the last F module of each number gives the value.
  for (int loop = 1; loop <= kLoops; ++loop)
    for (std::size_t i = m_constantsOf[loop].begin; i < m_constantsOf[loop].end; ++i)
      if (validConstant(m_constants[i].number)) m_project->FWert[m_constants[i].number] = m_constants[i].value;
  // A number out of range becomes 1; then every F module takes the value of
  // its number. (Entries a later take of their loop replaced are skipped:
  // their cells may hold other modules now.)
  for (int loop = 1; loop <= kLoops; ++loop)
    for (std::size_t i = m_constantsOf[loop].begin; i < m_constantsOf[loop].end; ++i) {
      const Constant& k = m_constants[i];
      const std::int32_t n = validConstant(k.number) ? k.number : 1;
      k.cell->setI32(0, n);
      k.cell->setF64(8, m_project->FWert[n]);
    }
}

} // namespace veltra::core
