#include "gui/util/invalid_mark.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>

namespace veltra::gui {

void markInvalid(QLineEdit* edit, bool invalid) {
  if (invalid == isMarkedInvalid(edit)) return;
  edit->setProperty("invalid", invalid);
  if (invalid) {
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, QColor(255, 0, 0));
    edit->setPalette(p);
  } else {
    edit->setPalette(QPalette()); // back to the inherited window colours
  }
}

bool isMarkedInvalid(const QLineEdit* edit) { return edit->property("invalid").toBool(); }

} // namespace veltra::gui
