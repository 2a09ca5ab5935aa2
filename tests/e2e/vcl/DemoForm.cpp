#include "DemoForm.h"

#include <stdexcept>
#include <string>

#include "DemoBitmaps.h"

namespace tavrik::demo {
namespace {

using namespace tavrik::vcl;

constexpr TColor kTitleColor = 9389353;
constexpr TColor kTextColor = 8863009;
constexpr std::uint16_t kEnter = 0x0D;
constexpr std::uint16_t kF1 = 0x70;
constexpr std::uint16_t kF2 = 0x71;
constexpr std::uint16_t kUp = 0x26;
constexpr std::uint16_t kDown = 0x28;

// Texts in the code page of their font's character set.
const char kRussianTitle[] = "\xC2\xFB\xE1\xEE\xF0 \xFF\xE7\xFB\xEA\xE0";  // "Language choice"
const char kRussianText[] =
    "\xDD\xF2\xEE \xEF\xF0\xE0\xE2\xE8\xEB\xFC\xED\xFB\xE9 \xFF\xE7\xFB\xEA? "
    "\xCD\xE0\xE6\xEC\xE8\xF2\xE5 \xC2\xE2\xEE\xE4, \xF7\xF2\xEE\xE1\xFB "
    "\xEF\xF0\xEE\xE4\xEE\xEB\xE6\xE8\xF2\xFC.";
const char kGreekTitle[] = "\xC5\xEB\xEB\xE7\xED\xE9\xEA\xDC";  // "Greek"
const char kFrenchLicence[] =
    "Contrat de licence : lisez-le avant de l'accepter.\r\n"
    "\xC9t\xE9, d\xE9j\xE0, o\xF9.";

TFont MakeFont(const char* face, TFontCharset charset, int height, TColor color) {
    TFont font;
    font.SetName(face);
    font.SetCharset(charset);
    font.SetHeight(height);
    font.SetStyle(fsBold);
    font.SetColor(color);
    return font;
}

template <typename T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
         int height) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TLabel* PlaceLabel(TComponent* owner, TWinControl* parent, const char* name, int left, int top,
                   int width, int height, const std::string& caption) {
    auto* label = Place<TLabel>(owner, parent, name, left, top, width, height);
    label->SetTransparent(true);
    label->SetCaption(caption);
    return label;
}

void LoadGlyph(TSpeedButton* button, const std::vector<std::uint8_t>& bmp, TColor transparent) {
    TBitmap glyph;
    glyph.LoadFromBytes(bmp.data(), bmp.size());
    glyph.SetTransparentColor(transparent);
    button->SetGlyph(glyph);
}

}  // namespace

