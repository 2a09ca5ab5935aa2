#include "vcl/Application.h"

#include "vcl/Form.h"
#include "vcl/Host.h"

namespace tavrik::vcl {

namespace {
TApplication* current = nullptr;

void ShowDisplayText(const std::string& text, const std::string& title) {
    if (HasHost()) CurrentHost().ShowException(text, title);
}
}  // namespace

TApplication* Application() { return current; }

TApplication::TApplication() : TComponent(nullptr) {
    if (current == nullptr) current = this;
}

TApplication::~TApplication() {
    DestroyComponents();
    if (current == this) current = nullptr;
}

void TApplication::Run() {
    if (mainForm_ == nullptr) return;
    RunGuarded([this] { mainForm_->Show(); });
    if (!terminated_ && HasHost()) CurrentHost().RunMessageLoop();
}

void TApplication::ProcessMessages() {
    if (HasHost()) CurrentHost().ProcessMessages();
}

void TApplication::Terminate() {
    terminated_ = true;
    if (HasHost()) CurrentHost().Terminate();
}

std::string ExceptionDisplayText(const std::string& message) {
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

void TApplication::ShowException(const std::exception& error) {
    ShowDisplayText(ExceptionDisplayText(error.what()), title_);
}

void TApplication::HandleException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowDisplayText("Unknown exception.", title_);
    }
}

void RunGuarded(const std::function<void()>& body) {
    try {
        body();
    } catch (...) {
        if (current != nullptr) {
            current->HandleException();
            return;
        }
        try {
            throw;
        } catch (const std::exception& error) {
            ShowDisplayText(ExceptionDisplayText(error.what()), "");
        } catch (...) {
            ShowDisplayText("Unknown exception.", "");
        }
    }
}

}  // namespace tavrik::vcl
