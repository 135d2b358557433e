#include "dialog_test_support.h"
#include "gui_test.h"

#include "modules/catalogue.h"

#include <QCheckBox>
#include <QSpinBox>

#include <cmath>

namespace veltra::gui::test {

namespace {

enum Control { Edit, Check, Spin, Combo, Desc };
enum Type { I32, F64, U8, Text };

struct FieldCase {
  char letter;
  const char* control;
  Control kind;
  const char* input; // text typed, or the index / value chosen
  int offset;
  Type type;
  double stored;
  const char* shown; // what the edit shows when the dialog opens again
};

// Every control of every dialog with the field it must reach. Written from
// the parameter layouts, independently of the dialog tables.
const FieldCase kCases[] = {
    {'A', "cbNum", Combo, "4", 0, I32, 5, ""},
    {'A', "edScale", Edit, "2.5", 8, F64, 2.5, "2.5"},
    {'A', "edOffset", Edit, "-3", 16, F64, -3, "-3"},
    {'B', "cbFunction", Combo, "3", 0, I32, 3, ""},
    {'B', "edScale", Edit, "0.25", 8, F64, 0.25, "0.25"},
    {'B', "edDesc", Desc, "Summe Heizkreise", 0, Text, 0, ""},
    {'C', "edXA1", Edit, "-201.5", 0, F64, -201.5, "-201.5"},
    {'C', "edYA1", Edit, "1.5", 8, F64, 1.5, "1.5"},
    {'C', "edXE1", Edit, "2.5", 16, F64, 2.5, "2.5"},
    {'C', "edYE1", Edit, "3.5", 24, F64, 3.5, "3.5"},
    {'C', "edXA2", Edit, "4.5", 32, F64, 4.5, "4.5"},
    {'C', "edYA2", Edit, "5.5", 40, F64, 5.5, "5.5"},
    {'C', "edXE2", Edit, "6.5", 48, F64, 6.5, "6.5"},
    {'C', "edYE2", Edit, "7.5", 56, F64, 7.5, "7.5"},
    {'C', "edXA3", Edit, "8.5", 64, F64, 8.5, "8.5"},
    {'C', "edYA3", Edit, "9.5", 72, F64, 9.5, "9.5"},
    {'C', "edXE3", Edit, "10.5", 80, F64, 10.5, "10.5"},
    {'C', "edYE3", Edit, "1e5", 88, F64, 1e5, "100000"},
    {'C', "edDesc", Desc, "Sequenz", 0, Text, 0, ""},
    {'D', "cbFunction", Combo, "2", 0, I32, 2, ""},
    {'D', "spAnzahl", Spin, "17", 4, I32, 17, ""},
    {'D', "edAZeit", Edit, "90", 16, I32, 90, "90"},
    {'D', "edDesc", Desc, "Mittel", 0, Text, 0, ""},
    {'E', "cbFuehler", Combo, "9", 0, I32, 10, ""},
    {'E', "edScale", Edit, "0.1", 8, F64, 0.1, "0.1"},
    {'E', "edOffset", Edit, "-273.15", 16, F64, -273.15, "-273.15"},
    {'F', "cbSignal", Combo, "6", 0, I32, 7, ""},
    {'F', "edConst", Edit, "4.5", 8, F64, 4.5, "4.5"},
    {'G', "edMin", Edit, "-7.5", 0, F64, -7.5, "-7.5"},
    {'G', "edMax", Edit, "12", 8, F64, 12, "12"},
    {'G', "edDesc", Desc, "Begrenzung VL", 0, Text, 0, ""},
    {'H', "cbSignal", Combo, "2", 0, I32, 3, ""},
    {'I', "cbNum", Combo, "11", 0, I32, 12, ""},
    {'I', "cbInv", Check, "1", 4, U8, 1, ""},
    {'J', "cbFunction", Combo, "1", 0, I32, 1, ""},
    {'J', "edAZeit", Edit, "45", 4, I32, 45, "45"},
    {'J', "edDiffAuf", Edit, "3.5", 8, F64, 3.5, "3.5"},
    {'J', "edDiffZu", Edit, "-2.5", 16, F64, -2.5, "-2.5"},
    {'J', "edDesc", Desc, "Klappe", 0, Text, 0, ""},
    {'K', "edX1", Edit, "-150", 0, F64, -150, "-150"},
    {'K', "edY1", Edit, "-151", 8, F64, -151, "-151"},
    {'K', "edX2", Edit, "-50", 16, F64, -50, "-50"},
    {'K', "edY2", Edit, "-51", 24, F64, -51, "-51"},
    {'K', "edX3", Edit, "1", 32, F64, 1, "1"},
    {'K', "edY3", Edit, "2", 40, F64, 2, "2"},
    {'K', "edX4", Edit, "50", 48, F64, 50, "50"},
    {'K', "edY4", Edit, "51", 56, F64, 51, "51"},
    {'K', "edX5", Edit, "150", 64, F64, 150, "150"},
    {'K', "edY5", Edit, "151", 72, F64, 151, "151"},
    {'K', "edDesc", Desc, "Heizkurve", 0, Text, 0, ""},
    {'L', "cbFunction", Combo, "4", 0, I32, 4, ""},
    {'L', "Inv", Check, "1", 4, U8, 1, ""},
    {'L', "edDesc", Desc, "Frostschutz", 0, Text, 0, ""},
    {'M', "cbSignal", Combo, "20", 0, I32, 21, ""},
    {'M', "Inv", Check, "1", 4, U8, 1, ""},
    {'N', "edX1", Edit, "21", 0, F64, 21, "21"},
    {'N', "edX2", Edit, "41", 8, F64, 41, "41"},
    {'N', "edX3", Edit, "61", 16, F64, 61, "61"},
    {'N', "edX4", Edit, "81", 24, F64, 81, "81"},
    {'N', "edHyst", Edit, "1.5", 32, F64, 1.5, "1.5"},
    {'N', "edDesc", Desc, "Stufen", 0, Text, 0, ""},
    {'O', "cbInv1", Check, "1", 0, U8, 1, ""},
    {'O', "edDesc", Desc, "Oder 1", 0, Text, 0, ""},
    {'P', "edDauer", Edit, "15", 4, I32, 15, "15"},
    {'P', "cbInv1", Check, "1", 0, U8, 1, ""},
    {'P', "edDesc", Desc, "Puls", 0, Text, 0, ""},
    {'Q', "cbNummer", Combo, "30", 0, I32, 31, ""},
    {'Q', "cbInv", Check, "1", 4, U8, 1, ""},
    {'R', "edP", Edit, "25", 0, F64, 25, "25"},
    {'R', "edI", Edit, "120", 8, F64, 120, "120"},
    {'R', "edD", Edit, "0", 16, F64, 0, "0"},
    {'R', "edS", Edit, "0.8", 24, F64, 0.8, "0.8"},
    {'R', "edDesc", Desc, "VL Regler", 0, Text, 0, ""},
    {'S', "spNummer", Spin, "5", 0, I32, 5, ""},
    {'S', "cbInv", Check, "1", 4, U8, 1, ""},
    {'S', "edDesc", Desc, "Heizzeit", 0, Text, 0, ""},
    {'T', "cbFunction", Combo, "3", 0, I32, 3, ""},
    {'T', "cbInv1", Check, "1", 4, U8, 1, ""},
    {'T', "edParam1", Edit, "7", 8, I32, 7, "7"},
    {'T', "edParam2", Edit, "-9", 12, I32, -9, "-9"},
    {'T', "edDesc", Desc, "Timer 2", 0, Text, 0, ""},
    {'U', "cbInv1", Check, "1", 0, U8, 1, ""},
    {'U', "edDesc", Desc, "Und 1", 0, Text, 0, ""},
    {'V', "cbNum", Combo, "9000", 0, I32, 9001, ""},
    {'V', "edScale", Edit, "3", 8, F64, 3, "3"},
    {'V', "edOffset", Edit, "0.5", 16, F64, 0.5, "0.5"},
    {'W', "spNummer", Spin, "7", 0, I32, 7, ""},
    {'W', "edHFaktorE", Edit, "6.5", 8, F64, 6.5, "6.5"},
    {'W', "edHFaktorA", Edit, "80", 24, F64, 80, "80"},
    {'W', "edWicht", Edit, "15", 40, F64, 15, "15"},
    {'W', "edMinZeitE", Edit, "30", 48, I32, 30, "30"},
    {'W', "edMinZeitA", Edit, "25", 52, I32, 25, "25"},
    {'W', "edMaxZeit", Edit, "180", 56, I32, 180, "180"},
    {'W', "edMinAusl", Edit, "-12.5", 64, F64, -1250, "-12.5"},
    {'W', "edMaxAusl", Edit, "28.29", 72, F64, 2829, "28.29"},
    {'W', "edRegel", Edit, "1.5", 80, F64, 150, "1.5"},
    {'W', "edDesc", Desc, "Optimierung", 0, Text, 0, ""},
    {'X', "cbInv1", Check, "1", 0, U8, 1, ""},
    {'X', "edDesc", Desc, "Xor", 0, Text, 0, ""},
    {'Y', "edDesc", Desc, "Sommer/Winter", 0, Text, 0, ""},
    {'Z', "Inv", Check, "1", 0, U8, 1, ""},
    {'Z', "edEin", Edit, "60", 8, F64, 60, "60"},
    {'Z', "edAus", Edit, "40.5", 16, F64, 40.5, "40.5"},
    {'Z', "edDesc", Desc, "Pumpe", 0, Text, 0, ""},
};

int sizeOf(Type t) { return t == I32 ? 4 : t == F64 ? 8 : t == U8 ? 1 : 0; }

// Every params byte outside [offset, offset + size) is as before.
bool onlyFieldChanged(const core::TCell& before, const core::TCell& after, int offset, int size) {
  for (int i = 0; i < core::kParamsSize; ++i)
    if ((i < offset || i >= offset + size) && before.params[i] != after.params[i]) return false;
  return true;
}

} // namespace

class ModuleDialogRoundTripTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void everyFieldReachesItsOffsetAndComesBack_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kCases)); ++i)
      QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kCases[i].letter).arg(kCases[i].control))) << i;
  }

  void everyFieldReachesItsOffsetAndComesBack() {
    QFETCH(int, index);
    const FieldCase& c = kCases[index];
    DialogBench bench;
    core::TCell& top = bench.place(c.letter);
    top.error = -3;
    const core::TCell before = top;
    ModuleDialog* d = bench.open(c.letter);
    QWidget* w = d->findChild<QWidget*>(QString::fromUtf8(c.control));
    QVERIFY2(w != nullptr, c.control);
    const QString input = QString::fromUtf8(c.input);
    switch (c.kind) {
    case Edit:
    case Desc:
      typeInto(qobject_cast<QLineEdit*>(w), input);
      break;
    case Check:
      QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
      QVERIFY(qobject_cast<QCheckBox*>(w)->isChecked());
      break;
    case Spin:
      qobject_cast<QSpinBox*>(w)->setValue(input.toInt());
      break;
    case Combo:
      qobject_cast<QComboBox*>(w)->setCurrentIndex(input.toInt());
      break;
    }
    clickOk(d);
    QVERIFY(bench.messages.isEmpty());
    QVERIFY(!d->isVisible());
    QCOMPARE(top.error, 0);
    switch (c.type) {
    case I32:
      QCOMPARE(top.i32(c.offset), static_cast<std::int32_t>(c.stored));
      break;
    case F64:
      QCOMPARE(top.f64(c.offset), c.stored);
      break;
    case U8:
      QCOMPARE(top.u8(c.offset), static_cast<std::uint8_t>(c.stored));
      break;
    case Text:
      QCOMPARE(textOf(top), input);
      break;
    }
    const bool isTextField = c.type == Text;
    QVERIFY(onlyFieldChanged(before, top, isTextField ? 0 : c.offset, sizeOf(c.type)));
    const core::ModuleType* type = core::moduleType(c.letter);
    if (type->signalGroup && c.letter != 'S')
      QCOMPARE(textOf(top), QString::fromStdString(
                                core::cp1252ToUtf8(bench.project->SignalDesc.text(*type->signalGroup, top.i32(0)))));

    // Opening again shows what was stored.
    d = bench.open(c.letter);
    w = d->findChild<QWidget*>(QString::fromUtf8(c.control));
    switch (c.kind) {
    case Edit:
      QCOMPARE(qobject_cast<QLineEdit*>(w)->text(), QString::fromUtf8(c.shown));
      break;
    case Desc:
      QCOMPARE(qobject_cast<QLineEdit*>(w)->text(), input);
      break;
    case Check:
      QVERIFY(qobject_cast<QCheckBox*>(w)->isChecked());
      break;
    case Spin:
      QCOMPARE(qobject_cast<QSpinBox*>(w)->value(), input.toInt());
      break;
    case Combo:
      QCOMPARE(qobject_cast<QComboBox*>(w)->currentIndex(), input.toInt());
      break;
    }
    d->reject();
  }

  // Confirming without a change leaves every byte as it was (besides text
  // and error), for defaults and for values a dialog cannot show exactly.
  void confirmingUnchangedKeepsEveryByte_data() {
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<bool>("odd");
    for (char l = 'A'; l <= 'Z'; ++l) {
      QTest::newRow(qPrintable(QStringLiteral("%1 defaults").arg(l))) << QChar(l) << false;
      QTest::newRow(qPrintable(QStringLiteral("%1 odd values").arg(l))) << QChar(l) << true;
    }
  }

  void confirmingUnchangedKeepsEveryByte() {
    QFETCH(QChar, letter);
    QFETCH(bool, odd);
    const char l = letter.toLatin1();
    DialogBench bench;
    core::TCell& top = bench.place(l);
    const core::ModuleType* type = core::moduleType(l);
    if (odd) oddValues(l, top);
    // Connection and work memory fields belong to the compiler.
    for (const core::PortDef& p : type->ports)
      top.setI32(p.offset, 1000 + p.offset);
    if (type->workOffset >= 0) top.setI32(type->workOffset, 0x5A5A5A5A);
    // Only the length counts in a text; the bytes after it stay as they are.
    top.text.chars[20] = 'x';
    if (type->signalGroup && l != 'S') {
      if (const core::TSignalText* t = bench.project->SignalDesc.at(*type->signalGroup, top.i32(0))) {
        top.text = *t;
        top.text.chars[20] = 'x';
      }
    }
    if (l == 'F') bench.project->FWert[static_cast<std::size_t>(top.i32(0))] = top.f64(8);
    top.error = -2;
    const core::TCell before = top;
    ModuleDialog* d = bench.open(l);
    clickOk(d);
    QVERIFY(bench.messages.isEmpty());
    QCOMPARE(top.error, 0);
    top.error = before.error;
    if (type->signalGroup && l != 'S') {
      // Ok copies the signal's description, a text of its own.
      QVERIFY(top.text.view() == before.text.view());
      top.text = before.text;
    }
    QVERIFY(sameBytes(top, before));
  }

