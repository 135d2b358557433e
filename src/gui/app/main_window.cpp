#include "gui/app/main_window.h"

#include "core/editor/grid_geometry.h"
#include "core/persist/signal_lists.h"
#include "core/util/file_io.h"
#include "gui/app/about_dialog.h"
#include "gui/app/edit_menu.h"
#include "gui/app/modal_return.h"
#include "gui/app/settings_commands.h"
#include "gui/app/settings_dialog.h"
#include "gui/compiler/result_window.h"
#include "gui/editor/grid_keys.h"
#include "gui/editor/grid_view.h"
#include "gui/editor/loop_fields.h"
#include "gui/editor/text_dialog.h"
#include "gui/editor/tool_bars.h"
#include "gui/modules/module_dialog_set.h"
#include "gui/online/online_controller.h"
#include "gui/persist/project_data_dialog.h"
#include "gui/persist/signal_editor_dialog.h"
#include "gui/print/print_commands.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltra::gui {

namespace {

// Where the grid picture (Image1) lies in the client area of 953 pixels.
constexpr int kGridLeft = 40;
constexpr int kGridTop = 41;

} // namespace

MainWindow::MainWindow(const QString& programDir, UiServices* ui, QWidget* parent)
    : QMainWindow(parent), m_ownUi(ui == nullptr ? std::make_unique<QtUiServices>() : nullptr),
      m_session(programDir, ui != nullptr ? *ui : *m_ownUi, this, *this), m_editor(m_session.project(), *this),
      m_painter(m_bitmaps), m_libraryCommands(m_session) {
  m_editor.setHistory(&m_session.history());
  auto dialogs = std::make_unique<ModuleDialogSet>(this);
  dialogs->setMessageHandler(m_session.errorHandler());
  m_moduleDialogs = dialogs.get();
  m_ownModuleDialogs = std::move(dialogs);
  m_bitmaps.setErrorHandler([this](const QString& message) { m_session.showError(message); });
  setWindowTitle(QStringLiteral("VELTRA"));
  m_textDialog = new TextDialog(this);
  m_projectDataDialog = new ProjectDataDialog(this);
  m_signalEditor = new SignalEditorDialog(this);
  m_resultWindow = new ResultWindow(this);
  m_settingsDialog = new SettingsDialog(this);
  m_aboutDialog = new AboutDialog(m_session.programDir(), this);
  m_projectCommands = std::make_unique<ProjectCommands>(m_session, *m_projectDataDialog, *m_resultWindow);
  m_compilerCommands = std::make_unique<CompilerCommands>(m_session, *m_resultWindow);
  PrintCommands::Context print;
  print.project = [this]() -> core::Project& { return m_session.project(); };
  print.designDir = [this] { return QString::fromStdString(core::designDir(m_session.settings()).string()); };
  print.projectDir = [this] { return fromCp1252(m_session.settings().ProjectDir); };
  print.showTexts = [this] { return m_session.settings().ShowTexts; };
  print.showLoop = [this](int loop) { showLoop(loop); };
  m_printCommands =
      std::make_unique<PrintCommands>(this, m_session.ui(), m_bitmaps, m_session.programDir(), std::move(print));
  connect(m_resultWindow->printButton(), &QPushButton::clicked, this,
          [this] { m_printCommands->printLines(m_resultWindow->lines()); });
  buildControls();
  buildMenu();
  m_keys = std::make_unique<GridKeyFilter>(*m_grid, m_editor, *this);
  new ModalReturn(this);
  startUp();
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------- start-up

void MainWindow::startUp() {
  core::Project& p = m_session.project();
  p.Modified = false;
  m_session.loadSettings();
  m_settingsCommands->buildDesignMenu();
  settingsChanged();
  const std::string& programDir = m_session.settings().ProgramDir;
  m_session.attempt([&] {
    p.ErrorTexts = core::readErrorTexts(core::findCaseInsensitive(programDir, "Fehlertexte.txt"));
    p.InitRKreise(core::readSignalDefaults(programDir));
  });
  p.CurrentLoop = 1;
  // The online buttons start detached: the controller enabled Debug and Messen only.
  m_editor.rebuild();
  core::readDisplayFlags(m_session.ini(), m_session.settings());
  settingsChanged();
  p.Modified = false;
  m_session.history().reset(p);
}

void MainWindow::settingsChanged() {
  const core::Settings& s = m_session.settings();
  m_editor.setFlags({s.TipDescription, s.TipParameters, s.TipCrossRef, s.ShowTexts});
  m_painter.setFolders(m_session.programDir(), QString::fromStdString(core::designDir(s).string()));
}

void MainWindow::buildControls() {
  auto* central = new QWidget(this);
  // A few pixels below the column numbers, so they do not sit on the edge.
  central->setFixedSize(953, 583);
  setCentralWidget(central);
  QFont font = central->font();
  font.setPointSize(8);
  central->setFont(font);

  m_grid = new GridView(central);
  m_grid->setObjectName("Image1");
  m_grid->move(kGridLeft, kGridTop);
  connect(m_grid, &GridView::pointerMoved, this, [this](int x, int y, bool held) {
    m_helpMemo->setFocus();
    m_editor.mouseMove(x, y, held);
  });
  connect(m_grid, &GridView::clicked, this, [this] { m_editor.click(); });
  m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_grid, &GridView::customContextMenuRequested, this, &MainWindow::gridContextMenu);
  connect(m_grid, &GridView::released, this, [this] { m_editor.mouseUp(); });
  // Re-entering the same cell then counts as a new cell (fresh hover text).
  connect(m_grid, &GridView::left, this, [this] { m_editor.leaveImage(); });

  // Column and row numbers centred on their cells.
  for (int c = 0; c < core::kCols; ++c) {
    auto* l = new QLabel(QString::number(c + 1), central);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(kGridLeft + core::cellPx(c), kGridTop + core::kGridPx + 2, core::kCellPx, 14);
  }
  for (int r = 0; r < core::kRows; ++r) {
    auto* l = new QLabel(QString::number(r + 1), central);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setGeometry(kGridLeft + core::kGridPx + 4, kGridTop + core::cellPx(r), 24, core::kCellPx);
  }

  m_fields = new LoopFields(
      m_editor, [this](const QString& message) { m_session.showError(message); }, central);

  m_helpMemo = new QPlainTextEdit(central);
  m_helpMemo->setObjectName("HelpMemo");
  m_helpMemo->setReadOnly(true);
  m_helpMemo->setFrameShape(QFrame::NoFrame);
  m_helpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Ends above the online label and the label "Messwertupdate" of the button row.
  m_helpMemo->setGeometry(596, 344, 353, 150);
  m_helpMemo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: palette(window); }"));

  m_online = new OnlineController(m_session, central);
  auto* ende = new QPushButton(QStringLiteral("Ende"), central);
  ende->setObjectName("Button1");
  ende->setGeometry(889, 540, 56, 25);
  connect(ende, &QPushButton::clicked, this, &MainWindow::EndeClick);

  m_toolBars = new ToolBars(m_session.programDir(), central);
  connect(m_toolBars, &ToolBars::chosen, this, [this](char code, bool isConnectButton, bool keepsRange) {
    m_editor.toolButton(code, isConnectButton, keepsRange);
    m_grid->setRubberBand(m_editor.rubberBandVisible(), {}, {});
    ZeichneAlles();
  });
}

