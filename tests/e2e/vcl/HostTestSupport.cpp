#include "HostTestSupport.h"

#include "vcl/Application.h"

namespace tavrik::vcl::win32::test {
namespace {

// The one host and application of the test program.
class HostEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        host_ = new Win32Host(GetModuleHandleA(nullptr));
        SetCurrentHost(host_);
        application_ = new TApplication();
        application_->SetTitle("Host tests");
    }
    void TearDown() override {
        delete application_;
        SetCurrentHost(nullptr);
        delete host_;
    }

private:
    Win32Host* host_ = nullptr;
    TApplication* application_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new HostEnvironment);

}  // namespace

HWND WindowOf(const TControl& control) { return reinterpret_cast<HWND>(control.Peer()); }

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

void Pump() { CurrentHost().ProcessMessages(); }

void HostTest::SetUp() {
    form_ = new TForm(nullptr);
    form_->SetName("TestForm");
    form_->SetBorderStyle(TBorderStyle::bsSingle);
    form_->SetBorderIcons(biSystemMenu | biMinimize);
    form_->SetLeft(0);
    form_->SetTop(0);
    form_->SetClientWidth(300);
    form_->SetClientHeight(200);
    form_->SetColor(clWhite);
    pages_ = Place<TPageControl>(form_, form_, "Pages", 0, 0, 300, 200);
    first_ = new TTabSheet(form_);
    first_->SetName("PageA");
    first_->SetPageControl(pages_);
    second_ = new TTabSheet(form_);
    second_->SetName("PageB");
    second_->SetPageControl(pages_);
    pages_->SetActivePageIndex(1);
    form_->Show();
    Pump();
}

void HostTest::TearDown() {
    delete form_;
    Pump();
}

POINT HostTest::ScreenPoint(const TWinControl& container, int x, int y) {
    POINT point = {x, y};
    MapWindowPoints(WindowOf(container), HWND_DESKTOP, &point, 1);
    return point;
}

}  // namespace tavrik::vcl::win32::test
