// Support for the Win32 host's tests, which run under Wine: one host and
// one application for the whole program, a shown form per test, and helpers
// to pump messages and reach windows.
#pragma once

#include "vcl/win32/Win32.h"

#include <gtest/gtest.h>

#include <string>

#include "vcl/Form.h"
#include "vcl/PageControl.h"
#include "vcl/win32/Win32Host.h"

namespace tavrik::vcl::win32::test {

HWND WindowOf(const TControl& control);
std::wstring WindowText(HWND window);
// Handles every message waiting for the test's thread.
void Pump();

template <typename T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
         int height) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// A form 300 x 200 (client) at the top left of the screen, shown, with a
// page control of two pages filling it.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A point of a container's client area in screen coordinates.
    static POINT ScreenPoint(const TWinControl& container, int x, int y);

    TForm* form_ = nullptr;
    TPageControl* pages_ = nullptr;
    TTabSheet* first_ = nullptr;
    TTabSheet* second_ = nullptr;
};

}  // namespace tavrik::vcl::win32::test
