#include "gui/compiler/compiler_commands.h"

#include "core/compiler/cross_reference.h"
#include "core/compiler/module_table_files.h"
#include "core/compiler/table_command.h"
#include "gui/app/session.h"
#include "gui/compiler/result_window.h"

#include <QStringList>

namespace veltra::gui {

void CompilerCommands::fillResults(const std::vector<std::string>& lines) {
  m_results.ClearLines();
  for (const std::string& line : lines)
    m_results.AddLine(fromUtf8(line));
}

void CompilerCommands::Tabelle1Click() {
  core::Settings& settings = m_session.settings();
  core::TableCommandResult result =
      core::runTableCommand(m_session.project(), m_session.moduleTable(), settings.DataMemorySize);
  if (!result.checkPassed) {
    fillResults(result.faultLines);
    m_session.host().ZeichneAlles(); // the red frames of the faulty cells
    m_results.exec();
    return;
  }
  const core::CompileResult& compiled = *result.compile;
  QStringList messages;
  for (const std::string& m : compiled.messages)
    messages << fromUtf8(m);
  if (compiled.tableTooLarge) {
    m_session.showError(messages.join(QChar('\n')));
    return;
  }
  if (!compiled.anythingWritten) return;
  const QString file =
      m_session.ui().saveFileName(m_session.window(), QStringLiteral("Modultabelle"), fromCp1252(settings.ProjectDir),
                                  QString(), QStringLiteral("Modultabelle (*.mtb)"), QStringLiteral("mtb"));
  if (!file.isEmpty() && !m_session.attempt([&] {
        m_session.rememberProjectDir(file);
        core::writeModuleTableFiles(m_session.moduleTable(), file.toStdString());
      }))
    return;
  if (!messages.isEmpty()) m_session.ui().showInfo(m_session.window(), messages.join('\n'));
}

void CompilerCommands::QuerverweisClick() {
  fillResults(core::crossReferenceLines(m_session.project()));
  m_results.exec();
}

} // namespace veltra::gui
