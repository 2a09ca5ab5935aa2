// What every page does to itself when shown: background, button glyphs,
// title.
#include "app/Unit1.h"
#include "config/InstallSwitches.h"
#include "vcl/Bitmap.h"
#include "vcl/Picture.h"

namespace tavrik {

namespace {

constexpr vcl::TColor kTitleColour = vcl::RGBColor(41, 69, 143);

// The button takes the bitmap's size less one pixel each way and keeps its
// own copy of the picture; black is transparent. A glyph can show no more
// than the page.
void SetGlyph(vcl::TSpeedButton* button, const char* path, const vcl::PictureBounds& page) {
    vcl::TBitmap bitmap;
    bitmap.LoadFromFile(path, page);
    bitmap.SetTransparentColor(vcl::clBlack);
    button->SetWidth(bitmap.Width() - 1);
    button->SetHeight(bitmap.Height() - 1);
    button->SetGlyph(bitmap);
}

}  // namespace

void TMainForm::SetValidGlyph(vcl::TSpeedButton* button) {
    SetGlyph(button, ".\\BMP\\valid.bmp", {Width(), Height()});
}

void TMainForm::SetExitGlyph(vcl::TSpeedButton* button) {
    SetGlyph(button, ".\\BMP\\sortie.bmp", {Width(), Height()});
}

void TMainForm::SetYesGlyph(vcl::TSpeedButton* button) {
    SetGlyph(button, ".\\BMP\\yes.bmp", {Width(), Height()});
}

void TMainForm::SetNoGlyph(vcl::TSpeedButton* button) {
    SetGlyph(button, ".\\BMP\\no.bmp", {Width(), Height()});
}

void TMainForm::StyleTitleLabel(vcl::TLabel* label) {
    label->SetCaption(PageTitleText());
    label->Font().SetColor(kTitleColour);
    label->Font().SetSize(12);
    label->Font().SetStyle(vcl::fsBold);
}

void TMainForm::LoadBackground(vcl::TImage* image) {
    vcl::TPicture picture;
    picture.LoadFromFile(".\\BMP\\page_fon.bmp", {image->Width(), image->Height()});
    image->SetPicture(picture);
}

}  // namespace tavrik
