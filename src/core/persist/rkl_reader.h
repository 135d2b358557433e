#pragma once

#include "core/model/project.h"
#include "core/persist/loop_record.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace veltra::core {

// One control loop read from a library, held apart from the project until
// the whole file has been read. Cells not named by the file are empty.
struct LibraryLoop {
  Project::LoopCells cells;
  Project::LoopWires xWires;
  Project::LoopWires yWires;
  std::string text = " ";
  std::int32_t sampleTime = 10;

  LibraryLoop();
  LoopRef ref() { return {cells, xWires, yWires, text, sampleTime}; }
};

// The library file: the version (ignored), then one loop record body. A
// 0-byte or otherwise short image throws "Stream-Lesefehler"; bad content
// throws a message naming `fileName`. Bytes after the record are ignored.
std::unique_ptr<LibraryLoop> readRkl(std::span<const std::uint8_t> bytes, const std::string& fileName);

} // namespace veltra::core
