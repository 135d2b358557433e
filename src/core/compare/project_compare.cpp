#include "core/compare/project_compare.h"

#include "core/editor/text_annotations.h"
#include "core/modules/catalogue.h"
#include "core/modules/time_switch.h"
#include "core/util/cp1252.h"
#include "core/util/number_format.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace veltra::core {

namespace {

using Kind = ProjectDifference::Kind;

std::string inQuotes(std::string_view cp1252) { return "\"" + cp1252ToUtf8(cp1252) + "\""; }

// As the window numbers the grid: columns and rows from 1.
std::string at(int col, int row) { return "(" + std::to_string(col + 1) + ", " + std::to_string(row + 1) + ")"; }

std::string moduleAt(char letter, int col, int row) { return std::string(1, letter) + " " + at(col, row); }

// A module as its top cell shows it.
struct Module {
  int col, row;
  const TCell* top;
  const ModuleType* type;
};

std::vector<Module> modulesOf(const Project& p, int loop) {
  std::vector<Module> out;
  for (int c = 0; c < kCols; ++c)
    for (int r = 0; r < kRows; ++r) {
      const TCell& cell = p.cell(loop, c, r);
      if (cell.part != 1) continue;
      if (const ModuleType* t = moduleType(static_cast<char>(cell.letter))) out.push_back({c, r, &cell, t});
    }
  return out;
}

bool sameField(const TCell& a, const TCell& b, const ParamDef& f) {
  const std::size_t size = f.type == FieldType::F64 ? 8 : f.type == FieldType::I32 ? 4 : 1;
  return std::memcmp(a.params + f.offset, b.params + f.offset, size) == 0;
}

std::string fieldText(const Module& m, const TCell& c, const ParamDef& f) {
  switch (f.type) {
  case FieldType::I32:
    return std::to_string(c.i32(f.offset));
  case FieldType::U8:
    return std::to_string(c.u8(f.offset));
  case FieldType::F64:
    break;
  }
  const double v = c.f64(f.offset);
  // The limits of G and Z may name a constant or an auxiliary signal.
  const bool limit = (m.type->letter == 'G' && f.offset <= 8) || (m.type->letter == 'Z' && f.offset >= 8);
  if (limit) {
    const std::string ref = limitReferenceText(v);
    if (!ref.empty()) return ref;
  }
  return formatGeneral(v);
}

bool sameModuleContent(const Module& a, const Module& b) {
  if (a.type != b.type || a.top->text.view() != b.top->text.view()) return false;
  for (const ParamDef& f : a.type->params)
    if (!sameField(*a.top, *b.top, f)) return false;
  return true;
}

class Comparer {
public:
  Comparer(const Project& a, const Project& b) : m_a(a), m_b(b), m_textsA(textsByLoop(a)), m_textsB(textsByLoop(b)) {}

  std::vector<ProjectDifference> run() {
    for (int loop = 1; loop <= kLoops; ++loop)
      compareLoop(loop);
    compareSignals();
    comparePoints();
    compareConstants();
    compareProjectData();
    return std::move(m_out);
  }

private:
  void add(Kind kind, int loop, std::string where, std::string subject, std::string before, std::string after,
           std::string text) {
    m_out.push_back(
        {kind, loop, std::move(where), std::move(subject), std::move(before), std::move(after), std::move(text)});
  }

  void compareLoop(int loop) {
    // Cell of `a` -> cell of `b` for the modules that moved, row by row.
    std::map<std::pair<int, int>, std::pair<int, int>> moved;
    compareModules(loop, moved);
    compareConnections(loop, true, moved);
    compareConnections(loop, false, moved);
    compareTexts(loop);
    if (m_a.LoopText[loop] != m_b.LoopText[loop])
      add(Kind::Description, loop, {}, {}, cp1252ToUtf8(m_a.LoopText[loop]), cp1252ToUtf8(m_b.LoopText[loop]),
          "Beschreibung " + inQuotes(m_a.LoopText[loop]) + " → " + inQuotes(m_b.LoopText[loop]));
    if (m_a.LoopSampleTime[loop] != m_b.LoopSampleTime[loop]) {
      const std::string before = std::to_string(m_a.LoopSampleTime[loop]);
      const std::string after = std::to_string(m_b.LoopSampleTime[loop]);
      add(Kind::SampleTime, loop, {}, {}, before, after, "Abtastzeit " + before + " → " + after);
    }
  }

