#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace veltra::gui {

// The button row under a dialog's controls: the confirming button `btOk`
// with `okCaption`, the default button, and the cancelling one, which
// rejects the dialog. The captions are those each dialog's description
// gives ("Ok" and "Abbrechen" for the parameter dialogs, "OK" and "Abbruch"
// for the chart's designer); so is the cancelling button's object name. The
// caller connects the confirming button.
QPushButton* addOkCancelRow(QDialog* dialog, QBoxLayout* layout, const QString& okCaption,
                            const QString& cancelCaption = QStringLiteral("Abbrechen"),
                            const QString& cancelName = QStringLiteral("btCancel"));

} // namespace veltra::gui
