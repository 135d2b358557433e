#pragma once

#include "core/model/project.h"

#include <QAbstractTableModel>

#include <optional>

namespace veltra::gui {

// One signal group of the project as a table "Nr." / "Signal" /
// "Beschreibung", read straight from the tables, so that even the 9,216
// rows of group V cost nothing to show. Only "Beschreibung" is editable; an
// edited description keeps at most 20 characters.
class SignalTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit SignalTableModel(QObject* parent = nullptr);

  void setProject(core::Project* project);
  void setGroup(core::SignalGroup group);
  // No rows until a group is chosen.
  const std::optional<core::SignalGroup>& group() const { return m_group; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
  core::Project* m_project = nullptr;
  std::optional<core::SignalGroup> m_group;
};

} // namespace veltra::gui