QToolButton* MainWindow::toolButton(char code) const { return m_toolBars->button(code); }

void MainWindow::buildMenu() {
  ProjectCommands& files = *m_projectCommands;
  QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
  // Ctrl with a letter: the grid takes the plain keys while the pointer is
  // over it.
  datei->addAction(QStringLiteral("Neu"), this, [&files] { files.Neu1Click(); })->setShortcut(Qt::CTRL | Qt::Key_N);
  datei->addAction(QStringLiteral("Laden"), this, [&files] { files.LadenNeuClick(); })
      ->setShortcut(Qt::CTRL | Qt::Key_O);
  datei->addAction(QStringLiteral("Speichern"), this, [&files] { files.SpeichernNeuClick(); })
      ->setShortcut(Qt::CTRL | Qt::Key_S);
  datei->addSeparator();
  m_actLibraryLoad =
      datei->addAction(QStringLiteral("Library laden"), this, [this] { m_libraryCommands.Libraryladen1Click(); });
  m_actLibraryLoad->setObjectName("Libraryladen1");
  datei->addAction(QStringLiteral("Library speichern"), this, [this] { m_libraryCommands.Libraryspeichern1Click(); });
  datei->addSeparator();
  datei->addAction(QStringLiteral("Tabelle erzeugen"), this, [this] { m_compilerCommands->Tabelle1Click(); });
  datei->addAction(QStringLiteral("Einstellungen"), this, [this] { m_settingsCommands->EinstellungenClick(); });
  datei->addSeparator();
  datei->addAction(QStringLiteral("Ende"), this, &MainWindow::EndeClick)->setShortcut(Qt::CTRL | Qt::Key_Q);
  m_editMenu = new EditMenu(menuBar(), m_session.history(),
                            {[this] { return m_editor.onlineMode(); }, [this] { m_editor.cancelGesture(); },
                             [this](int loop) { showStep(loop); }});
  QMenu* projekt = menuBar()->addMenu(QStringLiteral("Projekt"));
  projekt->setObjectName("menuProjekt");
  projekt->addAction(QStringLiteral("Vergleichen…"), this, [&files] { files.VergleichenClick(); })
      ->setObjectName("actCompare");

  QMenu* doku = menuBar()->addMenu(QStringLiteral("Dokumentation"));
  doku->addAction(QStringLiteral("Projektdaten"), this, [&files] { files.ProjektdatenClick(); });
  doku->addAction(QStringLiteral("Querverweis"), this, [this] { m_compilerCommands->QuerverweisClick(); });
  doku->addAction(QStringLiteral("Editor"), this, [this] {
    m_session.runEdit("Signale ändern", [this] { m_signalEditor->edit(m_session.project()); });
    ZeichneAlles();
  });
  doku->addAction(QStringLiteral("Drucken "), this, [this] { m_printCommands->DruckenClick(); })
      ->setShortcut(Qt::CTRL | Qt::Key_P);

  QMenu* graphik = menuBar()->addMenu(QStringLiteral("Graphik"));
  graphik->addAction(QStringLiteral("Graphik"), this, [this] { m_online->GraphikClick(); });

  m_designMenu = menuBar()->addMenu(QStringLiteral("Designs"));
  m_settingsCommands = std::make_unique<SettingsCommands>(m_session, *m_settingsDialog, *m_designMenu);
  menuBar()->addAction(QStringLiteral("About"), this, [this] { m_aboutDialog->exec(); });
}

