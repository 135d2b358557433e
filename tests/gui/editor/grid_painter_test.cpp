// The grid drawn with the build's artwork, compared with the artwork files rather than whole golden pictures.

#include "tests/gui/gui_test_registry.h"

#include "gui/editor/bitmap_cache.h"
#include "gui/editor/grid_painter.h"
#include "tests/core/wiring/loop_builder.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace veltra::gui::testing {
namespace {

const QString kProgramDir = QStringLiteral(VELTRA_PROGRAM_DIR), kDesignDir = kProgramDir + "/designs/Standard";
const QRgb kWhite = qRgb(255, 255, 255), kGrey = qRgb(128, 128, 128), kRed = qRgb(255, 0, 0), kBlack = qRgb(0, 0, 0);

QImage file(const QString& name) { return QImage(name).convertToFormat(QImage::Format_RGB32); }

// Pixels of `img` in the rectangle that differ from `picture` placed at `at`.
QRect differenceBounds(const QImage& img, const QImage& picture, QPoint at, QRect within) {
  QRect bounds;
  for (int x = within.left(); x <= within.right(); ++x)
    for (int y = within.top(); y <= within.bottom(); ++y)
      if (img.pixel(x, y) != picture.pixel(x - at.x(), y - at.y())) bounds |= QRect(x, y, 1, 1);
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

  QImage draw(const GridScene& scene = {}) {
    QImage img = GridPainter::newImage();
    painter->ZeichneAlles(img, *p, 1, *field, scene);
    return img;
  }
  void place(int col, int row, char letter) { QVERIFY(core::testing::placeWithDefaults(*p, 1, col, row, letter)); }

private slots:
  void init() {
    p = std::make_unique<core::Project>();
    field = std::make_unique<core::WireField>();
    cache = std::make_unique<BitmapCache>();
    cache->setErrorHandler([this](const QString& m) { errors << m; });
    painter = std::make_unique<GridPainter>(*cache);
    painter->setFolders(kProgramDir, kDesignDir);
    errors.clear();
  }
  void cleanup() { QVERIFY2(errors.isEmpty(), qPrintable(errors.join("; "))); }

  // White with dotted grey lines: a good part of each line, not all of it.
  void anEmptyLoopIsWhiteWithDottedGreyLines() {
    const QImage img = draw();
    QCOMPARE(img.size(), QSize(525, 525));
    const auto onLine = [](int v) { return v == 524 || (v % 35 == 0 && v <= 490); };
    for (int v = 0; v < 525; ++v) {
      int row = 0, column = 0; // grey pixels of the lines at v, crossings apart
      for (int u = 0; u < 525; ++u) {
        QVERIFY(img.pixel(u, v) == kWhite || (img.pixel(u, v) == kGrey && (onLine(u) || onLine(v))));
        row += img.pixel(u, v) == kGrey && !onLine(u) ? 1 : 0;
        column += img.pixel(v, u) == kGrey && !onLine(u) ? 1 : 0;
      }
      QVERIFY(!onLine(v) || (row > 100 && row < 480 && column > 100 && column < 480));
    }
  }

  // Symbols once from the top cell and tiles (analog red) exactly as their files; labels at (x + 10, y + 16),
  // inverted: IMod picture and absolute number ("-7" wider than "7"); a constant's number at (x + 10, y + 13), its
  // value at (x + 4, y + 24); an error frame of 31 x 31 from the corner (port marks may pass it at 14..20), none
  // in an empty cell.
  void symbolsTilesLabelsAndErrorFrames() {
    place(12, 2, 'R');
    place(2, 3, 'I');
    p->cell(1, 2, 3).setU8(4, 1);
    p->cell(1, 2, 3).setI32(0, -7);
    place(6, 3, 'E');
    p->cell(1, 6, 3).setI32(0, -7);
    place(8, 6, 'F');
    p->cell(1, 8, 6).setI32(0, 3);
    p->cell(1, 8, 6).setF64(8, 12.34);
    place(5, 6, 'Q');
    p->cell(1, 5, 6).error = -10;
    p->cell(1, 11, 6).error = -10;
    // Sub-cell column, then sides left, right, bottom, top (5 analog, 133 and 130 digital, 0 none).
    const std::uint8_t wires[][5] = {
        {10, 5, 5, 0, 0}, {20, 133, 133, 0, 0}, {30, 5, 5, 7, 7}, {40, 5, 5, 130, 130}, {50, 0, 5, 0, 5}};
    for (const auto& w : wires)
      (*field)[w[0]][10] = {core::kWire, w[1], w[2], w[3], w[4]};
    const QImage img = draw();
    const std::pair<QString, QRect> same[] = {
        {kDesignDir + "/ModR.bmp", {420, 70, 35, 105}}, {kProgramDir + "/rv1.bmp", {70, 70, 7, 7}},
        {kProgramDir + "/v1.bmp", {140, 70, 7, 7}},     {kProgramDir + "/rv12.bmp", {210, 70, 7, 7}},
        {kProgramDir + "/v12.bmp", {280, 70, 7, 7}},    {kProgramDir + "/rv4.bmp", {350, 70, 7, 7}}};
    for (const auto& [name, at] : same) {
      const QImage f = file(name);
      QCOMPARE(f.size(), at.size());
      QCOMPARE(differenceBounds(img, f, at.topLeft(), at), QRect());
    }
    const auto label = [&](const char* symbol, QPoint at, int from, int rows) {
      return differenceBounds(img, file(kDesignDir + "/" + symbol + ".bmp"), at,
                              QRect(at.x(), at.y() + from, 35, rows));
    };
    const QRect labelI = label("IModI", {70, 105}, 0, 35), labelE = label("ModE", {210, 105}, 0, 35);
    const QRect number = label("ModF", {280, 210}, 0, 23), value = label("ModF", {280, 210}, 23, 12);
    QVERIFY(QRect(80, 121, 25, 12).contains(labelI) && labelI.left() <= 82); // contains() is false for empty
    QVERIFY(QRect(220, 105, 25, 35).contains(labelE) && labelE.left() <= 222 && labelE.width() > labelI.width());
    QVERIFY(QRect(290, 223, 25, 10).contains(number) && number.left() <= 292);
    QVERIFY(QRect(284, 234, 31, 11).contains(value) && value.left() <= 286 && value.width() > 3 * number.width());
    for (int k = 0, x = 175, y = 210; k <= 30; ++k) {
      QVERIFY(img.pixel(x + k, y) == kRed && img.pixel(x + k, y + 30) == kRed && img.pixel(x, y + k) == kRed &&
              img.pixel(x + 30, y + k) == kRed && img.pixel(x + 1, y + 1) != kRed);
      QVERIFY((k >= 14 && k <= 20) || (img.pixel(x + 31, y + k) != kRed && img.pixel(x + k, y + 31) != kRed));
      QVERIFY(img.pixel(385 + k, y) != kRed && img.pixel(385, y + k) != kRed);
    }
  }

  // Labels keep a margin inside their symbol's box (columns 1..29): a
  // constant's "100.0" and a four-digit signal number end at column 26.
  void labelsLeaveAMarginInTheirBox() {
    place(2, 2, 'F');
    p->cell(1, 2, 2).setI32(0, 256);
    p->cell(1, 2, 2).setF64(8, 100.0);
    place(5, 2, 'V');
    p->cell(1, 5, 2).setI32(0, 9216);
    const QImage img = draw();
    const QImage f = file(kDesignDir + "/ModF.bmp"), v = file(kDesignDir + "/ModV.bmp");
    const QRect value = differenceBounds(img, f, {70, 70}, QRect(70, 70 + 23, 35, 12));
    const QRect number = differenceBounds(img, v, {175, 70}, QRect(175, 70, 35, 35));
    QVERIFY2(value.left() <= 70 + 5 && value.right() >= 70 + 20 && value.right() <= 70 + 26,
             qPrintable(QString("value %1..%2").arg(value.left() - 70).arg(value.right() - 70)));
    QVERIFY2(number.left() <= 175 + 11 && number.right() <= 175 + 26,
             qPrintable(QString("number %1..%2").arg(number.left() - 175).arg(number.right() - 175)));
  }

  // Outline 105 x 70 from (70, 175) hatched with diagonals, nothing outside; one corner shows its cell.
  void theBlockSelectionIsHatchedBlue() {
    const QImage img = draw({.rangeState = 2, .rangeCol1 = 2, .rangeRow1 = 5, .rangeCol2 = 4, .rangeRow2 = 6});
    const QRgb blue = qRgb(0, 0, 255);
    int hatch = 0;
    for (int x = 0; x < 525; ++x)
      for (int y = 0; y < 525; ++y) {
        const QRgb px = img.pixel(x, y);
        const bool inside = x >= 70 && x <= 174 && y >= 175 && y <= 244;
        const bool outline = inside && (x == 70 || x == 174 || y == 175 || y == 244);
        if (!inside || outline) QVERIFY((px == kBlack) == outline && px != blue);
        const bool inHatch = inside && !outline && px == blue;
        hatch += inHatch ? 1 : 0;
        if (inHatch && x + 1 < 174 && y - 1 > 175) QCOMPARE(img.pixel(x + 1, y - 1), blue); // runs up to the right
      }
    QVERIFY2(hatch > 105 * 70 / 12 && hatch < 105 * 70 / 4, qPrintable(QString::number(hatch)));
    const QImage corner = draw({.rangeState = 1, .rangeCol1 = 14, .rangeRow1 = 14});
    QVERIFY(corner.pixel(490, 490) == kBlack && corner.pixel(524, 524) == kBlack);
  }

  // Tiles come from the program folder, reread when caching is off; a missing symbol is reported once.
  void picturesFollowTheFoldersAndTheCachingSwitch() {
    (*field)[10][10] = {core::kWire, 5, 5, 0, 0}; // rv1
    QTemporaryDir other;
    QImage green(7, 7, QImage::Format_RGB32);
    painter->setFolders(other.path(), kDesignDir);
    for (const QRgb colour : {qRgb(0, 200, 0), qRgb(0, 0, 200)}) {
      green.fill(colour);
      QVERIFY(green.save(other.filePath("rv1.bmp"), "BMP"));
      QCOMPARE(draw().pixel(73, 73), colour);
      cache->setCaching(false); // the second colour shows only without the cache
    }
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
