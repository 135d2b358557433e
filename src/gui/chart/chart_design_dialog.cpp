#include "gui/chart/chart_design_dialog.h"

#include "core/util/number_format.h"
#include "core/util/number_parse.h"
#include "gui/chart/chart_painter.h"
#include "gui/chart/chart_qt.h"
#include "gui/chart/xy_chart.h"
#include "gui/util/dialog_buttons.h"
#include "gui/util/invalid_mark.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace veltra::gui {

using core::ChartModel;
using core::TAxis;

// The chart as edited, scaled into the preview.
class ChartPreview : public QWidget {
public:
  explicit ChartPreview(const ChartModel& chart, QWidget* parent) : QWidget(parent), m_chart(chart) {
    setMinimumSize(454, 224);
    setObjectName("preview");
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int w = std::max(1, m_chart.width()), h = std::max(1, m_chart.height());
    const double scale = std::min(width() * 1.0 / w, height() * 1.0 / h);
    p.translate((width() - w * scale) / 2, (height() - h * scale) / 2);
    p.scale(scale, scale);
    paintChart(p, m_chart, m_chart.metricsAt(w, h));
  }

private:
  const ChartModel& m_chart;
};

namespace {

const QStringList kDateSteps = {"1 minute",
                                "5 Minuten",
                                "30 Minuten",
                                "1 Stunde",
                                "1 Tag",
                                "1 Woche",
                                "1 Monat",
                                "2 Monate",
                                "3 Monate",
                                "1 Jahr",
                                "10 Jahre",
                                "100 Jahre",
                                "Andere (nach Schrittweite)"};
const QStringList kPlacements = {"Minimum", "Maximum", "Prozent Abstand", "Absoluter Wert"};
const QStringList kLineStyles = {"durchgezogen", "punktiert", "gestrichelt", "Strich/Punkt", "Strich/Punkt/Punkt"};
const QStringList kLegendStates = {"nicht anzeigen", "nur Name", "mit Punkt", "mit Linie", "mit Punkt und Linie"};

QString colorStyle(core::TColor c) { return QStringLiteral("background-color: %1").arg(toQColor(c).name()); }

} // namespace

// Builds the rows of a page, each bound to a field of the edited chart.
class DesignPageBuilder {
public:
  DesignPageBuilder(ChartDesignDialog& dialog, QFormLayout* form, QString prefix)
      : m_dialog(dialog), m_form(form), m_prefix(std::move(prefix)) {}

