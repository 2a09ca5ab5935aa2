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

    platform::FakeMachine machine;
    platform::ScopedCurrentMachine machineScope{machine};
    HeadlessHost host;
    std::unique_ptr<TApplication> application;
    TForm* form = nullptr;
};

}  // namespace tavrik::vcl::testing
