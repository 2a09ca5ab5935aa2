// The application object: the main form, the message loop and the
// standard display of exceptions that escape handlers.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "vcl/Component.h"

namespace tavrik::vcl {

class TForm;

class TApplication : public TComponent {
public:
    // The first application constructed becomes the current one
    // (Application()) until it is destroyed. Needs a host (SetCurrentHost).
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    void Initialize() {}

    // Creates a form owned by the application and stores it in `reference`.
    // The first form created becomes the main form; it is already
    // Application()->MainForm() while its constructor runs.
    template <typename F>
    void CreateForm(F*& reference) {
        reference = new F(this);
    }
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Shows the main form and runs the message loop until Terminate. An
    // exception escaping the form's first showing is shown and the loop
    // still runs. Returns at once without a main form.
    void Run();
    void ProcessMessages();
    // The loop ends once the running handler has returned.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The standard exception display: the message (with a final period
    // added when it ends in a letter or digit) in a modal error box titled
    // with Title.
    void ShowException(const std::exception& error);
    // Shows the exception being handled (call from a catch block).
    void HandleException();

private:
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

// The current application object, or nullptr.
TApplication* Application();

// Runs code that calls application handlers, showing any exception that
// escapes it with the application's standard display (or the host's,
// without an application) instead of letting it go on.
void RunGuarded(const std::function<void()>& body);

// The text the standard display shows for an exception message.
std::string ExceptionDisplayText(const std::string& message);

}  // namespace tavrik::vcl
