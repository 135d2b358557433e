#pragma once

class QCoreApplication;

namespace veltra::gui {

// The program speaks German whatever the machine's locale: Qt's own texts
// (the buttons of message boxes, the file dialogs) come from Qt's German
// translation, and the file dialogs are Qt's own, which that translation
// reaches, rather than the desktop's. Call before any window is made.
// Returns false when the translation is not installed; the program then
// runs with Qt's English texts.
bool useGermanTexts(QCoreApplication& app);

} // namespace veltra::gui
