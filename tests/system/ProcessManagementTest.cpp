#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "system/ProcessManagement.h"

namespace tavrik {
namespace {

using platform::FakeMachine;

class ProcessManagementTest : public ::testing::Test {
protected:
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
};

TEST_F(ProcessManagementTest, MatchesTheWholeExecutableNameInAnyCase) {
    machine.SetProcessSnapshot({"System", "explorer.exe", "qxm.EXE", "QXM.exe.bak", "xQXM.exe"});
    bool running = false;
    EXPECT_TRUE(ProcessManagement::IsModuleRunning("QXM.exe", &running));
    EXPECT_TRUE(running);

    machine.SetProcessSnapshot({"QXM.exe.bak", "xQXM.exe", "QXM"});
    EXPECT_FALSE(ProcessManagement::IsModuleRunning("QXM.exe", &running));
    EXPECT_FALSE(running);
}

TEST_F(ProcessManagementTest, PrintsItsDiagnosticsToStandardOutput) {
    machine.SetProcessSnapshot({"explorer.exe"});
    bool running = true;
    ::testing::internal::CaptureStdout();
    ProcessManagement::IsModuleRunning("lumio32.exe", &running);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("ProcessManagement::IsModuleRunning(pModuleName='lumio32.exe', pIsRunning="),
              std::string::npos);
    EXPECT_NE(out.find("ProcessManagement::IsModuleRunning(): 'lumio32.exe' is running=false\n"),
              std::string::npos);
}

TEST_F(ProcessManagementTest, AFailedSnapshotCountsAsNotRunning) {
    machine.SetProcessSnapshot({"QXM.exe", "NTVDM.EXE"});
    machine.SetTopWindows({"wizard", "DREMOX - atelier"});
    machine.SetProcessSnapshotFails(true);
    bool running = false;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(ProcessManagement::IsModuleRunning("QXM.exe", &running));
    EXPECT_FALSE(ProcessManagement::Is16bitsModuleRunning("dremox", &running, "DREMOX"));
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("ProcessManagement::IsModuleRunning(): Unable to get the snapshot of "
                       "processes.\n"),
              std::string::npos);
    EXPECT_NE(out.find("NrvProcess::IsModuleRunning(): Unable to get the snapshot of processes.\n"),
              std::string::npos);
}

TEST_F(ProcessManagementTest, The16BitProgramNeedsBothTheVdmAndItsWindow) {
    bool running = false;
    machine.SetTopWindows({"Tavrik", "Atelier DREMOX 2000", "Explorer"});
    machine.SetProcessSnapshot({"explorer.exe"});
    EXPECT_FALSE(ProcessManagement::Is16bitsModuleRunning("dremox", &running, "DREMOX"));

    machine.SetProcessSnapshot({"explorer.exe", "ntvdm.exe"});
    EXPECT_TRUE(ProcessManagement::Is16bitsModuleRunning("dremox", &running, "DREMOX"));
    EXPECT_TRUE(running);

    machine.SetTopWindows({"Tavrik", "Atelier dremox 2000"});  // title is case-sensitive
    EXPECT_FALSE(ProcessManagement::Is16bitsModuleRunning("dremox", &running, "DREMOX"));
    EXPECT_FALSE(ProcessManagement::Is16bitsModuleRunning("dremox", &running, ""));
    EXPECT_FALSE(ProcessManagement::Is16bitsModuleRunning("dremox", &running, nullptr));
}

TEST_F(ProcessManagementTest, TheTopmostWindowIsNeverExamined) {
    machine.SetTopWindows({"DREMOX on top", "", "Other"});
    EXPECT_FALSE(FindWindowByTitle("DREMOX"));
    machine.SetTopWindows({"Tavrik", "", "Other DREMOX"});
    EXPECT_TRUE(FindWindowByTitle("DREMOX"));
    machine.SetTopWindows({});
    EXPECT_FALSE(FindWindowByTitle("DREMOX"));
}

}  // namespace
}  // namespace tavrik