  void compareModules(int loop, std::map<std::pair<int, int>, std::pair<int, int>>& moved) {
    std::vector<Module> olds = modulesOf(m_a, loop), news = modulesOf(m_b, loop);
    std::vector<bool> oldMatched(olds.size()), newMatched(news.size());
    for (std::size_t i = 0; i < olds.size(); ++i)
      for (std::size_t j = 0; j < news.size(); ++j)
        if (!newMatched[j] && olds[i].col == news[j].col && olds[i].row == news[j].row &&
            olds[i].type == news[j].type) {
          oldMatched[i] = newMatched[j] = true;
          compareModule(loop, olds[i], news[j]);
          break;
        }
    for (std::size_t i = 0; i < olds.size(); ++i) {
      if (oldMatched[i]) continue;
      for (std::size_t j = 0; j < news.size(); ++j)
        if (!newMatched[j] && sameModuleContent(olds[i], news[j])) {
          oldMatched[i] = newMatched[j] = true;
          const Module &o = olds[i], &n = news[j];
          for (int k = 0; k < o.top->height && k < kMaxModuleHeight; ++k)
            moved[{o.col, o.row + k}] = {n.col, n.row + k};
          add(Kind::ModuleMoved, loop, moduleAt(o.type->letter, o.col, o.row), {}, at(o.col, o.row), at(n.col, n.row),
              "Modul " + std::string(1, o.type->letter) + " von " + at(o.col, o.row) + " nach " + at(n.col, n.row) +
                  " verschoben");
          break;
        }
    }
    for (std::size_t i = 0; i < olds.size(); ++i)
      if (!oldMatched[i]) moduleLine(Kind::ModuleRemoved, loop, olds[i], "entfernt");
    for (std::size_t j = 0; j < news.size(); ++j)
      if (!newMatched[j]) moduleLine(Kind::ModuleAdded, loop, news[j], "hinzugefügt");
  }

  void moduleLine(Kind kind, int loop, const Module& m, const char* verb) {
    const std::string where = moduleAt(m.type->letter, m.col, m.row);
    std::string text = "Modul " + where + " " + verb;
    if (!m.top->text.empty()) text += ": " + inQuotes(m.top->text.view());
    add(kind, loop, where, {}, {}, {}, text);
  }

  void compareModule(int loop, const Module& o, const Module& n) {
    const std::string where = moduleAt(o.type->letter, o.col, o.row);
    for (const ParamDef& f : o.type->params) {
      if (sameField(*o.top, *n.top, f)) continue;
      const std::string before = fieldText(o, *o.top, f), after = fieldText(n, *n.top, f);
      add(Kind::Parameter, loop, where, std::string(f.name), before, after,
          "Modul " + where + ": " + std::string(f.name) + " " + before + " → " + after);
    }
    if (o.top->text.view() != n.top->text.view())
      add(Kind::ModuleText, loop, where, "Text", cp1252ToUtf8(o.top->text.view()), cp1252ToUtf8(n.top->text.view()),
          "Modul " + where + ": Text " + inQuotes(o.top->text.view()) + " → " + inQuotes(n.top->text.view()));
  }

  using Edge = std::tuple<int, int, int, int>; // source column, row, destination column, row

  static std::set<Edge> edgesOf(const Project& p, int loop, bool analog,
                                const std::map<std::pair<int, int>, std::pair<int, int>>* moved) {
    auto place = [&](int c, int r) {
      if (moved != nullptr)
        if (auto it = moved->find({c, r}); it != moved->end()) return it->second;
      return std::pair{c, r};
    };
    std::set<Edge> edges;
    const Project::LoopWires& wires = analog ? p.XWires[loop] : p.YWires[loop];
    for (int n = 1; n <= kWires; ++n) {
      const TWire& w = wires[n];
      if (w.isFree() || !validCol(w.src.col) || !validRow(w.src.row)) continue;
      const auto [sc, sr] = place(w.src.col, w.src.row);
      for (const TWireEnd& d : w.dest) {
        if (!validCol(d.col) || !validRow(d.row)) continue;
        const auto [dc, dr] = place(d.col, d.row);
        edges.insert({sc, sr, dc, dr});
      }
    }
    return edges;
  }

