#pragma once

#include "gui/modules/field_binding.h"
#include "gui/modules/form_layout.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QGridLayout;
class QPushButton;
class QVBoxLayout;

namespace veltra::gui {

// The parameter dialog of one module type, `Form_A` .. `Form_Z` (its object
// name). The table-driven constructor lays the dialog out from the type's
// FormLayout and binds every control to its params field; types with their
// own behaviour (F, G and Z, S) derive from it.
//
// `FormActivate` loads the module's top cell into the controls; `btOkClick`
// converts every control into a copy of the cell and, only when all of them
// converted, makes the copy the module with `error` := 0 and closes. A text
// that does not convert shows its German message and the dialog stays open
// with the module untouched. Any other way of closing changes nothing.
class ModuleDialog : public QDialog {
  Q_OBJECT
public:
  using MessageHandler = std::function<void(QWidget* parent, const QString& message)>;

  explicit ModuleDialog(const FormLayout& def, QWidget* parent = nullptr);
  ~ModuleDialog() override;

  // FormActivate for the module that owns (col, row) of `loop`, without
  // showing the dialog: multi-row types move up to their top cell.
  void activate(core::Project& project, int loop, int col, int row, const QString& programDir);
  // activate, then shown modally; true when closed with "Ok".
  bool edit(core::Project& project, int loop, int col, int row, const QString& programDir);

  char letter() const { return m_letter; }
  int topRow() const { return m_topRow; }
  QPushButton* okButton() const { return m_btOk; }
  // Conversion messages go here; by default a message box.
  void setMessageHandler(MessageHandler handler) { m_messages = std::move(handler); }

  // "Ok": store and close.
  void btOkClick();

protected:
  // For a dialog that lays itself out; it calls addButtons() when done.
  ModuleDialog(char letter, QWidget* parent);

  virtual void FormActivate();
  // Hooks of btOkClick: after the bindings converted into `copy` (may throw
  // core::Error, which keeps the dialog open) ...
  virtual void completeStore(core::TCell& copy);
  // ... and after the copy became the module.
  virtual void afterStore(core::TCell& top);

  core::Project& project() { return *m_context.project; }
  const DialogContext& context() const { return m_context; }
  int loop() const { return m_loop; }
  core::TCell& topCell();
  bool loading() const { return m_loading; }
  void showMessage(const QString& message);
  const std::vector<std::unique_ptr<FieldBinding>>& bindings() const { return m_bindings; }
  void addBinding(std::unique_ptr<FieldBinding> binding) { m_bindings.push_back(std::move(binding)); }
  // The row of "Ok" and "Abbrechen" under `layout`.
  void addButtons(QVBoxLayout* layout);

private:
  void build(const FormLayout& def);

  char m_letter;
  DialogContext m_context;
  int m_loop = 0, m_col = 0, m_topRow = 0;
  bool m_loading = false;
  std::vector<std::unique_ptr<FieldBinding>> m_bindings;
  QPushButton* m_btOk = nullptr;
  MessageHandler m_messages;
};

} // namespace veltra::gui
