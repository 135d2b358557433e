// diff: what differs between two projects.
#include "cli.h"
#include "json_writer.h"

#include "core/compare/project_compare.h"

#include <iostream>
#include <sstream>

namespace veltra::cli {

using namespace veltra::core;

namespace {

std::string differencesJson(const std::vector<ProjectDifference>& diffs) {
  std::ostringstream out;
  out << "{\n  \"same\": " << (diffs.empty() ? "true" : "false") << ",\n  \"differences\": [";
  for (std::size_t i = 0; i < diffs.size(); ++i) {
    const ProjectDifference& d = diffs[i];
    out << (i == 0 ? "\n" : ",\n") << "    {\"kind\": " << jsonString(kindName(d.kind)) << ", \"loop\": " << d.loop
        << ", \"where\": " << jsonString(d.where) << ", \"subject\": " << jsonString(d.subject)
        << ", \"before\": " << jsonString(d.before) << ", \"after\": " << jsonString(d.after)
        << ", \"text\": " << jsonString(d.text) << "}";
  }
  out << (diffs.empty() ? "]\n}\n" : "\n  ]\n}\n");
  return out.str();
}

} // namespace

int cmdDiff(const Args& args) {
  if (args.positional.size() != 2) return kExitUsage;
  std::optional<LoadedProject> a = loadOrReport(args, args.positional[0]);
  if (!a) return kExitBadInput;
  std::optional<LoadedProject> b = loadOrReport(args, args.positional[1]);
  if (!b) return kExitBadInput;
  const std::vector<ProjectDifference> diffs = compareProjects(*a->project, *b->project);
  std::cout << (args.has("--json") ? differencesJson(diffs) : formatDifferences(diffs));
  return diffs.empty() ? kExitOk : kExitDifferent;
}

} // namespace veltra::cli