  void compareConnections(int loop, bool analog, const std::map<std::pair<int, int>, std::pair<int, int>>& moved) {
    const std::set<Edge> olds = edgesOf(m_a, loop, analog, &moved), news = edgesOf(m_b, loop, analog, nullptr);
    std::vector<Edge> removed, added;
    std::set_difference(olds.begin(), olds.end(), news.begin(), news.end(), std::back_inserter(removed));
    std::set_difference(news.begin(), news.end(), olds.begin(), olds.end(), std::back_inserter(added));
    // Positions of `removed` are already those of `b`; the letters come from
    // the project that holds the connection.
    connectionLines(Kind::ConnectionRemoved, loop, analog, removed, &moved);
    connectionLines(Kind::ConnectionAdded, loop, analog, added, nullptr);
  }

  // `moved` is given for connections of `a` (whose moved ends were carried
  // to their places in `b`), null for those of `b`.
  void connectionLines(Kind kind, int loop, bool analog, const std::vector<Edge>& edges,
                       const std::map<std::pair<int, int>, std::pair<int, int>>* moved) {
    auto letterAt = [&](int c, int r) {
      if (moved == nullptr) return static_cast<char>(m_b.cell(loop, c, r).letter);
      for (const auto& [from, to] : *moved)
        if (to == std::pair{c, r}) return static_cast<char>(m_a.cell(loop, from.first, from.second).letter);
      return static_cast<char>(m_a.cell(loop, c, r).letter);
    };
    const char* kindText = analog ? "analog" : "digital";
    for (std::size_t i = 0; i < edges.size();) {
      const int sc = std::get<0>(edges[i]), sr = std::get<1>(edges[i]);
      const std::string source = moduleAt(letterAt(sc, sr), sc, sr);
      std::string dests;
      std::size_t j = i;
      for (; j < edges.size() && std::get<0>(edges[j]) == sc && std::get<1>(edges[j]) == sr; ++j) {
        const auto [c, r, dc, dr] = edges[j];
        dests += (j == i ? "" : ", ") + moduleAt(letterAt(dc, dr), dc, dr);
      }
      const bool added = kind == Kind::ConnectionAdded;
      add(kind, loop, source, kindText, added ? std::string() : dests, added ? dests : std::string(),
          std::string("Verbindung ") + kindText + " von " + source + " nach " + dests +
              (added ? " hinzugefügt" : " entfernt"));
      i = j;
    }
  }

  using CellTexts = std::map<std::pair<int, int>, std::array<std::string, 3>>;

  // The free texts of every loop, read once for all loops.
  static std::map<int, CellTexts> textsByLoop(const Project& p) {
    std::map<int, CellTexts> out;
    for (const std::string& entry : p.TextList) {
      const TextAnnotation t = parseTextEntry(entry);
      // The first entry of a cell is the one drawn and edited.
      if (validLoop(t.loop) && validCol(t.col) && validRow(t.row)) out[t.loop].try_emplace({t.col, t.row}, t.lines);
    }
    return out;
  }

  static std::string linesText(const std::array<std::string, 3>& lines) {
    std::string s;
    for (const std::string& l : lines)
      if (!l.empty()) s += (s.empty() ? "" : " / ") + cp1252ToUtf8(l);
    return "\"" + s + "\"";
  }

  void compareTexts(int loop) {
    static const CellTexts kNone;
    const auto inA = m_textsA.find(loop), inB = m_textsB.find(loop);
    if (inA == m_textsA.end() && inB == m_textsB.end()) return;
    const CellTexts& olds = inA == m_textsA.end() ? kNone : inA->second;
    const CellTexts& news = inB == m_textsB.end() ? kNone : inB->second;
    for (const auto& [cell, lines] : olds) {
      const std::string where = at(cell.first, cell.second);
      auto it = news.find(cell);
      if (it == news.end())
        add(Kind::TextRemoved, loop, where, {}, linesText(lines), {},
            "Text " + where + " entfernt: " + linesText(lines));
      else if (it->second != lines)
        add(Kind::TextChanged, loop, where, {}, linesText(lines), linesText(it->second),
            "Text " + where + " " + linesText(lines) + " → " + linesText(it->second));
    }
    for (const auto& [cell, lines] : news)
      if (!olds.contains(cell)) {
        const std::string where = at(cell.first, cell.second);
        add(Kind::TextAdded, loop, where, {}, {}, linesText(lines),
            "Text " + where + " hinzugefügt: " + linesText(lines));
      }
  }

