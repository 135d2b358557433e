#include "gui/editor/bitmap_cache.h"

#include <QFileInfo>
#include <QPainter>

namespace veltra::gui {

const QImage& BitmapCache::get(const QString& path, QSize placeholderSize) {
  if (m_caching) {
    auto it = m_images.constFind(path);
    if (it != m_images.constEnd()) return *it;
  }
  QImage image(path);
  if (image.isNull()) {
    if (!m_reported.contains(path)) {
      m_reported.insert(path);
      if (m_onError)
        m_onError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2")
                      .arg(path, QFileInfo::exists(path) ? QStringLiteral("Kein gültiges Bild.")
                                                         : QStringLiteral("Die Datei wurde nicht gefunden.")));
    }
    image = placeholder(placeholderSize);
  }
  if (!m_caching) {
    m_scratch = image;
    return m_scratch;
  }
  return *m_images.insert(path, image);
}

void BitmapCache::clear() {
  m_images.clear();
  m_reported.clear();
  ++m_generation;
}

QImage BitmapCache::placeholder(QSize size) const {
  QImage img(size, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setPen(QColor(255, 0, 255));
  p.drawRect(0, 0, size.width() - 1, size.height() - 1);
  if (size.width() > 8) p.drawLine(0, 0, size.width() - 1, size.height() - 1);
  return img;
}

} // namespace veltra::gui
