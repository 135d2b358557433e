// Pixels the grid drawing fixes: grid lines, error frames, the block
// selection, label positions and the choice of connection tiles. Drawn with
// GridPainter and the build's artwork; compared with the artwork files, not
// with whole golden pictures.

#include "gui_test_registry.h"

#include "core/wiring/loop_builder.h"
#include "editor/bitmap_cache.h"
#include "editor/grid_painter.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace veltra::gui::testing {

namespace {

const QString kProgramDir = QStringLiteral(VELTRA_PROGRAM_DIR);

bool isGrey(QRgb p) { return qRed(p) == 128 && qGreen(p) == 128 && qBlue(p) == 128; }
bool isOnGridLine(int v) { return v == 524 || (v % 35 == 0 && v <= 490); }

// Pixels of `img` in the rectangle that differ from `symbol` placed at `at`.
QRect differenceBounds(const QImage& img, const QImage& symbol, QPoint at, QRect within) {
  QRect bounds;
  for (int x = within.left(); x <= within.right(); ++x)
    for (int y = within.top(); y <= within.bottom(); ++y)
      if (img.pixel(x, y) != symbol.pixel(x - at.x(), y - at.y())) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

} // namespace

class GridPainterTest : public QObject {
  Q_OBJECT

  std::unique_ptr<core::Project> p;
  std::unique_ptr<core::WireField> field;
  std::unique_ptr<BitmapCache> cache;
  std::unique_ptr<GridPainter> painter;
  QStringList errors;
  QString designDir = kProgramDir + "/designs/Standard";

  QImage draw(const GridScene& scene = {}) {
    QImage img = GridPainter::newImage();
    painter->ZeichneAlles(img, *p, 1, *field, scene);
    return img;
  }
  QImage file(const QString& name) const {
    QImage img(name);
    return img.convertToFormat(QImage::Format_RGB32);
  }
  void place(int col, int row, char letter) { QVERIFY(core::testing::placeWithDefaults(*p, 1, col, row, letter)); }

private slots:
  void init() {
    p = std::make_unique<core::Project>();
    field = std::make_unique<core::WireField>();
    cache = std::make_unique<BitmapCache>();
    cache->setErrorHandler([this](const QString& m) { errors << m; });
    painter = std::make_unique<GridPainter>(*cache);
    painter->setFolders(kProgramDir, designDir);
    errors.clear();
  }
  void cleanup() { QVERIFY2(errors.isEmpty(), qPrintable(errors.join("; "))); }

  void anEmptyLoopIsWhiteWithDottedGreyLines() {
    const QImage img = draw();
    QCOMPARE(img.size(), QSize(525, 525));
    for (int v = 0; v < 525; ++v) {
      int greyInRow = 0, greyInColumn = 0;
      for (int u = 0; u < 525; ++u) {
        const QRgb row = img.pixel(u, v), column = img.pixel(v, u);
        QVERIFY2(row == qRgb(255, 255, 255) || isGrey(row), qPrintable(QString("pixel %1,%2").arg(u).arg(v)));
        if (isGrey(row) && !isOnGridLine(v) && !isOnGridLine(u))
          QFAIL(qPrintable(QString("grey off the lines at %1,%2").arg(u).arg(v)));
        greyInRow += isGrey(row) && !isOnGridLine(u) ? 1 : 0;
        greyInColumn += isGrey(column) && !isOnGridLine(u) ? 1 : 0;
      }
      if (isOnGridLine(v)) {
        // Dotted: a good part of the line, but not all of it.
        QVERIFY2(greyInRow > 100 && greyInRow < 480, qPrintable(QString("row %1: %2").arg(v).arg(greyInRow)));
        QVERIFY2(greyInColumn > 100 && greyInColumn < 480, qPrintable(QString("column %1").arg(v)));
      }
    }
  }

  void aModuleIsDrawnOnceFromItsTopCell() {
    place(4, 2, 'R');
    const QImage img = draw();
    const QImage symbol = file(designDir + "/ModR.bmp");
    QCOMPARE(symbol.size(), QSize(35, 105));
    QCOMPARE(differenceBounds(img, symbol, {140, 70}, QRect(140, 70, 35, 105)), QRect());
  }

