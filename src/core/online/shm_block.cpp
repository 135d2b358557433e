#include "core/online/shm_block.h"

#include "core/util/error.h"
#include "core/util/system_error_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltra::core {

namespace {

// Closes a descriptor at the end of a scope; the mapping outlives it.
struct FdCloser {
  int fd;
  ~FdCloser() {
    if (fd >= 0) ::close(fd);
  }
};

} // namespace

AttachResult ShmAttacher::attach(const std::string& requested) {
  const std::string name = blockObjectName(requested);
  const int fd = ::shm_open(name.c_str(), O_RDWR, 0);
  if (fd < 0) return notRunning();
  FdCloser closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) return mapFailed(name, systemErrorText(errno));
  if (st.st_size < static_cast<off_t>(kServerBlockSize)) return tooSmall(name, static_cast<std::size_t>(st.st_size));
  void* p = ::mmap(nullptr, kServerBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (p == MAP_FAILED) return mapFailed(name, systemErrorText(errno));
  return {AttachStatus::Attached, ServerBlock({static_cast<std::uint8_t*>(p), kServerBlockSize}), {}};
}

SharedBlockOwner::SharedBlockOwner(const std::string& requested, bool replace) : m_name(blockObjectName(requested)) {
  if (replace) ::shm_unlink(m_name.c_str());
  const int fd = ::shm_open(m_name.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  if (fd < 0) {
    if (errno == EEXIST)
      throw Error("Ein Speicherblock \"" + m_name +
                  "\" besteht bereits: läuft schon ein Server? Mit --replace wird er ersetzt.");
    throw Error("Der Speicherblock \"" + m_name + "\" kann nicht angelegt werden. " + systemErrorText(errno));
  }
  m_linked = true;
  FdCloser closer{fd};
  if (::ftruncate(fd, static_cast<off_t>(kServerBlockSize)) != 0) {
    const int err = errno;
    remove();
    throw Error("Der Speicherblock \"" + m_name + "\" kann nicht angelegt werden. " + systemErrorText(err));
  }
  void* p = ::mmap(nullptr, kServerBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (p == MAP_FAILED) {
    const int err = errno;
    remove();
    throw Error("Der Speicherblock \"" + m_name + "\" kann nicht eingeblendet werden. " + systemErrorText(err));
  }
  m_memory = p;
  m_block = ServerBlock({static_cast<std::uint8_t*>(p), kServerBlockSize});
}

SharedBlockOwner::~SharedBlockOwner() {
  remove();
  if (m_memory != nullptr) ::munmap(m_memory, kServerBlockSize);
}

void SharedBlockOwner::remove() {
  if (!m_linked) return;
  m_linked = false;
  ::shm_unlink(m_name.c_str());
}

bool sharedBlockExists(const std::string& requested) {
  const int fd = ::shm_open(blockObjectName(requested).c_str(), O_RDONLY, 0);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

} // namespace veltra::core
