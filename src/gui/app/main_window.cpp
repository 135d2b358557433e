#include "gui/app/main_window.h"

#include "core/compiler/cross_reference.h"
#include "core/compiler/module_table_files.h"
#include "core/compiler/table_command.h"
#include "core/modules/catalogue.h"
#include "core/persist/library_file.h"
#include "core/persist/project_file_set.h"
#include "core/persist/project_loader.h"
#include "core/persist/signal_lists.h"
#include "core/persist/vtp_writer.h"
#include "core/util/error.h"
#include "core/util/file_io.h"
#include "gui/app/about_dialog.h"
#include "gui/app/modal_return.h"
#include "gui/app/settings_dialog.h"
#include "gui/app/ui_services.h"
#include "gui/compiler/result_window.h"
#include "gui/editor/grid_view.h"
#include "gui/editor/text_dialog.h"
#include "gui/modules/module_dialog_set.h"
#include "gui/persist/project_data_dialog.h"
#include "gui/persist/signal_editor_dialog.h"
#include "gui/print/print_commands.h"
#include "gui/util/qt_text.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

namespace veltra::gui {

namespace {

// The tool buttons: object name, image index and code, ToolBar1 first.
struct ToolButtonDef {
  const char* name;
  int image;
  char code;
};

constexpr ToolButtonDef kToolBar1[] = {
    {"ToolButton1", 4, 'E'},   {"ToolButton2", 6, 'I'},   {"ToolButton3", 22, 'V'},  {"ToolButton4", 19, 'S'},
    {"ToolButton5", 5, 'H'},   {"ToolButton6", 3, 'M'},   {"ToolButton7", 7, 'A'},   {"ToolButton8", 8, 'Q'},
    {"ToolButton9", 9, 'B'},   {"ToolButton10", 12, 'G'}, {"ToolButton11", 11, 'K'}, {"ToolButton12", 20, 'D'},
    {"ToolButton13", 13, 'Y'}, {"ToolButton14", 15, 'R'}, {"ToolButton15", 16, 'C'}, {"ToolButton16", 21, 'W'},
    {"ToolButton17", 14, 'N'}, {"ToolButton18", 10, 'T'}, {"ToolButton19", 17, 'P'}, {"ToolButton20", 18, 'Z'},
    {"ToolButton21", 0, 'U'},  {"ToolButton22", 1, 'O'},  {"ToolButton23", 2, 'X'}};
constexpr ToolButtonDef kToolBar2[] = {{"ToolButton24", 28, '0'}, {"ToolButton25", 29, '1'}, {"ToolButton26", 30, '2'},
                                       {"ToolButton27", 33, '3'}, {"ToolButton30", 31, '6'}, {"ToolButton31", 34, '7'},
                                       {"ToolButton32", 33, '8'}, {"ToolButton33", 26, '9'}, {"ToolButton35", 24, '+'},
                                       {"ToolButton36", 23, '#'}, {"ToolButton38", 25, 'J'}, {"ToolButton39", 37, 'F'},
                                       {"ToolButton28", 38, 'L'}};

QString toolTipOf(char code) {
  if (const core::ModuleType* t = core::moduleType(code))
    return QString::fromUtf8(t->name.data(), static_cast<int>(t->name.size())) + " (" + QChar(code) + ")";
  switch (code) {
  case '0':
    return QStringLiteral("Verbinden (0)");
  case '1':
    return QStringLiteral("Verbindung lösen (1)");
  case '2':
    return QStringLiteral("Verschieben (2)");
  case '7':
    return QStringLiteral("Text (7)");
  case '9':
    return QStringLiteral("Bereich löschen (9)");
  case '+':
    return QStringLiteral("Dateneingabe (F2)");
  case '#':
    return QStringLiteral("Modul löschen (F3)");
  default:
    return {};
  }
}

// Where the grid picture (Image1) lies in the client area.
constexpr int kGridLeft = 40;
constexpr int kGridTop = 41;

} // namespace

MainWindow::MainWindow(const QString& programDir, UiServices* ui, QWidget* parent)
    : QMainWindow(parent), m_programDir(QDir(programDir).absolutePath()),
      m_ownUi(ui == nullptr ? std::make_unique<QtUiServices>() : nullptr), m_ui(ui != nullptr ? ui : m_ownUi.get()),
      m_project(std::make_unique<core::Project>()), m_editor(*m_project, *this), m_painter(m_bitmaps) {
  auto dialogs = std::make_unique<ModuleDialogSet>(this);
  dialogs->setMessageHandler([this](QWidget* parent, const QString& message) { m_ui->showError(parent, message); });
  m_moduleDialogs = dialogs.get();
  m_ownModuleDialogs = std::move(dialogs);
  m_bitmaps.setErrorHandler([this](const QString& message) { m_ui->showError(this, message); });
  setWindowTitle(QStringLiteral("VELTRA"));
  buildControls();
  buildToolBars();
  buildMenu();
  m_online =
      new OnlineController(*this, *m_ui, m_table, m_settings,
                           {m_btDebug, m_btDStop, m_btnSUhr, m_btMessen, m_btMStop, m_edMesszeit, m_lbOnline}, this);
  m_textDialog = new TextDialog(this);
  m_projectDataDialog = new ProjectDataDialog(this);
  m_signalEditor = new SignalEditorDialog(this);
  m_resultWindow = new ResultWindow(this);
  m_settingsDialog = new SettingsDialog(this);
  m_aboutDialog = new AboutDialog(m_programDir, this);
  PrintCommands::Context printContext;
  printContext.project = [this]() -> core::Project& { return *m_project; };
  printContext.designDir = [this] { return QString::fromStdString(core::designDir(m_settings).string()); };
  printContext.projectDir = [this] { return fromCp1252(m_settings.ProjectDir); };
  printContext.showTexts = [this] { return m_settings.ShowTexts; };
  printContext.showLoop = [this](int loop) { showLoop(loop); };
  m_print = std::make_unique<PrintCommands>(this, *m_ui, m_bitmaps, m_programDir, std::move(printContext));
  connect(m_resultWindow->printButton(), &QPushButton::clicked, this,
          [this] { m_print->printLines(m_resultWindow->lines()); });
  m_projectDataDialog->setSaveHandler([this](const core::TProjectData& data) {
    QString proposed =
        m_projectFileName.isEmpty() ? QString() : QFileInfo(m_projectFileName).completeBaseName() + ".vtp";
    const QString file = m_ui->saveFileName(this, QStringLiteral("Projektdaten"), fromCp1252(m_settings.ProjectDir),
                                            proposed, QStringLiteral("Projektdaten (*.vtp)"), QStringLiteral("vtp"));
    if (file.isEmpty()) return true;
    m_settings.ProjectDir = toCp1252(dirOf(file));
    m_projectFileName = QFileInfo(file).fileName().left(200);
    try {
      core::writeProjectDir(*m_ini, m_settings);
      core::saveProjectData(data, file.toStdString());
    } catch (const core::Error& e) {
      m_ui->showError(this, fromUtf8(e.what()));
      return false;
    }
    showFileTitle();
    return true;
  });
  qApp->installEventFilter(this);
  new ModalReturn(this);
  startUp();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

// ---------------------------------------------------------------- start-up

void MainWindow::startUp() {
  m_project->Modified = false;
  m_settings = core::loadSettings(m_programDir.toStdString() + "/");
  m_ini = std::make_unique<core::IniFile>(core::settingsFile(m_settings.ProgramDir));
  buildDesignMenu();
  applySettings();
  try {
    m_project->ErrorTexts = core::readErrorTexts(core::findCaseInsensitive(m_settings.ProgramDir, "Fehlertexte.txt"));
    m_project->InitRKreise(m_settings.ProgramDir);
  } catch (const core::Error& e) {
    m_startupFailed = true;
    m_ui->showError(this, fromUtf8(e.what()));
  }
  m_project->CurrentLoop = 1;
  // The online buttons start detached: the controller enabled Debug and Messen only.
  m_editor.rebuild();
  core::readDisplayFlags(*m_ini, m_settings);
  applySettings();
  m_project->Modified = false;
}

void MainWindow::applySettings() {
  m_editor.setFlags(
      {m_settings.TipDescription, m_settings.TipParameters, m_settings.TipCrossRef, m_settings.ShowTexts});
  m_painter.setFolders(m_programDir, QString::fromStdString(core::designDir(m_settings).string()));
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
  connect(m_grid, &GridView::released, this, [this] { m_editor.mouseUp(); });
  // Re-entering the same cell then counts as a new cell (fresh hover text).
  connect(m_grid, &GridView::left, this, [this] { m_editor.leaveImage(); });

  // Column and row numbers centred on their cells.
  for (int c = 0; c < 15; ++c) {
    auto* l = new QLabel(QString::number(c + 1), central);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(kGridLeft + 35 * c, kGridTop + 525 + 2, 35, 14);
  }
  for (int n = 1; n <= 15; ++n) {
    auto* l = new QLabel(QString::number(n), central);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setGeometry(kGridLeft + 525 + 4, kGridTop + 35 * (n - 1), 24, 35);
  }

  const int x = 600;
  auto* lbLoop = new QLabel(QStringLiteral("Regelkreis"), central);
  lbLoop->setGeometry(x, 44, 80, 16);
  m_edNum = new QLineEdit(QStringLiteral("1"), central);
  m_edNum->setObjectName("edNum");
  m_edNum->setGeometry(x, 62, 50, 22);
  m_upDown = new QSpinBox(central);
  m_upDown->setObjectName("UpDown1");
  m_upDown->setRange(1, 200);
  m_upDown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  m_upDown->setGeometry(x + 50, 62, 18, 22);
  m_upDown->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; }"));
  connect(m_upDown, &QSpinBox::valueChanged, this, [this](int v) {
    if (m_refreshing) return;
    m_edNum->setText(QString::number(v));
  });
  connect(m_edNum, &QLineEdit::textChanged, this, &MainWindow::edNumChanged);
  connect(m_edNum, &QLineEdit::editingFinished, this, &MainWindow::edNumChanged);

  auto* lbTime = new QLabel(QStringLiteral("Abtastzeit"), central);
  lbTime->setGeometry(x + 100, 44, 80, 16);
  m_edZeit = new QLineEdit(QStringLiteral("10"), central);
  m_edZeit->setObjectName("edZeit");
  m_edZeit->setGeometry(x + 100, 62, 60, 22);
  auto* lbUnit = new QLabel(QStringLiteral("s"), central);
  lbUnit->setGeometry(x + 164, 65, 12, 16);
  connect(m_edZeit, &QLineEdit::textEdited, this, &MainWindow::edZeitEdited);
  connect(m_edZeit, &QLineEdit::editingFinished, this, &MainWindow::edZeitFinished);

  auto* lbDesc = new QLabel(QStringLiteral("Regelkreisbeschreibung"), central);
  lbDesc->setGeometry(x, 96, 200, 16);
  m_description = new QPlainTextEdit(central);
  m_description->setObjectName("RKBeschreibung");
  m_description->setGeometry(x, 114, 349, 220);
  connect(m_description, &QPlainTextEdit::textChanged, this, &MainWindow::descriptionChanged);

  m_helpMemo = new QPlainTextEdit(central);
  m_helpMemo->setObjectName("HelpMemo");
  m_helpMemo->setReadOnly(true);
  m_helpMemo->setFrameShape(QFrame::NoFrame);
  m_helpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Ends above the online label and the label "Messwertupdate" of the button row.
  m_helpMemo->setGeometry(596, 344, 353, 150);
  m_helpMemo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: palette(window); }"));

