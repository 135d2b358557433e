#include "core/compiler/cross_reference.h"
#include "core/print/report_sections.h"

namespace veltra::core {

namespace {

constexpr SignalGroup kGroups[] = {SignalGroup::E, SignalGroup::A, SignalGroup::I, SignalGroup::Q,
                                   SignalGroup::V, SignalGroup::H, SignalGroup::M, SignalGroup::S};

std::string trimmedRight(std::string s) {
  while (!s.empty() && s.back() == ' ')
    s.pop_back();
  return s;
}

// "E3: 2:4:1  9:0:0  ", broken before a use that would run past the right
// margin; continuation lines start under the first use.
void printEntry(PageWriter& w, const std::string& head, std::span<const CrossReference::Place> places) {
  const int indent = w.margin() + w.width(head);
  std::string line = head;
  int lineX = w.margin();
  bool lineHasUse = false;
  for (const CrossReference::Place& p : places) {
    const std::string use = std::to_string(p.loop) + ":" + std::to_string(p.col) + ":" + std::to_string(p.row) + "  ";
    if (lineHasUse && lineX + w.width(trimmedRight(line + use)) > w.right()) {
      w.DruckeText(lineX, line, true);
      line.clear();
      lineX = indent;
    }
    line += use;
    lineHasUse = true;
  }
  w.DruckeText(lineX, line, true);
}

} // namespace

SectionPages printCrossReferences(PageWriter& w, const Project& project) {
  SectionPages pages;
  const CrossReference index(project);
  bool started = false;
  for (const SignalGroup g : kGroups) {
    const char letter = groupLetter(g);
    bool any = false;
    for (int n = 1; n <= groupSize(g); ++n) {
      const std::span<const CrossReference::Place> places = index.places(letter, n);
      if (places.empty()) continue;
      if (!started) {
        pages.section = w.pageNumber();
        w.startSection("Quervereise");
        started = true;
      }
      any = true;
      printEntry(w, letter + std::to_string(n) + ": ", places);
    }
    if (any) {
      w.DruckeText(w.margin(), "", true);
      w.DruckeText(w.margin(), std::string(31, '-'), true);
    }
  }
  return pages;
}

} // namespace veltra::core
