#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace veltra::core {

// An INI file read and written with the behaviour of the Windows
// private-profile functions, which is what existing "VTR.INI" files were
// made for:
// - section and key names are found case-insensitively (code page 1252);
// - blanks around section names, keys and values are ignored, and a value in
//   matching single or double quotes loses them;
// - the first section of a name and, inside it, the first key of a name win;
// - lines that are neither "[section]", "key=value" nor blank, and lines
//   starting with ';', are kept but never read;
// - a write keeps every other line byte for byte, replaces the value of an
//   existing key in place (keeping that line's end), adds a missing key after
//   the last key of its section, a missing section at the end of the file
//   right after its last line (no blank line in between; a last line
//   without line end is ended first), and a missing file; new lines end
//   with CR LF.
// Texts are the file's bytes (code page 1252).
//
// An IniFile bound to a path reads the file anew at every read, as the
// private-profile functions do, so two objects on the same file see each
// other's writes. A missing or unreadable file reads as empty.
class IniFile {
public:
  explicit IniFile(std::filesystem::path path);
  // Works on `text` in memory only; writes change the text.
  static IniFile fromText(std::string text);

  // The value, or `def` without its trailing blanks when the file, section or
  // key is missing.
  std::string readString(std::string_view section, std::string_view key, std::string_view def) const;

  // GetPrivateProfileInt: `def` when the key is missing or its value empty;
  // otherwise leading blanks, an optional sign and decimal digits up to the
  // first other character, wrapping at 32 bits; no digits give 0.
  std::int32_t readInt(std::string_view section, std::string_view key, std::int32_t def) const;

  // Writes through a temporary file and a rename. Throws Error when the file
  // exists but cannot be read (it would be lost), when it cannot be written,
  // and for names or values that the file cannot hold (empty names, line
  // breaks, '=' in a key, ']' in a section name).
  void writeString(std::string_view section, std::string_view key, std::string_view value);

  // What the next read sees: the file's bytes (empty when it cannot be read)
  // or the text in memory.
  std::string text() const;
  const std::optional<std::filesystem::path>& path() const { return m_path; }

private:
  IniFile() = default;
  std::string loadForWrite() const;

  std::optional<std::filesystem::path> m_path;
  std::string m_text; // used when there is no path
};

// The pure text operations behind IniFile, for callers that hold the bytes.
std::optional<std::string> iniLookup(std::string_view text, std::string_view section, std::string_view key);
std::string iniWrite(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

} // namespace veltra::core
