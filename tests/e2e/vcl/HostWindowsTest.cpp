// What other processes see of the host's windows: shadows of windowless
// controls, names, page texts, the form's frame.
#include "HostTestSupport.h"
#include "vcl/Image.h"
#include "vcl/Label.h"
#include "vcl/SpeedButton.h"
#include "vcl/win32/PeerProtocol.h"

namespace tavrik::vcl::win32::test {
namespace {

const char kRussianBytes[] = "\xC2\xFB\xE1\xEE\xF0";  // "Выбор" in code page 1251
const wchar_t kRussian[] = L"\x0412\x044B\x0431\x043E\x0440";
const wchar_t kGreekReading[] = L"\x0392\x03CB\x03B1\x03BE\x03C0";  // same bytes, code page 1253

std::string NameOf(HWND window) {
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window, kNameProperty)));
    char name[256] = {};
    UINT length = atom != 0 ? GlobalGetAtomNameA(atom, name, sizeof name) : 0;
    return std::string(name, length);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

using HostWindows = HostTest;

TEST_F(HostWindows, FormHasTheRequestedClientAreaAndFrame) {
    HWND window = WindowOf(*form_);
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(ClassOf(window), kFormClass);
    EXPECT_EQ(NameOf(window), "TestForm");

    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    form_->SetFormStyle(TFormStyle::fsStayOnTop);
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 300) << "a style change keeps the client area";
}

TEST_F(HostWindows, EveryBorderStyleKeepsTheClientArea) {
    HWND window = WindowOf(*form_);
    // The second round finds every frame measured already: each style must
    // still get its own.
    for (int round = 0; round < 2; ++round) {
        for (TBorderStyle style : {TBorderStyle::bsSizeable, TBorderStyle::bsToolWindow,
                                   TBorderStyle::bsDialog, TBorderStyle::bsSingle}) {
            form_->SetBorderStyle(style);
            RECT client = {};
            GetClientRect(window, &client);
            EXPECT_EQ(client.right, 300)
                << "style " << static_cast<int>(style) << ", round " << round;
            EXPECT_EQ(client.bottom, 200)
                << "style " << static_cast<int>(style) << ", round " << round;
        }
    }
}

TEST_F(HostWindows, ShadowShowsTheCaptionInItsFontsCodePage) {
    auto* label = Place<TLabel>(form_, first_, "Label_Title", 10, 20, 200, 30);
    label->Font().SetCharset(RUSSIAN_CHARSET);
    label->SetCaption(kRussianBytes);
    HWND shadow = WindowOf(*label);
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(ClassOf(shadow), kTextClass);
    EXPECT_EQ(NameOf(shadow), "Label_Title");
    EXPECT_EQ(WindowText(shadow), kRussian);

    // The same bytes are other letters in another character set.
    label->Font().SetCharset(GREEK_CHARSET);
    EXPECT_EQ(WindowText(shadow), kGreekReading);
    label->SetCaption("plain");
    EXPECT_EQ(WindowText(shadow), L"plain");
}

TEST_F(HostWindows, ShadowHasTheBoundsAndStateOfItsControl) {
    auto* button = Place<TSpeedButton>(form_, first_, "SpeedButton1", 10, 20, 23, 22);
    HWND shadow = WindowOf(*button);
    RECT rect = {};
    GetWindowRect(shadow, &rect);
    MapWindowPoints(HWND_DESKTOP, WindowOf(*first_), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right - rect.left, 23);
    EXPECT_EQ(rect.bottom - rect.top, 22);

    button->SetBounds(40, 50, 30, 31);
    GetWindowRect(shadow, &rect);
    MapWindowPoints(HWND_DESKTOP, WindowOf(*first_), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 31);

    EXPECT_TRUE(IsWindowVisible(shadow));
    button->Hide();
    EXPECT_FALSE(IsWindowVisible(shadow));
    button->Show();
    button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(shadow));
    // The mouse goes through to the parent, which paints the button.
    EXPECT_EQ(SendMessageA(shadow, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

TEST_F(HostWindows, OnlyTheActivePagesControlsAreVisible) {
    auto* onFirst = Place<TLabel>(form_, first_, "Label_A", 0, 0, 50, 20);
    auto* onSecond = Place<TLabel>(form_, second_, "Label_B", 0, 0, 50, 20);
    HWND pages = WindowOf(*pages_);
    EXPECT_EQ(ClassOf(pages), kPagesClass);
    EXPECT_EQ(WindowText(pages), L"1 PageA");
    EXPECT_TRUE(IsWindowVisible(WindowOf(*onFirst)));
    EXPECT_FALSE(IsWindowVisible(WindowOf(*onSecond)));

    pages_->SetActivePageIndex(2);
    EXPECT_EQ(WindowText(pages), L"2 PageB");
    EXPECT_FALSE(IsWindowVisible(WindowOf(*onFirst)));
    EXPECT_TRUE(IsWindowVisible(WindowOf(*onSecond)));

    pages_->SetActivePageIndex(0);
    EXPECT_EQ(WindowText(pages), L"0");
}

TEST_F(HostWindows, DestroyedControlTakesItsShadowAndNameAlong) {
    auto* label = Place<TLabel>(form_, first_, "Label_ShortLived_7d1", 0, 0, 50, 20);
    HWND shadow = WindowOf(*label);
    ASSERT_TRUE(IsWindow(shadow));
    EXPECT_NE(GlobalFindAtomA("Label_ShortLived_7d1"), 0);
    delete label;
    EXPECT_FALSE(IsWindow(shadow));
    EXPECT_EQ(GlobalFindAtomA("Label_ShortLived_7d1"), 0) << "the name's atom is released";
}

TEST_F(HostWindows, ImagesAndShapesHaveNoWindow) {
    auto* image = Place<TImage>(form_, first_, "Image_Back", 0, 0, 100, 100);
    EXPECT_EQ(image->Peer(), PeerId{0});
    EXPECT_TRUE(image->HasPeer());
}

TEST_F(HostWindows, ReparentingMovesTheShadow) {
    auto* label = Place<TLabel>(form_, first_, "Label_Moving", 0, 0, 50, 20);
    label->SetParent(second_);
    HWND shadow = WindowOf(*label);
    EXPECT_EQ(GetParent(shadow), WindowOf(*second_));
    EXPECT_FALSE(IsWindowVisible(shadow));
}

}  // namespace
}  // namespace tavrik::vcl::win32::test