  void anInvertedModuleUsesTheIModPictureAndTheAbsoluteNumber() {
    place(2, 3, 'I');
    core::TCell& i = p->cell(1, 2, 3);
    i.setU8(4, 1);
    i.setI32(0, -7);
    place(6, 3, 'E');
    p->cell(1, 6, 3).setI32(0, -7);
    const QImage img = draw();
    const QImage inverted = file(designDir + "/IModI.bmp"), plain = file(designDir + "/ModE.bmp");
    const QRect labelI = differenceBounds(img, inverted, {70, 105}, QRect(70, 105, 35, 35));
    const QRect labelE = differenceBounds(img, plain, {210, 105}, QRect(210, 105, 35, 35));
    // One-line labels start at (x + 10, y + 16); "-7" is wider than "7".
    QVERIFY2(!labelI.isEmpty() && labelI.left() >= 80 && labelI.left() <= 82,
             qPrintable(QString::number(labelI.left())));
    QVERIFY(labelI.top() >= 121 && labelI.bottom() <= 121 + 11);
    QVERIFY(labelE.left() >= 220 && labelE.left() <= 222);
    QVERIFY(labelE.width() > labelI.width());
  }

  void aConstantShowsNumberAndValueOnTwoLines() {
    place(3, 4, 'F');
    core::TCell& f = p->cell(1, 3, 4);
    f.setI32(0, 3);
    f.setF64(8, 12.34);
    const QImage img = draw();
    const QImage symbol = file(designDir + "/ModF.bmp");
    const int x = 105, y = 140;
    // The number at (x + 10, y + 13), the value at (x + 4, y + 24).
    const QRect number = differenceBounds(img, symbol, {x, y}, QRect(x, y, 35, 23));
    const QRect value = differenceBounds(img, symbol, {x, y}, QRect(x, y + 23, 35, 12));
    QVERIFY2(!number.isEmpty() && number.left() >= x + 10 && number.left() <= x + 12,
             qPrintable(QString("%1,%2").arg(number.left()).arg(number.top())));
    QVERIFY(number.top() >= y + 13 && number.bottom() < y + 23);
    QVERIFY2(!value.isEmpty() && value.left() >= x + 4 && value.left() <= x + 6,
             qPrintable(QString::number(value.left())));
    QVERIFY(value.top() >= y + 24 && value.width() > 3 * number.width());
    // Nothing else of the symbol changed.
    QCOMPARE(differenceBounds(img, symbol, {x, y}, QRect(x, y, 35, 13)), QRect());
  }

  void anErrorFrameCoversExactly31Pixels() {
    place(5, 6, 'Q');
    p->cell(1, 5, 6).error = -10;
    p->cell(1, 11, 6).error = -10; // the same code in an empty cell draws nothing
    const QImage img = draw();
    const int x = 175, y = 210;
    const QRgb red = qRgb(255, 0, 0);
    for (int k = 0; k <= 30; ++k) {
      QCOMPARE(img.pixel(x + k, y), red);
      QCOMPARE(img.pixel(x + k, y + 30), red);
      QCOMPARE(img.pixel(x, y + k), red);
      QCOMPARE(img.pixel(x + 30, y + k), red);
    }
    for (int k = 1; k < 30; ++k) {
      if (k >= 14 && k <= 20) continue; // port marks may reach the border
      QVERIFY(img.pixel(x + 31, y + k) != red);
      QVERIFY(img.pixel(x + k, y + 31) != red);
    }
    QVERIFY(img.pixel(x + 1, y + 1) != red);
    for (int k = 0; k < 35; ++k)
      QVERIFY(img.pixel(385 + k, y) != red && img.pixel(385, y + k) != red);
  }

  void theBlockSelectionIsHatchedBlue() {
    GridScene scene;
    scene.rangeState = 2;
    scene.rangeCol1 = 2;
    scene.rangeCol2 = 4;
    scene.rangeRow1 = 5;
    scene.rangeRow2 = 6;
    const QImage img = draw(scene);
    const QRgb black = qRgb(0, 0, 0), blue = qRgb(0, 0, 255);
    // Outline: 105 x 70 from (70, 175).
    for (int x = 70; x <= 174; ++x) {
      QCOMPARE(img.pixel(x, 175), black);
      QCOMPARE(img.pixel(x, 244), black);
    }
    for (int y = 175; y <= 244; ++y) {
      QCOMPARE(img.pixel(70, y), black);
      QCOMPARE(img.pixel(174, y), black);
    }
    int hatch = 0;
    for (int x = 71; x < 174; ++x)
      for (int y = 176; y < 244; ++y) {
        if (img.pixel(x, y) != blue) continue;
        ++hatch;
        // Backward diagonal: the line runs up to the right.
        if (x + 1 < 174 && y - 1 > 175) QCOMPARE(img.pixel(x + 1, y - 1), blue);
      }
    QVERIFY2(hatch > 105 * 70 / 12 && hatch < 105 * 70 / 4, qPrintable(QString::number(hatch)));
    for (int x = 0; x < 525; ++x)
      for (int y = 0; y < 525; ++y)
        if (x < 70 || x > 174 || y < 175 || y > 244) QVERIFY(img.pixel(x, y) != blue && img.pixel(x, y) != black);
  }

