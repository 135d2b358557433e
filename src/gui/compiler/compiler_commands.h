#pragma once

#include <string>
#include <vector>

namespace veltra::gui {

class ResultWindow;
class Session;

// "Tabelle erzeugen" and "Querverweis": the module table with its check,
// and the cross-reference list, both shown in the result list.
class CompilerCommands {
public:
  CompilerCommands(Session& session, ResultWindow& results) : m_session(session), m_results(results) {}

  // The duplicate-output check; when it fails its lines are listed and the
  // faulty cells framed, otherwise the table is generated and written to
  // the ".mtb" file chosen in the save dialog, with its ".des" companion.
  void Tabelle1Click();
  void QuerverweisClick();

private:
  void fillResults(const std::vector<std::string>& lines);

  Session& m_session;
  ResultWindow& m_results;
};

} // namespace veltra::gui
