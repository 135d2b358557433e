#pragma once

#include "core/model/signal_defaults.h"
#include "core/model/types.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace veltra::core {

// Fills entries 1.. of `desc` (and of `names`, when given) from a signal text
// file: line n is signal n, cut to 21 characters; entries beyond the file's
// last line become empty, lines beyond the table are ignored. Entry 0 is
// left alone. Throws when the file cannot be read; the tables are then
// unchanged.
void readSignalTextFile(const std::filesystem::path& file, std::span<TSignalText> desc,
                        std::span<TSignalText> names = {});

// The five signal name files in `programDir` (found whatever their letter
// case), read for InitRKreise. Throws Error naming the first file that cannot
// be read, before anything reaches a project; `defaults` then holds the
// files before it.
void readSignalDefaults(const std::filesystem::path& programDir, SignalDefaults& defaults);
SignalDefaults readSignalDefaults(const std::filesystem::path& programDir);

// The lines of an item list file ("BItems.txt" ...). Throws when the file
// cannot be read.
std::vector<std::string> readItemFile(const std::filesystem::path& file);

// The item list of a module letter as the dialogs and the printout show it:
// the lines of its file in `programDir`, or the built-in list when the file
// cannot be read.
std::vector<std::string> itemsOrBuiltin(const std::filesystem::path& programDir, char letter);

// The display text (cp1252) of function index `index`: the item's line, or
// the index as a number when the list has no such line.
std::string itemText(const std::vector<std::string>& items, long long index);

// "Fehlertexte.txt": one entry per line. Throws when it cannot be read.
std::vector<std::string> readErrorTexts(const std::filesystem::path& file);

} // namespace veltra::core