void MainWindow::gridContextMenu(const QPoint& pos) {
  if (!core::inGrid(pos.x(), pos.y())) return;
  core::Project& p = m_session.project();
  const int col = pos.x() / core::kCellPx, row = pos.y() / core::kCellPx;
  if (!OnlineController::showsTrend(p.cell(p.CurrentLoop, col, row))) return;
  QMenu menu(this);
  menu.addAction(QStringLiteral("Verlauf anzeigen"), this, [this, col, row] { m_online->VerlaufClick(col, row); });
  menu.exec(m_grid->mapToGlobal(pos));
}

// ---------------------------------------------------------------- drawing

void MainWindow::showFileTitle() {
  const QString& name = m_session.projectFileName();
  setWindowTitle(QStringLiteral("VELTRA   ") + (name.isEmpty() ? QStringLiteral("Unbekannt") : name));
}

void MainWindow::ZeichneAlles() {
  core::Project& p = m_session.project();
  showFileTitle();
  const GridScene scene{.rangeState = m_editor.rangeState(),
                        .rangeCol1 = m_editor.rangeCol1(),
                        .rangeRow1 = m_editor.rangeRow1(),
                        .rangeCol2 = m_editor.rangeCol2(),
                        .rangeRow2 = m_editor.rangeRow2(),
                        .showTexts = m_session.settings().ShowTexts,
                        .liveBlock = m_editor.onlineMode() ? m_online->liveBlock() : nullptr};
  m_painter.ZeichneAlles(m_grid->image(), p, p.CurrentLoop, m_editor.wireField(), scene);
  m_actLibraryLoad->setEnabled(p.loopIsEmpty(p.CurrentLoop));
  m_fields->refill(p);
  overlayChanged();
}

