#include "vcl/Control.h"

#include <algorithm>

#include "vcl/Exceptions.h"
#include "vcl/Form.h"

namespace tavrik::vcl {

namespace {

void CollectTree(TControl* control, std::vector<TControl*>& out) {
    out.push_back(control);
    if (auto* window = dynamic_cast<TWinControl*>(control)) {
        for (TControl* child : window->Children()) CollectTree(child, out);
    }
}

}  // namespace

TControl::TControl(TComponent* owner, ControlKind kind) : TComponent(owner), kind_(kind) {
    font_.SetOnChange([this] { FontChanged(); });
}

TControl::~TControl() {
    DestroyComponents();
    font_.SetOnChange(nullptr);
    if (hasPeer_) {
        CurrentHost().DestroyPeer(*this);
        hasPeer_ = false;
    }
    if (parent_ != nullptr) parent_->RemoveChild(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed(kChangeBounds);
    RealignParent();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    RealignParent();
}

void TControl::RealignParent() {
    if (align_ != TAlign::alNone && parent_ != nullptr) parent_->AlignControls();
}

template <typename ChangeFn>
void TControl::ChangeShowing(ChangeFn change) {
    std::vector<TControl*> tree;
    CollectTree(this, tree);
    std::vector<bool> before;
    before.reserve(tree.size());
    for (TControl* control : tree) before.push_back(control->IsShowing());
    change();
    // The tree may have changed shape inside change() only by this control
    // moving, so the collected controls are still the subtree.
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const bool now = tree[i]->IsShowing();
        if (now != before[i]) tree[i]->ShowingChanged(now);
    }
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    // A form appears once its pages have handled their showing: its window is
    // then mapped in its place with its content, not moved and repainted.
    const bool revealAfterHandlers = visible && kind_ == ControlKind::Form;
    try {
        ChangeShowing([&] {
            visible_ = visible;
            if (!revealAfterHandlers) VisibilityChanged();
            RealignParent();
        });
    } catch (...) {
        // A handler that failed still leaves the form on screen, under its error.
        if (revealAfterHandlers) Changed(kChangeVisible);
        throw;
    }
    if (revealAfterHandlers) Changed(kChangeVisible);
}

void TControl::VisibilityChanged() {
    if (DefersPeers() || hasPeer_ || parent_ == nullptr || !parent_->hasPeer_) {
        Changed(kChangeVisible);
    } else {
        // A page shown for the first time: its windows come now, as they are.
        CreatePeerTree();
    }
}

bool TControl::IsShowing() const {
    if (!visible_) return false;
    if (parent_ != nullptr) return parent_->IsShowing();
    return kind_ == ControlKind::Form;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(kChangeEnabled);
}

bool TControl::IsEnabledInTree() const {
    for (const TControl* control = this; control != nullptr; control = control->parent_) {
        if (!control->enabled_) return false;
    }
    return true;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    for (const TControl* up = parent; up != nullptr; up = up->parent_) {
        if (up == this) throw EComponentError("A control cannot be its own parent");
    }
    if (kind_ == ControlKind::Form && parent != nullptr) {
        throw EComponentError("A form cannot be placed inside another control");
    }
    ChangeShowing([&] {
        if (hasPeer_) DestroyPeerTree();
        TWinControl* oldParent = parent_;
        if (oldParent != nullptr) oldParent->RemoveChild(this);
        parent_ = parent;
        if (parent_ != nullptr) {
            parent_->AddChild(this);
            if (parentFont_) FollowParentFont();
            RealignParent();
        }
        ParentChanged(oldParent);
        if (parent_ != nullptr && parent_->HasPeer()) CreatePeerTree();
    });
}

TForm* TControl::ParentForm() const {
    const TControl* top = this;
    while (top->parent_ != nullptr) top = top->parent_;
    if (top->kind_ != ControlKind::Form) return nullptr;
    return const_cast<TForm*>(static_cast<const TForm*>(top));
}

void TControl::BringToFront() {
    if (parent_ == nullptr) return;
    auto& siblings = parent_->children_;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    std::rotate(it, it + 1, siblings.end());
    Changed(kChangeZOrder);
}

void TControl::SendToBack() {
    if (parent_ == nullptr) return;
    auto& siblings = parent_->children_;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    std::rotate(siblings.begin(), it, it + 1);
    Changed(kChangeZOrder);
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_) FollowParentFont();
}

