#include "dialog_test_support.h"
#include "gui_test.h"

#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>

namespace veltra::gui::test {

namespace {

void writeLines(const QString& file, const QByteArray& content) {
  QFile f(file);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(content);
}

QStringList items(const QComboBox* cb) {
  QStringList l;
  for (int i = 0; i < cb->count(); ++i)
    l << cb->itemText(i);
  return l;
}

} // namespace

class ModuleDialogBehaviourTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  // Every row of a multi-row module opens the module's top cell.
  void lowerRowsEditTheTopCell_data() {
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<int>("rowOffset");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("offset");
    QTest::newRow("R third row") << QChar('R') << 2 << "edP" << 0;
    for (int k = 0; k < 5; ++k)
      QTest::addRow("J row %d", k + 1) << QChar('J') << k << "edDiffAuf" << 8;
    QTest::newRow("N fourth row") << QChar('N') << 3 << "edHyst" << 32;
    QTest::newRow("W fifth row") << QChar('W') << 4 << "edWicht" << 40;
  }

  void lowerRowsEditTheTopCell() {
    QFETCH(QChar, letter);
    QFETCH(int, rowOffset);
    QFETCH(QString, control);
    QFETCH(int, offset);
    DialogBench bench;
    core::TCell& top = bench.place(letter.toLatin1());
    const core::TCell lower = bench.cell(kCol, kRow + rowOffset);
    ModuleDialog* d = bench.open(letter.toLatin1(), kCol, kRow + rowOffset);
    QCOMPARE(d->topRow(), kRow);
    typeInto(d->findChild<QLineEdit*>(control), QStringLiteral("42.5"));
    clickOk(d);
    QCOMPARE(top.f64(offset), 42.5);
    if (rowOffset > 0) QVERIFY(sameBytes(bench.cell(kCol, kRow + rowOffset), lower));
  }

  // W shows its temperatures in degrees and keeps hundredths.
  void wTemperaturesAreStable() {
    DialogBench bench;
    core::TCell& w = bench.place('W');
    QCOMPARE(w.f64(64), -1000.0);
    ModuleDialog* d = bench.open('W');
    QCOMPARE(d->findChild<QLineEdit*>("edMinAusl")->text(), QStringLiteral("-10"));
    QCOMPARE(d->findChild<QLineEdit*>("edMaxAusl")->text(), QStringLiteral("30"));
    QCOMPARE(d->findChild<QLineEdit*>("edRegel")->text(), QStringLiteral("2"));
    const core::TCell before = w;
    for (int i = 0; i < 2; ++i) {
      clickOk(bench.open('W'));
      w.error = before.error;
      QVERIFY(sameBytes(w, before));
    }
    // A value typed anew goes in as hundredths and comes out the same.
    d = bench.open('W');
    typeInto(d->findChild<QLineEdit*>("edMaxAusl"), QStringLiteral("21.55"));
    clickOk(d);
    QCOMPARE(w.f64(72), 2155.0);
    d = bench.open('W');
    QCOMPARE(d->findChild<QLineEdit*>("edMaxAusl")->text(), QStringLiteral("21.55"));
    typeInto(d->findChild<QLineEdit*>("edWicht"), QStringLiteral("12"));
    clickOk(d);
    QCOMPARE(w.f64(72), 2155.0);
    QCOMPARE(w.f64(64), -1000.0);
  }

  void wClearsTheCoolingFactors() {
    DialogBench bench;
    core::TCell& w = bench.place('W');
    w.setF64(16, 3.5);
    w.setF64(32, -1);
    clickOk(bench.open('W'));
    QCOMPARE(w.f64(16), 0.0);
    QCOMPARE(w.f64(32), 0.0);
  }

  void spinShowsTheNearestValueOfItsRange() {
    DialogBench bench;
    core::TCell& dm = bench.place('D');
    dm.setI32(4, 99);
    ModuleDialog* d = bench.open('D');
    QCOMPARE(d->findChild<QSpinBox*>("spAnzahl")->value(), 50);
    clickOk(d);
    QCOMPARE(dm.i32(4), 50);
  }

  void functionListsComeFromTheItemFiles() {
    DialogBench bench;
    bench.place('L');
    ModuleDialog* d = bench.open('L');
    auto* cb = d->findChild<QComboBox*>("cbFunction");
    QCOMPARE(cb->count(), 6);
    QCOMPARE(cb->itemText(0), QStringLiteral("In1 > In2"));
    d->reject();
    bench.place('J', 7, 2);
    d = bench.open('J', 7, 2);
    QCOMPARE(d->findChild<QComboBox*>("cbFunction")->itemText(1), QStringLiteral("Impulszähler"));
    d->reject();
  }

