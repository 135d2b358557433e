#pragma once

#include "core/model/project.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veltra::core {

// The places of every module of type `letter` whose signal number (first i32
// of params, as absolute value) is `number`: "  R<loop>: Z<row+1> S<col+1>"
// per place, in the order loop, column, row. One scan of the project; for
// many questions build a CrossReference instead.
std::string GetQVW(const Project& project, char letter, long long number);

// All places of the project indexed in one pass, so that the whole
// cross-reference costs one scan instead of one per signal. Answers exactly
// as GetQVW on the project as it was when the index was built.
class CrossReference {
public:
  struct Place {
    std::uint64_t key; // letter << 32 | absolute signal number
    std::uint8_t loop, col, row;
  };

  explicit CrossReference(const Project& project);
  std::string GetQVW(char letter, long long number) const;
  // The places GetQVW lists, in the same order.
  std::span<const Place> places(char letter, long long number) const;

private:
  std::vector<Place> m_places; // by key; in scan order within a key
};

// The lines of the cross-reference list, UTF-8: a tab, "Projekt: " and the
// project name (the whole line cut to 69 characters), "Querverweisliste", a
// line holding one blank, then for the groups E, A, I, Q, M, H, V, F and
// each of their signal numbers that is used, "E5:   R3: Z3 S2 ...".
std::vector<std::string> crossReferenceLines(const Project& project);

} // namespace veltra::core
