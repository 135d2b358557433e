#pragma once

#include <string>

namespace veltra::core {

// The German text of a system error number, for the reason appended to our
// messages ("... kann nicht geöffnet werden. <reason>"). The causes an
// engineer meets with project and settings files have a sentence of their
// own; any other number is named as "Systemfehler <n>.", never in the
// C library's English.
std::string systemErrorText(int err);

} // namespace veltra::core
