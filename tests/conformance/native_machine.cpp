// Runs the conformance cases against the in-memory machine.
#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"

namespace {

class FakeMachineEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        machine_ = new tavrik::platform::FakeMachine();
        tavrik::platform::SetCurrentMachine(machine_);
    }
    void TearDown() override {
        tavrik::platform::SetCurrentMachine(nullptr);
        delete machine_;
    }

private:
    tavrik::platform::FakeMachine* machine_ = nullptr;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new FakeMachineEnvironment);

}  // namespace
