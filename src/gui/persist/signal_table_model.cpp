#include "gui/persist/signal_table_model.h"

#include "gui/util/qt_text.h"

namespace veltra::gui {

SignalTableModel::SignalTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SignalTableModel::setProject(core::Project* project) {
  beginResetModel();
  m_project = project;
  endResetModel();
}

void SignalTableModel::setGroup(core::SignalGroup group) {
  beginResetModel();
  m_group = group;
  endResetModel();
}

int SignalTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || m_project == nullptr || !m_group ? 0 : core::groupSize(*m_group);
}

int SignalTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant SignalTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || m_project == nullptr || !m_group || (role != Qt::DisplayRole && role != Qt::EditRole))
    return {};
  const int n = index.row() + 1;
  switch (index.column()) {
  case 0:
    return n;
  case 1:
    return fromCp1252(m_project->SignalName.text(*m_group, n));
  case 2:
    return fromCp1252(m_project->SignalDesc.text(*m_group, n));
  default:
    return {};
  }
}

QVariant SignalTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kHeadings[] = {"Nr.", "Signal", "Beschreibung"};
  return section >= 0 && section < 3 ? QString::fromUtf8(kHeadings[section]) : QVariant();
}

Qt::ItemFlags SignalTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.column() == 2) f |= Qt::ItemIsEditable;
  return f;
}

bool SignalTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != 2 || role != Qt::EditRole || m_project == nullptr || !m_group) return false;
  core::TSignalText* t = m_project->SignalDesc.at(*m_group, index.row() + 1);
  if (t == nullptr) return false;
  const std::string text = toCp1252(value.toString().left(20));
  if (t->view() == text) return true;
  t->assign(text);
  m_project->Modified = true;
  emit dataChanged(index, index);
  return true;
}

} // namespace veltra::gui
