#pragma once

#include "core/model/project.h"

#include <QString>

#include <filesystem>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace veltra::gui {

class SignalListModel;

// What a control needs besides the module: the project's tables and the
// program folder with the item files.
struct DialogContext {
  core::Project* project = nullptr;
  std::filesystem::path programDir;
  char letter = 0;
};

// Binds one control of a parameter dialog to a field of the module's top
// cell. `load` shows the field (FormActivate); `store` writes the control
// back on "Ok". A control the engineer left as it was loaded keeps the
// stored bytes, so that confirming a dialog unchanged changes nothing, also
// for values a file brought in that the control cannot show exactly.
class FieldBinding {
public:
  virtual ~FieldBinding() = default;
  virtual void load(const DialogContext& ctx, const core::TCell& top) = 0;
  // Throws core::Error (German) when the control's text does not convert.
  virtual void store(const DialogContext& ctx, core::TCell& top) const = 0;
  // The control to focus after a failed conversion; nullptr for none.
  virtual QWidget* widget() const = 0;
};

// A numeric edit: an f64, an i32, or a W temperature (hundredths of a degree
// in an f64, edited in degrees). Its live check colours it red while the
// trimmed text is not a number of its kind or lies outside lo..hi.
class NumberEditBinding : public FieldBinding {
public:
  enum class Kind { Real, Int, WTemperature };
  NumberEditBinding(QLineEdit* edit, Kind kind, int offset, double lo, double hi);

  void load(const DialogContext& ctx, const core::TCell& top) override;
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override;

  // The live check (the edit's change handler).
  void check();
  // Whether `text` passes the live check.
  bool acceptable(const QString& text) const;

private:
  QLineEdit* m_edit;
  Kind m_kind;
  int m_offset;
  double m_lo, m_hi;
  QString m_loaded;
};

// A check box on a u8: 1 when checked, 0 otherwise.
class CheckBinding : public FieldBinding {
public:
  CheckBinding(QCheckBox* box, int offset);
  void load(const DialogContext& ctx, const core::TCell& top) override;
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override;

private:
  QCheckBox* m_box;
  int m_offset;
  bool m_loaded = false;
};

// A spin box on an i32. A stored value outside the range shows as the
// nearest end of the range and is stored so on "Ok".
class SpinBinding : public FieldBinding {
public:
  SpinBinding(QSpinBox* spin, int offset);
  void load(const DialogContext& ctx, const core::TCell& top) override;
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override;

private:
  QSpinBox* m_spin;
  int m_offset;
};

// The signal drop-down of a signal module: row k is signal k + 1 of the
// module's group; "Ok" stores the number at offset 0 and copies the signal's
// description into the text. A stored number outside the group shows as an
// extra last entry; left chosen, number and text stay as they are.
class SignalComboBinding : public FieldBinding {
public:
  SignalComboBinding(QComboBox* combo, core::SignalGroup group);
  void load(const DialogContext& ctx, const core::TCell& top) override;
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override;

  core::SignalGroup group() const { return m_group; }
  // The signal number of the chosen entry; 0 for the extra entry.
  int chosenNumber() const;

private:
  QComboBox* m_combo;
  SignalListModel* m_model;
  core::SignalGroup m_group;
};

// The function drop-down: the lines of the module's item file, read at every
// load, or the built-in list when the file cannot be read. A stored index
// without a line shows as an extra entry with its number; left chosen, the
// index stays.
class FunctionComboBinding : public FieldBinding {
public:
  explicit FunctionComboBinding(QComboBox* combo);
  void load(const DialogContext& ctx, const core::TCell& top) override;
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override;

private:
  QComboBox* m_combo;
  int m_items = 0;
  int m_loadedRow = -1;
};

// The description edit `edDesc` (20 characters) on the module's text.
class DescriptionBinding : public FieldBinding {
public:
  explicit DescriptionBinding(QLineEdit* edit);
  void load(const DialogContext& ctx, const core::TCell& top) override;
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override;

private:
  QLineEdit* m_edit;
  QString m_loaded;
};

// An f64 that "Ok" sets to 0 (W's cooling factors, which have no control).
class ZeroBinding : public FieldBinding {
public:
  explicit ZeroBinding(int offset) : m_offset(offset) {}
  void load(const DialogContext&, const core::TCell&) override {}
  void store(const DialogContext& ctx, core::TCell& top) const override;
  QWidget* widget() const override { return nullptr; }

private:
  int m_offset;
};

} // namespace veltra::gui
