#pragma once

#include "core/model/module_ops.h"
#include "core/model/project.h"
#include "core/persist/signal_lists.h"
#include "core/util/cp1252.h"
#include "gui/modules/module_dialog.h"
#include "gui/modules/module_dialog_set.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/util/red_background.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace veltra::gui::test {

using testing::redBackground;

inline constexpr int kCol = 3;
inline constexpr int kRow = 2;

// A project with the program's signal lists, names for the groups without a
// list file, the dialog set, and the messages the dialogs showed.
class DialogBench {
public:
  DialogBench() : project(std::make_unique<core::Project>()) {
    project->InitRKreise(core::readSignalDefaults(VELTRA_PROGRAM_DIR));
    for (int n = 1; n <= core::kSignals; ++n) {
      project->SignalDesc.at(core::SignalGroup::F, n)->assign("Konstante " + std::to_string(n));
      project->SignalDesc.at(core::SignalGroup::H, n)->assign("Hilf " + std::to_string(n));
    }
    for (int n = 1; n <= core::kPrograms; ++n)
      project->SignalDesc.at(core::SignalGroup::S, n)->assign("Programm " + std::to_string(n));
    dialogs.setMessageHandler([this](QWidget*, const QString& m) { messages << m; });
  }

  core::TCell& cell(int col = kCol, int row = kRow) { return project->cell(1, col, row); }

  // A module of `letter` with its defaults, top cell at (col, row) of loop 1.
  core::TCell& place(char letter, int col = kCol, int row = kRow) {
    if (!core::placeModule(*project, 1, col, row, letter)) qFatal("cannot place %c", letter);
    core::createModuleDefaults(*project, cell(col, row));
    return cell(col, row);
  }

  // The dialog for (col, row), shown without an event loop of its own.
  template <class D = ModuleDialog> D* open(char letter, int col = kCol, int row = kRow) {
    ModuleDialog* d = dialogs.dialog(letter);
    d->activate(*project, 1, col, row, programDir);
    d->show();
    return static_cast<D*>(d);
  }

  std::unique_ptr<core::Project> project;
  ModuleDialogSet dialogs;
  QStringList messages;
  QString programDir = QStringLiteral(VELTRA_PROGRAM_DIR);
};

// Types `text` over the edit; umlauts come as text-only key events.
inline void typeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  for (QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(edit, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

inline void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
inline void clickOk(ModuleDialog* d) { QTest::mouseClick(d->okButton(), Qt::LeftButton); }
inline void clickCancel(QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>("btCancel"), Qt::LeftButton); }

// "edScale=2.5;cbNum=4;cbInv=": types into an edit, sets a list or spin, clicks a button.
inline void act(QWidget* d, const QString& actions) {
  for (const QString& a : actions.split(';', Qt::SkipEmptyParts)) {
    QWidget* w = d->findChild<QWidget*>(a.section('=', 0, 0));
    const QString value = a.section('=', 1);
    if (!w) qFatal("no control %s", qPrintable(a));
    if (auto* e = qobject_cast<QLineEdit*>(w))
      typeInto(e, value);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
      click(b);
    else if (auto* s = qobject_cast<QSpinBox*>(w))
      s->setValue(value.toInt());
    else if (auto* c = qobject_cast<QComboBox*>(w))
      c->setCurrentIndex(value.toInt());
  }
}

// Sets params fields: "i0=5 f8=2.5 u4=1 f16=nan" (type, offset, value); "t=" clears the text.
inline void setFields(core::TCell& c, const QString& fields) {
  for (const QString& f : fields.split(' ', Qt::SkipEmptyParts)) {
    const int at = f.section('=', 0, 0).mid(1).toInt();
    const double v = std::strtod(f.section('=', 1).toLatin1().constData(), nullptr);
    if (f[0] == 't')
      c.text.clear();
    else if (f[0] == 'i')
      c.setI32(at, static_cast<std::int32_t>(v));
    else if (f[0] == 'u')
      c.setU8(at, static_cast<std::uint8_t>(v));
    else
      c.setF64(at, v);
  }
}

inline bool sameBytes(const core::TCell& a, const core::TCell& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
inline QString utf8(std::string_view cp1252) { return QString::fromStdString(core::cp1252ToUtf8(cp1252)); }
inline QString textOf(const core::TCell& c) { return utf8(c.text.view()); }

} // namespace veltra::gui::test
