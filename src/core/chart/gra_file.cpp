#include "core/chart/gra_file.h"

#include "core/chart/stream_values.h"
#include "core/util/error.h"
#include "core/util/file_io.h"

#include <array>

namespace veltra::core {

namespace {

// The items of each section, once for writing and reading: a visitor gets
// every item's number, letter and field in file order.

template <class V, class A> void appearanceItems(V& v, A& a) {
  v.b(1, a.DuplicatesAllowed);
  v.color(2, a.AxesColor);
  v.color(3, a.BackgroundColor);
  v.color(4, a.MarginColor);
  v.b(5, a.PrintwithBackground);
  v.color(7, a.GridColor);
  v.i(8, a.GridLineStyle);
  v.b(9, a.GridLabelsShown);
  v.b(10, a.ShowPointsOutsidePlotArea);
  v.b(11, a.MarksAreShown);
  v.b(12, a.TicksAreShown);
  v.s(13, a.GraphTitle);
  v.i(14, a.MinSteps);
  v.i(15, a.MaxSteps);
  v.f(16, a.CaptionFont);
  v.f(17, a.TitleFont);
  v.f(18, a.LabelFont);
  v.b(19, a.CrossAtZero);
  v.color(20, a.CrossColor);
  v.i(21, a.CrossLength);
  v.b(22, a.PrintStyleforLines);
  v.b(23, a.PreventFlicker);
  v.d(24, a.MinPointClearance);
}

template <class V, class D> void dimensionItems(V& v, D& d) {
  v.i(1, d.BottomMargin);
  v.i(2, d.LeftMargin);
  v.i(3, d.RightMargin);
  v.i(4, d.TopMargin);
  v.i(5, d.TickLength);
  v.i(6, d.XAxisTitleOffset);
  v.i(7, d.XAxisLabelOffset);
  v.i(8, d.YAxisTitleOffset);
  v.i(9, d.YAxisLabelOffset);
  v.i(10, d.GraphTitleOffset);
  v.i(11, d.PrintXOffsetPct);
  v.i(12, d.PrintYOffsetPct);
  v.i(13, d.PrintScalePct);
}

template <class V, class A> void axisItems(V& v, A& a) {
  v.s(1, a.Title);
  v.i(2, a.LabelDecimals);
  v.b(3, a.AutoLabelDecimals);
  v.i(4, a.LogCycleDivisions);
  v.b(5, a.LogScale);
  v.d(6, a.Max);
  v.d(7, a.Min);
  v.d(8, a.StepSize);
  v.d(9, a.MinimumScale);
  v.b(10, a.ShowAsTime);
  v.s(11, a.DateTimeFormat);
  v.e(12, a.DateTickType, kDateTickTypes);
  v.b(13, a.ShowAxis);
  v.b(14, a.Reversed);
  v.e(15, a.OffsetType, kOffsetTypes);
  v.d(16, a.OffsetValue);
  v.b(17, a.Gridlines);
  v.b(18, a.AutoSizing);
  v.b(19, a.AutoStepping);
}

template <class V, class L> void legendItems(V& v, L& l) {
  v.b(1, l.visible);
  v.color(2, l.Color);
  v.i(3, l.BorderStyle);
  v.i(4, l.Layout);
  v.i(5, l.Top);
  v.i(6, l.Left);
  v.i(7, l.Width);
  v.i(8, l.Height);
  v.f(9, l.Font);
  v.i(10, l.SymbolSpace);
  v.i(11, l.XMargin);
  v.i(12, l.YMargin);
}

template <class V, class S> void seriesItems(V& v, S& s) {
  v.b(1, s.Active);
  v.b(2, s.DrawLine);
  v.b(3, s.DrawPoints);
  v.b(4, s.FillPoints);
  v.color(5, s.LineColor);
  v.color(6, s.PointColor);
  v.color(7, s.BoundsColor);
  v.i(8, s.PointShape);
  v.i(9, s.LineStyle);
  v.i(10, s.PointSize);
  v.b(11, s.FirstAxis);
  v.d(12, s.UpperBound);
  v.d(13, s.LowerBound);
  v.i(14, s.BoundsMode);
  v.i(15, s.BoundLineMode);
  v.color(16, s.RegressionLineColor);
  v.i(17, s.RegressionLineStyle);
  v.i(18, s.LegendStatus);
  v.d(19, s.BarWidth);
  v.d(20, s.BarOffset);
  v.b(21, s.ShowErrorBars);
  v.color(22, s.ErrorLineColor);
  v.i(23, s.ErrorLineStyle);
  v.b(24, s.Highlighted);
}

template <class V, class S> void dataItems(V& v, S& s) {
  v.s(1, s.Name);
  v.d(2, s.NumericalTolerance);
  v.b(3, s.DuplicatesAllowed);
  v.b(4, s.AutoZero);
  v.d(5, s.ZeroValue);
  v.i(6, s.RegressionType);
  v.i(7, s.RegressionControlValue1);
  v.d(8, s.RegressionControlValue2);
  v.i(9, s.DataSource);
  v.s(10, s.DatasourceInfo);
  v.b(12, s.DivideTextByWidth);
  v.i(13, s.FileHasHeaders);
  v.s(14, s.TextSeparators);
  v.s(15, s.TextMarkers);
  v.s(16, s.XDataColumn);
  v.s(17, s.YDataColumn);
  v.i(18, s.RowSamplingFrequency);
  v.i(19, s.ColumnWidth);
  v.i(20, s.RowChoiceMode);
  v.d(21, s.RowChoiceValue1);
  v.d(22, s.RowChoiceValue2);
  v.i(23, s.XFormat);
  v.i(24, s.YFormat);
}

// " 1B", "12S", "99S": the item number right-aligned in two characters and
// the type letter.
std::string tag(int number, char letter) {
  std::string t(2, ' ');
  t[1] = static_cast<char>('0' + number % 10);
  if (number >= 10) t[0] = static_cast<char>('0' + number / 10);
  return t + letter;
}

class ItemWriter {
public:
  explicit ItemWriter(StreamWriter& w) : m_w(w) {}
  void b(int n, bool v) {
    m_w.string(tag(n, 'B'));
    m_w.boolean(v);
  }
  void i(int n, int v) {
    m_w.string(tag(n, 'I'));
    m_w.integer(v);
  }
  void color(int n, TColor v) { i(n, static_cast<int>(v)); }
  template <class E> void e(int n, E v, int) { i(n, static_cast<int>(v)); }
  void d(int n, double v) {
    m_w.string(tag(n, 'D'));
    m_w.extended(v);
  }
  void s(int n, const std::string& v) {
    m_w.string(tag(n, 'S'));
    m_w.string(v);
  }
  void f(int n, const TChartFont& font) {
    m_w.string(tag(n, 'F'));
    m_w.string(font.name);
    m_w.integer(font.size);
    m_w.integer(static_cast<int>(font.color));
    m_w.boolean(font.bold);
    m_w.boolean(font.italic);
    m_w.boolean(font.underline);
    m_w.boolean(font.strikeOut);
  }
  void open(const char* name) { s(99, name); }
  void close() { b(0, false); }

private:
  StreamWriter& m_w;
};

TChartFont readFont(StreamReader& in) {
  TChartFont f;
  f.name = in.string();
  f.size = in.integer();
  f.color = static_cast<TColor>(in.integer());
  f.bold = in.boolean();
  f.italic = in.boolean();
  f.underline = in.boolean();
  f.strikeOut = in.boolean();
  return f;
}

// Reads the value of the one item whose number and letter were read, into
// the field the item table names for them.
class ItemReader {
public:
  ItemReader(StreamReader& in, int number, char letter) : m_in(in), m_number(number), m_letter(letter) {}
  bool matched() const { return m_matched; }

