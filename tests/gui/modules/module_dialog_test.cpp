#include "dialog_test_support.h"

#include "core/modules/catalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {
struct Edit {
  QString setup;
  int row;
  QString actions, writes, text;
};
} // namespace
Q_DECLARE_METATYPE(Edit)

namespace veltra::gui::test {

namespace {

QStringList items(const QComboBox* cb) {
  QStringList l;
  for (int i = 0; i < cb->count(); ++i)
    l << cb->itemText(i);
  return l;
}

bool same(const std::vector<core::TCell>& a, const std::vector<core::TCell>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(core::TCell)) == 0;
}

std::vector<core::TCell> moduleCells(DialogBench& bench, char letter) {
  std::vector<core::TCell> cells;
  for (int r = 0; r < core::moduleType(letter)->height; ++r)
    cells.push_back(bench.cell(kCol, kRow + r));
  return cells;
}

} // namespace

class ModuleDialogTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }

  // Fields before, row opened on, actions, params "Ok" writes (from the layouts; all else stays),
  // text stored (empty: the signal's name or the text as it was).
  void okWritesExactlyTheFieldsAndCancelNothing_data() {
    QTest::addColumn<Edit>("e");
    const auto row = [](const char* name, const char* setup, int r, const char* actions, const char* writes,
                        const char* text = "") {
      QTest::newRow(name) << Edit{setup, r, QString::fromUtf8(actions), writes, QString::fromUtf8(text)};
    };
    row("A", "", 0, "cbNum=4;edScale=2.5;edOffset=-3", "i0=5 f8=2.5 f16=-3");
    row("B", "", 0, "cbFunction=3;edScale=0.25;edDesc=Summe Süd", "i0=3 f8=0.25", "Summe Süd");
    row("C", "", 0,
        "edXA1=-201.5;edYA1=1.5;edXE1=2.5;edYE1=3.5;edXA2=4.5;edYA2=5.5;edXE2=6.5;edYE2=7.5;edXA3=8.5;edYA3=9.5;"
        "edXE3=10.5;edYE3=1e5;edDesc=Sequenz",
        "f0=-201.5 f8=1.5 f16=2.5 f24=3.5 f32=4.5 f40=5.5 f48=6.5 f56=7.5 f64=8.5 f72=9.5 f80=10.5 f88=1e5", "Sequenz");
    // A red (negative) time does not keep "Ok" from storing it.
    row("D", "", 0, "cbFunction=2;spAnzahl=17;edAZeit=-1;edDesc=Mittel", "i0=2 i4=17 i16=-1", "Mittel");
    row("D count beyond the spin", "i4=99", 0, "", "i4=50");
    row("E", "", 0, "cbFuehler=9;edScale=0.1;edOffset=-273.15", "i0=10 f8=0.1 f16=-273.15");
    row("F", "", 0, "cbSignal=6;edConst=4.5", "i0=7 f8=4.5");
    row("G", "", 0, "edMin=-7.5;edMax=12;edDesc=Begrenzung VL", "f0=-7.5 f8=12", "Begrenzung VL");
    row("G references", "", 0, "rgQuelleF=;cbMin=2;rgQuelle1H=;cbMax=6", "f0=32503 f8=32607");
    row("H", "", 0, "cbSignal=2", "i0=3");
    row("I", "", 0, "cbNum=11;cbInv=", "i0=12 u4=1");
    row("J fifth row", "", 4, "cbFunction=1;edAZeit=45;edDiffAuf=3.5;edDiffZu=-2.5;edDesc=Klappe",
        "i0=1 i4=45 f8=3.5 f16=-2.5", "Klappe");
    row("K", "", 0, "edX1=-150;edY1=-151;edX2=-50;edY2=-51;edX3=1;edY3=2;edX4=50;edY4=51;edX5=150;edY5=151",
        "f0=-150 f8=-151 f16=-50 f24=-51 f32=1 f40=2 f48=50 f56=51 f64=150 f72=151");
    row("L", "", 0, "cbFunction=4;Inv=;edDesc=Frostschutz", "i0=4 u4=1", "Frostschutz");
    row("M", "", 0, "cbSignal=20;Inv=", "i0=21 u4=1");
    row("N fourth row", "", 3, "edX1=21;edX2=41;edX3=61;edX4=81;edHyst=1.5", "f0=21 f8=41 f16=61 f24=81 f32=1.5");
    row("O", "", 0, "cbInv1=;edDesc=Oder 1", "u0=1", "Oder 1");
    row("P", "", 0, "edDauer=15;cbInv1=", "i4=15 u0=1");
    row("Q", "", 0, "cbNummer=30;cbInv=", "i0=31 u4=1");
    row("R third row", "", 2, "edP=25;edI=120;edD=0;edS=0.8;edDesc=Vorlauf Heizkreis Nord West",
        "f0=25 f8=120 f16=0 f24=0.8", "Vorlauf Heizkreis No"); // 20 characters at most
    row("S", "", 0, "spNummer=5;cbInv=;edDesc=Heizzeit", "i0=5 u4=1", "Heizzeit");
    // From a file: an empty text takes the program's name, a program above 32 becomes 32.
    row("S odd", "i0=40 t=", 0, "", "i0=32", "Programm 32");
    row("T", "", 0, "cbFunction=3;cbInv1=;edParam1=7;edParam2=-9", "i0=3 u4=1 i8=7 i12=-9");
    row("U", "", 0, "cbInv1=", "u0=1");
    row("V last signal", "", 0, "cbNum=9215;edScale=3;edOffset=0.5", "i0=9216 f8=3 f16=0.5");
    // W keeps its temperatures in hundredths and clears the cooling factors.
    row("W fifth row", "f16=3.5 f32=-1", 4,
        "spNummer=7;edHFaktorE=6.5;edHFaktorA=80;edWicht=15;edMinZeitE=30;edMinZeitA=25;edMaxZeit=180;"
        "edMinAusl=-12.5;edMaxAusl=28.29;edRegel=1.5",
        "i0=7 f8=6.5 f16=0 f24=80 f32=0 f40=15 i48=30 i52=25 i56=180 f64=-1250 f72=2829 f80=150");
    row("X", "", 0, "cbInv1=", "u0=1");
    row("Y", "", 0, "edDesc=Sommer/Winter", "", "Sommer/Winter");
    row("Z red limit", "", 0, "Inv=;edEin=32500;edAus=40.5", "u0=1 f8=32500 f16=40.5");
  }
  void okWritesExactlyTheFieldsAndCancelNothing() {
    QFETCH(Edit, e);
    const char l = QTest::currentDataTag()[0];
    DialogBench bench;
    core::TCell& top = bench.place(l);
    setFields(top, e.setup);
    top.error = -3;
    const std::vector<core::TCell> before = moduleCells(bench, l);
    // Cancel leaves every cell as it was; only F's list choice acts at once.
    ModuleDialog* d = bench.open(l, kCol, kRow + e.row);
    act(d, e.actions);
    clickCancel(d);
    QVERIFY(!d->isVisible());
    if (l != 'F') QVERIFY(same(moduleCells(bench, l), before));
    d = bench.open(l, kCol, kRow + e.row);
    act(d, e.actions);
    clickOk(d);
    QCOMPARE(bench.messages, QStringList());
    QVERIFY(!d->isVisible());
    std::vector<core::TCell> expected = before;
    setFields(expected[0], e.writes);
    expected[0].error = 0;
    const core::ModuleType* type = core::moduleType(l);
    QString text = e.text;
    if (text.isEmpty())
      text =
          type->signalGroup ? utf8(bench.project->SignalDesc.text(*type->signalGroup, top.i32(0))) : textOf(before[0]);
    QCOMPARE(textOf(top), text);
    expected[0].text = top.text;
    QVERIFY(same(moduleCells(bench, l), expected));
    // What the dialog shows again it stores unchanged.
    clickOk(bench.open(l));
    QVERIFY(same(moduleCells(bench, l), expected));
  }

  // Confirming without a change keeps every byte (besides text and error),
  // for defaults and for values a dialog cannot show exactly.
  void confirmingUnchangedKeepsEveryByte_data() {
    QTest::addColumn<QString>("odd");
    // Full binary fractions, a NaN, odd function indexes, signal numbers
    // outside their group, unlisted limit references, boundary codes.
    const QString odd = "A i0=300,B i0=7,F i0=9,G f0=32503.5 f8=32610,G f0=32500 f8=32600,J i0=12 i4=-5,L i0=7,"
                        "R f0=nan,T i0=-1,V i0=9999,W f16=0 f32=0 f64=1234.5 f80=-0,Z f8=33000 f16=1e300,"
                        "Z f8=32601 f16=32856";
    for (char l = 'A'; l <= 'Z'; ++l)
      QTest::addRow("%c defaults", l) << QString();
    for (const QString& o : odd.split(','))
      QTest::newRow(qPrintable(o)) << o.mid(2);
  }
  void confirmingUnchangedKeepsEveryByte() {
    QFETCH(QString, odd);
    const char l = QTest::currentDataTag()[0];
    DialogBench bench;
    core::TCell& top = bench.place(l);
    const core::ModuleType* type = core::moduleType(l);
    if (!odd.isEmpty()) {
      for (const core::ParamDef& f : type->params) {
        if (f.type == core::FieldType::F64) top.setF64(f.offset, (f.offset + 1) / 7.0 - 3);
        if (f.type == core::FieldType::U8) top.setU8(f.offset, 2); // any non-zero byte means "true"
      }
      setFields(top, odd);
    }
    // Connection and work memory fields belong to the compiler.
    for (const core::PortDef& p : type->ports)
      top.setI32(p.offset, 1000 + p.offset);
    if (type->workOffset >= 0) top.setI32(type->workOffset, 0x5A5A5A5A);
    if (type->signalGroup && l != 'S')
      if (const core::TSignalText* t = bench.project->SignalDesc.at(*type->signalGroup, top.i32(0))) top.text = *t;
    top.text.chars[20] = 'x'; // only the length counts; the bytes after it stay
    if (l == 'F') bench.project->FWert[static_cast<std::size_t>(top.i32(0))] = top.f64(8);
    top.error = -2;
    const core::TCell before = top;
    ModuleDialog* d = bench.open(l);
    for (QLineEdit* e : d->findChildren<QLineEdit*>()) // no field is red on defaults
      QVERIFY2(!odd.isEmpty() || !redBackground(e), qPrintable(e->objectName()));
    clickOk(d);
    QCOMPARE(bench.messages, QStringList());
    QCOMPARE(top.error, 0);
    top.error = before.error;
    QVERIFY(top.text.view() == before.text.view());
    top.text = before.text; // "Ok" copies a signal's name, a text of its own
    QVERIFY(sameBytes(top, before));
  }

  // The item file is read at every opening; without it the built-in list
  // serves (J has none: its index shows as a number) and the rest loads.
  void functionListsComeFromTheItemFiles() {
    DialogBench bench;
    bench.place('L');
    QCOMPARE(items(bench.open('L')->findChild<QComboBox*>("cbFunction")).first(), QStringLiteral("In1 > In2"));
    bench.place('J', 7, 2);
    QCOMPARE(items(bench.open('J', 7, 2)->findChild<QComboBox*>("cbFunction"))[1], QStringLiteral("Impulszähler"));
    QTemporaryDir dir;
    bench.programDir = dir.path();
    bench.place('B', 9, 2).setI32(0, 4);
    ModuleDialog* d = bench.open('B', 9, 2);
    auto* cb = d->findChild<QComboBox*>("cbFunction");
    QCOMPARE(items(cb), (QStringList{"+", "-", "*", "/", "Min", "Max"}));
    QCOMPARE(cb->currentIndex(), 4);
    QFile f(QDir(dir.path()).filePath("BItems.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Summe\r\nDifferenz\r\n");
    f.close();
    bench.open('B', 9, 2);
    QCOMPARE(items(cb), (QStringList{"Summe", "Differenz", "4"}));
    QCOMPARE(cb->currentIndex(), 2);
    bench.cell(7, 2).setI32(0, 2);
    QCOMPARE(items(bench.open('J', 7, 2)->findChild<QComboBox*>("cbFunction")), QStringList{"2"});
  }

  void noDialogForAnUnknownLetterOrAnEmptyCell() {
    DialogBench bench;
    QVERIFY(bench.dialogs.dialog('*') == nullptr);
    QVERIFY(!bench.dialogs.exec('A', *bench.project, 1, 15, 0, bench.programDir));
  }

  // An edit is red while its text is no number of its kind or breaks its range, which never
  // keeps "Ok" from storing; a text that does not convert names itself in a German message,
  // and the dialog stays open with the module as it was, also the fields before it.
  void liveCheck_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    QTest::addColumn<QString>("message");
    const auto row = [](char l, const char* control, const char* text, bool red, const char* message = "") {
      QTest::addRow("%c %s '%s'", l, control, text)
          << QString(control) << QString(text) << red << QString::fromUtf8(message);
    };
    const char* real = "ist kein gültiger Gleitkommawert";
    row('A', "edScale", "1,5", true, real); // decimal comma
    row('A', "edScale", "", true);
    row('A', "edOffset", "abc", true, real);
    row('C', "edYE3", "1e", true);
    row('D', "edAZeit", "-1", true); // times are not negative
    row('D', "edAZeit", "0", false);
    row('D', "edAZeit", "1.5", true); // an integer field
    row('G', "edMin", "32500", false);
    row('G', "edMax", "32501", true); // codes of references
    row('G', "edMax", "40000", true, "ist als Zahl nicht möglich: Werte über 32500 stehen für Verweise auf F und H");
    row('R', "edS", ".", true);
    row('R', "edS", "1,5", true, real);
    row('T', "edParam2", "1.5", true, "ist kein gültiger Integerwert");
    row('W', "edRegel", "-1", true);
    row('W', "edRegel", "0", false);
    row('W', "edRegel", "warm", true, real);
    row('W', "edMaxAusl", "1e307", true); // beyond hundredths
    row('Z', "edEin", "32500", true);
    row('Z', "edEin", "32499", false);
  }
  void liveCheck() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, red);
    QFETCH(QString, message);
    const char l = QTest::currentDataTag()[0];
    DialogBench bench;
    core::TCell& top = bench.place(l);
    top.error = -4;
    const core::TCell before = top;
    ModuleDialog* d = bench.open(l);
    auto* edit = d->findChild<QLineEdit*>(control);
    QVERIFY(edit);
    for (QLineEdit* e : d->findChildren<QLineEdit*>())
      if (e != edit && e->isVisibleTo(d)) typeInto(e, QStringLiteral("7"));
    typeInto(edit, text);
    QCOMPARE(redBackground(edit), red);
    if (!message.isEmpty()) {
      clickOk(d);
      QCOMPARE(bench.messages, QStringList{"'" + text + "' " + message});
      QVERIFY(d->isVisible() && edit->text() == text && sameBytes(top, before));
    }
    typeInto(edit, QStringLiteral("1"));
    QCOMPARE(edit->palette().color(QPalette::Base), d->palette().color(QPalette::Base));
    d->reject();
    QVERIFY(sameBytes(top, before));
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::ModuleDialogTest;
VELTRA_GUI_TEST(ModuleDialogTest);

#include "module_dialog_test.moc"
