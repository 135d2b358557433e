#pragma once

#include "core/model/types.h"

#include <QDialog>

#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace veltra::gui {

// `FormSP` "Schaltpunkt": one switching point of a time switch program —
// weekdays, "Aus" / "Ein", hour and minute. The caller hands in the point and
// reads it back; the dialog itself touches no project data.
class SwitchPointDialog : public QDialog {
  Q_OBJECT
public:
  explicit SwitchPointDialog(QWidget* parent = nullptr);

  // FormActivate: show `point` of program `program`, point number `index`
  // (both only shown).
  void activate(const core::TSwitchPoint& point, int program, int index);
  // activate, then shown modally: the point as confirmed with "Ok", or
  // nothing when the dialog was closed otherwise.
  std::optional<core::TSwitchPoint> edit(const core::TSwitchPoint& point, int program, int index);
  // The point as "Ok" stored it.
  const core::TSwitchPoint& point() const { return m_point; }

  // Monday (0) .. Sunday (6).
  QCheckBox* dayBox(int day) const { return m_days[static_cast<std::size_t>(day)]; }
  QRadioButton* offButton() const;
  QRadioButton* onButton() const;
  QSpinBox* spHour() const { return m_hour; }
  QSpinBox* spMin() const { return m_minute; }
  QPushButton* okButton() const { return m_btOk; }

  void btOkClick();

private:
  std::array<QCheckBox*, 7> m_days{};
  QButtonGroup* m_onOff;
  QSpinBox* m_hour;
  QSpinBox* m_minute;
  QLabel* m_title;
  QPushButton* m_btOk;
  core::TSwitchPoint m_point{};
};

} // namespace veltra::gui
