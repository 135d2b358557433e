#include "core/print/report_builder.h"

#include "core/compiler/module_table.h"
#include "core/print/report_sections.h"
#include "core/util/cp1252.h"
#include "core/util/file_io.h"

#include <memory>

namespace veltra::core {

namespace {

std::string firstDescriptionLine(const Project& project, int loop) {
  const std::vector<std::string> lines = splitLines(project.LoopText[loop]);
  for (const std::string& line : lines)
    if (line.find_first_not_of(' ') != std::string::npos) return cp1252ToUtf8(line);
  return {};
}

// The longest start of `text` (whole code points) that is at most `width`
// wide, with "…" when something was cut.
std::string fitted(const std::string& text, int width, const TextMetrics& metrics) {
  if (metrics.width(text, TextStyle::Normal) <= width) return text;
  // No line holds more than a few hundred characters: start from there.
  std::string cut = text.substr(0, 400);
  while (!cut.empty()) {
    // The last code point: its tail bytes, then its lead byte.
    while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80)
      cut.pop_back();
    if (!cut.empty()) cut.pop_back();
    if (metrics.width(cut + "…", TextStyle::Normal) <= width) return cut + "…";
  }
  return {};
}

// The contents: one line per section and per loop, its page number filled
// in once the body is laid out.
class Contents {
public:
  struct Entry {
    std::string label;
    bool indented = false;
    int page = 0;
    std::size_t pageIndex = 0;
    int y = 0;
    int labelEnd = 0;
  };

  void add(std::string label, bool indented, int page) { m_entries.push_back({std::move(label), indented, page}); }

  // The contents pages, with room for the page numbers.
  void layOut(PageWriter& w) {
    w.startSection("Inhalt");
    const int numberRoom = w.width("Seite 9999") + w.lineHeight();
    for (Entry& e : m_entries) {
      const int x = e.indented ? w.margin() + w.lineHeight() : w.margin();
      const std::string label = fitted(e.label, w.right() - numberRoom - x, w.metrics());
      const TextStyle style = e.indented ? TextStyle::Normal : TextStyle::Bold;
      e.labelEnd = w.DruckeText(x, label, false, style);
      e.pageIndex = w.pages().size() - 1;
      e.y = w.y();
      w.setY(w.y() + w.lineHeight());
    }
  }

  // `shift`: the number of contents pages before the body.
  void fillIn(std::vector<ReportPage>& pages, const PageWriter& w, int shift) {
    for (const Entry& e : m_entries) {
      const std::string number = "Seite " + std::to_string(e.page + shift);
      ReportPage& page = pages[e.pageIndex];
      page.texts.push_back({w.right(), e.y, number, TextStyle::Normal, true});
      const int gap = w.lineHeight() / 4;
      const int leaderY = e.y + w.textHeight() * 3 / 4;
      page.rules.push_back({e.labelEnd + gap, w.right() - w.width(number) - gap, leaderY, true});
    }
  }

private:
  std::vector<Entry> m_entries;
};

} // namespace

std::vector<int> loopsToPrint(const Project& project, const PrintOptions& options) {
  std::vector<int> loops;
  if (!options.loops) return loops;
  if (options.allLoops) {
    for (int loop = 1; loop <= kLoops; ++loop)
      if (!project.loopIsEmpty(loop)) loops.push_back(loop);
  } else if (validLoop(options.loop) && !project.loopIsEmpty(options.loop)) {
    loops.push_back(options.loop);
  }
  return loops;
}

std::vector<std::string> wrapText(const std::string& text, int width, const TextMetrics& metrics, TextStyle style) {
  std::vector<std::string> lines;
  if (metrics.width(text, style) <= width) {
    lines.push_back(text);
    return lines;
  }
  std::string line;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t blank = text.find(' ', pos);
    const std::size_t end = blank == std::string::npos ? text.size() : blank;
    std::string word = text.substr(pos, end - pos);
    pos = end == text.size() ? end : end + 1;
    const std::string joined = line.empty() ? word : line + " " + word;
    if (metrics.width(joined, style) <= width) {
      line = joined;
      continue;
    }
    if (!line.empty()) lines.push_back(line);
    // A word wider than the line is broken between code points; widths
    // add up character by character, so a damaged text of any length costs
    // one pass.
    while (metrics.width(word, style) > width) {
      std::size_t cut = 0;
      int used = 0;
      while (cut < word.size()) {
        std::size_t n = cut + 1;
        while (n < word.size() && (static_cast<unsigned char>(word[n]) & 0xC0) == 0x80)
          ++n;
        used += metrics.width(std::string_view(word).substr(cut, n - cut), style);
        if (used > width) break;
        cut = n;
      }
      if (cut == 0) cut = word.size(); // not even one character fits
      lines.push_back(word.substr(0, cut));
      word.erase(0, cut);
    }
    line = word;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

Report buildReport(Project& project, const ReportLists& lists, const TextMetrics& metrics, const PrintOptions& options,
                   PageGeometry geometry) {
  Report report;
  report.geometry = geometry;
  report.lineHeight = metrics.textHeight() + 40;
  if (!options.anySection()) return report;
  report.printedLoops = loopsToPrint(project, options);
  if (!report.printedLoops.empty()) {
    auto table = std::make_unique<ModuleTable>();
    table->BuildChecksum(project);
  }
  const std::string designation = cp1252ToUtf8(project.ProjectData.designation.view());

  PageWriter w(geometry, metrics, designation);
  std::vector<std::pair<std::string, SectionPages>> sections;
  if (options.projectData) sections.emplace_back("Projektdaten", printProjectData(w, project));
  if (options.loops)
    sections.emplace_back("Regelkreise", printLoops(w, project, report.printedLoops, lists, options.connections));
  if (options.crossReferences) sections.emplace_back("Querverweise", printCrossReferences(w, project));
  if (options.signalLists) sections.emplace_back("Signallisten", printSignalLists(w, project));
  std::vector<ReportPage> body = w.takePages();

  if (options.contents && !body.empty()) {
    Contents contents;
    for (const auto& [title, pages] : sections) {
      if (pages.section == 0) continue;
      contents.add(title, false, pages.section);
      if (pages.loops.size() != report.printedLoops.size()) continue;
      for (std::size_t k = 0; k < pages.loops.size(); ++k) {
        const int loop = report.printedLoops[k];
        std::string label = "Regelkreis " + std::to_string(loop);
        const std::string description = firstDescriptionLine(project, loop);
        if (!description.empty()) label += "  " + description;
        contents.add(std::move(label), true, pages.loops[k]);
      }
    }
    PageWriter toc(geometry, metrics, designation);
    contents.layOut(toc);
    // The body follows the contents pages: renumber its pages and headers.
    const int shift = toc.pageNumber() - 1;
    for (ReportPage& page : body) {
      page.number += shift;
      if (!page.texts.empty()) page.texts.front().text = headerLine(designation, page.number);
    }
    report.pages = toc.takePages();
    contents.fillIn(report.pages, toc, shift);
  }
  for (ReportPage& page : body)
    report.pages.push_back(std::move(page));
  return report;
}

} // namespace veltra::core
