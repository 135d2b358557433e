#include "gui/modules/signal_list_model.h"

#include "gui/util/qt_text.h"

#include <algorithm>

namespace veltra::gui {

SignalListModel::SignalListModel(QObject* parent) : QAbstractListModel(parent) {}

void SignalListModel::show(const core::Project* project, core::SignalGroup group, int count, const QString& extra) {
  beginResetModel();
  m_project = project;
  m_group = group;
  m_count = project != nullptr ? std::clamp(count, 0, core::groupSize(group)) : 0;
  m_extra = extra;
  endResetModel();
}

int SignalListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return m_count + (m_extra.isEmpty() ? 0 : 1);
}

QVariant SignalListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  const int row = index.row();
  if (row == m_count && !m_extra.isEmpty()) return m_extra;
  if (row < 0 || row >= m_count) return {};
  const core::TSignalText* t = m_project->SignalDesc.at(m_group, row + 1);
  const QString text = t != nullptr ? fromCp1252(t->view()) : QString();
  if (role == Qt::ToolTipRole) return text;
  return QStringLiteral("%1  %2").arg(row + 1).arg(text);
}

} // namespace veltra::gui