void MainWindow::rebuild() { m_editor.rebuild(); }

void MainWindow::showLoop(int loop) {
  if (!core::validLoop(loop)) return;
  m_session.project().CurrentLoop = loop;
  m_fields->showLoop(loop);
  m_editor.rebuild();
}

void MainWindow::showStep(int loop) {
  core::Project& p = m_session.project();
  m_fields->showProject(p); // the description and sample time may be the step's
  if (core::validLoop(loop) && loop != p.CurrentLoop) {
    showLoop(loop);
    return;
  }
  m_editor.rebuild();
}

void MainWindow::projectChanged() {
  core::Project& p = m_session.project();
  m_editor.setProject(p);
  // A gesture begun on the old project must not finish on this one.
  m_editor.cancelGesture();
  m_fields->showProject(p);
  m_editor.rebuild();
}

// ---------------------------------------------------------------- EditorHost

bool MainWindow::askYesNo(const std::string& question) { return m_session.ui().askYesNo(this, fromUtf8(question)); }

void MainWindow::openModuleDialog(char letter) {
  core::Project& p = m_session.project();
  m_moduleDialogs->exec(letter, p, p.CurrentLoop, m_editor.selCol(), m_editor.selRow(), m_session.programDir());
}

void MainWindow::openTextDialog(int loop, int col, int row) { m_textDialog->edit(m_session.project(), loop, col, row); }

void MainWindow::redraw() { ZeichneAlles(); }

void MainWindow::overlayChanged() {
  const core::Point a = m_editor.rubberStart(), b = m_editor.rubberEnd();
  m_grid->setRubberBand(m_editor.rubberBandVisible(), QPoint(a.x, a.y), QPoint(b.x, b.y));
}

void MainWindow::showHelp(char code) {
  m_helpMemo->clear();
  const std::string name = std::string("mod") + code + ".hlp";
  m_session.attempt([&] {
    const std::string text = core::readFileText(core::findCaseInsensitive(m_session.settings().ProgramDir, name));
    m_helpMemo->setPlainText(fromCp1252(text));
  });
}

void MainWindow::clearHelp() { m_helpMemo->clear(); }

void MainWindow::setHoverText(const std::string& text) { m_grid->setToolTip(fromUtf8(text)); }

void MainWindow::onlineDataEntry(int loop, int col, int row) { m_online->onlineDataEntry(loop, col, row); }

void MainWindow::loopChosen(int loop) { m_online->loopChosen(loop); }

void MainWindow::setEditorOnline(bool on) {
  m_editor.setOnlineMode(on);
  if (m_editMenu != nullptr) m_editMenu->update();
  if (!on) return;
  // Data entry, as if ToolButton35 had been chosen: a double click changes values.
  m_editor.setCurrentTool(core::tool::kDataEntry);
  m_toolBars->mark(core::tool::kDataEntry);
}

// ---------------------------------------------------------------- closing

void MainWindow::EndeClick() {
  if (!m_projectCommands->AskSave()) return;
  m_askedOnClose = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!m_askedOnClose && !m_projectCommands->AskSave()) {
    event->ignore();
    return;
  }
  m_askedOnClose = false;
  event->accept();
}

} // namespace veltra::gui
