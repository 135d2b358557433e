#pragma once

#include "core/model/signal_defaults.h"
#include "core/persist/cell_contributions.h"
#include "core/persist/project_file_set.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace veltra::core {

// "Laden" again and again in the same storage: the project a load replaced,
// handed back with recycle(), becomes the next result, and the buffers of
// reading stay. A load then allocates nothing and writes into memory that
// is already mapped, instead of first touching 15 MB of a new project. The
// result is the same as a load into a new project (loadProject).
class ProjectLoader {
public:
  // loadProject, built in the recycled project when there is one. On
  // failure the recycled project stays for the next load.
  LoadedProject load(const Project& previous, const std::filesystem::path& programDir,
                     const std::filesystem::path& vtrPath);
  // Keeps `replaced` as the storage of the next load; what it holds does not
  // matter. It must not be the project passed as `previous` to that load.
  void recycle(std::unique_ptr<Project> replaced) { m_spare = std::move(replaced); }

private:
  void loadInto(Project& p, const Project& previous, const std::filesystem::path& programDir,
                const std::filesystem::path& vtrPath, bool& hasProjectData);

  std::unique_ptr<Project> m_spare;
  std::vector<std::uint8_t> m_buffer; // passes the control loop file on to the tables
  SignalDefaults m_signalDefaults;    // read anew at every load, into the same storage
  CellContributions m_cells;
};

} // namespace veltra::core
