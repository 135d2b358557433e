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
  // Either way the pictures decoded so far are dropped, so that switching
  // caching back on never shows a file as it was before.
  void setCaching(bool on) {
    m_caching = on;
    clear();
  }
  bool caching() const { return m_caching; }
  // Changes whenever pictures handed out earlier may be stale (clear(),
  // caching switched), so that callers may keep copies until then.
  int generation() const { return m_generation; }
  void setErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

private:
  QImage placeholder(QSize size) const;

  QHash<QString, QImage> m_images;
  QSet<QString> m_reported;
  QImage m_scratch;
  bool m_caching = true;
  int m_generation = 0;
  ErrorHandler m_onError;
};

} // namespace veltra::gui
