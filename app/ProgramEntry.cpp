#include "app/ProgramEntry.h"

#include <exception>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "vcl/Application.h"

namespace tavrik {

int RunWizard(const std::string& commandLine) {
    vcl::TApplication application;
    application.SetTitle("Tavrik");
    // The start-up decides from it, and from the resume record, whether
    // this run resumes an installation after a restart.
    State.CommandLine = commandLine;
    try {
        application.Initialize();
        application.CreateForm(State.MainForm);
        application.Run();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return 0;
}

}  // namespace tavrik