  QCheckBox* check(const QString& caption, const QString& name, bool& field) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(m_prefix + name);
    box->setChecked(field);
    QObject::connect(box, &QCheckBox::toggled, &m_dialog, [d = &m_dialog, &field](bool on) {
      field = on;
      d->changed();
    });
    m_form->addRow(box);
    return box;
  }

  QSpinBox* integer(const QString& caption, const QString& name, int& field, int lo, int hi) {
    auto* spin = new QSpinBox;
    spin->setObjectName(m_prefix + name);
    spin->setRange(lo, hi);
    spin->setValue(std::clamp(field, lo, hi));
    QObject::connect(spin, &QSpinBox::valueChanged, &m_dialog, [d = &m_dialog, &field](int v) {
      field = v;
      d->changed();
    });
    m_form->addRow(caption, spin);
    return spin;
  }

  QLineEdit* real(const QString& caption, const QString& name, double& field) {
    auto* edit = new QLineEdit(QString::fromStdString(core::formatGeneral(field)));
    edit->setObjectName(m_prefix + name);
    QObject::connect(edit, &QLineEdit::textEdited, &m_dialog, [d = &m_dialog, edit, &field](const QString& text) {
      const auto v = core::parseReal(text.toStdString());
      markInvalid(edit, !v);
      if (!v) return; // the field keeps its value
      field = *v;
      d->changed();
    });
    m_form->addRow(caption, edit);
    return edit;
  }

  QLineEdit* text(const QString& caption, const QString& name, std::string& field) {
    auto* edit = new QLineEdit(chartText(field));
    edit->setObjectName(m_prefix + name);
    QObject::connect(edit, &QLineEdit::textEdited, &m_dialog, [d = &m_dialog, &field](const QString& t) {
      field = chartText(t);
      d->changed();
    });
    m_form->addRow(caption, edit);
    return edit;
  }

  template <class E>
  QComboBox* choice(const QString& caption, const QString& name, E& field, const QStringList& items) {
    auto* combo = new QComboBox;
    combo->setObjectName(m_prefix + name);
    combo->addItems(items);
    combo->setCurrentIndex(
        static_cast<int>(field) >= 0 && static_cast<int>(field) < items.size() ? static_cast<int>(field) : 0);
    QObject::connect(combo, &QComboBox::currentIndexChanged, &m_dialog, [d = &m_dialog, &field](int i) {
      if (i < 0) return;
      field = static_cast<E>(i);
      d->changed();
    });
    m_form->addRow(caption, combo);
    return combo;
  }

  QPushButton* color(const QString& caption, const QString& name, core::TColor& field) {
    auto* button = new QPushButton;
    button->setObjectName(m_prefix + name);
    button->setFixedWidth(60);
    button->setStyleSheet(colorStyle(field));
    // A colour put into the "chosen" property beforehand is taken without
    // the colour dialog (the tests choose so).
    QObject::connect(button, &QPushButton::clicked, &m_dialog, [d = &m_dialog, button, &field] {
      QColor c = button->property("chosen").value<QColor>();
      if (!c.isValid()) c = QColorDialog::getColor(toQColor(field), d);
      button->setProperty("chosen", QVariant());
      if (!c.isValid()) return;
      field = fromQColor(c);
      button->setStyleSheet(colorStyle(field));
      d->changed();
    });
    m_form->addRow(caption, button);
    return button;
  }

  QPushButton* font(const QString& caption, const QString& name, core::TChartFont& field) {
    auto* button = new QPushButton;
    button->setObjectName(m_prefix + name);
    const auto label = [&field] { return QStringLiteral("%1, %2 pt").arg(chartText(field.name)).arg(field.size); };
    button->setText(label());
    QObject::connect(button, &QPushButton::clicked, &m_dialog, [d = &m_dialog, button, &field, label] {
      bool ok = false;
      QFont start(chartText(field.name), std::max(1, field.size));
      start.setBold(field.bold);
      start.setItalic(field.italic);
      const QFont chosen = QFontDialog::getFont(&ok, start, d, QStringLiteral("Schrift"));
      if (!ok) return;
      field = fromQFont(chosen, field.color);
      button->setText(label());
      d->changed();
    });
    m_form->addRow(caption, button);
    return button;
  }

  QFormLayout* form() { return m_form; }

private:
  ChartDesignDialog& m_dialog;
  QFormLayout* m_form;
  QString m_prefix;
};

namespace {

QFormLayout* group(QVBoxLayout* page, const QString& title) {
  auto* box = new QGroupBox(title);
  auto* form = new QFormLayout(box);
  page->addWidget(box);
  return form;
}

} // namespace

ChartDesignDialog::ChartDesignDialog(TXYChart& chart, QWidget* parent)
    : QDialog(parent), m_chart(chart), m_edited(chart.chart()) {
  setWindowTitle(QStringLiteral("Graphik Designer"));
  setObjectName("ChartDesignDialog");
  m_edited.setSize(std::max(1, chart.width()), std::max(1, chart.height()));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  layout->addLayout(top);
  m_pages = new QTabWidget;
  m_pages->setUsesScrollButtons(false); // every page's name in view
  top->addWidget(m_pages);
  m_pages->addTab(axisPage(m_edited.XAxis, "x"), QStringLiteral("X Achse"));
  m_pages->addTab(axisPage(m_edited.YAxis, "y"), QStringLiteral("Y Achse"));
  m_pages->addTab(axisPage(m_edited.YAxis_Second, "y2"), QStringLiteral("2. Y Achse"));
  m_pages->addTab(generalPage(), QStringLiteral("Allgemein"));
  m_pages->addTab(legendPage(), QStringLiteral("Legende"));
  m_pages->addTab(allAxesPage(), QStringLiteral("Alle Achsen"));
  m_preview = new ChartPreview(m_edited, this);
  top->addWidget(m_preview, 1);
  m_problem = new QLabel;
  m_problem->setObjectName("lbProblem");
  m_problem->setStyleSheet("color: red");
  layout->addWidget(m_problem);
  QPushButton* ok =
      addOkCancelRow(this, layout, QStringLiteral("OK"), QStringLiteral("Abbruch"), QStringLiteral("btAbbruch"));
  connect(ok, &QPushButton::clicked, this, &ChartDesignDialog::btOkClick);
  changed();
}

