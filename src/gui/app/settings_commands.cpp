#include "gui/app/settings_commands.h"

#include "gui/app/session.h"
#include "gui/app/settings_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace veltra::gui {

void SettingsCommands::EinstellungenClick() {
  m_session.attempt([&] { m_dialog.edit(m_session.ini(), m_session.settings()); });
  m_session.host().settingsChanged();
  m_session.host().ZeichneAlles();
}

void SettingsCommands::buildDesignMenu() {
  m_designMenu.clear();
  qDeleteAll(m_designMenu.findChildren<QActionGroup*>());
  // One design at a time: shown as a radio choice.
  auto* group = new QActionGroup(&m_designMenu);
  const core::Settings& settings = m_session.settings();
  for (const std::string& d : core::designFolders(settings.ProgramDir)) {
    const QString name = QString::fromStdString(d);
    QAction* a = m_designMenu.addAction(name, &m_designMenu, [this, name] { chooseDesign(name); });
    a->setCheckable(true);
    a->setChecked(d == settings.DesignName);
    group->addAction(a);
  }
}

void SettingsCommands::chooseDesign(const QString& name) {
  core::Settings& settings = m_session.settings();
  settings.DesignName = name.toStdString();
  m_session.attempt([&] { core::writeDesign(m_session.ini(), settings); });
  for (QAction* a : m_designMenu.actions())
    a->setChecked(a->text() == name);
  m_session.host().settingsChanged();
  m_session.host().ZeichneAlles();
}

} // namespace veltra::gui
