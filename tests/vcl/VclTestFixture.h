// A fake machine, a headless host and an application with one empty form,
// for the component tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/headless/HeadlessHost.h"

namespace tavrik::vcl::testing {

class VclTest : public ::testing::Test {
protected:
    VclTest();
    ~VclTest() override;

    // Shows the form, which creates the peers and fires OnShow events.
    void ShowForm() { form->Show(); }

    // A new control of the form, placed on `parent`.
    template <typename C>
    C* Make(TWinControl* parent) {
        auto* control = new C(parent->ParentForm());
        control->SetParent(parent);
        return control;
    }

    platform::FakeMachine machine;
    platform::ScopedCurrentMachine machineScope{machine};
    HeadlessHost host;
    std::unique_ptr<TApplication> application;
    TForm* form = nullptr;
};

}  // namespace tavrik::vcl::testing
