#include "gui/modules/constant_dialog.h"

#include <QComboBox>
#include <QLineEdit>

namespace veltra::gui {

ConstantDialog::ConstantDialog(QWidget* parent) : ModuleDialog(*formLayout('F'), parent) {
  connect(cbSignal(), &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!loading()) cbSignalChange(index);
  });
}

QComboBox* ConstantDialog::cbSignal() const { return findChild<QComboBox*>(QStringLiteral("cbSignal")); }
QLineEdit* ConstantDialog::edConst() const { return findChild<QLineEdit*>(QStringLiteral("edConst")); }

void ConstantDialog::cbSignalChange(int) {
  auto* signal = static_cast<SignalComboBinding*>(bindings()[0].get());
  core::TCell& top = topCell();
  top.setI32(0, signal->chosenNumber());
  project().takeConstantValue(top);
  // The edit starts again from the new value: unchanged, it keeps it.
  bindings()[1]->load(context(), top);
}

void ConstantDialog::completeStore(core::TCell& copy) {
  project().repairConstantNumber(copy);
  copy.text = *project().SignalDesc.at(core::SignalGroup::F, copy.i32(0));
}

void ConstantDialog::afterStore(core::TCell& top) {
  project().FWert[static_cast<std::size_t>(top.i32(0))] = top.f64(8);
}

} // namespace veltra::gui
