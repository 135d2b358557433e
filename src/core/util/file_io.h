#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veltra::core {

// Whole-file reads and writes. Every project file is read in one piece and
// parsed from memory, and written in one piece, so a failure never leaves a
// half-read model or a half-written file behind.

// Throws Error("Datei <name> kann nicht geöffnet werden. <reason>").
std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path);
std::string readFileText(const std::filesystem::path& path);

// A file read front to back in pieces, for files too large to be worth
// holding in memory twice. The pieces go straight into the caller's memory
// (no buffering in between).
class FileReader {
public:
  // Throws Error("Datei <name> kann nicht geöffnet werden. <reason>"); a
  // folder may open and fail at the first read.
  explicit FileReader(const std::filesystem::path& path);

  // Reads up to `n` bytes into `dst`; fewer only at the end of the file.
  // Throws the open error with the system's reason when reading fails.
  std::size_t read(void* dst, std::size_t n);

private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> m_file;
  std::filesystem::path m_path;
};

// Writes to a temporary file in the same folder and renames it over `path`
// only when everything was written, so the previous file survives any
// failure. Throws Error("Datei "<name>" kann nicht erstellt werden. <reason>").
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The extension-replacing rule of the project file set: "a/b.vtr" -> "a/b.uhr";
// a name without extension gets it appended.
std::filesystem::path withExtension(const std::filesystem::path& path, std::string_view ext);

// Looks `name` up in `dir`, tolerating a different letter case of the last
// component ("designs" / "Designs"). Returns dir / name when nothing matches.
std::filesystem::path findCaseInsensitive(const std::filesystem::path& dir, std::string_view name);

// Splits text into lines at CR LF, LF or CR; a final line without line end
// counts, an empty text has no lines.
std::vector<std::string> splitLines(std::string_view text);

} // namespace veltra::core
