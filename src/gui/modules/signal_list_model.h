#pragma once

#include "core/model/project.h"

#include <QAbstractListModel>
#include <QString>

namespace veltra::gui {

// The drop-down list of a signal group, read straight from the project's
// description table when a row is drawn: opening a dialog on group V
// (9,216 signals) costs one model reset, not 9,216 item copies. Row k is
// signal k + 1, shown as "number  description". An optional extra last row
// stands for a stored number the list does not hold.
class SignalListModel : public QAbstractListModel {
  Q_OBJECT
public:
  explicit SignalListModel(QObject* parent = nullptr);

  // Signals 1..count of `group`; `extra` (when not empty) as the last row.
  void show(const core::Project* project, core::SignalGroup group, int count, const QString& extra = {});
  int signalCount() const { return m_count; }
  bool hasExtra() const { return !m_extra.isEmpty(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

private:
  const core::Project* m_project = nullptr;
  core::SignalGroup m_group = core::SignalGroup::A;
  int m_count = 0;
  QString m_extra;
};

} // namespace veltra::gui
