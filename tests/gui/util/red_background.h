#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPalette>

namespace veltra::gui::testing {

// The look markInvalid gives a field whose text is not a valid number.
inline bool redBackground(const QLineEdit* edit) { return edit->palette().color(QPalette::Base) == QColor(255, 0, 0); }

} // namespace veltra::gui::testing
