#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace veltra::core {

// The controller's signal groups. Each has a description table; the letter of
// a signal module names its group.
enum class SignalGroup { A, E, F, H, I, M, Q, V, S };

inline constexpr std::array<SignalGroup, 9> kAllGroups = {SignalGroup::A, SignalGroup::E, SignalGroup::F,
                                                          SignalGroup::H, SignalGroup::I, SignalGroup::M,
                                                          SignalGroup::Q, SignalGroup::V, SignalGroup::S};

// Number of signals 1..n of a group.
constexpr int groupSize(SignalGroup g) {
  switch (g) {
  case SignalGroup::V:
    return 9216;
  case SignalGroup::S:
    return 32;
  default:
    return 256;
  }
}

constexpr char groupLetter(SignalGroup g) { return "AEFHIMQVS"[static_cast<int>(g)]; }

// The group of a signal module letter (A, E, F, H, I, M, Q, S, V).
constexpr std::optional<SignalGroup> groupOfLetter(char letter) {
  switch (letter) {
  case 'A':
    return SignalGroup::A;
  case 'E':
    return SignalGroup::E;
  case 'F':
    return SignalGroup::F;
  case 'H':
    return SignalGroup::H;
  case 'I':
    return SignalGroup::I;
  case 'M':
    return SignalGroup::M;
  case 'Q':
    return SignalGroup::Q;
  case 'V':
    return SignalGroup::V;
  case 'S':
    return SignalGroup::S;
  default:
    return std::nullopt;
  }
}

// The caption of a group in the signal editor ("Signal Gruppe"); empty for S.
constexpr std::string_view groupCaption(SignalGroup g) {
  constexpr std::string_view kCaptions[] = {"analoger Ausgang",     "analoger Eingang",         "analoger Festwert",
                                            "analoges Hilfssignal", "digtaler Eingang",         "digitaler Merker",
                                            "digitaler Ausgang",    "analoges internes Signal", ""};
  return kCaptions[static_cast<int>(g)];
}

constexpr bool inGroupRange(SignalGroup g, long long n) { return n >= 1 && n <= groupSize(g); }

} // namespace veltra::core