  m_lbOnline = new QLabel(central);
  m_lbOnline->setObjectName("lbOnline");
  m_lbOnline->setGeometry(596, 498, 353, 20);
  m_lbOnline->hide();

  const int by = 540;
  m_btDebug = new QPushButton(QStringLiteral("Debug"), central);
  m_btDebug->setObjectName("btDebug");
  m_btDebug->setGeometry(596, by, 48, 25);
  m_btDStop = new QPushButton(QStringLiteral("Stop"), central);
  m_btDStop->setObjectName("btDStop");
  m_btDStop->setGeometry(646, by, 40, 25);
  auto* lbMess = new QLabel(QStringLiteral("Messwertupdate"), central);
  lbMess->setGeometry(692, by - 16, 90, 14);
  m_edMesszeit = new QLineEdit(QStringLiteral("60"), central);
  m_edMesszeit->setObjectName("edMesszeit");
  m_edMesszeit->setGeometry(692, by + 1, 34, 23);
  m_btMessen = new QPushButton(QStringLiteral("Messen"), central);
  m_btMessen->setObjectName("btMessen");
  m_btMessen->setGeometry(728, by, 52, 25);
  m_btMStop = new QPushButton(QStringLiteral("Stop"), central);
  m_btMStop->setObjectName("btMStop");
  m_btMStop->setGeometry(782, by, 40, 25);
  m_btnSUhr = new QPushButton(QStringLiteral("SUhr"), central);
  m_btnSUhr->setObjectName("btnSUhr");
  m_btnSUhr->setGeometry(828, by, 44, 25);
  auto* ende = new QPushButton(QStringLiteral("Ende"), central);
  ende->setObjectName("Button1");
  ende->setGeometry(889, by, 56, 25);
  connect(ende, &QPushButton::clicked, this, &MainWindow::EndeClick);
}

