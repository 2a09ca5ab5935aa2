// A host without any window, for tests.
//
// It records what the components tell it (peers, property changes,
// repaints, focus, timers, closed forms, exception dialogs) and lets a
// test act as the user would: click a control, press a key, scroll, press
// an up-down arrow, select a list item, fire a timer. Every action goes
// through events::, so it follows the same rules as the Win32 host: a
// click reaches OnClick only when the control and all its parents are
// visible (the form shown) and enabled; a key goes to the form's
// OnKeyDown first when KeyPreview is on, then to the focused control.
//
// The message loop runs the actions posted with Post(), in order, until
// the application terminates or none is left; ProcessMessages runs the
// ones waiting at that moment.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "vcl/Host.h"

namespace tavrik::vcl {

class TTimer;

class HeadlessHost : public Host {
public:
    struct ShownException {
        std::string message;
        std::string title;
    };

    // --- Host.
    PeerId CreatePeer(TControl& control) override;
    void DestroyPeer(TControl& control) override;
    void PropertiesChanged(TControl& control, ChangeSet changes) override;
    void Invalidate(TControl& control) override;
    void Update(TControl& control) override;
    void SetFocus(TControl& control) override;
    TControl* FocusedControl(TForm& form) override;
    // The classic Windows 2000 frame: 3-pixel fixed border and 19-pixel
    // caption (6 x 25 for bsSingle), 4-pixel sizing border.
    void FrameExtent(const TForm& form, int& extraWidth, int& extraHeight) override;
    void EnableSystemClose(TForm& form, bool enabled) override;
    void CloseForm(TForm& form) override;
    void StartTimer(TTimer& timer, unsigned intervalMs) override;
    void StopTimer(TTimer& timer) override;
    void RunMessageLoop() override;
    void ProcessMessages() override;
    void Terminate() override;
    void ShowException(const std::string& message, const std::string& title) override;

    // --- Acting as the user.
    void Click(TControl& control);
    // Returns the key as the handlers left it (0: consumed).
    std::uint16_t PressKey(TForm& form, std::uint16_t key, ShiftState shift = 0);
    char TypeChar(TForm& form, char key);
    void Scroll(TScrollBar& bar, ScrollCode code, int thumbPosition = 0);
    void PressUpDown(TUpDown& upDown, UpDownButton button);
    void SelectItem(TListBox& listBox, int index);
    // Fires one tick of a running timer; false (nothing fired) when the
    // timer is not running.
    bool TickTimer(TTimer& timer);
    // Queues an action for the message loop.
    void Post(std::function<void()> action);

    // --- Observations.
    bool HasPeer(const TControl& control) const { return peers_.count(&control) != 0; }
    int PeerCount() const { return static_cast<int>(peers_.size()); }
    // Change groups reported since the peer was created or ClearChanges.
    ChangeSet ChangesOf(const TControl& control) const;
    void ClearChanges() { changes_.clear(); }
    int InvalidateCount(const TControl& control) const;
    int UpdateCount(const TControl& control) const;
    bool TimerRunning(const TTimer& timer) const { return timers_.count(&timer) != 0; }
    unsigned TimerInterval(const TTimer& timer) const;
    // Whether the form's Close command is enabled (true until greyed).
    bool SystemCloseEnabled(const TForm& form) const;
    const std::vector<const TForm*>& ClosedForms() const { return closedForms_; }
    const std::vector<ShownException>& Exceptions() const { return exceptions_; }
    bool Terminated() const { return terminated_; }
    int LoopRuns() const { return loopRuns_; }
    int ProcessMessagesCalls() const { return processMessagesCalls_; }

private:
    void RunPosted(bool untilEmpty);

    std::map<const TControl*, PeerId> peers_;
    PeerId nextPeer_ = 1;
    std::map<const TControl*, ChangeSet> changes_;
    std::map<const TControl*, int> invalidates_;
    std::map<const TControl*, int> updates_;
    // Keyed by the form (as a control).
    std::map<const TControl*, TControl*> focus_;
    std::map<const TControl*, bool> systemClose_;
    std::map<const TTimer*, unsigned> timers_;
    std::vector<const TForm*> closedForms_;
    std::vector<ShownException> exceptions_;
    std::deque<std::function<void()>> posted_;
    bool terminated_ = false;
    int loopRuns_ = 0;
    int processMessagesCalls_ = 0;
};

}  // namespace tavrik::vcl
