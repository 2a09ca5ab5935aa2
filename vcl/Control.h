// Controls: components with a place on the screen.
//
// TControl holds what every control has (bounds, visibility, enablement,
// font, colour, cursor, caption, parent). TWinControl can hold child
// controls and the keyboard focus; TGraphicControl is windowless: the host
// paints it on its parent from its properties.
#pragma once

#include <string>
#include <vector>

#include "vcl/Color.h"
#include "vcl/Component.h"
#include "vcl/Cursor.h"
#include "vcl/Font.h"
#include "vcl/Host.h"
#include "vcl/TextLayout.h"

namespace tavrik::vcl {

class TWinControl;
class TForm;

// What a control is, so that a host knows which native face to give it.
enum class ControlKind {
    Form,
    PageControl,
    TabSheet,
    Label,
    Image,
    SpeedButton,
    Shape,
    ListBox,
    UpDown,
    ScrollBar,
    ProgressBar,
    Memo,
    RadioButton,
    GroupBox,
};

class TControl : public TComponent {
public:
    TControl(TComponent* owner, ControlKind kind);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    ControlKind Kind() const { return kind_; }
    virtual bool IsWindowless() const { return false; }

    // --- Bounds, relative to the parent's client area.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // Negative sizes are taken as 0.
    virtual void SetBounds(int left, int top, int width, int height);
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    // Docking in the parent: an alClient control fills the parent's client
    // area, again whenever the parent's size or the control changes.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // --- Visibility and enablement.
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown form visible.
    bool IsShowing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Enabled, and every parent enabled.
    bool IsEnabledInTree() const;

    // --- Parent and z-order.
    TWinControl* Parent() const { return parent_; }
    // Moves the control into another parent (nullptr: out of any), on top
    // of the new parent's children.
    void SetParent(TWinControl* parent);
    // The form this control sits in (itself for a form), or nullptr.
    TForm* ParentForm() const;
    void BringToFront();
    void SendToBack();

    // --- Appearance.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    // With ParentFont the control shows its parent's font and follows its
    // changes; changing the control's own font ends that.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // --- Painting.
    void Invalidate();
    void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    // --- Peer (see Host.h).
    bool HasPeer() const { return hasPeer_; }
    PeerId Peer() const { return peer_; }

    // The framework's click: fires OnClick. Hosts reach it through
    // events::Click, which checks that the control can be clicked.
    virtual void Click();
    TNotifyEvent OnClick;

protected:
    // Tells the host (when there is a peer) that property groups changed.
    void Changed(ChangeSet changes);
    // Stores a property value and tells the host when it differs.
    template <typename T>
    void SetProperty(T& field, const T& value, ChangeSet changes) {
        if (field == value) return;
        field = value;
        Changed(changes);
    }
    // Called when the control starts or stops showing (TTabSheet::OnShow).
    virtual void ShowingChanged(bool /*showing*/) {}
    // Called after the control moved from one parent to another, before
    // its peers are created in the new parent.
    virtual void ParentChanged(TWinControl* /*oldParent*/) {}

private:
    friend class TWinControl;
    friend class TForm;

    void FontChanged();
    void FollowParentFont();
    // Whether this control's windows wait until it is shown (a hidden page).
    bool DefersPeers() const;
    // Tells the host that visible_ changed, making a shown page's windows.
    void VisibilityChanged();
    void CreatePeerTree();
    void DestroyPeerTree();
    // Runs a change that may make controls of this subtree start or stop
    // showing, then tells them.
    template <typename Change>
    void ChangeShowing(Change change);

    void RealignParent();

    ControlKind kind_;
    TAlign align_ = TAlign::alNone;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TWinControl* parent_ = nullptr;
    TFont font_;
    bool parentFont_ = true;
    bool followingParent_ = false;
    TColor color_ = clBtnFace;
    TCursor cursor_ = TCursor::crDefault;
    std::string caption_;
    bool hasPeer_ = false;
    PeerId peer_ = 0;
};

class TWinControl : public TControl {
public:
    TWinControl(TComponent* owner, ControlKind kind) : TControl(owner, kind) {}
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    void SetBounds(int left, int top, int width, int height) override;

    // Children in z-order, bottom first.
    const std::vector<TControl*>& Children() const { return children_; }
    int ControlCount() const { return static_cast<int>(children_.size()); }
    TControl* Controls(int index) const { return children_.at(index); }
    // The topmost visible windowless child containing the point (client
    // coordinates), skipping disabled ones unless allowDisabled; nullptr
    // when none. Hosts use it to route mouse clicks to windowless controls.
    TControl* ControlAtPos(int x, int y, bool allowDisabled = false) const;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    void SetFocus();
    bool Focused() const;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

private:
    friend class TControl;
    void AddChild(TControl* child);
    void RemoveChild(TControl* child);
    void AlignControls();

    std::vector<TControl*> children_;
    bool aligning_ = false;
    bool tabStop_ = true;
};

class TGraphicControl : public TControl {
public:
    TGraphicControl(TComponent* owner, ControlKind kind) : TControl(owner, kind) {}
    const char* ClassName() const override { return "TGraphicControl"; }
    bool IsWindowless() const override { return true; }
};

}  // namespace tavrik::vcl