QWidget* ChartDesignDialog::axisPage(TAxis& axis, const QString& prefix) {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  DesignPageBuilder scaling(*this, group(column, QStringLiteral("Skalierung")), prefix);
  scaling.real(QStringLiteral("Maximum:"), "Max", axis.Max);
  scaling.real(QStringLiteral("Minimum:"), "Min", axis.Min);
  scaling.real(QStringLiteral("Einteilung:"), "Step", axis.StepSize);
  scaling.check(QStringLiteral("Automatisch"), "Auto", axis.AutoSizing);
  scaling.check(QStringLiteral("Einteilung automatisch"), "AutoStep", axis.AutoStepping);
  scaling.real(QStringLiteral("Mindestbereich:"), "MinimumScale", axis.MinimumScale);

  DesignPageBuilder title(*this, group(column, QStringLiteral("Titel")), prefix);
  title.text(QStringLiteral("Name:"), "Title", axis.Title);

  auto* typeForm = group(column, QStringLiteral("Achsentyp"));
  auto* types = new QHBoxLayout;
  auto* buttons = new QButtonGroup(page);
  const QStringList typeNames = {"normal", "logarithmisch", "Datum/Zeit"};
  for (int i = 0; i < typeNames.size(); ++i) {
    auto* radio = new QRadioButton(typeNames[i]);
    radio->setObjectName(prefix + "Type" + QString::number(i));
    buttons->addButton(radio, i);
    types->addWidget(radio);
  }
  buttons->button(axis.LogScale ? 1 : axis.ShowAsTime ? 2 : 0)->setChecked(true);
  connect(buttons, &QButtonGroup::idClicked, this, [this, &axis](int id) {
    axis.LogScale = id == 1;
    axis.ShowAsTime = id == 2;
    changed();
  });
  typeForm->addRow(types);
  DesignPageBuilder type(*this, typeForm, prefix);
  type.integer(QStringLiteral("Teilung pro Dekade:"), "LogDivisions", axis.LogCycleDivisions, 1, 100);
  type.text(QStringLiteral("Format:"), "Format", axis.DateTimeFormat);
  type.choice(QStringLiteral("Datum-Schritt:"), "DateStep", axis.DateTickType, kDateSteps);
  type.integer(QStringLiteral("Kommastellen:"), "Decimals", axis.LabelDecimals, 0, 15);
  type.check(QStringLiteral("Kommastellen automatisch"), "AutoDecimals", axis.AutoLabelDecimals);

  DesignPageBuilder place(*this, group(column, QStringLiteral("Lage")), prefix);
  place.choice(QStringLiteral("Achse bei:"), "Placement", axis.OffsetType, kPlacements);
  place.real(QStringLiteral("Wert:"), "OffsetValue", axis.OffsetValue);
  place.check(QStringLiteral("Zeige diese Achse"), "Show", axis.ShowAxis);
  place.check(QStringLiteral("Zeige Raster"), "Grid", axis.Gridlines);
  place.check(QStringLiteral("Achse umkehren"), "Reversed", axis.Reversed);
  column->addStretch();
  return page;
}

