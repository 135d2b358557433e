#include "gui/editor/tool_bars.h"

#include "core/editor/editor.h"
#include "core/modules/catalogue.h"

#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

#include <iterator>

namespace veltra::gui {

namespace {

// What a button does besides choosing its code.
enum class Role { Tool, ConnectButton, KeepsRange };

// Object name, image index, code and role of each button, ToolBar1 first.
struct ButtonDef {
  const char* name;
  int image;
  char code;
  Role role = Role::Tool;
};

constexpr ButtonDef kToolBar1[] = {
    {"ToolButton1", 4, 'E'},   {"ToolButton2", 6, 'I'},   {"ToolButton3", 22, 'V'},  {"ToolButton4", 19, 'S'},
    {"ToolButton5", 5, 'H'},   {"ToolButton6", 3, 'M'},   {"ToolButton7", 7, 'A'},   {"ToolButton8", 8, 'Q'},
    {"ToolButton9", 9, 'B'},   {"ToolButton10", 12, 'G'}, {"ToolButton11", 11, 'K'}, {"ToolButton12", 20, 'D'},
    {"ToolButton13", 13, 'Y'}, {"ToolButton14", 15, 'R'}, {"ToolButton15", 16, 'C'}, {"ToolButton16", 21, 'W'},
    {"ToolButton17", 14, 'N'}, {"ToolButton18", 10, 'T'}, {"ToolButton19", 17, 'P'}, {"ToolButton20", 18, 'Z'},
    {"ToolButton21", 0, 'U'},  {"ToolButton22", 1, 'O'},  {"ToolButton23", 2, 'X'}};
constexpr ButtonDef kToolBar2[] = {{"ToolButton24", 28, core::tool::kConnect, Role::ConnectButton},
                                   {"ToolButton25", 29, core::tool::kDisconnect},
                                   {"ToolButton26", 30, core::tool::kMove},
                                   {"ToolButton27", 33, core::tool::kSpare3},
                                   {"ToolButton30", 31, core::tool::kSpare6},
                                   {"ToolButton31", 34, core::tool::kText},
                                   {"ToolButton32", 33, core::tool::kSpare8},
                                   {"ToolButton33", 26, core::tool::kBlockDelete},
                                   {"ToolButton35", 24, core::tool::kDataEntry},
                                   {"ToolButton36", 23, core::tool::kDelete},
                                   {"ToolButton38", 25, 'J'},
                                   {"ToolButton39", 37, 'F', Role::KeepsRange},
                                   {"ToolButton28", 38, 'L'}};

QString toolTipOf(char code) {
  if (const core::ModuleType* t = core::moduleType(code))
    return QString::fromUtf8(t->name.data(), static_cast<int>(t->name.size())) + " (" + QChar(code) + ")";
  switch (code) {
  case core::tool::kConnect:
    return QStringLiteral("Verbinden (0)");
  case core::tool::kDisconnect:
    return QStringLiteral("Verbindung lösen (1)");
  case core::tool::kMove:
    return QStringLiteral("Verschieben (2)");
  case core::tool::kText:
    return QStringLiteral("Text (7)");
  case core::tool::kBlockDelete:
    return QStringLiteral("Bereich löschen (9)");
  case core::tool::kDataEntry:
    return QStringLiteral("Dateneingabe (F2)");
  case core::tool::kDelete:
    return QStringLiteral("Modul löschen (F3)");
  default:
    return {};
  }
}

} // namespace

ToolBars::ToolBars(const QString& programDir, QWidget* parent) : QObject(parent) {
  auto make = [&](const ButtonDef* defs, int count, Qt::Orientation o) {
    auto* bar = new QToolBar(parent);
    bar->setOrientation(o);
    bar->setIconSize(QSize(32, 32));
    bar->setMovable(false);
    bar->setFloatable(false);
    // The chosen tool stays clearly marked, not only while hovered.
    bar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; }"
                                      "QToolButton { border: 1px solid transparent; border-radius: 3px; }"
                                      "QToolButton:hover { border-color: rgb(150,170,200); }"
                                      "QToolButton:checked { background: rgb(200,220,245);"
                                      " border-color: rgb(50,100,170); }"));
    for (int i = 0; i < count; ++i) {
      const ButtonDef& def = defs[i];
      auto* b = new QToolButton(bar);
      b->setObjectName(def.name);
      b->setCheckable(true);
      b->setAutoRaise(true);
      b->setFixedSize(39, 38);
      b->setIconSize(QSize(32, 32));
      const QString picture =
          QDir(programDir).filePath(QStringLiteral("toolbar/%1.bmp").arg(def.image, 2, 10, QChar('0')));
      b->setIcon(QIcon(QPixmap(picture)));
      b->setToolTip(toolTipOf(def.code));
      connect(b, &QToolButton::clicked, this, [this, def] {
        mark(def.code);
        emit chosen(def.code, def.role == Role::ConnectButton, def.role == Role::KeepsRange);
      });
      bar->addWidget(b);
      m_buttons.append(b);
      m_codes.append(def.code);
    }
    return bar;
  };
  m_top = make(kToolBar1, static_cast<int>(std::size(kToolBar1)), Qt::Horizontal);
  m_top->setObjectName("ToolBar1");
  m_top->setGeometry(0, 0, 953, 40);
  m_left = make(kToolBar2, static_cast<int>(std::size(kToolBar2)), Qt::Vertical);
  m_left->setObjectName("ToolBar2");
  m_left->setGeometry(0, 41, 40, 13 * 38 + 4);
}

void ToolBars::mark(char code) {
  QToolButton* chosen = button(code);
  for (QToolButton* b : m_buttons)
    b->setChecked(b == chosen);
}

QToolButton* ToolBars::button(char code) const {
  const auto i = m_codes.indexOf(code);
  return i >= 0 ? m_buttons[i] : nullptr;
}

} // namespace veltra::gui
