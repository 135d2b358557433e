#pragma once

#include "core/modules/catalogue.h"
#include "gui/modules/field_binding.h"
#include "gui/modules/form_layout.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

namespace veltra::gui {

// A limit of G or Z: a plain number or a reference to a constant F or an
// auxiliary signal H, coded into one f64 (F n as 32500 + n, H n as
// 32600 + n). The radio group "Signalquelle" chooses the source; the number
// edit and the signal drop-down share one place and only the one that fits
// the source is shown. Constants above 100 are not offered: 32500 + n would
// read back as an H reference.
class LimitBinding : public FieldBinding {
public:
  // Creates its box (titled with the description's label) and controls under `parent`.
  LimitBinding(const FieldLayout& def, QWidget* parent);

  void load(const DialogContext& ctx, const core::TCell& top) override;
  // Throws core::Error for a text that does not convert and for a plain
  // number above 32500, which would read back as a reference.
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override;

  QGroupBox* box() const { return m_box; }
  QGroupBox* sourceGroup() const { return m_sourceBox; }
  QRadioButton* sourceButton(core::LimitSource source) const;
  QLineEdit* edit() const { return m_edit; }
  QComboBox* combo() const { return m_combo; }
  core::LimitSource source() const;

  // SetList / SetList1: show the edit ("Zahl") or fill the drop-down with
  // the constants or auxiliary signals and select `index`.
  void SetList(int index);
  // rgQuelleClick / rgQuelle1Click: the engineer chose a source; its first
  // entry is selected.
  void rgQuelleClick();

private:
  void fillList(int index, const QString& extra);
  void check();

  int m_offset;
  double m_max; // highest plain number that is not shown red
  const core::Project* m_project = nullptr;
  QGroupBox* m_box;
  QGroupBox* m_sourceBox;
  QButtonGroup* m_sources;
  QLineEdit* m_edit;
  QComboBox* m_combo;
  SignalListModel* m_model;
  // What was loaded, to keep the stored bytes when nothing was changed.
  core::LimitSource m_loadedSource = core::LimitSource::Number;
  QString m_loadedText;
  int m_loadedRow = -1;
};

} // namespace veltra::gui
