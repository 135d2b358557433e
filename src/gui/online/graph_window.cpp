#include "gui/online/graph_window.h"

#include "core/util/error.h"
#include "core/util/number_format.h"
#include "gui/app/ui_services.h"
#include "gui/chart/chart_design_dialog.h"
#include "gui/chart/chart_qt.h"
#include "gui/chart/xy_chart.h"
#include "gui/online/signal_tree_model.h"
#include "gui/util/qt_text.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <cmath>

namespace veltra::gui {

namespace {

constexpr int kColorRole = Qt::UserRole;
constexpr int kNoLiveRole = Qt::UserRole + 1;
// Files larger than this together get a progress window while they load.
constexpr std::uint64_t kProgressBytes = 8u << 20;

// lbWerteDrawItem: the list's brush, the text in the curve's colour 2
// pixels from the left edge, at the top. A curve that cannot get live
// points says so after its text.
class CurveLineDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    p->setFont(option.font);
    p->setPen(index.data(kColorRole).value<QColor>());
    QString text = index.data(Qt::DisplayRole).toString();
    if (index.data(kNoLiveRole).toBool()) text += QStringLiteral("  (keine Live-Werte)");
    p->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 16};
  }
};

// The hourglass while a day loads.
class BusyPointer {
public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& at) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(at);
  return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(at);
  return l;
}

QGroupBox* box(QWidget* parent, const QString& title, const QRect& at) {
  auto* g = new QGroupBox(title, parent);
  g->setGeometry(at);
  return g;
}

} // namespace