void MainWindow::buildToolBars() {
  QWidget* central = centralWidget();
  auto make = [&](const ToolButtonDef* defs, int count, Qt::Orientation o) {
    auto* bar = new QToolBar(central);
    bar->setOrientation(o);
    bar->setIconSize(QSize(32, 32));
    bar->setMovable(false);
    bar->setFloatable(false);
    // The chosen tool stays clearly marked, not only while hovered.
    bar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; }"
                                      "QToolButton { border: 1px solid transparent; border-radius: 3px; }"
                                      "QToolButton:hover { border-color: rgb(150,170,200); }"
                                      "QToolButton:checked { background: rgb(200,220,245);"
                                      " border-color: rgb(50,100,170); }"));
    for (int i = 0; i < count; ++i) {
      auto* b = new QToolButton(bar);
      b->setObjectName(defs[i].name);
      b->setCheckable(true);
      b->setAutoRaise(true);
      b->setFixedSize(o == Qt::Horizontal ? 39 : 39, 38);
      b->setIconSize(QSize(32, 32));
      b->setProperty("toolCode", QChar(defs[i].code));
      const QString picture =
          QDir(m_programDir).filePath(QStringLiteral("toolbar/%1.bmp").arg(defs[i].image, 2, 10, QChar('0')));
      b->setIcon(QIcon(QPixmap(picture)));
      b->setToolTip(toolTipOf(defs[i].code));
      connect(b, &QToolButton::clicked, this, [this, b] { onToolButton(b); });
      bar->addWidget(b);
      m_toolButtons.append(b);
    }
    return bar;
  };
  m_toolBar1 = make(kToolBar1, static_cast<int>(std::size(kToolBar1)), Qt::Horizontal);
  m_toolBar1->setObjectName("ToolBar1");
  m_toolBar1->setGeometry(0, 0, 953, 40);
  m_toolBar2 = make(kToolBar2, static_cast<int>(std::size(kToolBar2)), Qt::Vertical);
  m_toolBar2->setObjectName("ToolBar2");
  m_toolBar2->setGeometry(0, 41, 40, 13 * 38 + 4);
}