  void b(int n, bool& v) {
    if (match(n, 'B')) v = m_in.boolean();
  }
  void i(int n, int& v) {
    if (match(n, 'I')) v = m_in.integer();
  }
  void color(int n, TColor& v) {
    if (match(n, 'I')) v = static_cast<TColor>(m_in.integer());
  }
  // An index beyond the list keeps the setting as it was.
  template <class E> void e(int n, E& v, int count) {
    if (!match(n, 'I')) return;
    const int index = m_in.integer();
    if (index >= 0 && index < count) v = static_cast<E>(index);
  }
  void d(int n, double& v) {
    if (match(n, 'D')) v = m_in.real();
  }
  void s(int n, std::string& v) {
    if (match(n, 'S')) v = m_in.string();
  }
  void f(int n, TChartFont& v) {
    if (match(n, 'F')) v = readFont(m_in);
  }

private:
  bool match(int n, char letter) {
    if (m_matched || n != m_number || letter != m_letter) return false;
    m_matched = true;
    return true;
  }
  StreamReader& m_in;
  int m_number;
  char m_letter;
  bool m_matched = false;
};

struct Tag {
  int number;
  char letter;
};

Tag readTag(StreamReader& in) {
  const std::size_t at = in.position();
  const std::string t = in.string();
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (t.size() != 3 || !(t[0] == ' ' || digit(t[0])) || !digit(t[1]))
    in.fail("Eintrag erwartet bei Byte " + std::to_string(at));
  return {(t[0] == ' ' ? 0 : t[0] - '0') * 10 + (t[1] - '0'), t[2]};
}

// Skips the value of an item nobody knows, by its letter.
void skipItem(StreamReader& in, char letter) {
  const int values = letter == 'F' ? 7 : 1;
  for (int k = 0; k < values; ++k)
    in.skipValue();
}

void expectSection(StreamReader& in, const char* name) {
  const std::size_t at = in.position();
  const Tag t = readTag(in);
  if (t.number != 99 || t.letter != 'S' || in.string() != name)
    in.fail(std::string("Abschnitt \"") + name + "\" erwartet bei Byte " + std::to_string(at));
}

// Reads items up to the section end, each into the field the table names.
template <class Items> void readItems(StreamReader& in, Items items) {
  for (;;) {
    const Tag t = readTag(in);
    if (t.number == 0 && t.letter == 'B') {
      in.boolean();
      return;
    }
    ItemReader reader(in, t.number, t.letter);
    items(reader);
    if (!reader.matched()) skipItem(in, t.letter);
  }
}

template <class Items> void readSection(StreamReader& in, const char* name, Items items) {
  expectSection(in, name);
  readItems(in, items);
}

int readCount(StreamReader& in, const char* what) {
  const std::size_t at = in.position();
  if (in.string() != "I") in.fail(std::string(what) + " erwartet bei Byte " + std::to_string(at));
  const int n = in.integer();
  if (n < 0) in.fail(std::string(what) + " negativ bei Byte " + std::to_string(at));
  return n;
}

int readIntItem(StreamReader& in, int number) {
  const std::size_t at = in.position();
  const Tag t = readTag(in);
  if (t.number != number || t.letter != 'I')
    in.fail("Eintrag \"" + tag(number, 'I') + "\" erwartet bei Byte " + std::to_string(at));
  return in.integer();
}

void readPoints(StreamReader& in, TSeries& s) {
  const int count = readIntItem(in, 1);
  const int entries = readIntItem(in, 2);
  const std::size_t at = in.position();
  if (in.string() != "D") in.fail("\"D\" erwartet bei Byte " + std::to_string(at));
  if (count < 0 || entries < 2 || entries > 64) in.fail("Punktzahl ungültig bei Byte " + std::to_string(at));
  // Every value takes at least two bytes: a count the rest of the file
  // cannot hold is damage, not a reason to reserve memory.
  if (static_cast<std::size_t>(count) * static_cast<std::size_t>(entries) * 2 > in.remaining())
    in.fail("sie endet vorzeitig");
  s.reserve(static_cast<std::size_t>(count));
  for (int p = 0; p < count; ++p) {
    std::array<double, 4> v{};
    for (int k = 0; k < entries; ++k) {
      const double value = in.real();
      if (k < 4) v[static_cast<std::size_t>(k)] = value;
    }
    s.storePoint(v[0], v[1], v[2], v[3]);
  }
}

} // namespace

std::string chartFileImage(const ChartModel& chart, int mode) {
  StreamWriter w;
  std::size_t points = 0;
  for (const auto& s : chart.series())
    points += s->count();
  w.reserve(4096 + chart.series().size() * 1024 + (mode == 1 ? points * 44 : 0));
  ItemWriter items(w);
  w.string(kChartFileVersion);
  items.open("Appearance");
  appearanceItems(items, chart.Appearance);
  items.close();
  items.open("Dimensions");
  dimensionItems(items, chart.Dimensions);
  items.close();
  for (const TAxis* axis : {&chart.XAxis, &chart.YAxis, &chart.YAxis_Second}) {
    items.open("Axis");
    axisItems(items, *axis);
    items.close();
  }
  items.open("Legend");
  legendItems(items, chart.Legend);
  items.close();
  w.string("I");
  w.integer(static_cast<int>(chart.series().size()));
  w.string("I");
  w.integer(0); // marks
  for (const auto& s : chart.series()) {
    items.open("Series");
    seriesItems(items, static_cast<const TSeriesStyle&>(*s));
    items.close();
    dataItems(items, static_cast<const TDataSettings&>(*s));
    items.close();
    const SeriesPoints& p = s->points();
    const std::size_t n = mode == 1 ? p.size() : 0;
    items.i(1, static_cast<int>(n));
    items.i(2, 4);
    w.string("D");
    for (std::size_t k = 0; k < n; ++k) {
      const double v[4] = {p.x()[k], p.y()[k], p.extra(k, 0), p.extra(k, 1)};
      w.extendedRun(v);
    }
  }
  // The annotation part: its length, counted from its own first byte, then
  // the (empty) annotation list and four zero bytes.
  const std::size_t start = w.size();
  w.raw32(0);
  w.string("I");
  w.integer(0);
  w.patch32(start, static_cast<std::uint32_t>(w.size() - start));
  w.raw32(0);
  return w.take();
}

void saveChartFile(const ChartModel& chart, const std::filesystem::path& path, int mode) {
  writeFileAtomic(path, chartFileImage(chart, mode));
}

ChartModel readChartImage(std::span<const std::uint8_t> bytes, const std::string& fileName) {
  StreamReader in(bytes, fileName);
  if (in.atEnd() || (in.peekType() != stream_type::kString && in.peekType() != stream_type::kLString))
    throw Error("Die Datei \"" + fileName + "\" ist keine Graphikdatei.");
  const std::string version = in.string();
  if (version != kChartFileVersion)
    throw Error("Die Graphikdatei \"" + fileName + "\" hat die Version \"" + version + "\"; lesbar ist nur \"" +
                kChartFileVersion + "\".");
  ChartModel chart;
  chart.setPlotting(false);
  readSection(in, "Appearance", [&](ItemReader& r) { appearanceItems(r, chart.Appearance); });
  readSection(in, "Dimensions", [&](ItemReader& r) { dimensionItems(r, chart.Dimensions); });
  for (TAxis* axis : {&chart.XAxis, &chart.YAxis, &chart.YAxis_Second})
    readSection(in, "Axis", [&](ItemReader& r) { axisItems(r, *axis); });
  readSection(in, "Legend", [&](ItemReader& r) { legendItems(r, chart.Legend); });
  const int seriesCount = readCount(in, "Anzahl der Serien");
  const int marks = readCount(in, "Anzahl der Marken");
  for (int n = 1; n <= seriesCount; ++n) {
    TSeries& s = chart.Series(n);
    readSection(in, "Series", [&](ItemReader& r) { seriesItems(r, static_cast<TSeriesStyle&>(s)); });
    readItems(in, [&](ItemReader& r) { dataItems(r, static_cast<TDataSettings&>(s)); });
    readPoints(in, s);
  }
  // Marks are not part of this chart; what follows them cannot be found
  // without their layout.
  if (marks == 0 && !in.atEnd()) {
    const std::size_t start = in.position();
    const std::uint32_t length = in.raw32();
    if (length < 4 || length > bytes.size() - start) in.fail("Länge der Anmerkungen ungültig");
    readCount(in, "Anzahl der Anmerkungen");
    if (in.position() > start + length) in.fail("Länge der Anmerkungen ungültig");
    in.seek(start + length);
    if (in.raw32() != 0) in.fail("Ende der Anmerkungen fehlt");
  }
  chart.setPlotting(true);
  return chart;
}

ChartModel loadChartFile(const std::filesystem::path& path) {
  return readChartImage(readFileBytes(path), path.filename().string());
}

} // namespace veltra::core