private:
  // Values with full binary fractions, a NaN, an odd function index, a
  // signal number outside its group: nothing a dialog would produce itself.
  static void oddValues(char l, core::TCell& top) {
    const core::ModuleType* type = core::moduleType(l);
    for (const core::ParamDef& f : type->params) {
      switch (f.type) {
      case core::FieldType::F64:
        top.setF64(f.offset, (f.offset + 1) / 7.0 - 3);
        break;
      case core::FieldType::U8:
        top.setU8(f.offset, 2); // a file may hold any non-zero byte for "true"
        break;
      case core::FieldType::I32:
        break;
      }
    }
    switch (l) {
    case 'A':
      top.setI32(0, 300);
      break;
    case 'B':
    case 'L':
      top.setI32(0, 7);
      break;
    case 'J':
      top.setI32(0, 12);
      top.setI32(4, -5);
      break;
    case 'T':
      top.setI32(0, -1);
      break;
    case 'V':
      top.setI32(0, 9999);
      break;
    case 'G':
      top.setF64(0, 32503.5);
      top.setF64(8, 32610);
      break;
    case 'R':
      top.setF64(0, std::nan(""));
      break;
    case 'W':
      top.setF64(16, 0);
      top.setF64(32, 0);
      top.setF64(64, 1234.5);
      top.setF64(80, -0.0);
      break;
    case 'Z':
      top.setF64(8, 32601);
      top.setF64(16, 1e300);
      break;
    case 'F':
      top.setI32(0, 9);
      break;
    default:
      break;
    }
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::ModuleDialogRoundTripTest;
VELTRA_GUI_TEST(ModuleDialogRoundTripTest);

#include "module_dialog_roundtrip_test.moc"
