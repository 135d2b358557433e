#include "gui/online/bit_change_dialog.h"

#include <QCheckBox>
#include <QPushButton>

namespace veltra::gui {

BitChangeDialog::BitChangeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("Form14");
  setWindowTitle(QStringLiteral("Bit ändern"));
  setFixedSize(200, 104);
  cbAlt = new QCheckBox(QStringLiteral("Wert alt"), this);
  cbAlt->setObjectName("cbAlt");
  cbAlt->setGeometry(16, 12, 120, 20);
  cbAlt->setEnabled(false); // shows the controller's bit, not for editing
  cbNew = new QCheckBox(QStringLiteral("Wert neu"), this);
  cbNew->setObjectName("cbNew");
  cbNew->setGeometry(16, 40, 120, 20);
  btOk = new QPushButton(QStringLiteral("OK"), this);
  btOk->setObjectName("btOk");
  btOk->setGeometry(113, 70, 75, 25);
  btOk->setDefault(true);
  connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<bool> BitChangeDialog::change(bool oldBit) {
  cbAlt->setChecked(oldBit);
  cbNew->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return cbNew->isChecked();
}

} // namespace veltra::gui
