#pragma once

#include "core/print/report.h"

#include <string_view>

namespace veltra::core {

// How wide and high the printed font is, in units of the 300 dpi page. The
// printing code measures with the real font; tests use a fixed pitch.
class TextMetrics {
public:
  virtual ~TextMetrics() = default;
  virtual int width(std::string_view utf8, TextStyle style) const = 0;
  // The height of "J" (the line height adds 40 to it).
  virtual int textHeight() const = 0;
};

// Every character (UTF-8 code point) equally wide.
class FixedPitchMetrics : public TextMetrics {
public:
  explicit FixedPitchMetrics(int charWidth = 23, int textHeight = 44)
      : m_charWidth(charWidth), m_textHeight(textHeight) {}
  int width(std::string_view utf8, TextStyle style) const override;
  int textHeight() const override { return m_textHeight; }

private:
  int m_charWidth;
  int m_textHeight;
};

// Code points of a UTF-8 text.
int codePoints(std::string_view utf8);

} // namespace veltra::core