QToolButton* MainWindow::toolButton(char code) const {
  for (QToolButton* b : m_toolButtons)
    if (b->property("toolCode").toChar() == QChar(code)) return b;
  return nullptr;
}

void MainWindow::onToolButton(QToolButton* button) {
  const char code = static_cast<char>(button->property("toolCode").toChar().toLatin1());
  m_editor.toolButton(code, button->objectName() == "ToolButton24", button->objectName() == "ToolButton39");
  for (QToolButton* b : m_toolButtons)
    b->setChecked(b == button);
  m_grid->setRubberBand(m_editor.rubberBandVisible(), {}, {});
  ZeichneAlles();
}

void MainWindow::buildMenu() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
  // Ctrl with a letter: the grid takes the plain keys while the pointer is
  // over it.
  datei->addAction(QStringLiteral("Neu"), this, &MainWindow::Neu1Click)->setShortcut(Qt::CTRL | Qt::Key_N);
  datei->addAction(QStringLiteral("Laden"), this, &MainWindow::LadenNeuClick)->setShortcut(Qt::CTRL | Qt::Key_O);
  datei->addAction(QStringLiteral("Speichern"), this, &MainWindow::SpeichernNeuClick)
      ->setShortcut(Qt::CTRL | Qt::Key_S);
  datei->addSeparator();
  m_actLibraryLoad = datei->addAction(QStringLiteral("Library laden"), this, &MainWindow::Libraryladen1Click);
  m_actLibraryLoad->setObjectName("Libraryladen1");
  datei->addAction(QStringLiteral("Library speichern"), this, &MainWindow::Libraryspeichern1Click);
  datei->addSeparator();
  datei->addAction(QStringLiteral("Tabelle erzeugen"), this, &MainWindow::Tabelle1Click);
  datei->addAction(QStringLiteral("Einstellungen"), this, &MainWindow::EinstellungenClick);
  datei->addSeparator();
  datei->addAction(QStringLiteral("Ende"), this, &MainWindow::EndeClick)->setShortcut(Qt::CTRL | Qt::Key_Q);
  QMenu* doku = menuBar()->addMenu(QStringLiteral("Dokumentation"));
  doku->addAction(QStringLiteral("Projektdaten"), this, &MainWindow::ProjektdatenClick);
  doku->addAction(QStringLiteral("Querverweis"), this, &MainWindow::QuerverweisClick);
  doku->addAction(QStringLiteral("Editor"), this, &MainWindow::SignaleditorClick);
  doku->addAction(QStringLiteral("Drucken "), this, &MainWindow::DruckenClick)->setShortcut(Qt::CTRL | Qt::Key_P);
  QMenu* graphik = menuBar()->addMenu(QStringLiteral("Graphik"));
  graphik->addAction(QStringLiteral("Graphik"), this, &MainWindow::notYetAvailable);
  m_designMenu = menuBar()->addMenu(QStringLiteral("Designs"));
  menuBar()->addAction(QStringLiteral("About"), this, [this] { m_aboutDialog->exec(); });
}

