#pragma once

#include "core/print/report.h"
#include "core/print/text_metrics.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltra::core {

// "Projekt: <designation>  Seite: <n>", the first line of a page header.
std::string headerLine(const std::string& designation, int pageNumber);

// The print state of one job: the page being filled, the vertical position,
// the page number and the section title, with the text primitives of the
// printout (DruckeHeader, DruckeText, NeueSeite).
class PageWriter {
public:
  PageWriter(PageGeometry geometry, const TextMetrics& metrics, std::string designation, int firstPageNumber = 1);

  const PageGeometry& geometry() const { return m_geometry; }
  int margin() const { return m_geometry.margin(); }
  int lineHeight() const { return m_lineHeight; }
  int y() const { return m_y; }
  void setY(int y) { m_y = y; }
  int pageNumber() const { return m_pageNumber; } // the number the next header prints
  int width(std::string_view text, TextStyle style = TextStyle::Normal) const { return m_metrics.width(text, style); }
  int textHeight() const { return m_metrics.textHeight(); }
  const TextMetrics& metrics() const { return m_metrics; }
  // The right end of the text area.
  int right() const { return m_geometry.width - margin(); }

  void setTitle(std::string title) { m_title = std::move(title); }
  // Starts a section: a new page unless nothing was printed yet, then the
  // page header.
  void startSection(std::string title);

  // "Projekt: <designation>  Seite: <n>" and the section title at x from the
  // top margin; y then stands two lines below the title.
  void DruckeHeader(int x);
  // A text at (x, y), on a new page with its header when y has reached the
  // page's end; with `lineEnd` y moves down one line. Returns x + the text's
  // width, where a following text continues the line.
  int DruckeText(int x, std::string_view text, bool lineEnd, TextStyle style = TextStyle::Normal);
  // A page break; the new page carries nothing until its header is printed.
  void NeueSeite();
  // NeueSeite and the page header at the margin.
  void newPageWithHeader();

  void addRule(PageRule rule) { current().rules.push_back(rule); }
  void addPicture(PagePicture picture) { current().pictures.push_back(picture); }
  void addGrid(PageGrid grid) { current().grids.push_back(std::move(grid)); }
  void addText(PageText text) { current().texts.push_back(std::move(text)); }
  bool anythingPrinted() const { return !m_pages.empty(); }
  // Whether a text at y would still stand on this page.
  bool fits(int y) const { return y < m_geometry.height - 2 * margin(); }

  std::vector<ReportPage>& pages() { return m_pages; }
  std::vector<ReportPage> takePages() { return std::move(m_pages); }

private:
  ReportPage& current();

  PageGeometry m_geometry;
  const TextMetrics& m_metrics;
  std::string m_designation; // UTF-8
  std::string m_title;
  int m_lineHeight;
  int m_y = 0;
  int m_pageNumber;
  bool m_pageOpen = false; // NeueSeite was called and nothing stands on the new page yet
  std::vector<ReportPage> m_pages;
};

} // namespace veltra::core
