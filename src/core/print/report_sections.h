#pragma once

// The sections of the printout, each written through one PageWriter.

#include "core/model/project.h"
#include "core/print/page_writer.h"
#include "core/print/report_lists.h"

#include <vector>

namespace veltra::core {

// Page numbers where a section and each of its loops begin, for the
// contents page; 0 when the section printed nothing.
struct SectionPages {
  int section = 0;
  std::vector<int> loops;
};

SectionPages printProjectData(PageWriter& w, const Project& project);
SectionPages printLoops(PageWriter& w, const Project& project, const std::vector<int>& loops, const ReportLists& lists,
                        bool connections);
SectionPages printCrossReferences(PageWriter& w, const Project& project);
SectionPages printSignalLists(PageWriter& w, const Project& project);

} // namespace veltra::core
