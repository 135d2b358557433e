// Control loop file reader: any input either loads or throws Error; what
// loads is written again, and reading that image gives the same image.
#include "model/project.h"
#include "persist/project_file_set.h"
#include "persist/vtr_reader.h"
#include "persist/vtr_writer.h"
#include "util/error.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

using veltra::core::Project;

// Writing depends only on loops with modules, and reading replaces all of a
// loop but its cells, so emptying the cells of such loops is a full reset
// for this purpose (and far cheaper than a new 15 MB project per input).
void reset(Project& p) {
  for (int loop = 1; loop <= veltra::core::kLoops; ++loop)
    if (!p.loopIsEmpty(loop)) p.clearLoop(loop);
}

Project& project(int i) {
  static std::unique_ptr<Project> p[2] = {std::make_unique<Project>(), std::make_unique<Project>()};
  return *p[i];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Project& first = project(0);
  Project& second = project(1);
  reset(first);
  try {
    veltra::core::readVtr(std::span(data, size), "fuzz.vtr", first);
  } catch (const veltra::core::Error&) {
    return 0;
  }
  veltra::core::adoptModuleTexts(first);
  first.BildeFRArray();
  first.setzeAlleFWerte();
  const std::string image = veltra::core::writeVtr(first);
  reset(second);
  veltra::core::readVtr(std::span(reinterpret_cast<const std::uint8_t*>(image.data()), image.size()), "x", second);
  if (veltra::core::writeVtr(second) != image) std::abort();
  return 0;
}
