#include "ProgressMarkers.h"

namespace tavrik::setup {

namespace {

constexpr int kPollMs = 20;

}  // namespace

void ProgressMarkers::Step(int number) {
    if (!watched_) return;
    // The watcher reads nothing; the step number helps a person who looks.
    if (!host_.Write(path_, "[PGB]\r\nStep=" + std::to_string(number) + "\r\n")) {
        watched_ = false;  // the root cannot take the marker: report no steps
        return;
    }
    const unsigned start = host_.Milliseconds();
    while (host_.KindOf(path_) != SetupHost::PathKind::None) {
        if (host_.Milliseconds() - start >= static_cast<unsigned>(waitMs_)) {
            watched_ = false;
            leftOver_ = true;
            return;
        }
        host_.Sleep(kPollMs);
    }
}

void ProgressMarkers::Finish() {
    if (leftOver_) host_.Delete(path_);
    leftOver_ = false;
}

}  // namespace tavrik::setup
