#include "app/ProgramExit.h"

#include <cstdlib>

namespace tavrik {

const char* const kSingleInstanceName = "Global\\TavrikInstallationWizard";

namespace {
std::function<void(int)>& Handler() {
    static std::function<void(int)> handler = [](int code) { std::_Exit(code); };
    return handler;
}
}  // namespace

void ExitProcessNow(int code) { Handler()(code); }

void SetProcessExitHandler(std::function<void(int)> handler) {
    Handler() = handler ? std::move(handler) : [](int code) { std::_Exit(code); };
}

}  // namespace tavrik
