#include "app/EmbeddedWizard.h"

#include <utility>

#include "app/ProgramEntry.h"
#include "app/ProgramExit.h"
#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "vcl/Host.h"

namespace tavrik {

EmbeddedWizard::EmbeddedWizard(vcl::Host& host, std::function<void(int)> onExit) {
    State = ProgramState{};
    vcl::SetCurrentHost(&host);
    SetProcessExitHandler([this, onExit = std::move(onExit)](int code) {
        exits_.push_back(code);
        if (onExit) onExit(code);
    });
}

EmbeddedWizard::~EmbeddedWizard() {
    // The form refers to the state and the host: it goes first.
    application_.reset();
    State = ProgramState{};
    SetProcessExitHandler(nullptr);
    vcl::SetCurrentHost(nullptr);
}

void EmbeddedWizard::Start(const std::string& commandLine,
                           const std::function<void(TMainForm&)>& created) {
    application_.reset();
    application_ = std::make_unique<vcl::TApplication>();
    CreateWizard(*application_, commandLine);
    if (created && State.MainForm != nullptr) created(*State.MainForm);
    if (exits_.empty()) application_->Run();
}

TMainForm* EmbeddedWizard::Form() const { return application_ ? State.MainForm : nullptr; }

}  // namespace tavrik