  void compareSignals() {
    for (const bool name : {false, true})
      for (SignalGroup g : kAllGroups) {
        if (name && g == SignalGroup::S) continue;
        const SignalTables& ta = name ? m_a.SignalName : m_a.SignalDesc;
        const SignalTables& tb = name ? m_b.SignalName : m_b.SignalDesc;
        for (int n = 1; n <= groupSize(g); ++n) {
          const std::string_view va = ta.at(g, n)->view(), vb = tb.at(g, n)->view();
          if (va == vb) continue;
          const std::string subject = groupLetter(g) + std::to_string(n);
          add(name ? Kind::SignalName : Kind::SignalDescription, 0, {}, subject, cp1252ToUtf8(va), cp1252ToUtf8(vb),
              std::string(name ? "Signalname " : "Signal ") + subject + " " + inQuotes(va) + " → " + inQuotes(vb));
        }
      }
  }

  static std::string pointText(const TSwitchPoint& p) { return p.used() ? BuildTimeString(p) : "(frei)"; }

  void comparePoints() {
    for (int prog = 1; prog <= kPrograms; ++prog)
      for (int pt = 1; pt <= kPointsPerProgram; ++pt) {
        const TSwitchPoint &a = m_a.switchPoint(prog, pt), &b = m_b.switchPoint(prog, pt);
        if (std::memcmp(&a, &b, sizeof a) == 0) continue;
        const std::string subject = "Schaltuhr " + std::to_string(prog) + " Punkt " + std::to_string(pt);
        std::string before = pointText(a), after = pointText(b);
        // Padding bytes alone: still a difference of the stored files.
        if (before == after) after += " (andere Füllbytes)";
        add(Kind::SwitchPoint, 0, {}, subject, before, after, subject + ": " + before + " → " + after);
      }
  }

  void compareConstants() {
    for (int n = 1; n <= kConstants; ++n) {
      if (std::memcmp(&m_a.FWert[n], &m_b.FWert[n], sizeof(double)) == 0) continue;
      const std::string before = formatGeneral(m_a.FWert[n]), after = formatGeneral(m_b.FWert[n]);
      const std::string subject = "Konstante " + std::to_string(n);
      add(Kind::Constant, 0, {}, subject, before, after, subject + ": " + before + " → " + after);
    }
  }

  void compareProjectData() {
    const TProjectData &a = m_a.ProjectData, &b = m_b.ProjectData;
    auto field = [&](const char* label, auto TProjectData::*member) {
      const std::string_view va = (a.*member).view(), vb = (b.*member).view();
      if (va == vb) return;
      add(Kind::ProjectData, 0, {}, label, cp1252ToUtf8(va), cp1252ToUtf8(vb),
          std::string("Projektdaten ") + label + " " + inQuotes(va) + " → " + inQuotes(vb));
    };
    field("Projektname", &TProjectData::projectName);
    field("Projektbezeichnung", &TProjectData::designation);
    field("Bearbeiter", &TProjectData::engineer);
    field("Datum", &TProjectData::date);
    field("Kundenname", &TProjectData::customer);
    field("Strasse/Nr.", &TProjectData::street);
    field("Plz", &TProjectData::postalCode);
    field("Ort", &TProjectData::town);
  }

  const Project& m_a;
  const Project& m_b;
  std::map<int, CellTexts> m_textsA, m_textsB;
  std::vector<ProjectDifference> m_out;
};

} // namespace

std::string kindName(ProjectDifference::Kind kind) {
  static const char* const kNames[] = {
      "module_added",       "module_removed", "module_moved", "parameter",    "module_text", "connection_added",
      "connection_removed", "text_added",     "text_removed", "text_changed", "description", "sample_time",
      "signal_description", "signal_name",    "switch_point", "constant",     "project_data"};
  return kNames[static_cast<int>(kind)];
}

std::vector<ProjectDifference> compareProjects(const Project& a, const Project& b) { return Comparer(a, b).run(); }

std::string formatDifferences(const std::vector<ProjectDifference>& diffs) {
  if (diffs.empty()) return "Keine Unterschiede.\n";
  std::string out;
  int shown = -1;
  for (const ProjectDifference& d : diffs) {
    if (d.loop != shown) {
      shown = d.loop;
      out += d.loop == 0 ? "Projekt:\n" : "Regelkreis " + std::to_string(d.loop) + ":\n";
    }
    out += "  " + d.text + "\n";
  }
  return out;
}

} // namespace veltra::core
