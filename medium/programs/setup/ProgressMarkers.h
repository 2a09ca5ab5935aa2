// Progress steps reported the way the wizard watches them: each step
// creates the marker file PGB_Avance.ini at the installation root and waits
// until the watcher has deleted it. A marker still there after the wait
// means nobody is watching (the unattended branch, a hand-run): later steps
// then neither create nor wait, and Finish removes the marker left over.
#pragma once

#include <string>

#include "SetupHost.h"

namespace tavrik::setup {

class ProgressMarkers {
public:
    ProgressMarkers(SetupHost& host, std::string markerPath, int waitMs)
        : host_(host), path_(std::move(markerPath)), waitMs_(waitMs) {}

    void Step(int number);
    void Finish();
    bool Watched() const { return watched_; }

private:
    SetupHost& host_;
    std::string path_;
    int waitMs_;
    bool watched_ = true;
    bool leftOver_ = false;  // our own unclaimed marker
};

}  // namespace tavrik::setup
