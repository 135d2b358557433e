#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace veltra::gui {

// Model texts are code page 1252 bytes; Qt wants Unicode. These are the only
// places where the two meet.
QString fromCp1252(std::string_view bytes);
std::string toCp1252(const QString& text);
inline QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }
inline std::string toUtf8(const QString& s) { return s.toStdString(); }

} // namespace veltra::gui
