#include "gui/util/qt_text.h"

#include "core/util/cp1252.h"

namespace veltra::gui {

QString fromCp1252(std::string_view bytes) { return QString::fromStdString(core::cp1252ToUtf8(bytes)); }

std::string toCp1252(const QString& text) { return core::utf8ToCp1252(text.toStdString()); }

} // namespace veltra::gui
