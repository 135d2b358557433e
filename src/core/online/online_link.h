#pragma once

#include "core/compiler/module_table.h"
#include "core/model/project.h"
#include "core/online/block_attach.h"

#include <optional>
#include <string>

namespace veltra::core {

// The enabled state of the online buttons of the main window.
struct LinkButtons {
  bool btDebug = true;
  bool btDStop = false;
  bool btnSUhr = false;
  bool btMessen = true;
  bool btMStop = false;

  friend bool operator==(const LinkButtons&, const LinkButtons&) = default;
};

// What a start did. `message` is for the engineer (German, UTF-8), empty
// when there is nothing to say.
struct LinkStart {
  bool started = false;
  std::string message;
  std::string intervalText; // a measurement start: the new text of edMesszeit, empty to leave it
};

// What one 500 ms tick asks of the window, in this order.
struct LinkTick {
  bool redraw = false;    // OnlineMode: ZeichneAlles with live values
  bool writeRows = false; // MeasuringMode and the interval is over: the five rows
};

// "Checksum nicht identisch " + the tool's four words + "-" + the block's
// four words, each group separated by blanks, each word signed decimal.
std::string checksumMismatchMessage(const TableChecksum& tool, const TableChecksum& block);

// The measurement interval from the text of edMesszeit: a decimal integer,
// below 1 taken as 60. `text` is its decimal form ("007" -> "7", "0" ->
// "60"); a text that is no integer gives no interval and the conversion
// message.
struct IntervalText {
  std::optional<std::int32_t> interval;
  std::string text;
  std::string error;
};
IntervalText measureIntervalFromText(const std::string& text);

// The link to the communication server: attachment (at most once per
// link), checksum handshake, the two modes and the tick of ComTimer. The
// window turns its buttons and timer into these calls; the timer runs
// exactly while comTimerRunning() says so.
class OnlineLink {
public:
  static constexpr int kComTimerInterval = 500; // ms

  explicit OnlineLink(BlockAttacher& attacher, std::string blockName = kDefaultBlockName);

  // "Debug": attach, handshake, OnlineMode. The caller sets the editor's
  // tool to data entry when it started.
  LinkStart DebugClick(Project& project, ModuleTable& table, int dataMemorySize);
  void DStopClick();
  // "Messen" after the folder was chosen and stored: the interval from the
  // text of edMesszeit (a text that is no integer ends the start with its
  // message), TickCount := 0, then attach, handshake, MeasuringMode.
  LinkStart startMeasuring(Project& project, ModuleTable& table, int dataMemorySize, const std::string& intervalText);
  void btMStopClick();
  // ComTimerTimer.
  LinkTick ComTimerTimer();

  // edMesszeitChange: a valid text takes effect at the next tick, without
  // resetting TickCount; the result tells what the field should show.
  IntervalText edMesszeitChange(const std::string& text);
  std::int32_t MeasureInterval() const { return m_measureInterval; }
  std::int32_t TickCount() const { return m_tickCount; }

  // Another loop becomes current: while attached, its connection slots are
  // cleared, so that the server fills them for the loop now shown.
  void loopChanged(int loop);
  // "SUhr": the controller's time switch programs over the project's, when
  // online. Does not set Modified. True when copied.
  bool btnSUhrClick(Project& project) const;

  bool attached() const { return m_view.valid(); }
  // The mapped block, nullptr before the first successful attachment.
  ServerBlock* ServerView() { return m_view.valid() ? &m_view : nullptr; }
  const ServerBlock* ServerView() const { return m_view.valid() ? &m_view : nullptr; }
  const std::string& blockName() const { return m_blockName; }
  bool OnlineMode() const { return m_onlineMode; }
  bool MeasuringMode() const { return m_measuringMode; }
  bool comTimerRunning() const { return m_onlineMode || m_measuringMode; }
  LinkButtons buttons() const;

private:
  // Attachment and handshake; nullopt on success, else what to tell.
  std::optional<LinkStart> attachAndHandshake(Project& project, ModuleTable& table, int dataMemorySize);

  BlockAttacher& m_attacher;
  std::string m_blockName;
  ServerBlock m_view;
  bool m_onlineMode = false;
  bool m_measuringMode = false;
  std::int32_t m_tickCount = 0;
  std::int32_t m_measureInterval = 60;
};

} // namespace veltra::core