  void aSingleCornerShowsOneHatchedCell() {
    GridScene scene;
    scene.rangeState = 1;
    scene.rangeCol1 = 14;
    scene.rangeRow1 = 14;
    const QImage img = draw(scene);
    QCOMPARE(img.pixel(490, 490), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(524, 524), qRgb(0, 0, 0));
  }

  void analogAndDigitalTilesAndTheCrossing() {
    auto put = [&](int i, int j, int left, int right, int top, int bottom) {
      core::TWireCell& c = (*field)[i][j];
      c.state = core::kWire;
      c.left = static_cast<std::uint8_t>(left);
      c.right = static_cast<std::uint8_t>(right);
      c.top = static_cast<std::uint8_t>(top);
      c.bottom = static_cast<std::uint8_t>(bottom);
    };
    put(10, 10, 5, 5, 0, 0);     // analog run: rv1
    put(20, 10, 133, 133, 0, 0); // digital run: v1
    put(30, 10, 5, 5, 7, 7);     // two analog lines crossing: rv12
    put(40, 10, 5, 5, 130, 130); // analog crossing digital: v12
    put(50, 10, 0, 5, 5, 0);     // corner right-top: rv4
    const QImage img = draw();
    const struct {
      int i;
      const char* tile;
    } expected[] = {{10, "rv1.bmp"}, {20, "v1.bmp"}, {30, "rv12.bmp"}, {40, "v12.bmp"}, {50, "rv4.bmp"}};
    for (const auto& e : expected) {
      const QImage tile = file(kProgramDir + "/" + e.tile);
      QCOMPARE(tile.size(), QSize(7, 7));
      QCOMPARE(differenceBounds(img, tile, {7 * e.i, 70}, QRect(7 * e.i, 70, 7, 7)), QRect());
    }
    // What the tiles show: red for analog, black for digital; the crossing
    // leaves the horizontal run open next to the vertical one.
    QCOMPARE(img.pixel(73, 73), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(143, 73), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(213, 70), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(212, 73), qRgb(255, 255, 255));
    QCOMPARE(img.pixel(210, 73), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(283, 70), qRgb(0, 0, 0));
  }

  void theDesignChoosesTheSymbols() {
    place(1, 1, 'G');
    const QImage standard = draw();
    const QString kontrast = kProgramDir + "/designs/Kontrast";
    painter->setFolders(kProgramDir, kontrast);
    const QImage other = draw();
    QCOMPARE(differenceBounds(other, file(kontrast + "/ModG.bmp"), {35, 35}, QRect(35, 35, 35, 35)), QRect());
    QVERIFY(standard != other);
  }

  void tilesFollowTheProgramFolderAndTheCachingSwitch() {
    core::TWireCell& c = (*field)[10][10];
    c = {core::kWire, 5, 5, 0, 0}; // rv1
    QCOMPARE(draw().pixel(73, 73), qRgb(255, 0, 0));
    QTemporaryDir other;
    QImage green(7, 7, QImage::Format_RGB32);
    green.fill(qRgb(0, 200, 0));
    QVERIFY(green.save(other.filePath("rv1.bmp"), "BMP"));
    painter->setFolders(other.path(), designDir);
    QCOMPARE(draw().pixel(73, 73), qRgb(0, 200, 0));
    // Without caching a changed file shows at the next redraw.
    cache->setCaching(false);
    green.fill(qRgb(0, 0, 200));
    QVERIFY(green.save(other.filePath("rv1.bmp"), "BMP"));
    QCOMPARE(draw().pixel(73, 73), qRgb(0, 0, 200));
    cache->setCaching(true);
    QCOMPARE(draw().pixel(73, 73), qRgb(0, 0, 200));
  }

  void aMissingPictureIsReportedOnceAndDrawnAsPlaceholder() {
    painter->setFolders(kProgramDir, kProgramDir + "/designs/Fehlt");
    place(1, 1, 'G');
    draw();
    draw();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].contains("ModG.bmp"));
    errors.clear();
  }
};

VELTRA_GUI_TEST(GridPainterTest);

} // namespace veltra::gui::testing

#include "grid_painter_test.moc"
