#include "gui/online/signal_tree_model.h"

#include "core/model/signal_group.h"
#include "gui/util/qt_text.h"

#include <array>

namespace veltra::gui {

namespace {

struct TopNode {
  const char* caption;
  char letter;
  int children;
};

// The order and captions of the tree's group nodes.
constexpr std::array<TopNode, 8> kTopNodes = {{
    {"analoge Eingänge", 'E', 256},
    {"analoge Ausgänge", 'A', 256},
    {"digitale Eingänge", 'I', 256},
    {"digitale Ausgänge", 'Q', 256},
    {"analoge Merker", 'H', 256},
    {"digitale Merker", 'M', 256},
    {"interne Variable", 'V', 9216},
    {"Festwerte", 'F', 256},
}};

// Internal id of a group node 0, of a signal its group's row + 1.
constexpr quintptr kGroupNode = 0;

} // namespace

SignalTreeModel::SignalTreeModel(const core::Project& project, QObject* parent)
    : QAbstractItemModel(parent), m_project(&project) {}

void SignalTreeModel::rebuild(const core::Project& project) {
  beginResetModel();
  m_project = &project;
  endResetModel();
}

char SignalTreeModel::letterOf(const QModelIndex& index) {
  if (!index.isValid()) return ' ';
  const quintptr id = index.internalId();
  const int top = id == kGroupNode ? index.row() : static_cast<int>(id) - 1;
  return kTopNodes[static_cast<std::size_t>(top)].letter;
}

int SignalTreeModel::signalOf(const QModelIndex& index) {
  return index.isValid() && index.internalId() != kGroupNode ? index.row() + 1 : 0;
}

QModelIndex SignalTreeModel::indexOf(char letter, int signal) const {
  for (std::size_t t = 0; t < kTopNodes.size(); ++t)
    if (kTopNodes[t].letter == letter && signal >= 1 && signal <= kTopNodes[t].children)
      return createIndex(signal - 1, 0, static_cast<quintptr>(t + 1));
  return {};
}

QModelIndex SignalTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || row >= rowCount(parent)) return {};
  if (!parent.isValid()) return createIndex(row, 0, kGroupNode);
  return createIndex(row, 0, static_cast<quintptr>(parent.row() + 1));
}

QModelIndex SignalTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kGroupNode) return {};
  return createIndex(static_cast<int>(child.internalId()) - 1, 0, kGroupNode);
}

int SignalTreeModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return static_cast<int>(kTopNodes.size());
  if (parent.internalId() != kGroupNode) return 0;
  return kTopNodes[static_cast<std::size_t>(parent.row())].children;
}

int SignalTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant SignalTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  if (index.internalId() == kGroupNode)
    return QString::fromUtf8(kTopNodes[static_cast<std::size_t>(index.row())].caption);
  const std::optional<core::SignalGroup> g = core::groupOfLetter(letterOf(index));
  if (!g) return {};
  return fromCp1252(m_project->SignalDesc.text(*g, index.row() + 1));
}

} // namespace veltra::gui