GraphWindow::GraphWindow(std::function<const core::Project&()> project, UiServices& ui, QWidget* parent)
    : QDialog(parent), m_project(std::move(project)), m_ui(ui) {
  buildControls();
  FormCreate();
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::buildControls() {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("Grafik"));
  setFixedSize(910, 600);
  // A screen too low for the window and its frame gets it without frame.
  const QScreen* screen = QApplication::primaryScreen();
  if (screen != nullptr && screen->size().height() < 651) setWindowFlag(Qt::FramelessWindowHint);

  Chart1 = new TXYChart(this);
  Chart1->setObjectName(QStringLiteral("Chart1"));
  Chart1->setGeometry(1, 0, 908, 448);
  Chart1->setToolTip(QStringLiteral("Shift +Maus ziehen zum Zoomen, Shift+Click für zurück"));
  connect(Chart1, &TXYChart::mouseMoved, this, &GraphWindow::Chart1MouseMove);

  label(this, "lbAuswahl", QStringLiteral("Auswahlliste Messwerte"), {4, 450, 250, 16});
  m_tree = new SignalTreeModel(m_project(), this);
  lbKurve = new QTreeView(this);
  lbKurve->setObjectName(QStringLiteral("lbKurve"));
  lbKurve->setGeometry(4, 466, 250, 114);
  lbKurve->setHeaderHidden(true);
  lbKurve->setUniformRowHeights(true); // 11,008 rows measured as one
  lbKurve->setExpandsOnDoubleClick(true);
  lbKurve->setModel(m_tree);
  connect(lbKurve, &QTreeView::doubleClicked, this, [this] { lbKurveDblClick(); });

  label(this, "lbGraphen", QStringLiteral("Graphenliste"), {260, 450, 250, 16});
  lbWerte = new QListWidget(this);
  lbWerte->setObjectName(QStringLiteral("lbWerte"));
  lbWerte->setGeometry(260, 466, 250, 114);
  lbWerte->setItemDelegate(new CurveLineDelegate(lbWerte));
  lbWerte->setUniformItemSizes(true);
  connect(lbWerte, &QListWidget::itemDoubleClicked, this, [this] { lbWerteDblClick(); });

  stStatus = label(this, "stStatus", QString(), {4, 582, 506, 16});

  QGroupBox* graphik = box(this, QStringLiteral("Graphik"), {516, 450, 144, 50});
  btLoad = button(graphik, "btLoad", QStringLiteral("Laden"), {6, 20, 64, 24});
  btSave = button(graphik, "btSave", QStringLiteral("Speichern"), {74, 20, 64, 24});
  QGroupBox* daten = box(this, QStringLiteral("Datendatei"), {516, 502, 144, 50});
  btCSVLoad = button(daten, "btCSVLoad", QStringLiteral("Laden"), {6, 20, 64, 24});
  btShow = button(daten, "btShow", QStringLiteral("Refresh"), {74, 20, 64, 24});
  btForm = new QToolButton(this);
  btForm->setObjectName(QStringLiteral("btForm"));
  btForm->setText(QStringLiteral("Lesart der Werte"));
  btForm->setGeometry(516, 556, 144, 22);
  btForm->setPopupMode(QToolButton::InstantPopup);
  m_formMenu = new QMenu(btForm);
  btForm->setMenu(m_formMenu);
  constexpr std::array<core::ValueForm, 3> kForms = {core::ValueForm::Automatic, core::ValueForm::Hundredths,
                                                     core::ValueForm::Decimal};
  for (std::size_t i = 0; i < core::kDayGroups.size(); ++i) {
    m_formMenus[i] = m_formMenu->addMenu(QString());
    auto* group = new QActionGroup(m_formMenus[i]);
    for (std::size_t k = 0; k < kForms.size(); ++k) {
      QAction* a = m_formMenus[i]->addAction(fromUtf8(std::string(valueFormCaption(kForms[k]))));
      a->setCheckable(true);
      a->setEnabled(!core::kDayGroups[i].bits); // bits are 0 and 1 either way
      group->addAction(a);
      const char letter = core::kDayGroups[i].letter;
      connect(a, &QAction::triggered, this, [this, letter, f = kForms[k]] { setValueForm(letter, f); });
      m_formActions[i][k] = a;
    }
  }
  connect(m_formMenu, &QMenu::aboutToShow, this, &GraphWindow::refreshFormMenu);

  QGroupBox* online = box(this, QStringLiteral("Online-Messung"), {666, 450, 212, 50});
  btStart = button(online, "btStart", QStringLiteral("Start"), {6, 20, 64, 24});
  btStop = button(online, "btStop", QStringLiteral("Stop"), {74, 20, 64, 24});
  btClear = button(online, "btClear", QStringLiteral("Löschen"), {142, 20, 64, 24});

  btDruck = button(this, "btDruck", QStringLiteral("Drucken"), {666, 506, 64, 24});
  btClip = button(this, "btClip", QStringLiteral("Clipboard"), {734, 506, 64, 24});
  btCross = button(this, "btCross", QStringLiteral("Fadenkreuz"), {802, 506, 76, 24});
  btDesign = button(this, "btDesign", QStringLiteral("Designer"), {666, 534, 64, 24});
  cbLegende = new QCheckBox(QStringLiteral("Legende"), this);
  cbLegende->setObjectName(QStringLiteral("cbLegende"));
  cbLegende->setGeometry(738, 536, 80, 20);
  cbLegende->setChecked(true);
  btEnde = button(this, "btEnde", QStringLiteral("Ende"), {834, 566, 70, 26});
  btEnde->setDefault(true);
  stZeit = label(this, "stZeit", QString(), {666, 562, 160, 16});
  stWert = label(this, "stWert", QString(), {666, 580, 78, 16});
  stWert1 = label(this, "stWert1", QString(), {748, 580, 78, 16});

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  connect(Timer1, &QTimer::timeout, this, &GraphWindow::Timer1Timer);

  connect(btLoad, &QPushButton::clicked, this, &GraphWindow::btLoadClick);
  connect(btSave, &QPushButton::clicked, this, &GraphWindow::btSaveClick);
  connect(btCSVLoad, &QPushButton::clicked, this, &GraphWindow::btCSVLoadClick);
  connect(btShow, &QPushButton::clicked, this, &GraphWindow::btShowClick);
  connect(btStart, &QPushButton::clicked, this, &GraphWindow::btStartClick);
  connect(btStop, &QPushButton::clicked, this, &GraphWindow::btStopClick);
  connect(btClear, &QPushButton::clicked, this, &GraphWindow::btClearClick);
  connect(btDruck, &QPushButton::clicked, this, &GraphWindow::btDruckClick);
  connect(btClip, &QPushButton::clicked, this, &GraphWindow::btClipClick);
  connect(btCross, &QPushButton::clicked, this, &GraphWindow::btCrossClick);
  connect(btDesign, &QPushButton::clicked, this, &GraphWindow::btDesignClick);
  connect(cbLegende, &QCheckBox::clicked, this, &GraphWindow::cbLegendeClick);
  connect(btEnde, &QPushButton::clicked, this, &QDialog::accept);
}

