#pragma once

class QLineEdit;

namespace veltra::gui {

// The look of a field whose text is not a valid number: a red (255, 0, 0)
// background while `invalid`, the normal window colour otherwise. Every
// edit that checks its text as it is typed shows it this way.
void markInvalid(QLineEdit* edit, bool invalid);
bool isMarkedInvalid(const QLineEdit* edit);

} // namespace veltra::gui
