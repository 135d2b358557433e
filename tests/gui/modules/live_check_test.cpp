#include "dialog_test_support.h"
#include "gui_test.h"

namespace veltra::gui::test {

// The live check colours a numeric edit red while its text is not a number
// of its kind or breaks its range; it never keeps "Ok" from storing.
class LiveCheckTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() { veltra::test::quietOffscreenWarnings(); }
  void colourFollowsTheText_data() {
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    auto row = [](char l, const char* control, const char* text, bool red) {
      QTest::addRow("%c %s '%s'", l, control, text) << QChar(l) << QString(control) << QString(text) << red;
    };
    row('A', "edScale", "1,5", true);
    row('A', "edScale", "1.5", false);
    row('A', "edScale", " 2 ", false);
    row('A', "edScale", "", true);
    row('A', "edOffset", "abc", true);
    row('B', "edScale", "1,5", true);
    row('C', "edYE3", "1e", true);
    row('C', "edXA2", "-1e3", false);
    row('D', "edAZeit", "-1", true);
    row('D', "edAZeit", "0", false);
    row('D', "edAZeit", "1.5", true);
    row('E', "edOffset", "x", true);
    row('E', "edOffset", "-1", false);
    row('F', "edConst", "1,5", true);
    row('G', "edMin", "32500", false);
    row('G', "edMax", "32501", true);
    row('J', "edAZeit", "-3", true);
    row('J', "edDiffAuf", "1,5", true);
    row('J', "edDiffZu", "-0.5", false);
    row('K', "edX5", "1,5", true);
    row('N', "edHyst", "2,0", true);
    row('N', "edHyst", "2", false);
    row('N', "edX3", "--1", true);
    row('P', "edDauer", "2.5", true);
    row('P', "edDauer", "25", false);
    row('R', "edS", ".", true);
    row('R', "edI", ".5", false);
    row('T', "edParam1", "x", true);
    row('T', "edParam2", "-4", false);
    row('V', "edScale", "1,5", true);
    row('W', "edHFaktorA", "1,5", true);
    row('W', "edHFaktorA", "0.5", false);
    row('W', "edHFaktorE", "x", true);
    row('W', "edWicht", "1,5", true);
    row('W', "edMinZeitE", "1.5", true);
    row('W', "edMaxZeit", "240", false);
    row('W', "edRegel", "-1", true);
    row('W', "edRegel", "0", false);
    row('W', "edMinAusl", "-15", false);
    row('W', "edMaxAusl", "1e307", true);
    row('Z', "edEin", "32500", true);
    row('Z', "edEin", "32499", false);
    row('Z', "edAus", "32499.5", true);
    row('Z', "edAus", "-40000", false);
  }

  void colourFollowsTheText() {
    QFETCH(QChar, letter);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, red);
    DialogBench bench;
    bench.place(letter.toLatin1());
    ModuleDialog* d = bench.open(letter.toLatin1());
    auto* edit = d->findChild<QLineEdit*>(control);
    QVERIFY(edit != nullptr);
    QVERIFY(!redBackground(edit));
    typeInto(edit, text);
    QCOMPARE(redBackground(edit), red);
    // Back to a good number: the normal window colour again.
    typeInto(edit, QStringLiteral("1"));
    QVERIFY(!redBackground(edit));
    QCOMPARE(edit->palette().color(QPalette::Base), d->palette().color(QPalette::Base));
    d->reject();
  }

  void noFieldIsRedWhenADialogOpensOnDefaults() {
    for (char l = 'A'; l <= 'Z'; ++l) {
      DialogBench bench;
      bench.place(l);
      ModuleDialog* d = bench.open(l);
      for (QLineEdit* e : d->findChildren<QLineEdit*>())
        QVERIFY2(!redBackground(e), qPrintable(QStringLiteral("%1 %2").arg(l).arg(e->objectName())));
      d->reject();
    }
  }

  void redDoesNotBlockOk() {
    DialogBench bench;
    core::TCell& z = bench.place('Z');
    ModuleDialog* d = bench.open('Z');
    typeInto(d->findChild<QLineEdit*>("edEin"), QStringLiteral("32500"));
    clickOk(d);
    QVERIFY(bench.messages.isEmpty());
    QCOMPARE(z.f64(8), 32500.0);

    core::TCell& dm = bench.place('D', 6, 2);
    d = bench.open('D', 6, 2);
    typeInto(d->findChild<QLineEdit*>("edAZeit"), QStringLiteral("-1"));
    clickOk(d);
    QCOMPARE(dm.i32(16), -1);
  }

  // A text that does not convert names itself in a German message; the
  // dialog stays open and the module stays as it was, also the fields that
  // come before it in the dialog.
  void unconvertibleTextKeepsTheDialogOpen_data() {
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("real") << QChar('A') << "edOffset"
                          << "abc"
                          << "'abc' ist kein gültiger Gleitkommawert";
    QTest::newRow("decimal comma") << QChar('R') << "edS"
                                   << "1,5"
                                   << "'1,5' ist kein gültiger Gleitkommawert";
    QTest::newRow("integer") << QChar('T') << "edParam2"
                             << "1.5"
                             << "'1.5' ist kein gültiger Integerwert";
    QTest::newRow("W temperature") << QChar('W') << "edRegel"
                                   << "warm"
                                   << "'warm' ist kein gültiger Gleitkommawert";
    QTest::newRow("limit beyond the references")
        << QChar('G') << "edMax"
        << "40000"
        << "'40000' ist als Zahl nicht möglich: Werte über 32500 stehen für Verweise auf F und H";
  }

  void unconvertibleTextKeepsTheDialogOpen() {
    QFETCH(QChar, letter);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const char l = letter.toLatin1();
    DialogBench bench;
    core::TCell& top = bench.place(l);
    top.error = -4;
    const core::TCell before = top;
    ModuleDialog* d = bench.open(l);
    // Change every other edit first: none of it may reach the module.
    for (QLineEdit* e : d->findChildren<QLineEdit*>())
      if (e->objectName() != control && e->objectName() != "edDesc" && e->isVisibleTo(d))
        typeInto(e, QStringLiteral("7"));
    if (auto* desc = d->findChild<QLineEdit*>("edDesc")) typeInto(desc, QStringLiteral("geändert"));
    auto* edit = d->findChild<QLineEdit*>(control);
    typeInto(edit, text);
    clickOk(d);
    QCOMPARE(bench.messages, QStringList{message});
    QVERIFY(d->isVisible());
    QVERIFY(sameBytes(top, before));
    QCOMPARE(edit->text(), text);
    d->reject();
    QVERIFY(sameBytes(top, before));
  }

  void closingWithoutOkChangesNothing() {
    for (char l : {'A', 'C', 'G', 'J', 'W', 'Z'}) {
      DialogBench bench;
      core::TCell& top = bench.place(l);
      const core::TCell before = top;
      ModuleDialog* d = bench.open(l);
      for (QLineEdit* e : d->findChildren<QLineEdit*>())
        if (e->isVisibleTo(d)) typeInto(e, QStringLiteral("12"));
      for (QComboBox* c : d->findChildren<QComboBox*>())
        if (c->isVisibleTo(d) && c->count() > 1) c->setCurrentIndex(1);
      QTest::mouseClick(d->findChild<QPushButton*>("btCancel"), Qt::LeftButton);
      QVERIFY(!d->isVisible());
      QVERIFY2(sameBytes(top, before), qPrintable(QString(QChar(l))));
    }
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::LiveCheckTest;
VELTRA_GUI_TEST(LiveCheckTest);

#include "live_check_test.moc"