QWidget* ChartDesignDialog::generalPage() {
  core::TAppearance& look = m_edited.Appearance;
  core::TDimensions& dim = m_edited.Dimensions;
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  DesignPageBuilder title(*this, group(column, QStringLiteral("Titel")), "");
  title.text(QStringLiteral("Titel:"), "graphTitle", look.GraphTitle);
  title.font(QStringLiteral("Schrift:"), "titleFont", look.TitleFont);
  title.color(QStringLiteral("Schriftfarbe:"), "titleColor", look.TitleFont.color);
  DesignPageBuilder colors(*this, group(column, QStringLiteral("Farben")), "");
  colors.color(QStringLiteral("Graphik:"), "backgroundColor", look.BackgroundColor);
  colors.color(QStringLiteral("Rand:"), "marginColor", look.MarginColor);
  DesignPageBuilder margins(*this, group(column, QStringLiteral("Ränder")), "");
  margins.integer(QStringLiteral("Links:"), "marginLeft", dim.LeftMargin, 0, 2000);
  margins.integer(QStringLiteral("Rechts:"), "marginRight", dim.RightMargin, 0, 2000);
  margins.integer(QStringLiteral("Oben:"), "marginTop", dim.TopMargin, 0, 2000);
  margins.integer(QStringLiteral("Unten:"), "marginBottom", dim.BottomMargin, 0, 2000);
  margins.check(QStringLiteral("Plotte in Rändern"), "plotInMargins", look.ShowPointsOutsidePlotArea);
  DesignPageBuilder print(*this, group(column, QStringLiteral("Drucken")), "");
  print.integer(QStringLiteral("Größe (% der Seite):"), "printScale", dim.PrintScalePct, 1, 100);
  print.integer(QStringLiteral("Abstand links (%):"), "printX", dim.PrintXOffsetPct, 0, 100);
  print.integer(QStringLiteral("Abstand oben (%):"), "printY", dim.PrintYOffsetPct, 0, 100);
  print.check(QStringLiteral("Drucke mit Farbe"), "printColor", look.PrintwithBackground);
  column->addStretch();
  return page;
}

QWidget* ChartDesignDialog::legendPage() {
  core::TLegend& l = m_edited.Legend;
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  DesignPageBuilder show(*this, group(column, QStringLiteral("Legende")), "");
  show.check(QStringLiteral("Legende zeigen"), "legendShow", l.visible);
  auto* across = new QRadioButton(QStringLiteral("Legende quer"));
  auto* down = new QRadioButton(QStringLiteral("Legende runter"));
  across->setObjectName("legendAcross");
  down->setObjectName("legendDown");
  (l.Layout == 1 ? down : across)->setChecked(true);
  connect(down, &QRadioButton::toggled, this, [this, &l](bool on) {
    l.Layout = on ? 1 : 0;
    changed();
  });
  auto* layoutRow = new QHBoxLayout;
  layoutRow->addWidget(across);
  layoutRow->addWidget(down);
  show.form()->addRow(layoutRow);
  show.choice(QStringLiteral("Rahmen:"), "legendBorder", l.BorderStyle, {"kein Rahmen", "Rahmen"});
  show.color(QStringLiteral("Farbe:"), "legendColor", l.Color);
  show.font(QStringLiteral("Schrift:"), "legendFont", l.Font);
  DesignPageBuilder box(*this, group(column, QStringLiteral("Lage und Größe")), "");
  box.integer(QStringLiteral("Links:"), "legendLeft", l.Left, -2000, 20000);
  box.integer(QStringLiteral("Oben:"), "legendTop", l.Top, -2000, 20000);
  box.integer(QStringLiteral("Breite:"), "legendWidth", l.Width, 0, 20000);
  box.integer(QStringLiteral("Höhe:"), "legendHeight", l.Height, 0, 20000);
  box.integer(QStringLiteral("Rand x:"), "legendXMargin", l.XMargin, 0, 100);
  box.integer(QStringLiteral("Rand y:"), "legendYMargin", l.YMargin, 0, 100);
  box.integer(QStringLiteral("Platz für Symbole:"), "legendSymbol", l.SymbolSpace, 0, 200);

  // The legend status of the series chosen in the list.
  auto* seriesForm = group(column, QStringLiteral("Kurve"));
  auto* series = new QComboBox;
  series->setObjectName("legendSeries");
  for (const auto& s : m_edited.series())
    series->addItem(QStringLiteral("%1: %2").arg(s->number()).arg(chartText(s->Name)), s->number());
  seriesForm->addRow(QStringLiteral("Kurve:"), series);
  auto* status = new QComboBox;
  status->setObjectName("legendStatus");
  status->addItems(kLegendStates);
  seriesForm->addRow(QStringLiteral("In der Legende:"), status);
  const auto current = [this, series]() -> core::TSeries* {
    return series->currentIndex() < 0 ? nullptr : m_edited.findSeries(series->currentData().toInt());
  };
  const auto refill = [status, current] {
    const core::TSeries* s = current();
    status->setEnabled(s != nullptr);
    if (s) status->setCurrentIndex(std::clamp(s->LegendStatus, 0, core::kLegendStates - 1));
  };
  m_refresh.push_back(refill);
  connect(series, &QComboBox::currentIndexChanged, this, [refill] { refill(); });
  connect(status, &QComboBox::activated, this, [this, current](int i) {
    if (core::TSeries* s = current()) {
      s->LegendStatus = i;
      changed();
    }
  });
  refill();
  column->addStretch();
  return page;
}

