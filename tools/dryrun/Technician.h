// Runs the wizard on the prepared PC and acts as the technician would on
// each page, as the options say, with the wizard's own keys (each page's
// key to go on and the key names come from the page table), the arrows and
// a click on an option line. It stops where
// the road would wait for the outside world (mains power, programs to
// close, a restart, a started program) and otherwise at the program's end.
#pragma once

#include <vector>

#include "ObservedPc.h"
#include "Options.h"
#include "Road.h"

namespace tavrik {
class TMainForm;
}

namespace tavrik::dryrun {

class Technician {
public:
    Technician(ObservedHost& host, Road& road, const Options& options)
        : host_(host), road_(road), options_(options) {}

    // Needs the machine installed as the current one and the host as the
    // current host.
    void Run();

private:
    // Tells the road each page as it starts showing.
    void WatchPages();
    // Acts on each page until the road ends or stops.
    void Drive();
    bool Ended() const;
    void Act(int page);
    // Presses the key the page table gives the page to go on (Enter, or
    // F3 on the language confirmation).
    void GoOn(int page);
    void Press(std::uint16_t key);
    void ChooseLanguage();
    void ChooseVolume();
    // Page 6: ticks the running timer, or tells the outcome and validates.
    void FollowTheWork();

    ObservedHost& host_;
    Road& road_;
    const Options& options_;
    TMainForm* form_ = nullptr;
    std::vector<int> exits_;
    bool setupTicked_ = false;  // since the last timer tick of page 6
    bool validatedOutcome_ = false;
    bool versionsTold_ = false;
};

}  // namespace tavrik::dryrun
