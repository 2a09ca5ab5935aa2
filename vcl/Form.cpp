#include "vcl/Form.h"

#include "vcl/Application.h"

namespace tavrik::vcl {

TForm::TForm(TComponent* owner) : TWinControl(owner, ControlKind::Form) {
    SetVisible(false);
    TFont font;
    font.SetName("MS Sans Serif");
    font.SetHeight(-16);
    font.SetStyle(fsBold);
    font.SetCharset(DEFAULT_CHARSET);
    font.SetColor(clWindowText);
    Font().Assign(font);
    auto* application = dynamic_cast<TApplication*>(owner);
    if (application != nullptr && application->MainForm() == nullptr) {
        application->SetMainForm(this);
    }
}

TForm::~TForm() {
    DestroyComponents();
    if (TApplication* application = Application(); application && application->MainForm() == this) {
        application->SetMainForm(nullptr);
    }
}

void TForm::FrameExtent(int& extraWidth, int& extraHeight) const {
    extraWidth = 0;
    extraHeight = 0;
    if (HasHost()) CurrentHost().FrameExtent(*this, extraWidth, extraHeight);
}

int TForm::ClientWidth() const {
    int extraWidth = 0;
    int extraHeight = 0;
    FrameExtent(extraWidth, extraHeight);
    return std::max(Width() - extraWidth, 0);
}

int TForm::ClientHeight() const {
    int extraWidth = 0;
    int extraHeight = 0;
    FrameExtent(extraWidth, extraHeight);
    return std::max(Height() - extraHeight, 0);
}

void TForm::SetClientWidth(int width) {
    int extraWidth = 0;
    int extraHeight = 0;
    FrameExtent(extraWidth, extraHeight);
    SetWidth(width + extraWidth);
}

void TForm::SetClientHeight(int height) {
    int extraWidth = 0;
    int extraHeight = 0;
    FrameExtent(extraWidth, extraHeight);
    SetHeight(height + extraHeight);
}

// The first time the form is shown, its pages handle their showing before
// any window exists; the windows are then made once, as the handlers left
// the controls, and the form appears in its place with its content.
void TForm::SetVisible(bool visible) {
    if (!visible || HasPeer() || !HasHost()) {
        TControl::SetVisible(visible);
        return;
    }
    try {
        TControl::SetVisible(true);
    } catch (...) {
        // A handler that failed still leaves the form on screen, under its error.
        EnsurePeers();
        throw;
    }
    EnsurePeers();
}

TComponent* TForm::FindComponentNamed(const char* name) const { return FindComponent(name); }

void TForm::ComponentMissing(const char* name) const {
    throw EComponentError(std::string("Component ") + name +
                          " of the expected class not found in " + Name());
}

void TForm::EnsurePeers() {
    if (HasPeer() || !HasHost()) return;
    CreatePeerTree();
    if (!systemCloseEnabled_) CurrentHost().EnableSystemClose(*this, false);
    if (Visible()) Changed(kChangeVisible);
}

// Style changes keep the client area: the outer size follows the frame.
void TForm::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    borderStyle_ = style;
    Changed(kChangeAppearance);
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_) return;
    const int clientWidth = ClientWidth();
    const int clientHeight = ClientHeight();
    borderIcons_ = icons;
    Changed(kChangeAppearance);
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);
}

void TForm::SetFormStyle(TFormStyle style) {
    if (style == formStyle_) return;
    formStyle_ = style;
    Changed(kChangeAppearance);
}

void TForm::SetSystemCloseEnabled(bool enabled) {
    if (enabled == systemCloseEnabled_) return;
    systemCloseEnabled_ = enabled;
    if (HasPeer()) CurrentHost().EnableSystemClose(*this, enabled);
}

void TForm::Close() {
    SetVisible(false);
    if (HasPeer()) CurrentHost().CloseForm(*this);
    TApplication* application = Application();
    if (application != nullptr && application->MainForm() == this) application->Terminate();
}

TWinControl* TForm::ActiveControl() const {
    if (!HasPeer()) return nullptr;
    return dynamic_cast<TWinControl*>(CurrentHost().FocusedControl(const_cast<TForm&>(*this)));
}

}  // namespace tavrik::vcl
