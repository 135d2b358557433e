// How long a parameter dialog takes to open. Group V has 9,216 signals: its
// drop-down must not cost a copy of every entry per opening.
#include "core/model/module_ops.h"
#include "core/model/project.h"
#include "core/persist/signal_lists.h"
#include "gui/modules/module_dialog.h"
#include "gui/modules/module_dialog_set.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace veltra;

struct Setup {
  Setup() : project(std::make_unique<core::Project>()) {
    project->InitRKreise(core::readSignalDefaults(VELTRA_PROGRAM_DIR));
    for (char letter : {'V', 'A', 'B'}) {
      core::placeModule(*project, 1, col(letter), 2, letter);
      core::createModuleDefaults(*project, project->cell(1, col(letter), 2));
    }
    project->cell(1, col('V'), 2).setI32(0, 9000);
  }
  static int col(char letter) { return letter == 'V' ? 2 : letter == 'A' ? 5 : 8; }
  std::unique_ptr<core::Project> project;
  gui::ModuleDialogSet dialogs;
};

Setup& setup() {
  static Setup s;
  return s;
}

// FormActivate alone: fill every control from the module.
void activate(benchmark::State& state, char letter) {
  Setup& s = setup();
  gui::ModuleDialog* d = s.dialogs.dialog(letter);
  for (auto _ : state) {
    d->activate(*s.project, 1, s.col(letter), 2, QStringLiteral(VELTRA_PROGRAM_DIR));
    benchmark::DoNotOptimize(d);
  }
}
void BM_ActivateV(benchmark::State& state) { activate(state, 'V'); }
void BM_ActivateA(benchmark::State& state) { activate(state, 'A'); }
// B reads its item file at every opening.
void BM_ActivateB(benchmark::State& state) { activate(state, 'B'); }
BENCHMARK(BM_ActivateV);
BENCHMARK(BM_ActivateA);
BENCHMARK(BM_ActivateB);

// Opening as the engineer sees it: activate, show (layout and first paint),
// close.
void BM_OpenAndShowV(benchmark::State& state) {
  Setup& s = setup();
  gui::ModuleDialog* d = s.dialogs.dialog('V');
  for (auto _ : state) {
    d->activate(*s.project, 1, s.col('V'), 2, QStringLiteral(VELTRA_PROGRAM_DIR));
    d->show();
    QApplication::processEvents();
    d->hide();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_OpenAndShowV)->Unit(benchmark::kMillisecond);

// Dropping down the list of 9,216 signals and closing it again (without the
// style's opening animation, which only adds waiting).
void BM_DropDownV(benchmark::State& state) {
  Setup& s = setup();
  QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
  gui::ModuleDialog* d = s.dialogs.dialog('V');
  d->activate(*s.project, 1, s.col('V'), 2, QStringLiteral(VELTRA_PROGRAM_DIR));
  d->show();
  auto* combo = d->findChild<QComboBox*>(QStringLiteral("cbNum"));
  for (auto _ : state) {
    combo->showPopup();
    QApplication::processEvents();
    combo->hidePopup();
    QApplication::processEvents();
  }
  d->hide();
}
BENCHMARK(BM_DropDownV)->Unit(benchmark::kMillisecond);

} // namespace