DemoForm::DemoForm(TComponent* owner) : TForm(owner) {
    SetName("MainForm");
    SetBorderStyle(TBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetColor(clWhite);
    SetKeyPreview(true);
    SetLeft(266);
    SetTop(168);
    SetClientWidth(648);
    SetClientHeight(490);
    SetSystemCloseEnabled(false);
    OnKeyDown = [this](TObject*, std::uint16_t& key, ShiftState) { KeyDown(key); };
    OnKeyPress = [this](TObject*, char& key) {
        lastChar_->SetCaption("Char " + std::to_string(static_cast<unsigned char>(key)));
    };

    pages_ = Place<TPageControl>(this, this, "PageControlPrincipal", 0, 0, 648, 490);
    firstPage_ = new TTabSheet(this);
    firstPage_->SetName("PageDemo");
    firstPage_->SetPageControl(pages_);
    secondPage_ = new TTabSheet(this);
    secondPage_->SetName("PageControls");
    secondPage_->SetPageControl(pages_);
    BuildFirstPage();
    BuildSecondPage();

    timer_ = new TTimer(this);
    timer_->SetName("Timer1");
    timer_->SetInterval(100);
    timer_->SetOnTimer([this](TObject*) {
        ++tickCount_;
        ticks_->SetCaption("Ticks " + std::to_string(tickCount_));
        // Round and round, as a bar that never finishes.
        const int next = progress_->Position() + progress_->Step();
        progress_->SetPosition(next > progress_->Max() ? progress_->Min() : next);
    });
    timer_->SetEnabled(true);
    ShowPage(1);
}

void DemoForm::BuildFirstPage() {
    TTabSheet* page = firstPage_;
    auto* background = Place<TImage>(this, page, "Image_Demo", 0, 0, 640, 480);
    background->SetStretch(true);
    const auto backgroundBmp = BackgroundBmp();
    background->Picture().Bitmap().LoadFromBytes(backgroundBmp.data(), backgroundBmp.size());

    auto* title = PlaceLabel(this, page, "Label_HC_Demo", 48, 0, 441, 41, kRussianTitle);
    title->SetWordWrap(true);
    title->SetLayout(TTextLayout::tlCenter);
    title->SetFont(MakeFont("Arial", RUSSIAN_CHARSET, -24, kTitleColor));

    auto* text = PlaceLabel(this, page, "Label_Text", 128, 136, 497, 207, kRussianText);
    text->SetWordWrap(true);
    text->SetAlignment(TAlignment::taCenter);
    text->SetLayout(TTextLayout::tlCenter);
    text->SetFont(MakeFont("Arial", RUSSIAN_CHARSET, -16, kTextColor));

    ticks_ = PlaceLabel(this, page, "Label_Ticks", 10, 50, 160, 20, "Ticks 0");
    lastKey_ = PlaceLabel(this, page, "Label_Key", 10, 70, 160, 20, "Key none");
    lastChar_ = PlaceLabel(this, page, "Label_Char", 10, 90, 160, 20, "Char none");
    scrollState_ = PlaceLabel(this, page, "Label_Scroll", 400, 50, 210, 20, "");
    auto* clickable = PlaceLabel(this, page, "Label_Click", 10, 110, 160, 20, "Click me");
    clickable->SetCursor(TCursor::crHandPoint);
    clickable->OnClick = [clickable](TObject*) { clickable->SetCaption("Clicked"); };

    auto* highlight = Place<TShape>(this, page, "FondSelection", 96, 184, 65, 65);
    highlight->SetBrushColor(clYellow);
    highlight->SetPenStyle(TPenStyle::psClear);

    auto* flag = Place<TSpeedButton>(this, page, "SpeedButton1", 99, 187, 49, 41);
    LoadGlyph(flag, FlagBmp(), clGray);
    flag->SetMargin(0);
    flag->SetCursor(TCursor::crHandPoint);
    flag->OnClick = [this](TObject*) { ShowPage(2); };

    auto* valid = Place<TSpeedButton>(this, page, "Bouton_Valide_Demo", 583, 428, 23, 22);
    LoadGlyph(valid, ValidGlyphBmp(), clBlack);
    valid->SetFlat(true);
    valid->SetCursor(TCursor::crHandPoint);
    valid->OnClick = [this](TObject*) { ShowPage(2); };

    auto* exit = Place<TSpeedButton>(this, page, "Bouton_Sortie_Demo", 4, 428, 23, 22);
    LoadGlyph(exit, ExitGlyphBmp(), clBlack);
    exit->SetFlat(true);
    exit->SetCursor(TCursor::crHandPoint);
    exit->OnClick = [this](TObject*) { Close(); };

    list_ = Place<TListBox>(this, page, "listbox1", 256, 224, 177, 145);
    list_->SetItemHeight(20);
    list_->Font().SetColor(0x873D21);
    list_->Items().Add("C:\\ Fixed volume");
    list_->Items().Add("E:\\ Fixed volume");
    list_->SetItemIndex(0);
    list_->SetEnabled(false);

    scrollBar_ = Place<TScrollBar>(this, page, "ScrollBar1", 616, 80, 17, 337);
    scrollBar_->SetBarKind(TScrollBarKind::sbVertical);
    scrollBar_->SetParams(1, 1, 3);
    scrollBar_->SetTabStop(false);
    // The label keeps the order of the events: "s<code>:<position>" for
    // OnScroll, "c<position>" for OnChange.
    scrollBar_->OnScroll = [this](TObject*, ScrollCode code, int& position) {
        LogScroll("s" + std::to_string(static_cast<int>(code)) + ":" + std::to_string(position));
    };
    scrollBar_->OnChange = [this](TObject*) {
        LogScroll("c" + std::to_string(scrollBar_->Position()));
    };
}

void DemoForm::BuildSecondPage() {
    TTabSheet* page = secondPage_;
    page->SetCursor(TCursor::crHourGlass);
    auto* title = PlaceLabel(this, page, "Label_Greek", 48, 0, 441, 41, kGreekTitle);
    title->SetLayout(TTextLayout::tlCenter);
    title->SetFont(MakeFont("Arial", GREEK_CHARSET, -24, kTitleColor));

    auto* memo = Place<TMemo>(this, page, "Memo1", 160, 80, 473, 281);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->SetReadOnly(true);
    memo->SetColor(0xB6D9E6);
    memo->Font().SetColor(0x873D21);
    memo->Lines().SetText(kFrenchLicence);

    auto* group = Place<TGroupBox>(this, page, "GroupBox1", 8, 80, 140, 150);
    group->SetCaption("Choix");
    group->SetColor(clWhite);
    yes_ = Place<TRadioButton>(this, group, "RadioButtonOui", 10, 24, 120, 20);
    yes_->SetCaption("Oui");
    no_ = Place<TRadioButton>(this, group, "RadioButtonNon", 10, 50, 120, 20);
    no_->SetCaption("Non");
    auto* chooseNo = PlaceLabel(this, group, "Label_Non", 10, 80, 120, 40, "Choose Non");
    chooseNo->OnClick = [this](TObject*) { no_->SetChecked(true); };

    upDown_ = Place<TUpDown>(this, page, "UpDown1", 60, 300, 40, 80);
    upDown_->SetMin(0);
    upDown_->SetMax(8);
    upDown_->SetPosition(1);
    upDownState_ = PlaceLabel(this, page, "Label_UpDown", 8, 390, 150, 20, "UpDown 1");
    upDown_->OnClick = [this](TObject*, UpDownButton button) {
        upDownState_->SetCaption(std::string(button == UpDownButton::Next ? "Next " : "Previous ") +
                                 std::to_string(upDown_->Position()));
    };

    progress_ = Place<TProgressBar>(this, page, "ProgressBar1", 15, 446, 608, 17);
    progress_->SetMin(0);
    progress_->SetMax(120);
    progress_->SetStep(1);
    progress_->SetSmooth(true);
}

void DemoForm::LogScroll(const std::string& event) {
    scrollLog_ += scrollLog_.empty() ? event : " " + event;
    scrollState_->SetCaption(scrollLog_);
}

void DemoForm::ShowPage(int index) { pages_->SetActivePageIndex(index); }

void DemoForm::KeyDown(std::uint16_t& key) {
    lastKey_->SetCaption("Key " + std::to_string(key));
    const int page = pages_->ActivePageIndex();
    if (key == kEnter) {
        ShowPage(page == 1 ? 2 : 1);
    } else if (key == kF1) {
        Close();
    } else if (key == kF2) {
        throw std::runtime_error("Demo failure on purpose");
    } else if (page == 1 && (key == kUp || key == kDown) && list_->Items().Count() > 0) {
        const int last = list_->Items().Count() - 1;
        const int next = list_->ItemIndex() + (key == kDown ? 1 : -1);
        list_->SetItemIndex(next < 0 ? 0 : (next > last ? last : next));
    }
}

}  // namespace tavrik::demo
