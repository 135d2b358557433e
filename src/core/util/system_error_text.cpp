#include "core/util/system_error_text.h"

#include <cerrno>

namespace veltra::core {

std::string systemErrorText(int err) {
  switch (err) {
  case ENOENT:
    return "Die Datei oder der Ordner ist nicht vorhanden.";
  case EACCES:
  case EPERM:
    return "Zugriff verweigert.";
  case ENOSPC:
  case EDQUOT:
    return "Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden.";
  case EROFS:
    return "Der Datenträger ist schreibgeschützt.";
  case ENAMETOOLONG:
    return "Der Dateiname oder Pfad ist zu lang.";
  case EISDIR:
    return "Der Name bezeichnet einen Ordner, keine Datei.";
  case ENOTDIR:
    return "Ein Teil des Pfades ist kein Ordner.";
  default:
    return "Systemfehler " + std::to_string(err) + ".";
  }
}

} // namespace veltra::core
