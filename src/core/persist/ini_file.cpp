#include "core/persist/ini_file.h"

#include "core/util/cp1252.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <cstddef>
#include <vector>

namespace veltra::core {

namespace fs = std::filesystem;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

// Upper case of a code page 1252 byte, for the case-insensitive name lookup.
unsigned char foldCase(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20); // à..þ
  switch (c) {
  case 0x9A: // š
  case 0x9C: // œ
  case 0x9E: // ž
    return static_cast<unsigned char>(c - 0x10);
  case 0xFF: // ÿ
    return 0x9F;
  default:
    return c;
  }
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

enum class LineKind { Other, Section, Key };

struct Line {
  std::size_t begin;      // first byte of the line
  std::size_t contentEnd; // first byte of its line end
  std::size_t end;        // first byte after its line end
  LineKind kind;
  std::string_view name;  // section name or key, trimmed
  std::string_view value; // value, trimmed, quotes still on
};

Line classify(std::string_view text, std::size_t begin, std::size_t contentEnd, std::size_t end) {
  Line line{begin, contentEnd, end, LineKind::Other, {}, {}};
  std::string_view s = text.substr(begin, contentEnd - begin);
  // An editor's UTF-8 mark in front of the first line must not hide the
  // first section.
  if (begin == 0 && s.starts_with("\xEF\xBB\xBF")) s.remove_prefix(3);
  s = trim(s);
  if (s.empty() || s.front() == ';') return line;
  if (s.front() == '[') {
    std::size_t close = s.find(']');
    if (close != std::string_view::npos) {
      line.kind = LineKind::Section;
      line.name = trim(s.substr(1, close - 1));
    }
    return line;
  }
  std::size_t eq = s.find('=');
  if (eq == std::string_view::npos) return line;
  std::string_view key = trim(s.substr(0, eq));
  if (key.empty()) return line;
  line.kind = LineKind::Key;
  line.name = key;
  line.value = trim(s.substr(eq + 1));
  return line;
}

std::vector<Line> parseLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      std::size_t contentEnd = i;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(classify(text, begin, contentEnd, i + 1));
      begin = i + 1;
    }
    ++i;
  }
  if (begin < text.size()) lines.push_back(classify(text, begin, text.size(), text.size()));
  return lines;
}

// Index range [first, last) of the lines of the first section named
// `section`, header excluded; nullopt when there is none.
struct SectionRange {
  std::size_t header;
  std::size_t first;
  std::size_t last;
};

std::optional<SectionRange> findSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::Section || !sameName(lines[i].name, section)) continue;
    std::size_t j = i + 1;
    while (j < lines.size() && lines[j].kind != LineKind::Section)
      ++j;
    return SectionRange{i, i + 1, j};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, const SectionRange& range, std::string_view key) {
  for (std::size_t i = range.first; i < range.last; ++i)
    if (lines[i].kind == LineKind::Key && sameName(lines[i].name, key)) return i;
  return std::nullopt;
}

std::string_view unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

void checkWritable(std::string_view section, std::string_view key, std::string_view value) {
  if (section.empty() || hasLineBreak(section) || section.find(']') != std::string_view::npos)
    throw Error("Ungültiger Abschnittsname \"" + cp1252ToUtf8(section) + "\" für die Einstellungsdatei.");
  if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos || key.front() == ';' ||
      key.front() == '[')
    throw Error("Ungültiger Schlüssel \"" + cp1252ToUtf8(key) + "\" für die Einstellungsdatei.");
  if (hasLineBreak(value))
    throw Error("Der Wert von \"" + cp1252ToUtf8(key) + "\" darf keinen Zeilenumbruch enthalten.");
}

bool endsWithLineEnd(std::string_view s) { return !s.empty() && (s.back() == '\n' || s.back() == '\r'); }

} // namespace

std::optional<std::string> iniLookup(std::string_view text, std::string_view section, std::string_view key) {
  const std::vector<Line> lines = parseLines(text);
  auto range = findSection(lines, trim(section));
  if (!range) return std::nullopt;
  auto k = findKey(lines, *range, trim(key));
  if (!k) return std::nullopt;
  return std::string(unquote(lines[*k].value));
}

std::string iniWrite(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
  section = trim(section);
  key = trim(key);
  checkWritable(section, key, value);
  const std::vector<Line> lines = parseLines(text);
  std::string out;
  out.reserve(text.size() + section.size() + key.size() + value.size() + 8);

  auto range = findSection(lines, section);
  if (!range) {
    // As WritePrivateProfileString does: the new section follows the last
    // line directly, without a blank line in between; only a last line
    // without line end gets one first.
    out.append(text);
    if (!out.empty() && !endsWithLineEnd(out)) out += "\r\n";
    out.append("[").append(section).append("]\r\n");
    out.append(key).append("=").append(value).append("\r\n");
    return out;
  }

  if (auto k = findKey(lines, *range, key)) {
    const Line& line = lines[*k];
    out.append(text.substr(0, line.begin));
    out.append(line.name).append("=").append(value);
    out.append(text.substr(line.contentEnd));
    return out;
  }

  std::size_t after = range->header;
  for (std::size_t i = range->first; i < range->last; ++i)
    if (lines[i].kind == LineKind::Key) after = i;
  const Line& line = lines[after];
  out.append(text.substr(0, line.end));
  if (line.end == line.contentEnd) out += "\r\n"; // the last line of the file had no line end
  out.append(key).append("=").append(value).append("\r\n");
  out.append(text.substr(line.end));
  return out;
}

IniFile::IniFile(fs::path path) : m_path(std::move(path)) {}

IniFile IniFile::fromText(std::string text) {
  IniFile ini;
  ini.m_text = std::move(text);
  return ini;
}

std::string IniFile::text() const {
  if (!m_path) return m_text;
  std::error_code ec;
  if (!fs::is_regular_file(*m_path, ec)) return {};
  try {
    return readFileText(*m_path);
  } catch (const Error&) {
    return {}; // an unreadable settings file reads as missing
  }
}

std::string IniFile::loadForWrite() const {
  if (!m_path) return m_text;
  std::error_code ec;
  fs::file_status st = fs::status(*m_path, ec);
  if (st.type() == fs::file_type::not_found) return {};
  if (!fs::is_regular_file(st))
    throw Error("Datei \"" + m_path->string() + "\" kann nicht erstellt werden. Es ist keine Datei.");
  return readFileText(*m_path);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
  if (auto v = iniLookup(text(), section, key)) return *v;
  while (!def.empty() && isBlank(def.back()))
    def.remove_suffix(1);
  return std::string(def);
}

std::int32_t IniFile::readInt(std::string_view section, std::string_view key, std::int32_t def) const {
  const std::string s = readString(section, key, "");
  if (s.empty()) return def;
  std::size_t i = 0;
  while (i < s.size() && isBlank(s[i]))
    ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::uint32_t v = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
    v = v * 10u + static_cast<std::uint32_t>(s[i] - '0');
  if (negative) v = 0u - v;
  return static_cast<std::int32_t>(v);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string before = loadForWrite();
  std::string after = iniWrite(before, section, key, value);
  if (!m_path) {
    m_text = std::move(after);
    return;
  }
  std::error_code ec;
  if (after == before && fs::exists(*m_path, ec)) return;
  writeFileAtomic(*m_path, after);
}

} // namespace veltra::core
