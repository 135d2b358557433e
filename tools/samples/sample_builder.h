#pragma once

#include "core/model/project.h"

#include <string>

namespace veltra::samples {

// Builds a control loop the way an engineer would in the editor: modules
// placed by the placement rules with their type's defaults, connections
// from an output row to an input row. Every misuse throws, so a sample that
// does not follow the rules is never written.
class SampleBuilder {
public:
  explicit SampleBuilder(core::Project& p) : m_p(p) {}

  void loop(int loop, int sampleTime, const std::string& descriptionUtf8);
  // Places a module with its top cell at (col, row); returns its top cell.
  core::TCell& place(char letter, int col, int row, const std::string& textUtf8 = {});
  // A signal module on the signal whose description is `descUtf8`.
  core::TCell& signal(char letter, int col, int row, const std::string& descUtf8);
  // A time switch output on `program`, inverted or not.
  core::TCell& timeSwitch(int col, int row, int program, bool inverted = false);
  // Joins the output of (srcCol, srcRow) to the input of (dstCol, dstRow);
  // the kind (analog/digital) comes from the source row's output.
  void wire(int srcCol, int srcRow, int dstCol, int dstRow);
  void text(int col, int row, const std::string& line1Utf8, const std::string& line2Utf8 = {});

private:
  core::Project& m_p;
  int m_loop = 1;
};

} // namespace veltra::samples
