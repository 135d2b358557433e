#include "gui/online/value_change_dialog.h"

#include "core/util/number_format.h"
#include "core/util/number_parse.h"
#include "gui/util/invalid_mark.h"
#include "gui/util/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace veltra::gui {

ValueChangeDialog::ValueChangeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("Form13");
  setWindowTitle(QStringLiteral("Wert ändern"));
  setFixedSize(236, 104);
  auto* lbOld = new QLabel(QStringLiteral("alter Wert"), this);
  lbOld->setGeometry(12, 14, 70, 16);
  blALt = new QLabel(this);
  blALt->setObjectName("blALt");
  blALt->setGeometry(90, 14, 134, 16);
  blALt->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* lbNew = new QLabel(QStringLiteral("neuer Wert"), this);
  lbNew->setGeometry(12, 42, 70, 16);
  edNeu = new QLineEdit(this);
  edNeu->setObjectName("edNeu");
  edNeu->setGeometry(90, 39, 134, 22);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(149, 70, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &ValueChangeDialog::Button1Click);
  connect(edNeu, &QLineEdit::textChanged, this,
          [this] { markInvalid(edNeu, !core::parseReal(toUtf8(edNeu->text())).has_value()); });
}

std::optional<double> ValueChangeDialog::change(double oldValue) {
  m_old = oldValue;
  blALt->setText(fromUtf8(core::formatGeneralDigits(m_old, 15)));
  edNeu->selectAll();
  edNeu->setFocus();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return m_new;
}

void ValueChangeDialog::Button1Click() {
  const std::string text = toUtf8(edNeu->text());
  const std::optional<double> v = core::parseReal(text);
  if (!v) {
    // The dialog stays open: the engineer corrects the text or cancels.
    if (m_message) m_message(this, fromUtf8(core::realConversionMessage(text)));
    edNeu->setFocus();
    return;
  }
  m_new = *v;
  accept();
}

} // namespace veltra::gui
