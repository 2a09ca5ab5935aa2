#include "app/ProgramEntry.h"

#include <exception>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "vcl/Application.h"

namespace tavrik {

void CreateWizard(vcl::TApplication& application, const std::string& commandLine) {
    application.SetTitle("Tavrik");
    // The start-up decides from it, and from the resume record, whether
    // this run resumes an installation after a restart.
    State.CommandLine = commandLine;
    application.Initialize();
    application.CreateForm(State.MainForm);
}

int RunWizard(const std::string& commandLine) {
    vcl::TApplication application;
    try {
        CreateWizard(application, commandLine);
        application.Run();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return 0;
}

}  // namespace tavrik