void MainWindow::buildDesignMenu() {
  m_designMenu->clear();
  qDeleteAll(m_designMenu->findChildren<QActionGroup*>());
  // One design at a time: shown as a radio choice.
  auto* group = new QActionGroup(m_designMenu);
  const std::vector<std::string> designs = core::designFolders(m_settings.ProgramDir);
  for (const std::string& d : designs) {
    const QString name = QString::fromStdString(d);
    QAction* a = m_designMenu->addAction(name, this, [this, name] { chooseDesign(name); });
    a->setCheckable(true);
    a->setChecked(d == m_settings.DesignName);
    group->addAction(a);
  }
}

void MainWindow::chooseDesign(const QString& name) {
  m_settings.DesignName = name.toStdString();
  try {
    core::writeDesign(*m_ini, m_settings);
  } catch (const core::Error& e) {
    m_ui->showError(this, fromUtf8(e.what()));
  }
  for (QAction* a : m_designMenu->actions())
    a->setChecked(a->text() == name);
  applySettings();
  ZeichneAlles();
}

void MainWindow::notYetAvailable() {
  m_ui->showInfo(this, QStringLiteral("Diese Funktion ist in dieser Version noch nicht enthalten."));
}

// ---------------------------------------------------------------- drawing

void MainWindow::showFileTitle() {
  setWindowTitle(QStringLiteral("VELTRA   ") +
                 (m_projectFileName.isEmpty() ? QStringLiteral("Unbekannt") : m_projectFileName));
}

void MainWindow::setLoopFields() {
  m_refreshing = true;
  const int loop = m_project->CurrentLoop;
  // A field being typed in keeps its text while it shows the same loop of
  // the same project; another loop or project always refills it.
  const bool sameLoop = loop == m_fieldsLoop && m_project.get() == m_fieldsProject;
  const QString time = QString::number(m_project->LoopSampleTime[loop]);
  if (m_edZeit->text() != time && !(sameLoop && m_edZeit->hasFocus())) m_edZeit->setText(time);
  const QString text = fromCp1252(m_project->LoopText[loop]);
  if (m_description->toPlainText() != text && !(sameLoop && m_description->hasFocus()))
    m_description->setPlainText(text);
  m_fieldsLoop = loop;
  m_fieldsProject = m_project.get();
  m_refreshing = false;
}

void MainWindow::ZeichneAlles() {
  showFileTitle();
  GridScene scene;
  scene.rangeState = m_editor.rangeState();
  scene.rangeCol1 = m_editor.rangeCol1();
  scene.rangeRow1 = m_editor.rangeRow1();
  scene.rangeCol2 = m_editor.rangeCol2();
  scene.rangeRow2 = m_editor.rangeRow2();
  scene.showTexts = m_settings.ShowTexts;
  scene.liveBlock = m_editor.onlineMode() ? m_online->liveBlock() : nullptr;
  m_painter.ZeichneAlles(m_grid->image(), *m_project, m_project->CurrentLoop, m_editor.wireField(), scene);
  m_actLibraryLoad->setEnabled(m_project->loopIsEmpty(m_project->CurrentLoop));
  setLoopFields();
  overlayChanged();
}

// ---------------------------------------------------------------- EditorHost

bool MainWindow::askYesNo(const std::string& question) { return m_ui->askYesNo(this, fromUtf8(question)); }

void MainWindow::openModuleDialog(char letter) {
  const int loop = m_project->CurrentLoop;
  m_moduleDialogs->exec(letter, *m_project, loop, m_editor.selCol(), m_editor.selRow(), m_programDir);
}

