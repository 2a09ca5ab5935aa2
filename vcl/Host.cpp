#include "vcl/Host.h"

#include <cstdio>
#include <cstdlib>

#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/ListBox.h"
#include "vcl/ScrollBar.h"
#include "vcl/Timer.h"
#include "vcl/UpDown.h"

namespace tavrik::vcl {

namespace {
Host* current = nullptr;

bool Usable(const TControl& control) { return control.IsShowing() && control.IsEnabledInTree(); }
}  // namespace

Host& CurrentHost() {
    if (current == nullptr) {
        // A programming error: the program and every test install a host
        // before they create components that need one.
        std::fputs("tavrik: no component host installed\n", stderr);
        std::abort();
    }
    return *current;
}

void SetCurrentHost(Host* host) { current = host; }

bool HasHost() { return current != nullptr; }

namespace events {

void Click(TControl& control) {
    RunGuarded([&] {
        if (Usable(control)) control.Click();
    });
}

void KeyDown(TForm& form, TControl* focused, std::uint16_t& key, ShiftState shift) {
    RunGuarded([&] {
        TWinControl* target = dynamic_cast<TWinControl*>(focused);
        if (target == nullptr) target = &form;
        if (form.KeyPreview() && target != &form && form.OnKeyDown) {
            form.OnKeyDown(&form, key, shift);
            if (key == 0) return;
        }
        if (target->OnKeyDown) target->OnKeyDown(target, key, shift);
    });
}

void KeyPress(TForm& form, TControl* focused, char& key) {
    RunGuarded([&] {
        TWinControl* target = dynamic_cast<TWinControl*>(focused);
        if (target == nullptr) target = &form;
        if (form.KeyPreview() && target != &form && form.OnKeyPress) {
            form.OnKeyPress(&form, key);
            if (key == 0) return;
        }
        if (target->OnKeyPress) target->OnKeyPress(target, key);
    });
}

void Scroll(TScrollBar& bar, ScrollCode code, int thumbPosition) {
    RunGuarded([&] {
        if (Usable(bar)) bar.Scroll(code, thumbPosition);
    });
}

void UpDownClick(TUpDown& upDown, UpDownButton button) {
    RunGuarded([&] {
        if (Usable(upDown)) upDown.ArrowPressed(button);
    });
}

void ListBoxSelect(TListBox& listBox, int index) {
    RunGuarded([&] {
        if (!Usable(listBox)) return;
        listBox.SetItemIndex(index);
        listBox.Click();
    });
}

void TimerTick(TTimer& timer) {
    RunGuarded([&] { timer.Tick(); });
}

}  // namespace events

}  // namespace tavrik::vcl
