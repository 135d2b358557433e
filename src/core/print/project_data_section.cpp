#include "core/print/report_sections.h"
#include "core/util/cp1252.h"

namespace veltra::core {

SectionPages printProjectData(PageWriter& w, const Project& project) {
  SectionPages pages;
  pages.section = w.pageNumber();
  w.startSection("Projektdaten");
  w.setY(w.y() + 10 * w.lineHeight());
  const TProjectData& d = project.ProjectData;
  const auto field = [](const auto& counted) { return cp1252ToUtf8(counted.view()); };
  const std::string lines[] = {"Projektname: " + field(d.projectName),
                               "Bezeichnung: " + field(d.designation),
                               "Bearbeiter : " + field(d.engineer),
                               "Datum      : " + field(d.date),
                               "Kunde      : " + field(d.customer),
                               "Strasse    : " + field(d.street),
                               "Plz, Ort   : " + field(d.postalCode) + "  " + field(d.town)};
  for (const std::string& line : lines)
    w.DruckeText(w.margin(), line, true);
  return pages;
}

} // namespace veltra::core
