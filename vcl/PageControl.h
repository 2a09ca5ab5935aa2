// A page control and its tab sheets.
//
// Pages are numbered from 1 in the order they were placed in the control:
// ActivePageIndex N shows the N-th page, 0 means no page, so the wizard's
// page numbers are the indexes themselves. Only the active page is
// visible; it fires OnShow when it starts showing (at once when the form
// is shown, otherwise when the form is first shown). Each page fills the
// control's display area: the client area less 4 pixels at the left,
// right and bottom and 6 at the top (a 648 x 490 control holds 640 x 480
// pages).
#pragma once

#include <vector>

#include "vcl/Control.h"

namespace tavrik::vcl {

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    const char* ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    // 1-based position among its page control's pages; 0 without one.
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool tabVisible);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void ShowingChanged(bool showing) override;
    void ParentChanged(TWinControl* oldParent) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner) : TWinControl(owner, ControlKind::PageControl) {}
    ~TPageControl() override;
    const char* ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // 1-based; nullptr outside 1..PageCount.
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return activePage_; }
    // A sheet of another control (or nullptr) makes no page active.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    // An index outside 1..PageCount makes no page active.
    void SetActivePageIndex(int index);

    void SetBounds(int left, int top, int width, int height) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void PlacePage(TTabSheet* page) const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

}  // namespace tavrik::vcl
