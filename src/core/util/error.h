#pragma once

#include <stdexcept>
#include <string>

namespace veltra::core {

// The one exception type of the core. Its text is German, UTF-8, ready to be
// shown to the engineer as it stands; the GUI shows it in a message box and
// veltra-cli prints it on stderr.
class Error : public std::runtime_error {
public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace veltra::core
