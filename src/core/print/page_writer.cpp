#include "core/print/page_writer.h"

namespace veltra::core {

std::string headerLine(const std::string& designation, int pageNumber) {
  return "Projekt: " + designation + "  Seite: " + std::to_string(pageNumber);
}

PageWriter::PageWriter(PageGeometry geometry, const TextMetrics& metrics, std::string designation, int firstPageNumber)
    : m_geometry(geometry), m_metrics(metrics), m_designation(std::move(designation)),
      m_lineHeight(metrics.textHeight() + 40), m_y(geometry.margin()), m_pageNumber(firstPageNumber) {}

ReportPage& PageWriter::current() {
  if (m_pages.empty() || m_pageOpen) {
    m_pages.emplace_back();
    m_pageOpen = false;
  }
  return m_pages.back();
}

void PageWriter::startSection(std::string title) {
  m_title = std::move(title);
  if (anythingPrinted()) NeueSeite();
  DruckeHeader(margin());
}

void PageWriter::DruckeHeader(int x) {
  ReportPage& page = current();
  page.number = m_pageNumber;
  page.title = m_title;
  m_y = margin();
  page.texts.push_back({x, m_y, headerLine(m_designation, m_pageNumber), TextStyle::Normal, false});
  m_y += m_lineHeight;
  page.texts.push_back({x, m_y, m_title, TextStyle::Bold, false});
  // A rule under the title sets the header off from the page's content.
  page.rules.push_back({x, right(), m_y + m_metrics.textHeight() + m_lineHeight / 4, false});
  m_y += 2 * m_lineHeight;
  ++m_pageNumber;
}

int PageWriter::DruckeText(int x, std::string_view text, bool lineEnd, TextStyle style) {
  if (!fits(m_y)) newPageWithHeader();
  ReportPage& page = current();
  if (!text.empty()) page.texts.push_back({x, m_y, std::string(text), style, false});
  if (lineEnd) m_y += m_lineHeight;
  return x + m_metrics.width(text, style);
}

void PageWriter::NeueSeite() { m_pageOpen = true; }

void PageWriter::newPageWithHeader() {
  NeueSeite();
  DruckeHeader(margin());
}

} // namespace veltra::core
