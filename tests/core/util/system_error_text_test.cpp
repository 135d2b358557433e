#include "core/util/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

namespace veltra::core::test {
namespace {

class SystemErrorText : public ::testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(SystemErrorText, IsGerman) { EXPECT_EQ(systemErrorText(GetParam().first), GetParam().second); }

INSTANTIATE_TEST_SUITE_P(
    CommonCauses, SystemErrorText,
    ::testing::Values(std::pair{ENOENT, "Die Datei oder der Ordner ist nicht vorhanden."},
                      std::pair{EACCES, "Zugriff verweigert."}, std::pair{EPERM, "Zugriff verweigert."},
                      std::pair{ENOSPC, "Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden."},
                      std::pair{EDQUOT, "Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden."},
                      std::pair{EROFS, "Der Datenträger ist schreibgeschützt."},
                      std::pair{ENAMETOOLONG, "Der Dateiname oder Pfad ist zu lang."},
                      std::pair{EISDIR, "Der Name bezeichnet einen Ordner, keine Datei."},
                      std::pair{ENOTDIR, "Ein Teil des Pfades ist kein Ordner."}));

INSTANTIATE_TEST_SUITE_P(OthersByNumber, SystemErrorText,
                         ::testing::Values(std::pair{EIO, "Systemfehler 5."}, std::pair{0, "Systemfehler 0."},
                                           std::pair{-3, "Systemfehler -3."}, std::pair{9999, "Systemfehler 9999."}));

} // namespace
} // namespace veltra::core::test