void GraphWindow::FormCreate() {
  Timer1->stop();
  Timer1->setInterval(1000);
  core::setUpGraphChart(Chart1->chart());
  btStop->setEnabled(false);
  btStart->setEnabled(true);
  stWert->clear();
  stWert1->clear();
  m_liveMode = false;
  m_curves.clear();
  m_measurement.clear();
  refreshFormMenu();
}

void GraphWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void GraphWindow::FormActivate() {
  Chart1->setCrossWire(false);
  Chart1->setGraphTitle(QString());
  m_tree->rebuild(m_project());
  if (const QModelIndex node = m_tree->indexOf(m_selectLetter, m_selectSignal); node.isValid()) {
    lbKurve->setCurrentIndex(node);
    lbKurve->scrollTo(node);
  }
  m_selectLetter = ' ';
  if (m_block && m_block() != nullptr) {
    m_liveMode = true;
    btStop->setEnabled(Timer1->isActive());
    btStart->setEnabled(!Timer1->isActive());
  } else {
    btStart->setEnabled(false);
    btStop->setEnabled(false);
    Timer1->stop();
    m_liveMode = false;
  }
  for (int i = 0; i < lbWerte->count(); ++i)
    lbWerte->item(i)->setData(kNoLiveRole, m_liveMode && m_curves.entry(i + 1).letter == 'V');
}

QString GraphWindow::curveText(char letter, int signal) const {
  const std::optional<core::SignalGroup> g = core::groupOfLetter(letter);
  return g ? fromCp1252(m_project().SignalDesc.text(*g, signal)) : QString();
}

QStringList GraphWindow::curveTexts() const {
  QStringList texts;
  for (int i = 0; i < lbWerte->count(); ++i)
    texts << lbWerte->item(i)->text();
  return texts;
}

std::vector<std::string> GraphWindow::curveNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < lbWerte->count(); ++i)
    names.push_back(toUtf8(lbWerte->item(i)->text()));
  return names;
}

void GraphWindow::lbKurveDblClick() {
  const QModelIndex node = lbKurve->currentIndex();
  if (m_curves.full() || !node.isValid() || m_tree->rowCount(node) > 0) return;
  const char letter = SignalTreeModel::letterOf(node);
  const int signal = SignalTreeModel::signalOf(node);
  if (curveTexts().contains(curveText(letter, signal))) return;
  const std::optional<QColor> color = m_ui.chooseColor(this, Qt::black);
  if (!color) return;
  addCurve(letter, signal, *color);
}

bool GraphWindow::addCurve(char letter, int signal, const QColor& color) {
  if (m_curves.full() || signal < 1 || signal > core::curveSignalCount(letter)) return false;
  const QString text = curveText(letter, signal);
  if (curveTexts().contains(text)) return false;
  auto* item = new QListWidgetItem(text, lbWerte);
  item->setData(kColorRole, color);
  item->setData(kNoLiveRole, m_liveMode && letter == 'V');
  m_curves.add({fromQColor(color), letter, signal});
  if (m_liveMode)
    styleLiveSeries(m_curves.count());
  else
    ShowOfflineGraph();
  return true;
}

void GraphWindow::styleLiveSeries(int i) {
  const core::CurveEntry& e = m_curves.entry(i);
  core::styleCurveSeries(Chart1->Series(i), e, toUtf8(lbWerte->item(i - 1)->text()), core::onLeftAxis(e.letter));
}

void GraphWindow::lbWerteDblClick() {
  if (Timer1->isActive()) {
    showStatus(QStringLiteral("Während der Online-Messung können keine Kurven entfernt werden (erst \"Stop\")."));
    return;
  }
  const int s = lbWerte->currentRow() + 1;
  if (s < 1) return;
  const int count = m_curves.count();
  for (int j = s + 1; j <= count; ++j) {
    core::TSeries& to = Chart1->Series(j - 1);
    const core::TSeries& from = Chart1->Series(j);
    // The points move with their curve (shared until one of them changes),
    // so live points stay under the name they were taken for.
    static_cast<core::TDataSeries&>(to) = from;
    to.copySettings(from);
  }
  core::TSeries& last = Chart1->Series(count);
  last.SetActive(false);
  last.SetName(std::string());
  last.SetLegendStatus(0);
  Chart1->destroySeries(count);
  m_curves.remove(s);
  delete lbWerte->takeItem(s - 1);
  Chart1->refresh();
  showStatus(QString());
  if (!m_liveMode) ShowOfflineGraph();
}