void MainWindow::openTextDialog(int loop, int col, int row) { m_textDialog->edit(*m_project, loop, col, row); }

void MainWindow::redraw() { ZeichneAlles(); }

void MainWindow::overlayChanged() {
  const core::Point a = m_editor.rubberStart(), b = m_editor.rubberEnd();
  m_grid->setRubberBand(m_editor.rubberBandVisible(), QPoint(a.x, a.y), QPoint(b.x, b.y));
}

void MainWindow::showHelp(char code) {
  m_helpMemo->clear();
  const QString name = QStringLiteral("mod") + QChar(code) + QStringLiteral(".hlp");
  try {
    const std::string text = core::readFileText(core::findCaseInsensitive(m_settings.ProgramDir, name.toStdString()));
    m_helpMemo->setPlainText(fromCp1252(text));
  } catch (const core::Error& e) {
    m_ui->showError(this, fromUtf8(e.what()));
  }
}

void MainWindow::clearHelp() { m_helpMemo->clear(); }

void MainWindow::setHoverText(const std::string& text) { m_grid->setToolTip(fromUtf8(text)); }

void MainWindow::onlineDataEntry(int loop, int col, int row) { m_online->onlineDataEntry(loop, col, row); }

void MainWindow::loopChosen(int loop) { m_online->loopChosen(loop); }

void MainWindow::setEditorOnline(bool on) {
  m_editor.setOnlineMode(on);
  if (!on) return;
  // Data entry, as if ToolButton35 had been chosen: a double click changes values.
  m_editor.setCurrentTool(core::tool::kDataEntry);
  QToolButton* dataEntry = toolButton(core::tool::kDataEntry);
  for (QToolButton* b : m_toolButtons)
    b->setChecked(b == dataEntry);
}

// ---------------------------------------------------------------- fields

void MainWindow::edNumChanged() {
  if (m_refreshing) return;
  const auto result = m_editor.edNumChange(toUtf8(m_edNum->text()));
  m_edNum->setStyleSheet(result.valid ? QString() : QStringLiteral("QLineEdit { background: rgb(255,0,0); }"));
  m_refreshing = true;
  m_upDown->setValue(result.loop);
  m_refreshing = false;
}

void MainWindow::edZeitEdited() {
  const auto result = m_editor.edZeitChange(toUtf8(m_edZeit->text()));
  const bool ok = result.state == core::Editor::SampleTimeState::Ok;
  m_edZeit->setStyleSheet(ok ? QString() : QStringLiteral("QLineEdit { background: rgb(255,0,0); }"));
}

void MainWindow::edZeitFinished() {
  const QString before = m_edZeit->text();
  const auto result = m_editor.edZeitExit(toUtf8(before));
  if (result.state == core::Editor::SampleTimeState::NotANumber)
    m_ui->showError(this, QStringLiteral("'%1' ist kein gültiger Integerwert").arg(before));
  m_edZeit->setStyleSheet(result.state == core::Editor::SampleTimeState::TooSmall
                              ? QStringLiteral("QLineEdit { background: rgb(255,0,0); }")
                              : QString());
  m_refreshing = true;
  m_edZeit->setText(fromUtf8(result.text));
  m_refreshing = false;
}

void MainWindow::descriptionChanged() {
  if (m_refreshing) return;
  m_editor.descriptionEdited(toCp1252(m_description->toPlainText()));
}

// ---------------------------------------------------------------- keys

bool MainWindow::onImage() const {
  const QPoint p = m_grid->mapFromGlobal(QCursor::pos());
  return m_grid->rect().contains(p);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget() == nullptr && isActiveWindow()) {
    if (onImage()) return handleGridKey(static_cast<QKeyEvent*>(event));
  }
  if (event->type() == QEvent::KeyRelease && QApplication::activeModalWidget() == nullptr && isActiveWindow() &&
      onImage())
    return true;
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleGridKey(QKeyEvent* event) {
  if (event->isAutoRepeat() && event->key() != Qt::Key_Escape) return true;
  const int key = event->key();
  const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    m_editor.keyDown(core::EditorKey::Character, static_cast<char>('A' + (key - Qt::Key_A)));
  } else if (key >= Qt::Key_0 && key <= Qt::Key_9 && !keypad) {
    m_editor.keyDown(core::EditorKey::Character, static_cast<char>('0' + (key - Qt::Key_0)));
  } else if (key == Qt::Key_F1) {
    m_editor.keyDown(core::EditorKey::F1);
  } else if (key == Qt::Key_F2) {
    m_editor.keyDown(core::EditorKey::F2);
  } else if (key == Qt::Key_F3) {
    m_editor.keyDown(core::EditorKey::F3);
  } else if (key == Qt::Key_Escape) {
    m_editor.keyDown(core::EditorKey::Escape);
  } else if (key == Qt::Key_Delete) {
    m_editor.keyDown(core::EditorKey::Delete);
  }
  return true;
}

