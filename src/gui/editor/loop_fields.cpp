#include "gui/editor/loop_fields.h"

#include "core/editor/editor.h"
#include "core/util/number_parse.h"
#include "gui/util/invalid_mark.h"
#include "gui/util/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace veltra::gui {

namespace {

constexpr int kLeft = 600;

} // namespace

LoopFields::LoopFields(core::Editor& editor, std::function<void(const QString&)> reportError, QWidget* parent)
    : QObject(parent), m_editor(editor), m_reportError(std::move(reportError)) {
  auto* lbLoop = new QLabel(QStringLiteral("Regelkreis"), parent);
  lbLoop->setGeometry(kLeft, 44, 80, 16);
  m_edNum = new QLineEdit(QStringLiteral("1"), parent);
  m_edNum->setObjectName("edNum");
  m_edNum->setGeometry(kLeft, 62, 50, 22);
  m_upDown = new QSpinBox(parent);
  m_upDown->setObjectName("UpDown1");
  m_upDown->setRange(1, 200);
  m_upDown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  m_upDown->setGeometry(kLeft + 50, 62, 18, 22);
  m_upDown->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; }"));
  connect(m_upDown, &QSpinBox::valueChanged, this, [this](int v) {
    if (m_refreshing) return;
    m_edNum->setText(QString::number(v));
  });
  connect(m_edNum, &QLineEdit::textChanged, this, &LoopFields::edNumChanged);
  connect(m_edNum, &QLineEdit::editingFinished, this, &LoopFields::edNumChanged);

  auto* lbTime = new QLabel(QStringLiteral("Abtastzeit"), parent);
  lbTime->setGeometry(kLeft + 100, 44, 80, 16);
  m_edZeit = new QLineEdit(QStringLiteral("10"), parent);
  m_edZeit->setObjectName("edZeit");
  m_edZeit->setGeometry(kLeft + 100, 62, 60, 22);
  auto* lbUnit = new QLabel(QStringLiteral("s"), parent);
  lbUnit->setGeometry(kLeft + 164, 65, 12, 16);
  connect(m_edZeit, &QLineEdit::textEdited, this, &LoopFields::edZeitEdited);
  connect(m_edZeit, &QLineEdit::editingFinished, this, &LoopFields::edZeitFinished);

  auto* lbDesc = new QLabel(QStringLiteral("Regelkreisbeschreibung"), parent);
  lbDesc->setGeometry(kLeft, 96, 200, 16);
  m_description = new QPlainTextEdit(parent);
  m_description->setObjectName("RKBeschreibung");
  m_description->setGeometry(kLeft, 114, 349, 220);
  connect(m_description, &QPlainTextEdit::textChanged, this, &LoopFields::descriptionChanged);
}

void LoopFields::refill(const core::Project& p) {
  m_refreshing = true;
  const int loop = p.CurrentLoop;
  const bool sameLoop = loop == m_filledLoop && &p == m_filledProject;
  const QString time = QString::number(p.LoopSampleTime[loop]);
  if (m_edZeit->text() != time && !(sameLoop && m_edZeit->hasFocus())) m_edZeit->setText(time);
  const QString text = fromCp1252(p.LoopText[loop]);
  if (m_description->toPlainText() != text && !(sameLoop && m_description->hasFocus()))
    m_description->setPlainText(text);
  m_filledLoop = loop;
  m_filledProject = &p;
  m_refreshing = false;
}

void LoopFields::showProject(const core::Project& p) {
  m_filledProject = nullptr;
  showLoop(p.CurrentLoop);
}

void LoopFields::showLoop(int loop) {
  m_refreshing = true;
  m_edNum->setText(QString::number(loop));
  m_upDown->setValue(loop);
  m_refreshing = false;
  markInvalid(m_edNum, false);
}

void LoopFields::edNumChanged() {
  if (m_refreshing) return;
  const auto result = m_editor.edNumChange(toUtf8(m_edNum->text()));
  markInvalid(m_edNum, !result.valid);
  m_refreshing = true;
  m_upDown->setValue(result.loop);
  m_refreshing = false;
}

void LoopFields::edZeitEdited() {
  const auto result = m_editor.edZeitChange(toUtf8(m_edZeit->text()));
  markInvalid(m_edZeit, result.state != core::Editor::SampleTimeState::Ok);
}

void LoopFields::edZeitFinished() {
  const QString before = m_edZeit->text();
  const auto result = m_editor.edZeitExit(toUtf8(before));
  if (result.state == core::Editor::SampleTimeState::NotANumber)
    m_reportError(fromUtf8(core::intConversionMessage(toUtf8(before))));
  markInvalid(m_edZeit, result.state == core::Editor::SampleTimeState::TooSmall);
  m_refreshing = true;
  m_edZeit->setText(fromUtf8(result.text));
  m_refreshing = false;
}

void LoopFields::descriptionChanged() {
  if (m_refreshing) return;
  m_editor.descriptionEdited(toCp1252(m_description->toPlainText()));
}

} // namespace veltra::gui
