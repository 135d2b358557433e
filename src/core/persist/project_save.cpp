#include "core/persist/desc_writer.h"
#include "core/persist/project_file_set.h"
#include "core/persist/txl_writer.h"
#include "core/persist/uhr_writer.h"
#include "core/persist/vtr_writer.h"
#include "core/util/file_io.h"

namespace veltra::core {

void saveProject(Project& p, const std::filesystem::path& vtrPath) {
  for (int loop = 1; loop <= kLoops; ++loop)
    p.clearErrors(loop);
  writeFileAtomic(vtrPath, writeVtr(p));
  p.Modified = false;
  writeFileAtomic(withExtension(vtrPath, ".uhr"), writeUhr(p.SwitchPrograms));
  writeFileAtomic(withExtension(vtrPath, ".desc"), writeDesc(p.SignalDesc));
  writeFileAtomic(withExtension(vtrPath, ".txl"), writeTxl(p.TextList));
}

} // namespace veltra::core
