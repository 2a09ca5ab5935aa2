// The notices of the progress page that other steps of its work show.
#pragma once

#include <string>

namespace tavrik {

class TMainForm;

// A run that cannot go on here: the page says why in red, and validate,
// Enter and F1 only end it.
void RefuseWork(TMainForm& form, const std::string& reason);

}  // namespace tavrik
