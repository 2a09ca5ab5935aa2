// Page 10: restart the workstation so that the installation can go on.
#include "app/Unit1.h"

namespace tavrik {

void TMainForm::Page_RebootShow(TObject* /*sender*/) {
    LoadBackground(Image_PageReboot);
    SetValidGlyph(SpeedButtonPageReboot);
    SetExitGlyph(SpeedButtonQuitPageReboot);
    StyleTitleLabel(Label_HautPageReboot);
}

void TMainForm::SpeedButtonPageRebootClick(TObject* /*sender*/) {}

void TMainForm::SpeedButtonQuitPageRebootClick(TObject* /*sender*/) { Close(); }

}  // namespace tavrik
