// GoogleTest's customisation point, found before its own empty one when the
// Windows builds compile GoogleTest (cmake/WineTests.cmake).
//
// The win32 thread model of the cross compiler has no std::mutex or
// std::condition_variable, which only GoogleTest's Notification uses (to
// start threads in its own threading tests). This Notification waits on an
// atomic flag instead.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_.store(true); }
    void WaitForNotification() {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing
