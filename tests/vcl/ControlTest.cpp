#include "vcl/Control.h"

#include "VclTestFixture.h"
#include "vcl/Exceptions.h"
#include "vcl/GroupBox.h"
#include "vcl/Label.h"
#include "vcl/Shape.h"
#include "vcl/SpeedButton.h"

namespace tavrik::vcl {
namespace {

using ControlTest = testing::VclTest;

TEST_F(ControlTest, PeersAreCreatedWhenTheFormShowsAndForControlsAddedLater) {
    auto* group = Make<TGroupBox>(form);
    auto* label = Make<TLabel>(group);
    EXPECT_EQ(host.PeerCount(), 0);
    ShowForm();
    EXPECT_EQ(host.PeerCount(), 3);
    EXPECT_TRUE(host.HasPeer(*label));
    auto* late = new TLabel(form);
    EXPECT_FALSE(host.HasPeer(*late));  // no parent yet
    late->SetParent(group);
    EXPECT_TRUE(host.HasPeer(*late));
    delete group;  // its children stay (the form owns them) but lose their peers
    EXPECT_EQ(label->Parent(), nullptr);
    EXPECT_FALSE(host.HasPeer(*label));
    EXPECT_EQ(host.PeerCount(), 1);
}

TEST_F(ControlTest, ReparentingRecreatesPeersAndIsRefusedForCycles) {
    auto* outer = Make<TGroupBox>(form);
    auto* inner = Make<TGroupBox>(outer);
    ShowForm();
    const PeerId before = inner->Peer();
    inner->SetParent(form);
    EXPECT_NE(inner->Peer(), before);
    EXPECT_THROW(outer->SetParent(outer), EComponentError);
    inner->SetParent(nullptr);
    EXPECT_THROW(form->SetParent(inner), EComponentError);
    EXPECT_THROW(form->SetParent(outer), EComponentError);
}

TEST_F(ControlTest, OwnerDestroysWhatItOwnsAndNamesAreUnique) {
    auto* a = new TLabel(form);
    a->SetName("Label1");
    auto* b = new TLabel(form);
    EXPECT_THROW(b->SetName("LABEL1"), EComponentError);
    b->SetName("Label2");
    EXPECT_EQ(form->FindComponent("label2"), b);
    EXPECT_EQ(form->Find<TLabel>("Label1"), a);
    EXPECT_THROW(form->Find<TShape>("Label1"), EComponentError);
    EXPECT_THROW(form->Find<TLabel>("Missing"), EComponentError);
    delete a;
    EXPECT_EQ(form->ComponentCount(), 1);
    EXPECT_EQ(form->FindComponent("Label1"), nullptr);
}

TEST_F(ControlTest, ZOrderAndHitTestingOfWindowlessChildren) {
    auto* below = Make<TShape>(form);
    auto* above = Make<TSpeedButton>(form);
    below->SetBounds(0, 0, 100, 100);
    above->SetBounds(50, 50, 20, 20);
    EXPECT_EQ(form->ControlAtPos(55, 55), above);
    EXPECT_EQ(form->ControlAtPos(10, 10), below);
    EXPECT_EQ(form->ControlAtPos(100, 10), nullptr);  // right edge is outside
    above->SetEnabled(false);
    EXPECT_EQ(form->ControlAtPos(55, 55), below);
    EXPECT_EQ(form->ControlAtPos(55, 55, true), above);
    above->SetEnabled(true);
    below->BringToFront();
    EXPECT_EQ(form->ControlAtPos(55, 55), below);
    EXPECT_EQ(form->Children().back(), below);
    below->SendToBack();
    EXPECT_EQ(form->Children().front(), below);
}

TEST_F(ControlTest, ClickReachesOnlyShowingEnabledControls) {
    auto* group = Make<TGroupBox>(form);
    auto* button = Make<TSpeedButton>(group);
    int clicks = 0;
    button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    host.Click(*button);  // form not shown yet
    ShowForm();
    group->SetEnabled(false);
    host.Click(*button);
    group->SetEnabled(true);
    group->Hide();
    host.Click(*button);
    group->Show();
    host.Click(*button);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, PropertyChangesReachTheHostByGroup) {
    auto* label = Make<TLabel>(form);
    ShowForm();
    host.ClearChanges();
    label->SetCaption("x");
    label->SetBounds(1, 2, 3, 4);
    label->SetWordWrap(true);
    label->Font().SetColor(clRed);
    EXPECT_EQ(host.ChangesOf(*label),
              kChangeText | kChangeBounds | kChangeAppearance | kChangeFont);
    host.ClearChanges();
    label->SetCaption("x");  // same value: nothing to tell
    label->SetWidth(-5);     // negative sizes become 0
    EXPECT_EQ(label->Width(), 0);
    EXPECT_EQ(host.ChangesOf(*label), kChangeBounds);
    label->Repaint();
    EXPECT_EQ(host.InvalidateCount(*label), 1);
    EXPECT_EQ(host.UpdateCount(*label), 1);
}

TEST_F(ControlTest, FormClientSizeAddsTheHostFrame) {
    form->SetBorderStyle(TBorderStyle::bsSingle);
    form->SetClientWidth(648);
    form->SetClientHeight(490);
    EXPECT_EQ(form->Width(), 654);
    EXPECT_EQ(form->Height(), 515);
    EXPECT_EQ(form->ClientWidth(), 648);
    form->SetBorderStyle(TBorderStyle::bsNone);  // the client area is kept
    EXPECT_EQ(form->Width(), 648);
    EXPECT_EQ(form->ClientHeight(), 490);
}

}  // namespace
}  // namespace tavrik::vcl