void GraphWindow::btStartClick() {
  btStart->setEnabled(false);
  btStop->setEnabled(true);
  m_liveMode = true;
  Timer1->start();
}

void GraphWindow::btStopClick() {
  btStop->setEnabled(false);
  btStart->setEnabled(true);
  m_liveMode = false;
  Timer1->stop();
}

core::TDateTime GraphWindow::nowDateTime() const {
  const core::LocalDateTime t = m_clock->now();
  return core::encodeDateTime({t.year, t.month, t.day, t.hour, t.minute, t.second, 0});
}

void GraphWindow::Timer1Timer() {
  const core::ServerBlock* block = m_block ? m_block() : nullptr;
  if (block == nullptr) m_liveMode = false;
  if (!m_liveMode) {
    Timer1->stop();
    return;
  }
  const core::TDateTime t = nowDateTime();
  for (int i = 1; i <= m_curves.count(); ++i)
    if (const std::optional<double> y = core::liveCurveValue(*block, m_curves.entry(i))) Chart1->Series(i).Add(t, *y);
}

void GraphWindow::btClearClick() {
  for (const auto& s : Chart1->chart().series())
    s->Clear();
  btStop->setEnabled(false);
  btStart->setEnabled(m_liveMode);
  Timer1->stop();
  m_liveMode = false;
  Chart1->setGraphTitle(QString());
}

void GraphWindow::btCSVLoadClick() {
  btClearClick();
  m_measurement.clear();
  const QString dir = m_measureDir ? m_measureDir() : QString();
  const QString path = m_ui.openFileName(this, QStringLiteral("Messdatei laden"), dir, QStringLiteral("csv (*.csv)"));
  if (path.isEmpty()) return;
  loadDay(path);
}

void GraphWindow::loadDay(const QString& path) {
  BusyPointer busy;
  core::DayLoadOptions options;
  options.formats = m_formats;
  options.forms = m_forms;
  std::unique_ptr<QProgressDialog> progress;
  options.progress = [&](std::uint64_t done, std::uint64_t total) {
    if (total < kProgressBytes) return true;
    if (!progress) {
      progress = std::make_unique<QProgressDialog>(QStringLiteral("Messdaten werden geladen …"),
                                                   QStringLiteral("Abbrechen"), 0, 1000, this);
      progress->setWindowModality(Qt::WindowModal);
      progress->setMinimumDuration(300);
    }
    progress->setValue(static_cast<int>(done * 1000 / total));
    return !progress->wasCanceled();
  };
  const core::DayLoadResult result = core::loadDay(path.toStdString(), options, m_measurement);
  progress.reset();
  showReadForms();
  if (!result.message.empty()) m_ui.showError(this, fromUtf8(result.message));
}

void GraphWindow::refreshFormMenu() {
  for (std::size_t i = 0; i < core::kDayGroups.size(); ++i) {
    const core::DayGroup& g = m_measurement.group(i);
    QString title = QString(QChar::fromLatin1(core::kDayGroups[i].letter)) + QStringLiteral(": ");
    if (g.present())
      title += fromUtf8(g.fileName()) + QStringLiteral(" gelesen als ") +
               (g.info().bits ? QStringLiteral("Bits") : fromUtf8(std::string(valueFormCaption(g.readAs()))));
    else
      title += QStringLiteral("nicht geladen");
    m_formMenus[i]->setTitle(title);
    m_formActions[i][static_cast<std::size_t>(m_forms[i])]->setChecked(true);
  }
}

void GraphWindow::showReadForms() {
  QStringList read;
  for (std::size_t i = 0; i < core::kDayGroups.size(); ++i) {
    const core::DayGroup& g = m_measurement.group(i);
    if (!g.present()) continue;
    read << QString(QChar::fromLatin1(g.letter())) + QStringLiteral(" ") +
                (g.info().bits ? QStringLiteral("Bits") : fromUtf8(std::string(valueFormCaption(g.readAs()))));
  }
  showStatus(read.isEmpty() ? QString() : QStringLiteral("Gelesen: ") + read.join(QStringLiteral(", ")));
}

void GraphWindow::setValueForm(char letter, core::ValueForm form) {
  const int i = core::dayGroupIndex(letter);
  if (i < 0) return;
  m_forms[static_cast<std::size_t>(i)] = form;
  refreshFormMenu();
}

