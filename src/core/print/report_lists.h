#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra::core {

// The installation lists the module listing names things from: the signal
// text files of groups A, E, I, Q and V (the module heading shows the file's
// line, not the project's description) and the function item lists of B, D,
// J, L and T. Texts are code page 1252 as in the files.
class ReportLists {
public:
  // Reads the lists from the program folder. A missing signal text file
  // throws (as at every reset of the project); a missing item list gives
  // the built-in names, as in the dialogs.
  static ReportLists load(const std::filesystem::path& programDir);

  // Line n of the signal text file of a letter, empty when there is none.
  std::string signalName(char letter, long long n) const;
  // The item text of function index `index` of a letter.
  std::string item(char letter, long long index) const;

  void setSignalLines(char letter, std::vector<std::string> lines);
  void setItems(char letter, std::vector<std::string> items);

private:
  std::array<std::vector<std::string>, 26> m_signalLines;
  std::array<std::vector<std::string>, 26> m_items;
};

} // namespace veltra::core
