// Grid lines, error frames, block selection, label places and tile choice, drawn with the
// build's artwork and compared with the artwork files, not with whole golden pictures.

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
  QImage file(const QString& name) const { return QImage(name).convertToFormat(QImage::Format_RGB32); }
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

  // White with dotted grey lines: a good part of each line, not all of it.
  void anEmptyLoopIsWhiteWithDottedGreyLines() {
    const QImage img = draw();
    QCOMPARE(img.size(), QSize(525, 525));
    for (int v = 0; v < 525; ++v) {
      int greyInRow = 0, greyInColumn = 0;
      for (int u = 0; u < 525; ++u) {
        const QRgb px = img.pixel(u, v);
        QVERIFY2(px == qRgb(255, 255, 255) || (isGrey(px) && (isOnGridLine(u) || isOnGridLine(v))),
                 qPrintable(QString("pixel %1,%2").arg(u).arg(v)));
        greyInRow += isGrey(px) && !isOnGridLine(u) ? 1 : 0;
        greyInColumn += isGrey(img.pixel(v, u)) && !isOnGridLine(u) ? 1 : 0;
      }
      if (isOnGridLine(v))
        QVERIFY2(greyInRow > 100 && greyInRow < 480 && greyInColumn > 100 && greyInColumn < 480,
                 qPrintable(QString::number(v)));
    }
  }

  // Drawn once from the top cell; labels at (x + 10, y + 16); inverted: IMod picture, absolute
  // number ("-7" is wider than "7"); a constant: number at (x + 10, y + 13), value at (x + 4, y + 24).
  void symbolsAndTheirLabels() {
    place(4, 2, 'R');
    place(2, 3, 'I');
    p->cell(1, 2, 3).setU8(4, 1);
    p->cell(1, 2, 3).setI32(0, -7);
    place(6, 3, 'E');
    p->cell(1, 6, 3).setI32(0, -7);
    place(8, 6, 'F');
    p->cell(1, 8, 6).setI32(0, 3);
    p->cell(1, 8, 6).setF64(8, 12.34);
    const QImage img = draw();
    const QImage r = file(designDir + "/ModR.bmp"), f = file(designDir + "/ModF.bmp");
    QCOMPARE(r.size(), QSize(35, 105));
    QCOMPARE(differenceBounds(img, r, {140, 70}, QRect(140, 70, 35, 105)), QRect());
    const QRect labelI = differenceBounds(img, file(designDir + "/IModI.bmp"), {70, 105}, QRect(70, 105, 35, 35));
    const QRect labelE = differenceBounds(img, file(designDir + "/ModE.bmp"), {210, 105}, QRect(210, 105, 35, 35));
    QVERIFY(!labelI.isEmpty() && labelI.left() >= 80 && labelI.left() <= 82 && labelI.top() >= 121 &&
            labelI.bottom() <= 121 + 11);
    QVERIFY(labelE.left() >= 220 && labelE.left() <= 222 && labelE.width() > labelI.width());
    const int x = 280, y = 210;
    const QRect number = differenceBounds(img, f, {x, y}, QRect(x, y, 35, 23));
    const QRect value = differenceBounds(img, f, {x, y}, QRect(x, y + 23, 35, 12));
    QVERIFY(!number.isEmpty() && number.left() >= x + 10 && number.left() <= x + 12 && number.top() >= y + 13 &&
            number.bottom() < y + 23);
    QVERIFY(!value.isEmpty() && value.left() >= x + 4 && value.left() <= x + 6 && value.top() >= y + 24 &&
            value.width() > 3 * number.width());
  }

  void anErrorFrameCoversExactly31Pixels() {
    place(5, 6, 'Q');
    p->cell(1, 5, 6).error = -10;
    p->cell(1, 11, 6).error = -10; // the same code in an empty cell draws nothing
    const QImage img = draw();
    const int x = 175, y = 210;
    const QRgb red = qRgb(255, 0, 0);
    for (int k = 0; k <= 30; ++k)
      QVERIFY(img.pixel(x + k, y) == red && img.pixel(x + k, y + 30) == red && img.pixel(x, y + k) == red &&
              img.pixel(x + 30, y + k) == red);
    for (int k = 1; k < 30; ++k) // port marks may reach the border at 14..20
      QVERIFY((k >= 14 && k <= 20) || (img.pixel(x + 31, y + k) != red && img.pixel(x + k, y + 31) != red));
    QVERIFY(img.pixel(x + 1, y + 1) != red);
    for (int k = 0; k < 35; ++k)
      QVERIFY(img.pixel(385 + k, y) != red && img.pixel(385, y + k) != red);
  }

  // Outline 105 x 70 from (70, 175) hatched with diagonals, nothing outside; one corner shows its cell.
  void theBlockSelectionIsHatchedBlue() {
    const QImage img = draw({.rangeState = 2, .rangeCol1 = 2, .rangeRow1 = 5, .rangeCol2 = 4, .rangeRow2 = 6});
    const QRgb black = qRgb(0, 0, 0), blue = qRgb(0, 0, 255);
    int hatch = 0;
    for (int x = 0; x < 525; ++x)
      for (int y = 0; y < 525; ++y) {
        const QRgb px = img.pixel(x, y);
        const bool inside = x >= 70 && x <= 174 && y >= 175 && y <= 244;
        const bool outline = inside && (x == 70 || x == 174 || y == 175 || y == 244);
        if (!inside || outline) QVERIFY((px == black) == outline && px != blue);
        if (!inside || outline || px != blue) continue;
        ++hatch;
        if (x + 1 < 174 && y - 1 > 175) QCOMPARE(img.pixel(x + 1, y - 1), blue); // runs up to the right
      }
    QVERIFY2(hatch > 105 * 70 / 12 && hatch < 105 * 70 / 4, qPrintable(QString::number(hatch)));
    const QImage corner = draw({.rangeState = 1, .rangeCol1 = 14, .rangeRow1 = 14});
    QVERIFY(corner.pixel(490, 490) == black && corner.pixel(524, 524) == black);
  }

  // Red for analog, black for digital; the crossing leaves the horizontal run open beside the vertical.
  void analogAndDigitalTilesAndTheCrossing() {
    const struct {
      int i, left, right, bottom, top;
      const char* tile;
    } cases[] = {{10, 5, 5, 0, 0, "rv1"},
                 {20, 133, 133, 0, 0, "v1"},
                 {30, 5, 5, 7, 7, "rv12"},
                 {40, 5, 5, 130, 130, "v12"},
                 {50, 0, 5, 0, 5, "rv4"}};
    for (const auto& c : cases)
      (*field)[c.i][10] = {core::kWire, static_cast<std::uint8_t>(c.left), static_cast<std::uint8_t>(c.right),
                           static_cast<std::uint8_t>(c.bottom), static_cast<std::uint8_t>(c.top)};
    const QImage img = draw();
    for (const auto& c : cases) {
      const QImage tile = file(kProgramDir + "/" + c.tile + ".bmp");
      QCOMPARE(tile.size(), QSize(7, 7));
      QCOMPARE(differenceBounds(img, tile, {7 * c.i, 70}, QRect(7 * c.i, 70, 7, 7)), QRect());
    }
    QVERIFY(img.pixel(73, 73) == qRgb(255, 0, 0) && img.pixel(143, 73) == qRgb(0, 0, 0));
    QVERIFY(img.pixel(213, 70) == qRgb(255, 0, 0) && img.pixel(212, 73) == qRgb(255, 255, 255));
    QVERIFY(img.pixel(210, 73) == qRgb(255, 0, 0) && img.pixel(283, 70) == qRgb(0, 0, 0));
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
    cache->setCaching(false); // a changed file shows at the next redraw
    green.fill(qRgb(0, 0, 200));
    QVERIFY(green.save(other.filePath("rv1.bmp"), "BMP"));
    QCOMPARE(draw().pixel(73, 73), qRgb(0, 0, 200));
  }

  void aMissingPictureIsReportedOnceAndDrawnAsPlaceholder() {
    painter->setFolders(kProgramDir, kProgramDir + "/designs/Fehlt");
    place(1, 1, 'G');
    draw();
    draw();
    QVERIFY(errors.size() == 1 && errors[0].contains("ModG.bmp"));
    errors.clear();
  }
};

VELTRA_GUI_TEST(GridPainterTest);

} // namespace veltra::gui::testing

#include "grid_painter_test.moc"