QWidget* ChartDesignDialog::allAxesPage() {
  core::TAppearance& look = m_edited.Appearance;
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  DesignPageBuilder axes(*this, group(column, QStringLiteral("Achsen")), "");
  axes.color(QStringLiteral("Achsenfarbe:"), "axesColor", look.AxesColor);
  axes.font(QStringLiteral("Schrift der Achsentitel:"), "captionFont", look.CaptionFont);
  axes.font(QStringLiteral("Schrift der Beschriftung:"), "labelFont", look.LabelFont);
  axes.integer(QStringLiteral("Länge der Teilstriche:"), "tickLength", m_edited.Dimensions.TickLength, 0, 100);
  axes.check(QStringLiteral("Zeige Namen"), "showLabels", look.GridLabelsShown);
  axes.check(QStringLiteral("Zeige Teilung"), "showTicks", look.TicksAreShown);
  DesignPageBuilder grid(*this, group(column, QStringLiteral("Raster")), "");
  grid.color(QStringLiteral("Rasterfarbe:"), "gridColor", look.GridColor);
  grid.choice(QStringLiteral("Rasterlinie:"), "gridStyle", look.GridLineStyle, kLineStyles);
  DesignPageBuilder cross(*this, group(column, QStringLiteral("Nullpunkt")), "");
  cross.check(QStringLiteral("Zeige Kreuz bei 0"), "crossAtZero", look.CrossAtZero);
  cross.color(QStringLiteral("Farbe des Kreuzes:"), "crossColor", look.CrossColor);
  cross.integer(QStringLiteral("Länge des Kreuzes:"), "crossLength", look.CrossLength, 0, 200);
  column->addStretch();
  return page;
}

QString ChartDesignDialog::problem() const { return m_problem->text(); }

void ChartDesignDialog::changed() {
  const core::ChartMetrics m = m_edited.metrics();
  QString text;
  if (!m.ok()) {
    const struct {
      const TAxis& axis;
      const char* page;
    } axes[] = {{m_edited.XAxis, "X Achse"}, {m_edited.YAxis, "Y Achse"}, {m_edited.YAxis_Second, "2. Y Achse"}};
    for (const auto& a : axes) {
      if (!m.error.starts_with(std::string(a.axis.name()) + " ")) continue;
      text = QStringLiteral("%1: ").arg(a.page);
      if (!(a.axis.Min < a.axis.Max))
        text += QStringLiteral("Minimum muss kleiner als Maximum sein.");
      else if (a.axis.LogScale)
        text += QStringLiteral("eine logarithmische Achse braucht ein Minimum über 0.");
      else
        text += chartText(m.error);
    }
    if (text.isEmpty()) text = chartText(m.error);
  }
  m_problem->setText(text);
  for (const auto& refresh : m_refresh)
    refresh();
  if (m_preview) m_preview->update();
}

void ChartDesignDialog::btOkClick() {
  m_chart.chart().copyDesign(m_edited);
  accept();
}

bool EditChartDesign(TXYChart& chart) {
  ChartDesignDialog dialog(chart, chart.window());
  return dialog.exec() == QDialog::Accepted;
}

} // namespace veltra::gui