void TControl::FollowParentFont() {
    if (parent_ == nullptr) return;
    followingParent_ = true;
    font_.Assign(parent_->font_);
    followingParent_ = false;
}

void TControl::FontChanged() {
    if (!followingParent_) parentFont_ = false;
    Changed(kChangeFont);
    if (auto* window = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : window->Children()) {
            if (child->parentFont_) child->FollowParentFont();
        }
    }
}

void TControl::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed(kChangeColor);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Changed(kChangeCursor);
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed(kChangeText);
}

void TControl::Invalidate() {
    if (hasPeer_) CurrentHost().Invalidate(*this);
}

void TControl::Update() {
    if (hasPeer_) CurrentHost().Update(*this);
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

// The handler runs from a copy: it may replace or clear itself.
void TControl::Click() {
    if (!OnClick) return;
    const TNotifyEvent handler = OnClick;
    handler(this);
}

void TControl::Changed(ChangeSet changes) {
    if (hasPeer_) CurrentHost().PropertiesChanged(*this, changes);
}

// A page gets its windows when it is first shown: a run sees few of the
// eleven, and creating windows is most of what a start costs.
bool TControl::DefersPeers() const { return kind_ == ControlKind::TabSheet && !visible_; }

void TControl::CreatePeerTree() {
    if (!HasHost() || DefersPeers()) return;
    if (!hasPeer_) {
        peer_ = CurrentHost().CreatePeer(*this);
        hasPeer_ = true;
    }
    if (auto* window = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : window->Children()) child->CreatePeerTree();
    }
}

void TControl::DestroyPeerTree() {
    if (auto* window = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : window->Children()) child->DestroyPeerTree();
    }
    if (hasPeer_) {
        CurrentHost().DestroyPeer(*this);
        hasPeer_ = false;
        peer_ = 0;
    }
}

// --- TWinControl

TWinControl::~TWinControl() {
    DestroyComponents();
    // Children owned elsewhere outlive this parent: they lose their peers
    // and their place.
    for (TControl* child : children_) {
        child->DestroyPeerTree();
        child->parent_ = nullptr;
    }
    children_.clear();
    if (HasPeer()) DestroyPeerTree();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    AlignControls();
}

void TWinControl::AlignControls() {
    if (aligning_) return;
    aligning_ = true;
    for (TControl* child : children_) {
        if (child->align_ == TAlign::alClient && child->visible_) {
            child->SetBounds(0, 0, std::max(ClientWidth(), 0), std::max(ClientHeight(), 0));
        }
    }
    aligning_ = false;
}

TControl* TWinControl::ControlAtPos(int x, int y, bool allowDisabled) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        TControl* child = *it;
        if (!child->IsWindowless() || !child->Visible()) continue;
        if (!allowDisabled && !child->Enabled()) continue;
        if (x >= child->Left() && x < child->Left() + child->Width() && y >= child->Top() &&
            y < child->Top() + child->Height()) {
            return child;
        }
    }
    return nullptr;
}

void TWinControl::SetTabStop(bool tabStop) {
    if (tabStop == tabStop_) return;
    tabStop_ = tabStop;
    Changed(kChangeAppearance);
}

void TWinControl::SetFocus() {
    if (HasPeer()) CurrentHost().SetFocus(*this);
}

bool TWinControl::Focused() const {
    TForm* form = ParentForm();
    if (!HasPeer() || form == nullptr) return false;
    return CurrentHost().FocusedControl(*form) == this;
}

void TWinControl::AddChild(TControl* child) { children_.push_back(child); }

void TWinControl::RemoveChild(TControl* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
    Invalidate();
}

}  // namespace tavrik::vcl
