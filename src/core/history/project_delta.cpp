#include "core/history/project_delta.h"

#include <algorithm>
#include <cstring>

namespace veltra::core {

namespace {

template <typename T> bool sameBytes(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }

// Finds the change of the same record in `list` or appends `change`;
// an existing one keeps its before image and takes the new after image.
template <typename C, typename Same> void mergeInto(std::vector<C>& list, const C& change, Same same) {
  for (C& c : list)
    if (same(c, change)) {
      c.after = change.after;
      return;
    }
  list.push_back(change);
}

void applyHunk(std::vector<std::string>& list, std::size_t at, const std::vector<std::string>& remove,
               const std::vector<std::string>& insert) {
  const auto first = list.begin() + static_cast<std::ptrdiff_t>(std::min(at, list.size()));
  const auto last =
      first + static_cast<std::ptrdiff_t>(std::min(remove.size(), static_cast<std::size_t>(list.end() - first)));
  list.insert(list.erase(first, last), insert.begin(), insert.end());
}

// The hunks that turn `before` into `now`. Opening the text dialog takes an
// entry out and "Ok" appends one, so besides the common prefix and suffix
// one removed entry in the middle is recognised: the step then holds the
// two entries instead of the whole tail of the list.
std::vector<ProjectDelta::TextHunk> textHunks(const std::vector<std::string>& before,
                                              const std::vector<std::string>& now) {
  std::vector<ProjectDelta::TextHunk> hunks;
  if (before == now) return hunks;
  std::size_t pre = 0;
  while (pre < before.size() && pre < now.size() && before[pre] == now[pre])
    ++pre;
  // One entry removed at `pre`, the rest kept in order, something appended.
  if (pre < before.size() && now.size() + 1 >= before.size() &&
      std::equal(before.begin() + static_cast<std::ptrdiff_t>(pre + 1), before.end(),
                 now.begin() + static_cast<std::ptrdiff_t>(pre))) {
    hunks.push_back({pre, {before[pre]}, {}});
    const std::size_t kept = before.size() - 1;
    if (now.size() > kept) hunks.push_back({kept, {}, {now.begin() + static_cast<std::ptrdiff_t>(kept), now.end()}});
    return hunks;
  }
  std::size_t post = 0;
  while (post < before.size() - pre && post < now.size() - pre &&
         before[before.size() - 1 - post] == now[now.size() - 1 - post])
    ++post;
  hunks.push_back(
      {pre,
       {before.begin() + static_cast<std::ptrdiff_t>(pre), before.end() - static_cast<std::ptrdiff_t>(post)},
       {now.begin() + static_cast<std::ptrdiff_t>(pre), now.end() - static_cast<std::ptrdiff_t>(post)}});
  return hunks;
}

void diffWires(ProjectDelta& d, int loop, bool analog, Project::LoopWires& shadow, const Project::LoopWires& now) {
  if (sameBytes(shadow, now)) return;
  for (int n = 1; n <= kWires; ++n) {
    if (sameBytes(shadow[n], now[n])) continue;
    d.wires.push_back({static_cast<std::int16_t>(loop), static_cast<std::int8_t>(n), analog, shadow[n], now[n]});
    shadow[n] = now[n];
  }
}

void diffSignals(ProjectDelta& d, bool name, SignalTables& shadow, const SignalTables& now) {
  for (SignalGroup g : kAllGroups) {
    std::span<TSignalText> s = shadow.group(g);
    std::span<const TSignalText> t = now.group(g);
    if (std::memcmp(s.data(), t.data(), s.size_bytes()) == 0) continue;
    for (int n = 1; n <= groupSize(g); ++n) {
      if (sameBytes(s[n], t[n])) continue;
      d.signalTexts.push_back({g, name, static_cast<std::int16_t>(n), s[n], t[n]});
      s[n] = t[n];
    }
  }
}

TSignalText& signalOf(Project& p, const ProjectDelta::SignalChange& c) {
  return (c.name ? p.SignalName : p.SignalDesc).group(c.group)[static_cast<std::size_t>(c.n)];
}

std::size_t stringsBytes(const std::vector<std::string>& v) {
  std::size_t n = v.capacity() * sizeof(std::string);
  for (const std::string& s : v)
    n += s.capacity() > 15 ? s.capacity() + 1 : 0; // beyond the short-string buffer
  return n;
}

} // namespace

ProjectDelta takeDelta(Project& shadow, const Project& now) {
  ProjectDelta d;
  for (int loop = 1; loop <= kLoops; ++loop) {
    Project::LoopCells& sc = shadow.Cells[loop];
    const Project::LoopCells& nc = now.Cells[loop];
    if (!sameBytes(sc, nc)) {
      for (int c = 0; c < kCols; ++c)
        for (int r = 0; r < kRows; ++r) {
          if (sameBytes(sc[c][r], nc[c][r])) continue;
          d.cells.push_back({static_cast<std::int16_t>(loop), static_cast<std::int8_t>(c), static_cast<std::int8_t>(r),
                             sc[c][r], nc[c][r]});
          sc[c][r] = nc[c][r];
        }
    }
    diffWires(d, loop, true, shadow.XWires[loop], now.XWires[loop]);
    diffWires(d, loop, false, shadow.YWires[loop], now.YWires[loop]);
    if (shadow.LoopText[loop] != now.LoopText[loop]) {
      d.loopTexts.push_back({loop, shadow.LoopText[loop], now.LoopText[loop]});
      shadow.LoopText[loop] = now.LoopText[loop];
    }
    if (shadow.LoopSampleTime[loop] != now.LoopSampleTime[loop]) {
      d.sampleTimes.push_back({loop, shadow.LoopSampleTime[loop], now.LoopSampleTime[loop]});
      shadow.LoopSampleTime[loop] = now.LoopSampleTime[loop];
    }
  }
  diffSignals(d, false, shadow.SignalDesc, now.SignalDesc);
  diffSignals(d, true, shadow.SignalName, now.SignalName);
  // Bitwise, so that a NaN constant compares equal to itself.
  for (int n = 0; n <= kConstants; ++n)
    if (!sameBytes(shadow.FWert[n], now.FWert[n])) {
      d.constants.push_back({n, shadow.FWert[n], now.FWert[n]});
      shadow.FWert[n] = now.FWert[n];
    }
  if (!sameBytes(shadow.SwitchPrograms, now.SwitchPrograms))
    for (int prog = 1; prog <= kPrograms; ++prog)
      for (int pt = 1; pt <= kPointsPerProgram; ++pt) {
        TSwitchPoint& s = shadow.switchPoint(prog, pt);
        if (sameBytes(s, now.switchPoint(prog, pt))) continue;
        d.points.push_back({prog, pt, s, now.switchPoint(prog, pt)});
        s = now.switchPoint(prog, pt);
      }
  d.textHunks = textHunks(shadow.TextList, now.TextList);
  if (!d.textHunks.empty()) shadow.TextList = now.TextList;
  if (!sameBytes(shadow.ProjectData, now.ProjectData)) {
    d.projectData = ProjectDelta::ProjectDataChange{shadow.ProjectData, now.ProjectData};
    shadow.ProjectData = now.ProjectData;
  }
  return d;
}

bool ProjectDelta::empty() const {
  return cells.empty() && wires.empty() && loopTexts.empty() && sampleTimes.empty() && signalTexts.empty() &&
         constants.empty() && points.empty() && textHunks.empty() && !projectData;
}

std::size_t ProjectDelta::bytes() const {
  std::size_t n = sizeof *this;
  n += cells.capacity() * sizeof(CellChange) + wires.capacity() * sizeof(WireChange);
  n += loopTexts.capacity() * sizeof(LoopTextChange) + sampleTimes.capacity() * sizeof(SampleTimeChange);
  n += signalTexts.capacity() * sizeof(SignalChange) + constants.capacity() * sizeof(ConstantChange);
  n += points.capacity() * sizeof(PointChange) + textHunks.capacity() * sizeof(TextHunk);
  for (const LoopTextChange& t : loopTexts)
    n += t.before.capacity() + t.after.capacity();
  for (const TextHunk& h : textHunks)
    n += stringsBytes(h.removed) + stringsBytes(h.inserted);
  return n;
}

namespace {

// Writes the before (undo) or after (redo) image of every change.
template <bool Before> void writeImages(const ProjectDelta& d, Project& p) {
  auto image = [](const auto& change) -> const auto& {
    if constexpr (Before)
      return change.before;
    else
      return change.after;
  };
  for (const auto& c : d.cells)
    p.Cells[c.loop][c.col][c.row] = image(c);
  for (const auto& w : d.wires)
    (w.analog ? p.XWires : p.YWires)[w.loop][w.n] = image(w);
  for (const auto& t : d.loopTexts)
    p.LoopText[t.loop] = image(t);
  for (const auto& t : d.sampleTimes)
    p.LoopSampleTime[t.loop] = image(t);
  for (const auto& s : d.signalTexts)
    signalOf(p, s) = image(s);
  for (const auto& c : d.constants)
    p.FWert[c.n] = image(c);
  for (const auto& pt : d.points)
    p.switchPoint(pt.program, pt.point) = image(pt);
  if (d.projectData) p.ProjectData = image(*d.projectData);
}

} // namespace

void ProjectDelta::undo(Project& p) const {
  writeImages<true>(*this, p);
  for (auto h = textHunks.rbegin(); h != textHunks.rend(); ++h)
    applyHunk(p.TextList, h->at, h->inserted, h->removed);
}

void ProjectDelta::redo(Project& p) const {
  writeImages<false>(*this, p);
  for (const TextHunk& h : textHunks)
    applyHunk(p.TextList, h.at, h.removed, h.inserted);
}

void ProjectDelta::merge(const ProjectDelta& later) {
  for (const CellChange& c : later.cells)
    mergeInto(cells, c, [](const CellChange& a, const CellChange& b) {
      return a.loop == b.loop && a.col == b.col && a.row == b.row;
    });
  for (const WireChange& w : later.wires)
    mergeInto(wires, w, [](const WireChange& a, const WireChange& b) {
      return a.loop == b.loop && a.n == b.n && a.analog == b.analog;
    });
  for (const LoopTextChange& t : later.loopTexts)
    mergeInto(loopTexts, t, [](const LoopTextChange& a, const LoopTextChange& b) { return a.loop == b.loop; });
  for (const SampleTimeChange& t : later.sampleTimes)
    mergeInto(sampleTimes, t, [](const SampleTimeChange& a, const SampleTimeChange& b) { return a.loop == b.loop; });
  for (const SignalChange& s : later.signalTexts)
    mergeInto(signalTexts, s, [](const SignalChange& a, const SignalChange& b) {
      return a.group == b.group && a.name == b.name && a.n == b.n;
    });
  for (const ConstantChange& c : later.constants)
    mergeInto(constants, c, [](const ConstantChange& a, const ConstantChange& b) { return a.n == b.n; });
  for (const PointChange& pt : later.points)
    mergeInto(points, pt,
              [](const PointChange& a, const PointChange& b) { return a.program == b.program && a.point == b.point; });
  textHunks.insert(textHunks.end(), later.textHunks.begin(), later.textHunks.end());
  if (later.projectData) {
    if (projectData)
      projectData->after = later.projectData->after;
    else
      projectData = later.projectData;
  }
}

std::vector<int> ProjectDelta::loops() const {
  std::vector<int> out;
  for (const CellChange& c : cells)
    out.push_back(c.loop);
  for (const WireChange& w : wires)
    out.push_back(w.loop);
  for (const LoopTextChange& t : loopTexts)
    out.push_back(t.loop);
  for (const SampleTimeChange& t : sampleTimes)
    out.push_back(t.loop);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

} // namespace veltra::core
