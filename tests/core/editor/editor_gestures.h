#pragma once

#include "core/editor/editor.h"

namespace veltra::core {

// Pointer gestures in grid cells (35 px each), sent as the window would send
// them. A fixture with a member `ed` derives from EditorGestures<Fixture>.
template <class Fixture> class EditorGestures {
public:
  // Moves the pointer to the middle of a cell (or to a given pixel in it).
  void pointAt(int col, int row, int dx = 17, int dy = 17, bool held = false) {
    editor().mouseMove(35 * col + dx, 35 * row + dy, held);
  }
  void clickAt(int col, int row, int dx = 17) { pointAt(col, row, dx), editor().click(); }
  void place(char letter, int col, int row) { editor().toolButton(letter), clickAt(col, row); }
  // One connect gesture; the next movement completes it.
  void connect(int fromCol, int fromRow, int toCol, int toRow) {
    clickAt(fromCol, fromRow);
    pointAt(fromCol + 1, fromRow);
    clickAt(toCol, toRow);
    pointAt(toCol, toRow, 20);
  }

private:
  Editor& editor() { return static_cast<Fixture*>(this)->ed; }
};

} // namespace veltra::core
