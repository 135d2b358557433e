// The Qt benchmarks run on the offscreen platform; the dialogs need a
// QApplication, the painter a GUI application of any kind.
#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The offscreen platform reports every window feature it lacks.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  qInstallMessageHandler(quiet);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
