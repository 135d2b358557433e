#include "core/util/file_io.h"

#include "core/util/error.h"
#include "core/util/lines.h"
#include "core/util/system_error_text.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>

namespace veltra::core {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void throwOpen(const fs::path& path, int err) {
  throw Error("Datei " + path.string() + " kann nicht geöffnet werden. " + systemErrorText(err));
}

[[noreturn]] void throwCreate(const fs::path& path, int err) {
  throw Error("Datei \"" + path.string() + "\" kann nicht erstellt werden. " + systemErrorText(err));
}

// Straight into the result, in one piece when the size is known: a few
// system calls per file, which cost more than the copying on a small file.
template <typename Buffer> Buffer readAll(const fs::path& path) {
  FileReader file(path);
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  std::size_t piece = !ec && size < (std::size_t{1} << 30) ? static_cast<std::size_t>(size) + 1 : std::size_t{1} << 16;
  Buffer data;
  for (;;) {
    const std::size_t old = data.size();
    data.resize(old + piece);
    const std::size_t got = file.read(data.data() + old, piece);
    data.resize(old + got);
    if (got < piece) return data;
    piece = std::size_t{1} << 16;
  }
}

} // namespace

std::vector<std::uint8_t> readFileBytes(const fs::path& path) { return readAll<std::vector<std::uint8_t>>(path); }

std::string readFileText(const fs::path& path) { return readAll<std::string>(path); }

FileReader::FileReader(const fs::path& path) : m_path(path) {
  m_file.reset(std::fopen(path.c_str(), "rb"));
  if (!m_file) throwOpen(path, errno);
  // Unbuffered: every read is one transfer into the caller's memory.
  std::setvbuf(m_file.get(), nullptr, _IONBF, 0);
}

std::size_t FileReader::read(void* dst, std::size_t n) {
  errno = 0;
  const std::size_t got = std::fread(dst, 1, n, m_file.get());
  if (got < n && std::ferror(m_file.get())) throwOpen(m_path, errno != 0 ? errno : EIO);
  return got;
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
  fs::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  std::random_device rd;
  fs::path tmp = dir / ("." + path.filename().string() + "." + std::to_string(rd() % 1000000) + ".tmp");
  {
    FilePtr f(std::fopen(tmp.c_str(), "wb"));
    if (!f) throwCreate(path, errno);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
      int err = errno;
      f.reset();
      std::remove(tmp.c_str());
      throwCreate(path, err);
    }
    if (std::fflush(f.get()) != 0) {
      int err = errno;
      f.reset();
      std::remove(tmp.c_str());
      throwCreate(path, err);
    }
    std::FILE* raw = f.release();
    if (std::fclose(raw) != 0) {
      int err = errno;
      std::remove(tmp.c_str());
      throwCreate(path, err);
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    std::remove(tmp.c_str());
    throwCreate(path, ec.value());
  }
}

fs::path withExtension(const fs::path& path, std::string_view ext) {
  fs::path p = path;
  p.replace_extension(std::string(ext));
  return p;
}

fs::path findCaseInsensitive(const fs::path& dir, std::string_view name) {
  fs::path exact = dir / std::string(name);
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  const std::string wanted = lower(std::string(name));
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (lower(it->path().filename().string()) == wanted) return it->path();
  }
  return exact;
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  forEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

} // namespace veltra::core
