#pragma once

#include "core/model/project.h"
#include "core/online/server_block.h"
#include "core/wiring/wire_field.h"
#include "gui/editor/bitmap_cache.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

#include <array>

class QPainter;

namespace veltra::gui {

// What the drawing reads besides the project and the router's field.
struct GridScene {
  int rangeState = 0;
  int rangeCol1 = 0, rangeRow1 = 0, rangeCol2 = 0, rangeRow2 = 0;
  bool showTexts = true;
  // Online: the block whose values are drawn beside the modules.
  const core::ServerBlock* liveBlock = nullptr;
};

// Paints a control loop into the 525 x 525 grid picture: background and grid
// lines, module symbols with their labels, error frames, the block
// selection, connection tiles, live values and free texts, in that order.
class GridPainter {
public:
  explicit GridPainter(BitmapCache& cache);

  // The program folder (connection tiles) and the design folder (symbols).
  void setFolders(const QString& programDir, const QString& designDir);
  void ZeichneAlles(QImage& image, const core::Project& p, int loop, const core::WireField& field,
                    const GridScene& scene);
  // The same on any painter whose coordinates are those of the 525 x 525
  // picture (a printer page scales them to its own size).
  void paint(QPainter& g, const core::Project& p, int loop, const core::WireField& field, const GridScene& scene);
  void ZeichneFlaeche(QPainter& g);
  void ZeichneModul(QPainter& g, const core::Project& p, int loop, int x, int y, char letter);
  void ZeichneErrRahmen(QPainter& g, int x, int y);
  void ZeichneSelRahmen(QPainter& g, int x, int y, int columns, int rows);
  void ZeichneVBind(QPainter& g, const core::WireField& field, int i, int j);
  // The live value of the cell at pixel (x, y), drawn at (x + kLiveOffsetPx, y) on a
  // light box of its own so that it stays readable over lines and symbols.
  void ZeichneDebug(QPainter& g, const core::Project& p, int loop, int x, int y, const core::ServerBlock& block);
  void drawTexts(QPainter& g, const core::Project& p, int loop);

  // Symbols and tiles drawn k times enlarged pixel by pixel first, for a
  // device that scales the picture up (a printer page): its own scaling
  // might smooth them. 1 on the screen.
  void setImageMagnification(int k) { m_magnify = k < 1 ? 1 : k; }

  // The live value stands this far right of its cell's left edge, beside
  // the symbol's outputs.
  static constexpr int kLiveOffsetPx = 33;
  // The look of the live values.
  static constexpr QRgb kLiveBackground = 0xFFFFF3B0;
  static constexpr QRgb kLiveText = 0xFF0A2A8C;

  // A fresh white grid picture of the right size and format.
  static QImage newImage();

  // The font of the module labels: the canvas font (7 points, for free
  // texts and live values) in a smaller size, so that a constant's value
  // such as "100.0" keeps a margin inside its symbol. `perPoint` is the
  // size of a point of the 96 dpi picture on the device.
  static constexpr double kLabelPoints = 6.0;
  // Labels end before this column of the symbol: two columns clear of the
  // side of its box.
  static constexpr int kLabelEnd = 27;
  static QFont labelFont(const QFont& canvas, double perPoint = 1.0);

private:
  // The tile of a rule, analog or not, from a table filled on first use
  // (an image is implicitly shared, so a copy costs nothing).
  const QImage& tile(int rule, bool analogOnly);
  void drawTextAt(QPainter& g, int x, int y, const QString& text);
  void drawLabel(QPainter& g, int x, int y, int end, const QString& text);
  void drawPicture(QPainter& g, int x, int y, const QImage& image);

  BitmapCache& m_cache;
  std::array<QImage, 32> m_tiles;
  int m_tilesGeneration = -1;
  int m_textAscent = 0;
  QString m_programDir;
  QString m_designDir;
  int m_magnify = 1;
  QHash<qint64, QImage> m_magnified; // by the source picture's cache key
};

} // namespace veltra::gui
