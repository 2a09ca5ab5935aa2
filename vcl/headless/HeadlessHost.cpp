#include "vcl/headless/HeadlessHost.h"

#include "vcl/Form.h"
#include "vcl/ListBox.h"
#include "vcl/ScrollBar.h"
#include "vcl/Timer.h"
#include "vcl/UpDown.h"

namespace tavrik::vcl {

namespace {
template <typename Map>
int CountOf(const Map& map, const TControl& control) {
    auto it = map.find(&control);
    return it == map.end() ? 0 : it->second;
}
}  // namespace

PeerId HeadlessHost::CreatePeer(TControl& control) {
    const PeerId peer = nextPeer_++;
    peers_[&control] = peer;
    changes_.erase(&control);
    return peer;
}

void HeadlessHost::DestroyPeer(TControl& control) {
    peers_.erase(&control);
    changes_.erase(&control);
    invalidates_.erase(&control);
    updates_.erase(&control);
    for (auto& entry : focus_) {
        if (entry.second == &control) entry.second = nullptr;
    }
    // The control may be a form on its way out.
    focus_.erase(&control);
    systemClose_.erase(&control);
}

void HeadlessHost::PropertiesChanged(TControl& control, ChangeSet changes) {
    changes_[&control] |= changes;
}

void HeadlessHost::Invalidate(TControl& control) { ++invalidates_[&control]; }

void HeadlessHost::Update(TControl& control) { ++updates_[&control]; }

void HeadlessHost::SetFocus(TControl& control) {
    TForm* form = control.ParentForm();
    if (form == nullptr || control.IsWindowless()) return;
    focus_[form] = &control == static_cast<TControl*>(form) ? nullptr : &control;
}

TControl* HeadlessHost::FocusedControl(TForm& form) {
    auto it = focus_.find(static_cast<const TControl*>(&form));
    return it == focus_.end() ? nullptr : it->second;
}

void HeadlessHost::FrameExtent(const TForm& form, int& extraWidth, int& extraHeight) {
    constexpr int kFixedFrame = 3;
    constexpr int kSizingFrame = 4;
    constexpr int kCaption = 19;
    constexpr int kToolCaption = 16;
    switch (form.BorderStyle()) {
        case TBorderStyle::bsNone:
            extraWidth = 0;
            extraHeight = 0;
            break;
        case TBorderStyle::bsSingle:
        case TBorderStyle::bsDialog:
            extraWidth = 2 * kFixedFrame;
            extraHeight = 2 * kFixedFrame + kCaption;
            break;
        case TBorderStyle::bsSizeable:
            extraWidth = 2 * kSizingFrame;
            extraHeight = 2 * kSizingFrame + kCaption;
            break;
        case TBorderStyle::bsToolWindow:
            extraWidth = 2 * kFixedFrame;
            extraHeight = 2 * kFixedFrame + kToolCaption;
            break;
        case TBorderStyle::bsSizeToolWin:
            extraWidth = 2 * kSizingFrame;
            extraHeight = 2 * kSizingFrame + kToolCaption;
            break;
    }
}

void HeadlessHost::EnableSystemClose(TForm& form, bool enabled) { systemClose_[&form] = enabled; }

bool HeadlessHost::SystemCloseEnabled(const TForm& form) const {
    auto it = systemClose_.find(static_cast<const TControl*>(&form));
    return it == systemClose_.end() || it->second;
}

void HeadlessHost::CloseForm(TForm& form) { closedForms_.push_back(&form); }

void HeadlessHost::StartTimer(TTimer& timer, unsigned intervalMs) { timers_[&timer] = intervalMs; }

void HeadlessHost::StopTimer(TTimer& timer) { timers_.erase(&timer); }

unsigned HeadlessHost::TimerInterval(const TTimer& timer) const {
    auto it = timers_.find(&timer);
    return it == timers_.end() ? 0 : it->second;
}

void HeadlessHost::RunMessageLoop() {
    ++loopRuns_;
    RunPosted(true);
}

void HeadlessHost::ProcessMessages() {
    ++processMessagesCalls_;
    RunPosted(false);
}

void HeadlessHost::RunPosted(bool untilEmpty) {
    std::size_t waiting = posted_.size();
    while (!terminated_ && !posted_.empty() && (untilEmpty || waiting-- > 0)) {
        std::function<void()> action = std::move(posted_.front());
        posted_.pop_front();
        action();
    }
}

void HeadlessHost::Terminate() { terminated_ = true; }

void HeadlessHost::ShowException(const std::string& message, const std::string& title) {
    exceptions_.push_back({message, title});
}

void HeadlessHost::Click(TControl& control) { events::Click(control); }

std::uint16_t HeadlessHost::PressKey(TForm& form, std::uint16_t key, ShiftState shift) {
    events::KeyDown(form, FocusedControl(form), key, shift);
    return key;
}

char HeadlessHost::TypeChar(TForm& form, char key) {
    events::KeyPress(form, FocusedControl(form), key);
    return key;
}

void HeadlessHost::Scroll(TScrollBar& bar, ScrollCode code, int thumbPosition) {
    events::Scroll(bar, code, thumbPosition);
}

void HeadlessHost::PressUpDown(TUpDown& upDown, UpDownButton button) {
    events::UpDownClick(upDown, button);
}

void HeadlessHost::SelectItem(TListBox& listBox, int index) {
    events::ListBoxSelect(listBox, index);
}

bool HeadlessHost::TickTimer(TTimer& timer) {
    if (!TimerRunning(timer)) return false;
    events::TimerTick(timer);
    return true;
}

void HeadlessHost::Post(std::function<void()> action) { posted_.push_back(std::move(action)); }

ChangeSet HeadlessHost::ChangesOf(const TControl& control) const {
    auto it = changes_.find(&control);
    return it == changes_.end() ? 0 : it->second;
}

int HeadlessHost::InvalidateCount(const TControl& control) const {
    return CountOf(invalidates_, control);
}

int HeadlessHost::UpdateCount(const TControl& control) const { return CountOf(updates_, control); }

}  // namespace tavrik::vcl
