// The word to a technician who started the wizard while another one runs:
// no window of this run ever opens, so a box says why.
#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "localisation/PhraseNumbers.h"
#include "util/DictionaryNames.h"
#include "vcl/Application.h"
#include "vcl/Host.h"

namespace tavrik {

void TMainForm::ShowAnotherWizardRuns() {
    State.DictionaryFileName = DictionaryFileOfReference(GetDicoTxt());
    const vcl::TApplication* application = vcl::Application();
    vcl::CurrentHost().ShowException(GetPhrase(phrase::kAnotherWizardRuns, false),
                                     application != nullptr ? application->Title() : "");
}

}  // namespace tavrik
