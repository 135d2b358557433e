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
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    const auto row = [](char l, const char* control, const char* text, bool red) {
      QTest::addRow("%c %s '%s'", l, control, text) << QString(control) << QString(text) << red;
    };
    row('A', "edScale", "1,5", true); // decimal comma
    row('A', "edScale", "", true);
    row('C', "edYE3", "1e", true);
    row('D', "edAZeit", "-1", true); // times are not negative
    row('D', "edAZeit", "0", false);
    row('D', "edAZeit", "1.5", true); // an integer field
    row('G', "edMin", "32500", false);
    row('G', "edMax", "32501", true); // codes of references
    row('R', "edS", ".", true);
    row('W', "edRegel", "-1", true);
    row('W', "edRegel", "0", false);
    row('W', "edMaxAusl", "1e307", true); // beyond hundredths
    row('Z', "edEin", "32500", true);
    row('Z', "edEin", "32499", false);
  }

  void colourFollowsTheText() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, red);
    const char l = QTest::currentDataTag()[0];
    DialogBench bench;
    bench.place(l);
    ModuleDialog* d = bench.open(l);
    auto* edit = d->findChild<QLineEdit*>(control);
    QVERIFY(edit != nullptr);
    QVERIFY(!redBackground(edit));
    typeInto(edit, text);
    QCOMPARE(redBackground(edit), red);
    // Back to a good number: the normal window colour again.
    typeInto(edit, QStringLiteral("1"));
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

  // A text that does not convert names itself in a German message; the
  // dialog stays open and the module as it was, also the fields before it.
  void unconvertibleTextKeepsTheDialogOpen_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString real = QStringLiteral("ist kein gültiger Gleitkommawert");
    QTest::newRow("A real") << "edOffset"
                            << "abc" << real;
    QTest::newRow("R decimal comma") << "edS"
                                     << "1,5" << real;
    QTest::newRow("T integer") << "edParam2"
                               << "1.5" << QStringLiteral("ist kein gültiger Integerwert");
    QTest::newRow("W temperature") << "edRegel"
                                   << "warm" << real;
    QTest::newRow("G limit beyond the references")
        << "edMax"
        << "40000" << QStringLiteral("ist als Zahl nicht möglich: Werte über 32500 stehen für Verweise auf F und H");
  }

  void unconvertibleTextKeepsTheDialogOpen() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const char l = QTest::currentDataTag()[0];
    DialogBench bench;
    core::TCell& top = bench.place(l);
    top.error = -4;
    const core::TCell before = top;
    ModuleDialog* d = bench.open(l);
    for (QLineEdit* e : d->findChildren<QLineEdit*>())
      if (e->objectName() != control && e->isVisibleTo(d)) typeInto(e, QStringLiteral("7"));
    auto* edit = d->findChild<QLineEdit*>(control);
    typeInto(edit, text);
    clickOk(d);
    QCOMPARE(bench.messages, QStringList{"'" + text + "' " + message});
    QVERIFY(d->isVisible());
    QVERIFY(sameBytes(top, before));
    QCOMPARE(edit->text(), text);
    d->reject();
    QVERIFY(sameBytes(top, before));
  }
};

} // namespace veltra::gui::test

using veltra::gui::test::LiveCheckTest;
VELTRA_GUI_TEST(LiveCheckTest);

#include "live_check_test.moc"
