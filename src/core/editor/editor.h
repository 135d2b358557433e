#pragma once

#include "core/editor/editor_host.h"
#include "core/model/project.h"
#include "core/wiring/wire_field.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace veltra::core {

class TWiring;
class EditHistory;

// Tool codes besides the module letters.
namespace tool {
inline constexpr char kConnect = '0';
inline constexpr char kDisconnect = '1';
inline constexpr char kMove = '2';
inline constexpr char kText = '7';
inline constexpr char kBlockDelete = '9';
inline constexpr char kDataEntry = '+';
inline constexpr char kDelete = '#';
// Buttons that choose a code but have no action on the grid and no help.
inline constexpr char kSpare3 = '3';
inline constexpr char kSpare6 = '6';
inline constexpr char kSpare8 = '8';
inline constexpr bool isSpare(char code) { return code == kSpare3 || code == kSpare6 || code == kSpare8; }
} // namespace tool

// Keys the editor reacts to while the pointer is over the grid.
enum class EditorKey { Character, F1, F2, F3, Escape, Delete, Other };

// The state of the connection and drag gestures (`WireState`).
enum class WireState : std::uint8_t {
  Idle = 0,
  SourceChosen = 1,  // an output was clicked; the next movement shows the band
  RubberBand = 2,    // the band follows the pointer
  CancelPending = 3, // the next movement ends the gesture
  Accepted = 4,      // an input was clicked; the next movement connects
  Dragging = 10
};

struct Point {
  int x = 0;
  int y = 0;
};

// The diagram editor of the shown control loop: tool model, click actions,
// gestures, keys and the loop fields, on the project model. It owns the
// router's field of the shown loop and keeps it current; drawing and
// questions go through the host.
class Editor {
public:
  Editor(Project& project, EditorHost& host);
  ~Editor();
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // Another project object took the place of the old one (after loading).
  void setProject(Project& project);
  Project& project() { return *m_p; }
  // The undo history every change of the editor is recorded in; null
  // records nothing. Each entry point below that can change the model runs
  // as one edit of it, a drag from its start to its end.
  void setHistory(EditHistory* history) { m_history = history; }

  // --- the tool model ---
  // A toolbar button: `isConnectButton` for the connect tool's own button,
  // `keepsRange` for the one button that leaves a block selection alone.
  void toolButton(char code, bool isConnectButton = false, bool keepsRange = false);
  // The click action on the cell under the pointer (Image1DblClick).
  void click();
  // Pointer movement over the grid (PBMouseOver), in image pixels.
  void mouseMove(int x, int y, bool leftButtonHeld);
  void mouseUp();
  // The pointer left the grid over the window.
  void leaveImage();
  // A key while the pointer is over the grid; `ch` is the upper-case letter
  // or digit for EditorKey::Character. True when the key was consumed.
  bool keyDown(EditorKey key, char ch = 0);
  // Data entry of the selected cell's module.
  void DatenEingabe(bool isNew);

  // --- the loop fields ---
  struct LoopNumberResult {
    int loop;
    bool valid; // false: the field shows red and loop 1 is used
  };
  LoopNumberResult edNumChange(const std::string& text);
  enum class SampleTimeState { Ok, TooSmall, NotANumber };
  struct SampleTimeResult {
    SampleTimeState state;
    std::string text; // what the field should show (unchanged while typing)
  };
  // While typing: stores a valid value (rounded down to a multiple of 10),
  // never rewrites the text.
  SampleTimeResult edZeitChange(const std::string& text);
  // On leaving the field: the text becomes the stored value; below 10 gives 10.
  SampleTimeResult edZeitExit(const std::string& text);
  // The engineer edited the description (a refill by the program is not an edit).
  void descriptionEdited(const std::string& text);

  // --- rebuild ---
  // BildeBelegung + BildeWireArray of the shown loop, then the redraw.
  void rebuild();
  // The field alone, without redraw.
  void rebuildWiring();
  const WireField& wireField() const { return m_field; }

  // --- state read by the window ---
  char currentTool() const { return m_tool; }
  // CurrentTool without a toolbar click (the debug start chooses data entry).
  void setCurrentTool(char code) { m_tool = code; }
  int selCol() const { return m_selCol; }
  int selRow() const { return m_selRow; }
  int rangeState() const { return m_rangeState; }
  int rangeCol1() const { return m_rangeCol1; }
  int rangeRow1() const { return m_rangeRow1; }
  int rangeCol2() const { return m_rangeCol2; }
  int rangeRow2() const { return m_rangeRow2; }
  WireState wireState() const { return m_wireState; }
  // The rubber band to draw over the picture, if any.
  bool rubberBandVisible() const { return m_rubberVisible; }
  Point rubberStart() const { return m_rubberStart; }
  Point rubberEnd() const { return m_rubberEnd; }
  bool onlineMode() const { return m_onlineMode; }
  void setOnlineMode(bool on) { m_onlineMode = on; }
  // Display flags that decide the hover text and the text redraw.
  struct Flags {
    bool tipDescription = false;
    bool tipParameters = false;
    bool tipCrossRef = false;
    bool showTexts = true;
  };
  void setFlags(const Flags& f) { m_flags = f; }
  const Flags& flags() const { return m_flags; }

  // Cancels a gesture in progress (Esc).
  void cancelGesture();

private:
  void updateHover();
  void gestureStep(int x, int y, bool leftHeld);
  void connectClick();
  void sourceStep(int c, int r);
  void destinationStep(int c, int r);
  void completeConnection();
  void dragStep();
  void blockDeleteClick(int c, int r);
  void disconnectClick(int c, int r);
  void placeClick(int c, int r);
  void hideRubberBand();
  void endDrag();
  // "Modul R <verb>" for the module owning (c, r) of the current loop.
  std::string moduleStep(int c, int r, const char* verb) const;
  bool selectionValid() const;
  // The loop shown: every model operation gets it as its argument.
  int loop() const { return m_p->CurrentLoop; }
  TCell& selectedCell();

  Project* m_p;
  EditorHost& m_host;
  EditHistory* m_history = nullptr;
  bool m_dragEdit = false; // the drag's edit is open
  WireField m_field;
  std::unique_ptr<TWiring> m_router;
  Flags m_flags;
  bool m_onlineMode = false;

  char m_tool = 0;
  int m_selCol = -1, m_selRow = -1, m_selLeft = -1, m_selTop = -1;
  int m_pointerX = 0, m_pointerY = 0;
  int m_rangeState = 0;
  int m_rangeCol1 = 0, m_rangeRow1 = 0, m_rangeCol2 = 0, m_rangeRow2 = 0;

  WireState m_wireState = WireState::Idle;
  int m_wireNr = 0;
  bool m_wireAnalog = true;
  int m_wireSrcCol = 0, m_wireSrcRow = 0, m_wireDstCol = 0, m_wireDstRow = 0;
  Point m_wireSrcPoint, m_wireDstPoint;
  Point m_rubberStart, m_rubberEnd;
  bool m_rubberVisible = false;
  int m_dragCol = 0, m_dragRow = 0, m_dragHeight = 0;
  std::array<TCell, kMaxModuleHeight> m_dragBuffer{};
};

} // namespace veltra::core
