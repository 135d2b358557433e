#include "gui/util/dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace veltra::gui {

QPushButton* addOkCancelRow(QDialog* dialog, QBoxLayout* layout, const QString& okCaption, const QString& cancelCaption,
                            const QString& cancelName) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  auto* ok = new QPushButton(okCaption, dialog);
  ok->setObjectName(QStringLiteral("btOk"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(cancelCaption, dialog);
  cancel->setObjectName(cancelName);
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return ok;
}

} // namespace veltra::gui
