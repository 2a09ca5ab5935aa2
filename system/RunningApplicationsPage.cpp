// Page 9: the suite's programs that must be closed before going on.
#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "trace/TraceLog.h"

namespace tavrik {

bool TMainForm::CheckRunningApplications(std::string& /*text*/) { return false; }

void TMainForm::PageArretAppliShow(TObject* /*sender*/) {
    AppendTraceLine("PageArretAppliShow");
    LoadBackground(ImagePageArretAppli);
    StyleTitleLabel(Label_HC_PageArretAppli);
    SetValidGlyph(SpeedButtonPageArretAppli);
    SetExitGlyph(SpeedButtonSortieArretAppli);
}

void TMainForm::SpeedButtonPageArretAppliClick(TObject* /*sender*/) {}

void TMainForm::SpeedButtonSortieArretAppliClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