core::ValueForm GraphWindow::valueForm(char letter) const {
  const int i = core::dayGroupIndex(letter);
  return i < 0 ? core::ValueForm::Automatic : m_forms[static_cast<std::size_t>(i)];
}

void GraphWindow::ShowOfflineGraph() {
  if (m_liveMode) return;
  Chart1->setPlotting(false);
  core::drawOfflineCurves(Chart1->chart(), m_measurement, m_curves.used(), curveNames());
  Chart1->setPlotting(true);
  Chart1->update();
}

void GraphWindow::btSaveClick() {
  const QString name =
      m_ui.saveFileName(this, QStringLiteral("Graphik speichern"), QString(), QStringLiteral("qlmv.gra"),
                        QStringLiteral("Graphen (*.gra)"), QStringLiteral("gra"));
  if (name.isEmpty()) return;
  try {
    Chart1->SaveToFile(name, 1);
  } catch (const core::Error& e) {
    m_ui.showError(this, fromUtf8(e.what()));
  }
}

void GraphWindow::btLoadClick() {
  btStart->setEnabled(true);
  btStop->setEnabled(false);
  // The file dialog of the seam has no proposed name; "qlmv.rdt" is named
  // in its title instead.
  const QString name =
      m_ui.openFileName(this, QStringLiteral("Graphik laden (qlmv.rdt)"), QString(), QStringLiteral("Graphen (*.gra)"));
  if (name.isEmpty()) return;
  try {
    Chart1->readfromfile(name);
  } catch (const core::Error& e) {
    m_ui.showError(this, fromUtf8(e.what()));
  }
}

void GraphWindow::btDruckClick() {
  QPrinter printer;
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(1, 1);
  if (!m_ui.choosePrinter(this, printer)) return;
  Chart1->Print(printer);
}

void GraphWindow::btClipClick() { Chart1->CopyToClipboard(); }

void GraphWindow::btCrossClick() { Chart1->setCrossWire(!Chart1->crossWire()); }

void GraphWindow::Chart1MouseMove(int x, int y) {
  if (!Chart1->crossWire()) {
    stWert->clear();
    stWert1->clear();
    return;
  }
  const double t = Chart1->GetMouseX(x);
  if (core::isCalendarDateTime(t)) {
    const core::CivilDateTime c = core::decodeDateTime(t);
    const core::LocalDateTime l = core::makeLocalDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second);
    stZeit->setText(fromUtf8(core::formatDateTime(l, m_formats.shortDate + " " + m_formats.longTime)));
  }
  stWert->setText(fromUtf8(core::formatFixedSignificant(Chart1->GetMouseY(y), 4, 2)));
  stWert1->setText(fromUtf8(core::formatFixedSignificant(Chart1->GetMouseY2(y), 4, 2)));
}

void GraphWindow::cbLegendeClick() { Chart1->setLegendVisible(cbLegende->isChecked()); }

void GraphWindow::btDesignClick() { EditChartDesign(*Chart1); }

void GraphWindow::showStatus(const QString& text) { stStatus->setText(text); }

void GraphWindow::showTrend(char letter, int signal) {
  const bool attached = m_block && m_block() != nullptr;
  if (!attached) {
    // The most recent day of the signal's group, unless that day is loaded.
    const QString dir = m_measureDir ? m_measureDir() : QString();
    const std::optional<std::filesystem::path> file =
        dir.isEmpty() ? std::nullopt : core::latestDayFile(dir.toStdString(), letter, m_formats);
    if (file) {
      btClearClick();
      loadDay(QString::fromStdString(file->string()));
    } else {
      showStatus(QStringLiteral("Keine Messdatei der Gruppe %1 in \"%2\".").arg(QChar::fromLatin1(letter)).arg(dir));
    }
  }
  m_selectLetter = letter;
  m_selectSignal = signal;
  const QString text = curveText(letter, signal);
  if (curveTexts().contains(text)) {
    if (!m_liveMode) ShowOfflineGraph();
  } else {
    static constexpr std::array<QRgb, 8> kColors = {0xff0000, 0x0000ff, 0x008000, 0xff00ff,
                                                    0x808000, 0x008080, 0x800000, 0x000080};
    addCurve(letter, signal, QColor(kColors[static_cast<std::size_t>(m_curves.count()) % kColors.size()]));
  }
  if (attached && !Timer1->isActive()) btStartClick();
}

} // namespace veltra::gui
