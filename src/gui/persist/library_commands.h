#pragma once

namespace veltra::gui {

class Session;

// "Library laden" and "Library speichern": a module library file into or
// from the loop the editor shows.
class LibraryCommands {
public:
  explicit LibraryCommands(Session& session) : m_session(session) {}

  // Only into an empty loop; otherwise a message says why.
  void Libraryladen1Click();
  void Libraryspeichern1Click();

private:
  Session& m_session;
};

} // namespace veltra::gui
