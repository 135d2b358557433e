#pragma once

#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>

#include <functional>

namespace veltra::gui {

// Decoded module symbols and connection tiles, by file path. Pictures are
// decoded once and kept until the design changes (clear()). A file that
// cannot be read is reported once and drawn as a placeholder, so one missing
// picture does not stop every later redraw.
class BitmapCache {
public:
  using ErrorHandler = std::function<void(const QString& message)>;

  // The picture of `path`, or a placeholder of `placeholderSize`.
  const QImage& get(const QString& path, QSize placeholderSize);
  void clear();
  // Without caching every call reads the file again (used to measure).
  void setCaching(bool on) { m_caching = on; }
  void setErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

private:
  QImage placeholder(QSize size) const;

  QHash<QString, QImage> m_images;
  QSet<QString> m_reported;
  QImage m_scratch;
  bool m_caching = true;
  ErrorHandler m_onError;
};

} // namespace veltra::gui
