// The two readings of the medium's ap.ini that depend on whether the
// application is installed on its own rather than as part of the suite.
#pragma once

#include <string>

namespace tavrik {

// Section INSTALL, key INDEPENDANT: true only for "TRUE" exactly ("true",
// a missing key or any other value is not independent).
bool IsIndependentInstall();

// The title every page shows: TITRE_INDEPENDANT for an independent
// installation, TITRE otherwise; "" when missing. Read anew at every call.
std::string PageTitleText();

}  // namespace tavrik
