#include "core/editor/editor.h"

#include "core/editor/grid_geometry.h"
#include "core/editor/hover_text.h"
#include "core/history/edit_history.h"
#include "core/model/connection_ops.h"
#include "core/model/module_ops.h"
#include "core/modules/catalogue.h"
#include "core/util/lenient_int.h"
#include "core/wiring/loop_wiring.h"
#include "core/wiring/wiring.h"

namespace veltra::core {

namespace {

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The rubber band starts in the middle of the source cell's right edge.
constexpr int kBandStartDy = 18;

} // namespace

Editor::Editor(Project& project, EditorHost& host)
    : m_p(&project), m_host(host), m_router(std::make_unique<TWiring>()) {}

Editor::~Editor() = default;

void Editor::setProject(Project& project) {
  endDrag();
  m_p = &project;
}

std::string Editor::moduleStep(int c, int r, const char* verb) const {
  const TCell& cell = m_p->cell(loop(), c, r);
  return std::string("Modul ") + static_cast<char>(cell.letter) + " " + verb;
}

bool Editor::selectionValid() const { return validCol(m_selCol) && validRow(m_selRow); }

TCell& Editor::selectedCell() { return m_p->cell(loop(), m_selCol, m_selRow); }

// ---------------------------------------------------------------- rebuild

void Editor::rebuildWiring() {
  BildeBelegung(*m_p, loop(), m_field);
  BildeWireArray(*m_p, loop(), m_field, *m_router);
}

void Editor::rebuild() {
  rebuildWiring();
  m_host.redraw();
}

// ---------------------------------------------------------------- tools

void Editor::toolButton(char code, bool isConnectButton, bool keepsRange) {
  if (isConnectButton) {
    m_wireState = m_wireState == WireState::RubberBand ? WireState::CancelPending : WireState::Idle;
    if (m_wireState == WireState::Idle) hideRubberBand();
  } else if (m_wireState == WireState::RubberBand) {
    m_wireState = WireState::CancelPending;
  }
  if (!keepsRange) m_rangeState = 0;
  m_tool = code;
  if (!tool::isSpare(code)) m_host.showHelp(code);
}

void Editor::click() {
  if (!selectionValid()) return;
  const int c = m_selCol, r = m_selRow;
  const TCell& cell = selectedCell();
  EditScope edit(m_history);
  switch (m_tool) {
  case tool::kText: {
    EditScope text(m_history, "Text ändern");
    m_host.openTextDialog(loop(), c, r);
    if (m_flags.showTexts) m_host.redraw();
    return;
  }
  case tool::kDataEntry:
    DatenEingabe(false);
    m_host.redraw();
    return;
  case tool::kDelete:
    if (cell.isEmpty()) return;
    if (m_host.askYesNo("Modul löschen?")) {
      EditScope del(m_history, moduleStep(c, r, "löschen"));
      deleteModule(*m_p, loop(), c, r);
      rebuild();
    }
    return;
  case tool::kBlockDelete:
    blockDeleteClick(c, r);
    return;
  case tool::kConnect:
    connectClick();
    return;
  case tool::kDisconnect:
    disconnectClick(c, r);
    return;
  default:
    if (cell.isEmpty()) placeClick(c, r);
    return;
  }
}

void Editor::placeClick(int c, int r) {
  m_p->Modified = true;
  if (!isLetter(m_tool)) return;
  EditScope edit(m_history, std::string("Modul ") + m_tool + " setzen");
  if (!placeModule(*m_p, loop(), c, r, m_tool)) return;
  rebuild();
  DatenEingabe(true);
  m_host.redraw();
}

void Editor::blockDeleteClick(int c, int r) {
  if (m_rangeState == 0) {
    m_rangeCol1 = c;
    m_rangeRow1 = r;
    m_rangeState = 1;
    m_host.redraw();
    return;
  }
  if (m_rangeState != 1) {
    m_rangeState = 0;
    return;
  }
  m_rangeCol2 = c;
  m_rangeRow2 = r;
  if (m_rangeCol2 < m_rangeCol1) std::swap(m_rangeCol1, m_rangeCol2);
  if (m_rangeRow2 < m_rangeRow1) std::swap(m_rangeRow1, m_rangeRow2);
  m_rangeState = 2;
  m_host.redraw();
  if (m_host.askYesNo("Bereich löschen?")) {
    EditScope edit(m_history, "Bereich löschen");
    for (int col = m_rangeCol1; col <= m_rangeCol2; ++col)
      for (int row = m_rangeRow1; row <= m_rangeRow2; ++row) {
        const TCell& cell = m_p->cell(loop(), col, row);
        if (cell.part != 1 || cell.isEmpty()) continue;
        deleteModule(*m_p, loop(), col, row);
        rebuildWiring();
      }
  }
  m_rangeState = 0;
  m_host.redraw();
}

void Editor::disconnectClick(int c, int r) {
  m_p->Modified = true;
  const TCell& cell = m_p->cell(loop(), c, r);
  EditScope edit(m_history, "Verbindungen löschen");
  if (m_pointerX % kCellPx < kInputHalfPx) {
    if (!m_host.askYesNo("Verbindungen dieses Eingangs löschen?")) return;
    const std::int32_t xe = cell.XE, ye = cell.YE;
    if (xe > 0) m_p->LoescheXE(loop(), xe, c, r);
    if (ye > 0) m_p->LoescheYE(loop(), ye, c, r);
  } else {
    if (!m_host.askYesNo("Verbindungen dieses Ausgangs löschen?")) return;
    const std::int32_t xa = cell.XA, ya = cell.YA;
    if (xa > 0) m_p->LoescheXA(loop(), xa);
    if (ya > 0) m_p->LoescheYA(loop(), ya);
  }
  rebuild();
}

void Editor::DatenEingabe(bool isNew) {
  if (!selectionValid()) return;
  if (!m_onlineMode) m_p->Modified = true;
  TCell& cell = selectedCell();
  const char letter = static_cast<char>(cell.letter);
  if (!isLetter(letter)) return;
  EditScope edit(m_history, moduleStep(m_selCol, m_selRow, "ändern"));
  if (isNew) createModuleDefaults(*m_p, cell);
  if (m_onlineMode) {
    // A module placed while online gets its defaults but no dialog: a
    // double click changes the controller's values, not parameters.
    if (!isNew) m_host.onlineDataEntry(loop(), m_selCol, m_selRow);
    return;
  }
  TCell& top = m_p->cell(loop(), m_selCol, topRowOf(cell, m_selRow));
  if (letter == 'F' && !isNew) m_p->takeConstantValue(top);
  m_host.openModuleDialog(letter);
  if (letter == 'F' && m_p->repairConstantNumber(top)) m_p->SetzeFWert(top.i32(0));
}

// ---------------------------------------------------------------- pointer

void Editor::mouseMove(int x, int y, bool leftHeld) {
  m_pointerX = x;
  m_pointerY = y;
  if (inGrid(x, y)) {
    const int c = x / kCellPx, r = y / kCellPx;
    if (m_selLeft < 0 || m_selTop < 0 || c != m_selLeft / kCellPx || r != m_selTop / kCellPx) {
      m_selLeft = cellPx(c);
      m_selTop = cellPx(r);
      m_selCol = c;
      m_selRow = r;
      updateHover();
    }
  }
  gestureStep(x, y, leftHeld);
}

void Editor::mouseUp() {
  // Releasing the button ends a drag where the module is; waiting for the
  // next movement would leave the step open and the module following it.
  if (m_wireState == WireState::Dragging) {
    m_wireState = WireState::Idle;
    endDrag();
  }
  if (selectionValid() && m_tool == tool::kDataEntry) m_host.redraw();
}

void Editor::leaveImage() {
  m_selLeft = -1;
  m_selTop = -1;
}

void Editor::updateHover() {
  HoverFlags f{m_flags.tipDescription, m_flags.tipParameters, m_flags.tipCrossRef};
  m_host.setHoverText(hoverText(*m_p, loop(), m_selCol, m_selRow, f));
}

// ---------------------------------------------------------------- gestures

void Editor::hideRubberBand() {
  if (!m_rubberVisible) return;
  m_rubberVisible = false;
  m_host.overlayChanged();
}

void Editor::cancelGesture() {
  if (m_wireState != WireState::Idle) hideRubberBand();
  m_wireState = WireState::Idle;
  endDrag();
}

void Editor::endDrag() {
  if (!m_dragEdit) return;
  m_dragEdit = false;
  if (m_history != nullptr) m_history->end();
}

void Editor::connectClick() {
  m_p->Modified = true;
  if (m_wireState == WireState::Idle)
    sourceStep(m_selCol, m_selRow);
  else
    destinationStep(m_selCol, m_selRow);
}

namespace {

// The module type and 1-based row of a cell, nullptr for an empty cell.
const ModuleType* typeAndRow(const TCell& cell, int& row) {
  row = cell.part >= 1 ? cell.part : 1;
  return moduleType(static_cast<char>(cell.letter));
}

} // namespace

void Editor::sourceStep(int c, int r) {
  m_wireSrcCol = c;
  m_wireSrcRow = r;
  m_wireSrcPoint = {outputPointX(c), pointY(r)};
  m_rubberStart = {cellPx(c + 1), cellPx(r) + kBandStartDy};
  const TCell& cell = m_p->cell(loop(), c, r);
  int row = 0;
  const ModuleType* type = typeAndRow(cell, row);
  if (type == nullptr) return;
  if (type->port(row, PortKind::XA) != nullptr) {
    m_wireNr = cell.XA >= 1 ? cell.XA : m_p->GetNextXNr(loop());
    m_wireAnalog = true;
  } else if (type->port(row, PortKind::YA) != nullptr) {
    m_wireNr = cell.YA >= 1 ? cell.YA : m_p->GetNextYNr(loop());
    m_wireAnalog = false;
  } else {
    return;
  }
  if (m_wireNr != 0 && validWire(m_wireNr)) m_wireState = WireState::SourceChosen;
}

void Editor::destinationStep(int c, int r) {
  m_wireDstCol = c;
  m_wireDstRow = r;
  m_wireDstPoint = {inputPointX(c), pointY(r)};
  const TCell& cell = m_p->cell(loop(), c, r);
  int row = 0;
  const ModuleType* type = typeAndRow(cell, row);
  if (type == nullptr || !type->hasInputs()) return; // the rubber band stays
  const PortDef* in = type->port(row, m_wireAnalog ? PortKind::XE : PortKind::YE);
  const std::int32_t field = m_wireAnalog ? cell.XE : cell.YE;
  m_wireState = (in != nullptr && field == 0) ? WireState::Accepted : WireState::CancelPending;
}

void Editor::gestureStep(int x, int y, bool leftHeld) {
  switch (m_wireState) {
  case WireState::Idle:
    if (m_tool == tool::kMove && leftHeld && selectionValid()) {
      const TCell& cell = selectedCell();
      if (cell.isEmpty() || !cell.isDrawable()) return;
      m_dragHeight = cell.height >= 1 && cell.height <= kMaxModuleHeight ? cell.height : 1;
      m_dragCol = m_selCol;
      m_dragRow = topRowOf(cell, m_selRow);
      if (m_dragRow + m_dragHeight > kRows) m_dragHeight = kRows - m_dragRow;
      for (int k = 0; k < m_dragHeight; ++k)
        m_dragBuffer[k] = m_p->cell(loop(), m_dragCol, m_dragRow + k);
      m_wireState = WireState::Dragging;
      // The whole drag is one step, however many cells it passes.
      if (m_history != nullptr && !m_dragEdit) {
        m_history->begin(moduleStep(m_dragCol, m_dragRow, "verschieben"));
        m_dragEdit = true;
      }
    }
    return;
  case WireState::SourceChosen:
  case WireState::RubberBand:
    m_rubberEnd = {x, y};
    m_rubberVisible = true;
    m_wireState = WireState::RubberBand;
    m_host.overlayChanged();
    return;
  case WireState::CancelPending:
    hideRubberBand();
    m_wireState = WireState::Idle;
    return;
  case WireState::Accepted: {
    EditScope edit(m_history, "Verbindung setzen");
    hideRubberBand();
    completeConnection();
    return;
  }
  case WireState::Dragging:
    if (!leftHeld) m_wireState = WireState::Idle;
    dragStep();
    if (m_wireState != WireState::Dragging) endDrag();
    return;
  default:
    m_wireState = WireState::Idle;
    return;
  }
}

void Editor::completeConnection() {
  m_wireState = WireState::Idle;
  if (!addDestination(*m_p, loop(), m_wireAnalog, m_wireNr, m_wireSrcCol, m_wireSrcRow, m_wireDstCol, m_wireDstRow))
    return;
  const std::uint8_t id = m_wireAnalog ? analogId(m_wireNr) : digitalId(m_wireNr);
  m_router->FindeWeg(m_field, m_wireSrcPoint.x, m_wireSrcPoint.y, m_wireDstPoint.x, m_wireDstPoint.y, id);
  m_host.redraw();
}

void Editor::dragStep() {
  if (!selectionValid()) return;
  if (m_selCol == m_dragCol && m_selRow == m_dragRow) return;
  if (!canMoveModule(*m_p, loop(), m_dragCol, m_dragRow, m_dragHeight, m_selCol, m_selRow)) return;
  moveModule(*m_p, loop(), m_dragBuffer.data(), m_dragHeight, m_dragCol, m_dragRow, m_selCol, m_selRow);
  m_dragCol = m_selCol;
  m_dragRow = m_selRow;
  rebuild();
}

// ---------------------------------------------------------------- keys

bool Editor::keyDown(EditorKey key, char ch) {
  switch (key) {
  case EditorKey::Character: {
    EditScope edit(m_history);
    m_tool = ch;
    click();
    return true;
  }
  case EditorKey::F1:
    if (selectionValid() && isLetter(static_cast<char>(selectedCell().letter)))
      m_host.showHelp(static_cast<char>(selectedCell().letter));
    else
      m_host.clearHelp();
    return false;
  case EditorKey::F2:
    DatenEingabe(false);
    m_host.redraw();
    return true;
  case EditorKey::F3:
    m_tool = tool::kDelete;
    click();
    return true;
  case EditorKey::Escape:
    cancelGesture();
    m_host.redraw();
    return true;
  case EditorKey::Delete: {
    EditScope edit(m_history, "Regelkreis leeren");
    m_p->clearLoop(loop());
    m_field = WireField{};
    m_host.redraw();
    return true;
  }
  case EditorKey::Other:
    return false;
  }
  return false;
}

// ---------------------------------------------------------------- fields

Editor::LoopNumberResult Editor::edNumChange(const std::string& text) {
  std::string trimmed = text;
  while (!trimmed.empty() && trimmed.back() == ' ')
    trimmed.pop_back();
  const std::int64_t n = lenientInt(trimmed);
  const bool valid = validLoop(static_cast<int>(n)) && n == static_cast<int>(n);
  m_p->CurrentLoop = valid ? static_cast<int>(n) : 1;
  m_host.loopChosen(m_p->CurrentLoop);
  rebuild();
  return {loop(), valid};
}

namespace {

std::int32_t roundDownTo10(std::int64_t v) { return static_cast<std::int32_t>(v - v % 10); }

std::string sampleTimeKey(int loop) { return "Abtastzeit " + std::to_string(loop); }

} // namespace

Editor::SampleTimeResult Editor::edZeitChange(const std::string& text) {
  std::int64_t v = 0;
  if (!strictInt(text, v)) return {SampleTimeState::NotANumber, text};
  if (v < 10) return {SampleTimeState::TooSmall, text};
  const std::int32_t stored = roundDownTo10(v);
  EditScope edit(m_history, "Abtastzeit ändern", sampleTimeKey(loop()));
  if (stored != m_p->LoopSampleTime[loop()]) {
    m_p->LoopSampleTime[loop()] = stored;
    m_p->Modified = true;
  }
  return {SampleTimeState::Ok, text};
}

Editor::SampleTimeResult Editor::edZeitExit(const std::string& text) {
  std::int64_t v = 0;
  if (!strictInt(text, v)) return {SampleTimeState::NotANumber, std::to_string(m_p->LoopSampleTime[loop()])};
  const bool tooSmall = v < 10;
  const std::int32_t stored = tooSmall ? 10 : roundDownTo10(v);
  EditScope edit(m_history, "Abtastzeit ändern", sampleTimeKey(loop()));
  if (stored != m_p->LoopSampleTime[loop()]) {
    m_p->LoopSampleTime[loop()] = stored;
    m_p->Modified = true;
  }
  return {tooSmall ? SampleTimeState::TooSmall : SampleTimeState::Ok, std::to_string(stored)};
}

void Editor::descriptionEdited(const std::string& text) {
  if (m_p->LoopText[loop()] == text) return;
  // Typing is one step per loop until something else happens.
  EditScope edit(m_history, "Beschreibung ändern", "Beschreibung " + std::to_string(loop()));
  m_p->LoopText[loop()] = text;
  m_p->Modified = true;
}

} // namespace veltra::core