  // The item file is read at every opening; without it the built-in list
  // serves and the rest of the dialog loads as usual.
  void missingItemFileFallsBackToTheBuiltInList() {
    QTemporaryDir dir;
    DialogBench bench;
    bench.programDir = dir.path();
    core::TCell& b = bench.place('B');
    b.setF64(8, 0.75);
    b.setI32(0, 4);
    b.text.assign("Rechnen");
    ModuleDialog* d = bench.open('B');
    auto* cb = d->findChild<QComboBox*>("cbFunction");
    QCOMPARE(items(cb), (QStringList{"+", "-", "*", "/", "Min", "Max"}));
    QCOMPARE(cb->currentIndex(), 4);
    QCOMPARE(d->findChild<QLineEdit*>("edScale")->text(), QStringLiteral("0.75"));
    QCOMPARE(d->findChild<QLineEdit*>("edDesc")->text(), QStringLiteral("Rechnen"));
    d->reject();

    writeLines(QDir(dir.path()).filePath("BItems.txt"), "Summe\r\nDifferenz\r\n");
    d = bench.open('B');
    QCOMPARE(items(cb), (QStringList{"Summe", "Differenz", "4"}));
    QCOMPARE(cb->currentIndex(), 2);
    d->reject();

    // J has no built-in names: its index shows as a number.
    core::TCell& j = bench.place('J', 7, 2);
    j.setI32(0, 2);
    d = bench.open('J', 7, 2);
    QCOMPARE(items(d->findChild<QComboBox*>("cbFunction")), QStringList{"2"});
    QCOMPARE(d->findChild<QLineEdit*>("edAZeit")->text(), QStringLiteral("100"));
    d->reject();
  }

  void functionIndexWithoutALineShowsItsNumber() {
    DialogBench bench;
    core::TCell& t = bench.place('T');
    t.setI32(0, 7);
    ModuleDialog* d = bench.open('T');
    auto* cb = d->findChild<QComboBox*>("cbFunction");
    QCOMPARE(cb->count(), 5);
    QCOMPARE(cb->currentText(), QStringLiteral("7"));
    clickOk(d);
    QCOMPARE(t.i32(0), 7);
    d = bench.open('T');
    cb->setCurrentIndex(1);
    clickOk(d);
    QCOMPARE(t.i32(0), 1);
    d = bench.open('T');
    QCOMPARE(cb->count(), 4);
    d->reject();
  }

  // A signal number outside its group (only from a file) shows as an extra
  // last entry and stays until the engineer chooses a signal.
  void signalNumberOutsideTheGroupShowsAsExtraEntry() {
    DialogBench bench;
    core::TCell& a = bench.place('A');
    a.setI32(0, 300);
    a.text.assign("alt");
    ModuleDialog* d = bench.open('A');
    auto* cb = d->findChild<QComboBox*>("cbNum");
    QCOMPARE(cb->count(), 257);
    QCOMPARE(cb->currentIndex(), 256);
    QVERIFY(cb->currentText().startsWith(QStringLiteral("300")));
    clickOk(d);
    QCOMPARE(a.i32(0), 300);
    QCOMPARE(textOf(a), QStringLiteral("alt"));
    d = bench.open('A');
    cb->setCurrentIndex(3);
    clickOk(d);
    QCOMPARE(a.i32(0), 4);
    QCOMPARE(textOf(a),
             QString::fromStdString(core::cp1252ToUtf8(bench.project->SignalDesc.text(core::SignalGroup::A, 4))));
  }

  void groupVListsAllItsSignals() {
    DialogBench bench;
    core::TCell& v = bench.place('V');
    v.setI32(0, 9216);
    ModuleDialog* d = bench.open('V');
    auto* cb = d->findChild<QComboBox*>("cbNum");
    QCOMPARE(cb->count(), 9216);
    QCOMPARE(cb->currentIndex(), 9215);
    QCOMPARE(cb->itemText(0), QStringLiteral("1  Aussentemp. Mittel"));
    d->reject();
  }

  void descriptionTakesTwentyCharacters() {
    DialogBench bench;
    core::TCell& r = bench.place('R');
    ModuleDialog* d = bench.open('R');
    auto* desc = d->findChild<QLineEdit*>("edDesc");
    QCOMPARE(desc->text(), QStringLiteral("Regler"));
    typeInto(desc, QStringLiteral("Vorlauf Heizkreis Nord West"));
    QCOMPARE(desc->text(), QStringLiteral("Vorlauf Heizkreis No"));
    clickOk(d);
    QCOMPARE(textOf(r), QStringLiteral("Vorlauf Heizkreis No"));
  }

  void captionsAndNames() {
    DialogBench bench;
    const struct {
      char letter;
      const char* caption;
    } captions[] = {{'A', "analoger Ausgang"}, {'D', "Mittelwert"}, {'H', "Hilfssignal"}, {'J', "Zähler/Klappe"},
                    {'R', "PID Regler"},       {'W', "Restwärme"},  {'Y', "Auswahl"},     {'Z', "Zweipunkt"}};
    for (const auto& c : captions) {
      ModuleDialog* d = bench.dialogs.dialog(c.letter);
      QCOMPARE(d->windowTitle(), QString::fromUtf8(c.caption));
      QCOMPARE(d->objectName(), QStringLiteral("Form_") + QChar(c.letter));
      QCOMPARE(d->okButton()->text(), QStringLiteral("Ok"));
    }
    QVERIFY(bench.dialogs.dialog('*') == nullptr);
    QVERIFY(!bench.dialogs.exec('A', *bench.project, 1, 15, 0, bench.programDir));
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::ModuleDialogBehaviourTest;
VELTRA_GUI_TEST(ModuleDialogBehaviourTest);

#include "module_dialog_behaviour_test.moc"
