#pragma once

// Byte images built by hand from the record layouts, independent of the writers.

#include "core/model/project.h"
#include "core/persist/byte_reader.h"
#include "core/persist/signal_lists.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace veltra::core::test {

using Bytes = std::vector<std::uint8_t>;

// Appends little-endian fields one byte at a time.
class ByteImage {
public:
  ByteImage& u8(unsigned v) {
    m_b.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  ByteImage& i16(int v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
  ByteImage& i32(std::int32_t v) { return i16(v & 0xFFFF).i16((static_cast<std::uint32_t>(v) >> 16) & 0xFFFF); }
  ByteImage& text(std::string_view s) { return append(Bytes(s.begin(), s.end())); }
  ByteImage& fill(std::size_t n, unsigned v) { return append(Bytes(n, static_cast<std::uint8_t>(v))); }
  ByteImage& append(const Bytes& b) {
    m_b.insert(m_b.end(), b.begin(), b.end());
    return *this;
  }
  const Bytes& bytes() const { return m_b; }
  std::size_t size() const { return m_b.size(); }

private:
  Bytes m_b;
};

struct CellValues {
  char letter = 'E';
  int height = 1, part = 1;
  std::string text{};
  int error = 0;
  std::int32_t number = 1; // first i32 of params (signal or constant number)
  double value = 0.0;      // f64 at params offset 8
  std::int32_t xe = 0, xa = 0, ye = 0, ya = 0;
};

// The 172-byte TCell record.
inline Bytes cellRecord(const CellValues& c) {
  ByteImage b;
  b.u8(static_cast<unsigned char>(c.letter)).u8(c.height).u8(c.part);
  b.u8(c.text.size()).text(c.text).fill(21 - c.text.size(), 0).u8(0).i16(c.error);
  std::uint64_t bits;
  std::memcpy(&bits, &c.value, 8);
  b.i32(c.number).i32(0).i32(static_cast<std::int32_t>(bits & 0xFFFFFFFF)).i32(static_cast<std::int32_t>(bits >> 32));
  b.fill(128 - 16, 0).i32(c.xe).i32(c.xa).i32(c.ye).i32(c.ya);
  return b.bytes();
}

struct WireValues {
  int n, srcCol, srcRow;
  std::vector<std::pair<int, int>> dests;
};

// 100 TWire records: all free (-1) except the given connections.
inline Bytes wireTable(const std::vector<WireValues>& used = {}) {
  std::vector<std::pair<int, int>> ends(kWires * (1 + kDests), {-1, -1});
  for (const WireValues& w : used) {
    ends[(w.n - 1) * (1 + kDests)] = {w.srcCol, w.srcRow};
    std::copy(w.dests.begin(), w.dests.end(), ends.begin() + (w.n - 1) * (1 + kDests) + 1);
  }
  ByteImage b;
  for (auto [col, row] : ends)
    b.i32(col).i32(row);
  return b.bytes();
}

struct CellAt {
  int col, row;
  CellValues cell;
};

// A loop record body: sample time, cell entries, 0xFF, description, wires.
inline Bytes loopBody(const std::vector<CellAt>& cells, std::string_view text = " ", int sampleTime = 10,
                      const std::vector<WireValues>& x = {}, const std::vector<WireValues>& y = {}) {
  ByteImage b;
  b.i32(sampleTime);
  for (const CellAt& c : cells)
    b.u8(c.col).u8(c.row).append(cellRecord(c.cell));
  b.u8(0xFF).i32(static_cast<std::int32_t>(text.size())).text(text);
  return b.append(wireTable(x)).append(wireTable(y)).bytes();
}

// A control loop file: version, {loop number, body}..., end marker.
inline Bytes vtrImage(const std::vector<std::pair<std::int32_t, Bytes>>& records, std::int32_t end = -32767) {
  ByteImage b;
  b.i32(1);
  for (const auto& [loop, body] : records)
    b.i32(loop).append(body);
  return b.i32(end).bytes();
}

// Hands out `bytes` at most `most` bytes per call, whatever more is asked.
inline ByteReader::Source inPieces(const Bytes& bytes, std::size_t most = SIZE_MAX) {
  return [&bytes, most, offset = std::size_t{0}](std::uint8_t* dst, std::size_t n) mutable {
    n = std::min({n, most, bytes.size() - offset});
    std::copy_n(bytes.begin() + static_cast<long>(offset), n, dst);
    offset += n;
    return n;
  };
}

// The message of the Error that f throws; "kein Fehler" when it throws none.
template <typename F> std::string errorText(F&& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "kein Fehler";
}

inline std::unique_ptr<Project> newProject() {
  auto p = std::make_unique<Project>();
  p->InitRKreise(readSignalDefaults(VELTRA_PROGRAM_DIR));
  p->Modified = false;
  return p;
}

template <typename T> bool sameBytes(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every table of two projects, byte for byte where they are records.
inline void expectSameProject(const Project& a, const Project& b) {
  EXPECT_TRUE(sameBytes(a.Cells, b.Cells) && sameBytes(a.XWires, b.XWires) && sameBytes(a.YWires, b.YWires));
  EXPECT_EQ(std::tie(a.LoopText, a.LoopSampleTime, a.TextList, a.ErrorTexts, a.Modified, a.CurrentLoop),
            std::tie(b.LoopText, b.LoopSampleTime, b.TextList, b.ErrorTexts, b.Modified, b.CurrentLoop));
  for (SignalGroup g : kAllGroups)
    for (auto t : {&Project::SignalDesc, &Project::SignalName})
      EXPECT_EQ(std::memcmp((a.*t).group(g).data(), (b.*t).group(g).data(), (a.*t).group(g).size_bytes()), 0);
  EXPECT_TRUE(sameBytes(a.FWert, b.FWert) && sameBytes(a.SwitchPrograms, b.SwitchPrograms) &&
              sameBytes(a.ProjectData, b.ProjectData));
}

inline void writeBytes(const std::filesystem::path& path, const Bytes& b) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline Bytes toBytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "veltra-test-XXXXXX").string();
    m_path = mkdtemp(tmpl.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  std::filesystem::path operator/(std::string_view name) const { return m_path / std::string(name); }
  const std::filesystem::path& path() const { return m_path; }

private:
  std::filesystem::path m_path;
};

} // namespace veltra::core::test
