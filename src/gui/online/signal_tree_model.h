#pragma once

#include "core/model/project.h"

#include <QAbstractItemModel>

namespace veltra::gui {

// The signal tree of the graph window ("Auswahlliste Messwerte"): eight
// group nodes with 11,008 signals, read straight from the project's
// SignalDesc. Nothing is copied, so a rebuild is one reset.
class SignalTreeModel : public QAbstractItemModel {
  Q_OBJECT
public:
  explicit SignalTreeModel(const core::Project& project, QObject* parent = nullptr);

  // Activation: every view asks for the texts anew (of the project now open).
  void rebuild(const core::Project& project);
  // The group letter of a node; for a signal that of its group.
  static char letterOf(const QModelIndex& index);
  // The signal number of a signal node (1..), 0 for a group node.
  static int signalOf(const QModelIndex& index);
  // The node of a signal.
  QModelIndex indexOf(char letter, int signal) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

private:
  const core::Project* m_project;
};

} // namespace veltra::gui
