#include "gui/editor/grid_painter.h"

#include "core/editor/grid_geometry.h"
#include "core/editor/text_annotations.h"
#include "core/modules/catalogue.h"
#include "core/online/live_view.h"
#include "core/util/number_format.h"
#include "core/wiring/tile_rules.h"
#include "gui/util/qt_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

namespace veltra::gui {

using core::SymbolLabel;

GridPainter::GridPainter(BitmapCache& cache) : m_cache(cache) {}

void GridPainter::setFolders(const QString& programDir, const QString& designDir) {
  if (designDir != m_designDir || programDir != m_programDir) m_cache.clear();
  m_programDir = programDir;
  m_designDir = designDir;
}

QImage GridPainter::newImage() {
  QImage img(core::kGridPx, core::kGridPx, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

void GridPainter::ZeichneAlles(QImage& image, const core::Project& p, int loop, const core::WireField& field,
                               const GridScene& scene) {
  if (image.size() != QSize(core::kGridPx, core::kGridPx)) image = newImage();
  QPainter g(&image);
  paint(g, p, loop, field, scene);
}

void GridPainter::paint(QPainter& g, const core::Project& p, int loop, const core::WireField& field,
                        const GridScene& scene) {
  // Sizes on the 96 dpi picture, whatever the device: a printer page draws
  // the same picture scaled, labels included.
  const double perPoint = 96.0 / g.device()->logicalDpiY();
  QFont font = g.font();
  font.setPointSizeF(7.0 * perPoint);
  g.setFont(labelFont(font, perPoint));
  m_textAscent = g.fontMetrics().ascent();
  ZeichneFlaeche(g);
  for (int c = 0; c < core::kCols; ++c)
    for (int r = 0; r < core::kRows; ++r) {
      const core::TCell& cell = p.cell(loop, c, r);
      ZeichneModul(g, p, loop, core::cellPx(c), core::cellPx(r), static_cast<char>(cell.letter));
      if (!cell.isEmpty() && cell.error < 0) ZeichneErrRahmen(g, core::cellPx(c), core::cellPx(r));
      if (scene.rangeState == 1 && c == scene.rangeCol1 && r == scene.rangeRow1)
        ZeichneSelRahmen(g, core::cellPx(c), core::cellPx(r), 1, 1);
      if (scene.rangeState == 2 && c == scene.rangeCol1 && r == scene.rangeRow1)
        ZeichneSelRahmen(g, core::cellPx(c), core::cellPx(r), scene.rangeCol2 - scene.rangeCol1 + 1,
                         scene.rangeRow2 - scene.rangeRow1 + 1);
    }
  g.setFont(font);
  m_textAscent = g.fontMetrics().ascent();
  for (int i = 0; i < core::kFieldSize; ++i)
    for (int j = 0; j < core::kFieldSize; ++j)
      if (field[i][j].state == core::kWire) ZeichneVBind(g, field, i, j);
  if (scene.liveBlock != nullptr)
    for (int c = 0; c < core::kCols; ++c)
      for (int r = 0; r < core::kRows; ++r)
        if (!p.cell(loop, c, r).isEmpty()) ZeichneDebug(g, p, loop, core::cellPx(c), core::cellPx(r), *scene.liveBlock);
  if (scene.showTexts) drawTexts(g, p, loop);
}

QFont GridPainter::labelFont(const QFont& canvas, double perPoint) {
  QFont font = canvas;
  font.setPointSizeF(kLabelPoints * perPoint);
  return font;
}

void GridPainter::ZeichneFlaeche(QPainter& g) {
  g.setRenderHint(QPainter::Antialiasing, false);
  g.fillRect(0, 0, core::kGridPx, core::kGridPx, Qt::white);
  QPen dotted(QColor(128, 128, 128), 1, Qt::DotLine);
  // Scaled onto a printer page the dots grow with the picture.
  dotted.setCosmetic(!g.worldTransform().isScaling());
  g.setPen(dotted);
  for (int k = 0; k <= core::kRows; ++k) {
    const int y = k < core::kRows ? core::kCellPx * k : core::kGridPx - 1;
    g.drawLine(0, y, core::kGridPx, y);
  }
  for (int k = 0; k <= core::kCols; ++k) {
    const int x = k < core::kCols ? core::kCellPx * k : core::kGridPx - 1;
    g.drawLine(x, 0, x, core::kGridPx);
  }
  g.setPen(QPen(Qt::black, 1, Qt::SolidLine));
  g.setBrush(Qt::NoBrush);
}

namespace {

// The label text of a module symbol; empty for none.
QString labelOf(const core::ModuleType& type, const core::TCell& top) {
  switch (type.label) {
  case SymbolLabel::AbsNumber:
    return QString::number(std::llabs(static_cast<long long>(top.i32(0))));
  case SymbolLabel::Number:
    return QString::number(top.i32(0));
  case SymbolLabel::Constant:
  case SymbolLabel::None:
    break;
  }
  return {};
}

} // namespace

// Positions name the top-left corner of the text.
void GridPainter::drawTextAt(QPainter& g, int x, int y, const QString& text) {
  g.drawText(QPoint(x, y + (m_textAscent > 0 ? m_textAscent : g.fontMetrics().ascent())), text);
}

void GridPainter::ZeichneModul(QPainter& g, const core::Project& p, int loop, int x, int y, char letter) {
  const bool isLetter = letter >= 'A' && letter <= 'Z';
  const bool isDigit = letter >= '0' && letter <= '9';
  if (!isLetter && !isDigit) return;
  const core::TCell& top = p.cell(loop, x / core::kCellPx, y / core::kCellPx);
  if (top.part != 1) return;
  const core::ModuleType* type = core::moduleType(letter);
  const bool inverted = type != nullptr && type->flagOffset >= 0 && top.u8(type->flagOffset) != 0;
  const QString file = m_designDir + (inverted ? "/IMod" : "/Mod") + QChar(letter) + ".bmp";
  const int height = type != nullptr ? type->height : 1;
  drawPicture(g, x, y, m_cache.get(file, QSize(core::kCellPx, core::kCellPx * height)));
  if (type == nullptr) return;
  g.setPen(Qt::black);
  if (type->label == SymbolLabel::Constant) {
    drawLabel(g, x + 10, y + 13, x + kLabelEnd, QString::number(top.i32(0)));
    drawLabel(g, x + 4, y + 24, x + kLabelEnd, QString::fromStdString(core::formatFixed(top.f64(8), 4, 1)));
    return;
  }
  const QString label = labelOf(*type, top);
  if (!label.isEmpty()) drawLabel(g, x + 10, y + 16, x + kLabelEnd, label);
}

// A label wider than the room up to `end` (a four-digit V number, a large
// constant) is drawn narrower instead of running over the symbol's box.
void GridPainter::drawLabel(QPainter& g, int x, int y, int end, const QString& text) {
  const int room = end - x;
  const int width = g.fontMetrics().horizontalAdvance(text);
  if (width <= room) return drawTextAt(g, x, y, text);
  g.save();
  g.translate(x, 0);
  g.scale(static_cast<double>(room) / width, 1.0);
  drawTextAt(g, 0, y, text);
  g.restore();
}

void GridPainter::drawPicture(QPainter& g, int x, int y, const QImage& image) {
  if (m_magnify == 1) {
    g.drawImage(x, y, image);
    return;
  }
  auto it = m_magnified.find(image.cacheKey());
  if (it == m_magnified.end())
    it = m_magnified.insert(image.cacheKey(),
                            image.scaled(image.size() * m_magnify, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  g.drawImage(QRect(x, y, image.width(), image.height()), *it);
}

void GridPainter::ZeichneErrRahmen(QPainter& g, int x, int y) {
  if (x < 0 || y < 0) return;
  g.save();
  g.setPen(QPen(QColor(255, 0, 0), 1));
  g.setBrush(Qt::NoBrush);
  g.drawRect(x, y, 30, 30);
  g.restore();
}

void GridPainter::ZeichneSelRahmen(QPainter& g, int x, int y, int columns, int rows) {
  if (x < 0 || y < 0) return;
  g.save();
  g.setPen(QPen(Qt::black, 1));
  g.setBrush(QBrush(QColor(0, 0, 255), Qt::BDiagPattern));
  g.drawRect(x, y, core::kCellPx * columns - 1, core::kCellPx * rows - 1);
  g.restore();
}

const QImage& GridPainter::tile(int rule, bool analogOnly) {
  auto path = [&] { return m_programDir + "/" + QString::fromStdString(core::tileFileName(rule, analogOnly)); };
  // Without caching every tile is read from its file, as measured.
  if (!m_cache.caching()) return m_cache.get(path(), QSize(core::kSubCellPx, core::kSubCellPx));
  if (m_tilesGeneration != m_cache.generation()) {
    m_tiles.fill(QImage());
    m_tilesGeneration = m_cache.generation();
  }
  QImage& slot = m_tiles[static_cast<std::size_t>((rule & 15) * 2 + (analogOnly ? 1 : 0))];
  if (slot.isNull()) slot = m_cache.get(path(), QSize(core::kSubCellPx, core::kSubCellPx));
  return slot;
}

void GridPainter::ZeichneVBind(QPainter& g, const core::WireField& field, int i, int j) {
  const core::TWireCell& cell = field[i][j];
  drawPicture(g, core::kSubCellPx * i, core::kSubCellPx * j, tile(core::tileRule(cell), core::tileAnalogOnly(cell)));
}

void GridPainter::ZeichneDebug(QPainter& g, const core::Project& p, int loop, int x, int y,
                               const core::ServerBlock& block) {
  const std::optional<std::string> text = core::liveText(p, loop, x / core::kCellPx, y / core::kCellPx, block);
  if (!text) return;
  g.save();
  QFont font = g.font();
  font.setBold(true);
  g.setFont(font);
  const QFontMetrics m = g.fontMetrics();
  const QString s = QString::fromStdString(*text);
  const QRect box(x + kLiveOffsetPx, y, m.horizontalAdvance(s) + 3, m.height());
  g.fillRect(box, QColor::fromRgb(kLiveBackground));
  g.setPen(QColor::fromRgb(kLiveText));
  g.drawText(box.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, s);
  g.restore();
}

void GridPainter::drawTexts(QPainter& g, const core::Project& p, int loop) {
  g.setPen(Qt::black);
  for (const std::string& entry : p.TextList) {
    const core::TextAnnotation t = core::parseTextEntry(entry);
    if (t.key <= 0 || t.loop != loop) continue;
    const int offsets[3] = {2, 12, 22};
    for (int k = 0; k < 3; ++k)
      if (!t.lines[k].empty())
        drawTextAt(g, core::cellPx(t.col), core::cellPx(t.row) + offsets[k], fromCp1252(t.lines[k]));
  }
}

} // namespace veltra::gui