// ---------------------------------------------------------------- commands

QString MainWindow::dirOf(const QString& path) const { return QFileInfo(path).absolutePath(); }

void MainWindow::AskSave() {
  if (m_project->Modified && m_ui->askYesNo(this, QStringLiteral("Regelkreise speichern?"))) SpeichernNeuClick();
  m_project->Modified = false;
}

void MainWindow::Neu1Click() {
  AskSave();
  try {
    m_project->InitRKreise(m_settings.ProgramDir);
  } catch (const core::Error& e) {
    m_ui->showError(this, fromUtf8(e.what()));
  }
  m_project->ProjectData = core::TProjectData{};
  m_project->ProjectData.date.assign("01.04.2009");
  m_projectFileName.clear();
  m_project->TextList.clear();
  m_fieldsProject = nullptr; // a fresh project: refill the fields
  m_refreshing = true;
  m_edNum->setText(QStringLiteral("1"));
  m_upDown->setValue(1);
  m_description->setPlainText(QString());
  m_refreshing = false;
  m_editor.rebuild();
  // InitRKreise marks the project changed; a fresh project has nothing to
  // save (the description refill, which used to clear it, no longer does).
  m_project->Modified = false;
  m_projectDataDialog->edit(m_project->ProjectData);
}

void MainWindow::replaceProject(std::unique_ptr<core::Project> project) {
  std::unique_ptr<core::Project> replaced = std::move(m_project);
  m_project = std::move(project);
  // The next load is built in the storage of this one.
  m_loader.recycle(std::move(replaced));
  m_editor.setProject(*m_project);
  m_editor.cancelGesture();
  m_refreshing = true;
  m_edNum->setText(QString::number(m_project->CurrentLoop));
  m_upDown->setValue(m_project->CurrentLoop);
  m_edNum->setStyleSheet(QString());
  m_refreshing = false;
  m_editor.rebuild();
}

bool MainWindow::openProject(const QString& vtrPath) {
  try {
    core::LoadedProject loaded = m_loader.load(*m_project, m_settings.ProgramDir, vtrPath.toStdString());
    m_settings.ProjectDir = toCp1252(dirOf(vtrPath));
    m_projectFileName = QFileInfo(vtrPath).fileName().left(200);
    replaceProject(std::move(loaded.project));
    m_project->Modified = false;
    core::writeProjectDir(*m_ini, m_settings);
  } catch (const core::Error& e) {
    m_ui->showError(this, fromUtf8(e.what()));
    return false;
  }
  return true;
}

void MainWindow::LadenNeuClick() {
  AskSave();
  const QString file = m_ui->openFileName(this, QStringLiteral("Laden"), fromCp1252(m_settings.ProjectDir),
                                          QStringLiteral("Regelkreis (*.vtr)"));
  if (file.isEmpty()) return;
  openProject(file);
}

bool MainWindow::saveProjectAs(const QString& vtrPath) {
  m_settings.ProjectDir = toCp1252(dirOf(vtrPath));
  m_projectFileName = QFileInfo(vtrPath).fileName().left(200);
  try {
    core::writeProjectDir(*m_ini, m_settings);
    core::saveProject(*m_project, vtrPath.toStdString());
  } catch (const core::Error& e) {
    m_ui->showError(this, fromUtf8(e.what()));
    showFileTitle();
    return false;
  }
  ZeichneAlles();
  return true;
}

void MainWindow::SpeichernNeuClick() {
  const QString proposed =
      m_projectFileName.isEmpty() ? QString() : QFileInfo(m_projectFileName).completeBaseName() + ".vtr";
  const QString file = m_ui->saveFileName(this, QStringLiteral("Speichern"), fromCp1252(m_settings.ProjectDir),
                                          proposed, QStringLiteral("Regelkreis (*.vtr)"), QStringLiteral("vtr"));
  if (file.isEmpty()) return;
  saveProjectAs(file);
}

