#include "vcl/PageControl.h"

#include <algorithm>

namespace tavrik::vcl {

namespace {
constexpr int kSideInset = 4;
constexpr int kTopInset = 6;
constexpr int kBottomInset = 4;
}  // namespace

// --- TTabSheet

// A page is hidden until it becomes the active one.
TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner, ControlKind::TabSheet) {
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    // No handler runs while the form is being taken apart.
    OnShow = nullptr;
    OnHide = nullptr;
    DestroyComponents();
    if (pageControl_ != nullptr) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

int TTabSheet::PageIndex() const {
    if (pageControl_ == nullptr) return 0;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin()) + 1;
}

void TTabSheet::SetTabVisible(bool tabVisible) {
    if (tabVisible == tabVisible_) return;
    tabVisible_ = tabVisible;
    Changed(kChangeAppearance);
}

// The handler runs from a copy: it may replace or clear itself.
void TTabSheet::ShowingChanged(bool showing) {
    const TNotifyEvent handler = showing ? OnShow : OnHide;
    if (handler) handler(this);
}

void TTabSheet::ParentChanged(TWinControl* /*oldParent*/) {
    if (pageControl_ != nullptr) pageControl_->RemovePage(this);
    pageControl_ = dynamic_cast<TPageControl*>(Parent());
    if (pageControl_ != nullptr) pageControl_->InsertPage(this);
}

// --- TPageControl

TPageControl::~TPageControl() {
    DestroyComponents();
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 1 || index > PageCount()) return nullptr;
    return pages_[index - 1];
}

int TPageControl::ActivePageIndex() const {
    return activePage_ == nullptr ? 0 : activePage_->PageIndex();
}

void TPageControl::SetActivePageIndex(int index) { SetActivePage(Pages(index)); }

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page != nullptr && page->pageControl_ != this) page = nullptr;
    if (page == activePage_) return;
    TTabSheet* previous = activePage_;
    activePage_ = page;
    // The old page stops showing before the new one starts, so that its
    // OnHide runs before the new page's OnShow. The window tells which page
    // is active once that page has handled its showing (a first showing
    // also makes its windows): what is read from outside is then what the
    // user sees, also when a handler failed.
    try {
        if (previous != nullptr) previous->SetVisible(false);
        if (page != nullptr) {
            page->BringToFront();
            page->SetVisible(true);
        }
    } catch (...) {
        Changed(kChangeActivePage);
        throw;
    }
    Changed(kChangeActivePage);
}

void TPageControl::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    for (TTabSheet* page : pages_) PlacePage(page);
}

void TPageControl::PlacePage(TTabSheet* page) const {
    page->SetBounds(kSideInset, kTopInset, ClientWidth() - 2 * kSideInset,
                    ClientHeight() - kTopInset - kBottomInset);
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    PlacePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (page == activePage_) {
        activePage_ = nullptr;
        Changed(kChangeActivePage);
        page->SetVisible(false);
    }
}

}  // namespace tavrik::vcl
