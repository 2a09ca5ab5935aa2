// Runs the conformance cases against the in-memory machine: every case gets
// a fresh one, with the folders every Windows machine has.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "ConformanceSupport.h"
#include "platform/fake/FakeMachine.h"

namespace tavrik::conformance {
namespace {

using platform::FakeMachine;

const char* const kChildProgram = "C:\\conformance\\child.exe";

// The child program's behaviour (see MachineSetup) as process scripts.
platform::ProcessScript ChildScript(const std::string& arguments) {
    std::istringstream words(arguments);
    std::string mode;
    std::string value;
    words >> mode;
    std::getline(words >> std::ws, value);
    platform::ProcessScript script;
    if (mode == "exit") {
        script.exitCode = static_cast<std::uint32_t>(std::stoul(value));
    } else if (mode == "sleep") {
        script.keepsRunning = true;
        script.endsWhenWaited = false;  // until the case ends it
    } else if (mode == "describe") {
        script.onStart = [value](FakeMachine& machine) {
            const platform::StartOptions& options = machine.ProcessStarts().back().options;
            const std::string directory = options.currentDirectory.empty()
                                              ? machine.CurrentDirectory()
                                              : options.currentDirectory;
            machine.WriteFile(value,
                              directory + "\n" + (options.hidden ? "hidden" : "shown") + "\n");
        };
    } else {
        script.exitCode = 2;
    }
    return script;
}

class FakeSetup : public MachineSetup {
public:
    explicit FakeSetup(FakeMachine& machine) : machine_(machine) {}

    std::string FreshFolder() override {
        machine_.AddDirectory("C:\\tavrik-conformance");
        return "C:\\tavrik-conformance";
    }
    void RemoveFolder(const std::string&) override {}  // goes with the machine
    void SetAttributes(const std::string& path, std::uint32_t attributes) override {
        machine_.SetFileAttributes(path, attributes);
    }
    void ChangeDirectory(const std::string& path) override { machine_.SetCurrentDirectory(path); }
    void SetEnvironment(const std::string& name, const std::optional<std::string>& value) override {
        if (value) {
            machine_.SetEnvironmentVariable(name, *value);
        } else {
            machine_.UnsetEnvironmentVariable(name);
        }
    }
    void SetRegistryValue(const std::string& key, const std::string& name,
                          const platform::RegistryValue& value) override {
        machine_.SetRegistryValue(key, name, value);
    }
    std::string ChildProgram() override { return kChildProgram; }
    void PrepareChild(const std::string& commandLine, const std::string& arguments) override {
        machine_.ScriptProcess(commandLine, ChildScript(arguments));
    }
    void EndChild(const platform::ProcessInfo& child, std::uint32_t exitCode) override {
        machine_.EndProcess(child.processId, exitCode);
    }

private:
    FakeMachine& machine_;
};

class FreshMachinePerCase : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        machine_ = std::make_unique<FakeMachine>();
        machine_->AddDirectory("C:\\WINDOWS");
        machine_->WriteFile("C:\\WINDOWS\\system32\\kernel32.dll", "MZ");
        machine_->WriteFile(kChildProgram, "MZ");
        machine_->SetProgramDirectory("C:\\conformance");
        setup_ = std::make_unique<FakeSetup>(*machine_);
        platform::SetCurrentMachine(machine_.get());
        SetCurrentSetup(setup_.get());
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        SetCurrentSetup(nullptr);
        platform::SetCurrentMachine(nullptr);
        setup_.reset();
        machine_.reset();
    }

private:
    std::unique_ptr<FakeMachine> machine_;
    std::unique_ptr<FakeSetup> setup_;
};

}  // namespace
}  // namespace tavrik::conformance

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(
        new tavrik::conformance::FreshMachinePerCase);
    return RUN_ALL_TESTS();
}