void MainWindow::Libraryladen1Click() {
  m_project->Modified = true;
  const int loop = m_project->CurrentLoop;
  if (!m_project->loopIsEmpty(loop)) {
    m_ui->showInfo(this, QStringLiteral("Regelkreis %1 enthält bereits Module. Eine Library kann nur in einen leeren "
                                        "Regelkreis geladen werden.")
                             .arg(loop));
    return;
  }
  const QString file = m_ui->openFileName(this, QStringLiteral("Library laden"), fromCp1252(m_settings.LibraryDir),
                                          QStringLiteral("Librarydatei (*.rkl)"));
  if (file.isEmpty()) return;
  m_settings.LibraryDir = toCp1252(dirOf(file));
  try {
    core::writeLibraryDir(*m_ini, m_settings);
    core::loadLibrary(*m_project, loop, file.toStdString());
  } catch (const core::Error& e) {
    m_ui->showError(this, fromUtf8(e.what()));
  }
  m_editor.rebuild();
}

void MainWindow::Libraryspeichern1Click() {
  const QString file = m_ui->saveFileName(this, QStringLiteral("Library speichern"), fromCp1252(m_settings.LibraryDir),
                                          QString(), QStringLiteral("Librarydatei (*.rkl)"), QStringLiteral("rkl"));
  if (file.isEmpty()) return;
  m_settings.LibraryDir = toCp1252(dirOf(file));
  try {
    core::writeLibraryDir(*m_ini, m_settings);
    core::saveLibrary(*m_project, m_project->CurrentLoop, file.toStdString());
  } catch (const core::Error& e) {
    m_ui->showError(this, fromUtf8(e.what()));
  }
  ZeichneAlles();
}

void MainWindow::Tabelle1Click() {
  core::TableCommandResult result = core::runTableCommand(*m_project, m_table, m_settings.DataMemorySize);
  if (!result.checkPassed) {
    m_resultWindow->ClearLines();
    for (const std::string& line : result.faultLines)
      m_resultWindow->AddLine(fromUtf8(line));
    ZeichneAlles();
    m_resultWindow->exec();
    return;
  }
  const core::CompileResult& compiled = *result.compile;
  QStringList messages;
  for (const std::string& m : compiled.messages)
    messages << fromUtf8(m);
  if (compiled.tableTooLarge) {
    m_ui->showError(this, messages.join('\n'));
    return;
  }
  if (!compiled.anythingWritten) return;
  const QString file = m_ui->saveFileName(this, QStringLiteral("Modultabelle"), fromCp1252(m_settings.ProjectDir),
                                          QString(), QStringLiteral("Modultabelle (*.mtb)"), QStringLiteral("mtb"));
  if (!file.isEmpty()) {
    m_settings.ProjectDir = toCp1252(dirOf(file));
    try {
      core::writeProjectDir(*m_ini, m_settings);
      core::writeModuleTableFiles(m_table, file.toStdString());
    } catch (const core::Error& e) {
      m_ui->showError(this, fromUtf8(e.what()));
      return;
    }
  }
  if (!messages.isEmpty()) m_ui->showInfo(this, messages.join('\n'));
}

void MainWindow::QuerverweisClick() {
  m_resultWindow->ClearLines();
  for (const std::string& line : core::crossReferenceLines(*m_project))
    m_resultWindow->AddLine(fromUtf8(line));
  m_resultWindow->exec();
}

void MainWindow::EinstellungenClick() {
  m_settingsDialog->edit(*m_ini, m_settings);
  applySettings();
  ZeichneAlles();
}

void MainWindow::ProjektdatenClick() {
  m_projectDataDialog->edit(m_project->ProjectData);
  showFileTitle();
}

void MainWindow::SignaleditorClick() {
  m_signalEditor->edit(*m_project);
  ZeichneAlles();
}

void MainWindow::DruckenClick() { m_print->DruckenClick(); }

void MainWindow::showLoop(int loop) {
  if (!core::validLoop(loop)) return;
  m_project->CurrentLoop = loop;
  m_refreshing = true;
  m_edNum->setText(QString::number(loop));
  m_upDown->setValue(loop);
  m_edNum->setStyleSheet(QString());
  m_refreshing = false;
  m_editor.rebuild();
}

void MainWindow::EndeClick() {
  AskSave();
  m_askedOnClose = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!m_askedOnClose) AskSave();
  m_askedOnClose = false;
  event->accept();
}

} // namespace veltra::gui
