#include "core/compiler/cross_reference.h"

#include "core/util/cp1252.h"

#include <algorithm>

namespace veltra::core {

namespace {

std::uint64_t absNumber(const TCell& c) {
  const std::int64_t n = Project::signalNumber(c);
  return static_cast<std::uint64_t>(n < 0 ? -n : n);
}

std::uint64_t makeKey(std::uint8_t letter, std::uint64_t number) { return (std::uint64_t{letter} << 32) | number; }

void appendPlace(std::string& out, int loop, int col, int row) {
  out += "  R";
  out += std::to_string(loop);
  out += ": Z";
  out += std::to_string(row + 1);
  out += " S";
  out += std::to_string(col + 1);
}

} // namespace

std::string GetQVW(const Project& project, char letter, long long number) {
  std::string out;
  if (number < 0) return out; // an absolute value never is
  const auto wanted = static_cast<std::uint64_t>(number);
  for (int loop = 1; loop <= kLoops; ++loop)
    for (int col = 0; col < kCols; ++col)
      for (int row = 0; row < kRows; ++row) {
        const TCell& c = project.cell(loop, col, row);
        if (c.letter == static_cast<std::uint8_t>(letter) && absNumber(c) == wanted) appendPlace(out, loop, col, row);
      }
  return out;
}

CrossReference::CrossReference(const Project& project) {
  // Every cell, empty ones included, so that any question gets the answer
  // of the plain scan.
  m_places.reserve(static_cast<std::size_t>(kLoops) * kCols * kRows);
  for (int loop = 1; loop <= kLoops; ++loop)
    for (int col = 0; col < kCols; ++col)
      for (int row = 0; row < kRows; ++row) {
        const TCell& c = project.cell(loop, col, row);
        m_places.push_back({makeKey(c.letter, absNumber(c)), static_cast<std::uint8_t>(loop),
                            static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row)});
      }
  std::stable_sort(m_places.begin(), m_places.end(), [](const Place& a, const Place& b) { return a.key < b.key; });
}

std::string CrossReference::GetQVW(char letter, long long number) const {
  std::string out;
  for (const Place& p : places(letter, number))
    appendPlace(out, p.loop, p.col, p.row);
  return out;
}

std::span<const CrossReference::Place> CrossReference::places(char letter, long long number) const {
  if (number < 0) return {};
  const std::uint64_t key = makeKey(static_cast<std::uint8_t>(letter), static_cast<std::uint64_t>(number));
  const auto less = [](const Place& p, std::uint64_t k) { return p.key < k; };
  const auto first = std::lower_bound(m_places.begin(), m_places.end(), key, less);
  auto last = first;
  while (last != m_places.end() && last->key == key)
    ++last;
  return {first, last};
}

std::vector<std::string> crossReferenceLines(const Project& project) {
  std::vector<std::string> lines;
  // The cut counts code page 1252 characters, before they grow in UTF-8.
  std::string header = "\tProjekt: ";
  header += project.ProjectData.projectName.view();
  if (header.size() > 69) header.resize(69);
  lines.push_back(cp1252ToUtf8(header));
  lines.emplace_back("Querverweisliste");
  lines.emplace_back(" ");

  const CrossReference index(project);
  for (SignalGroup g : {SignalGroup::E, SignalGroup::A, SignalGroup::I, SignalGroup::Q, SignalGroup::M, SignalGroup::H,
                        SignalGroup::V, SignalGroup::F}) {
    const char letter = groupLetter(g);
    for (int n = 1; n <= groupSize(g); ++n) {
      std::string places = index.GetQVW(letter, n);
      if (places.empty()) continue;
      lines.push_back(letter + std::to_string(n) + ": " + places);
    }
  }
  return lines;
}

} // namespace veltra::core
