#include "ProgressFixture.h"

#include "app/ProgramState.h"
#include "config/Registry.h"
#include "tests/vcl/BmpBuilder.h"

namespace tavrik::testing {

void ProgressTest::SetUp() {
    machine.AddDirectory("C:\\app\\qxdiag");
    machine.AddDirectory("E:\\qxdiag");
    machine.AddDirectory("E:\\COMPST");
    machine.WriteFile("C:\\WINDOWS\\system32\\cscript.exe", "MZ");
    machine.ScriptProcess("c:\\app\\qxdiag\\qxd.bat stop >nul", {});
    PutOnMedium("setup.exe", "MZ");
    platform::ProcessScript setup;
    setup.keepsRunning = true;
    machine.ScriptProcessMatching(
        [](const std::string& line) { return line.find("setup.exe -s -f1") != std::string::npos; },
        setup);
    Components("NB=0\r\n");
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("C:"));
    StartWizard(startArguments);
}

void ProgressTest::ShowProgressPage(bool installation) {
    platform::ProcessScript script;
    script.exitCode = updateResult;
    machine.ScriptProcess(kUpdateScript, script);
    State.IsInstallation = installation;
    Form().ShowPage(kPageInstallInProgress);
}

void ProgressTest::TickComponents() { host.TickTimer(*Form().TimerMAJComposant); }

bool ProgressTest::Tick() { return host.TickTimer(*Form().Timer1); }

void ProgressTest::EndSetup(const std::string& install) {
    if (install.empty()) {
        machine.RegistryDeleteKeyTree(kProductKey);
    } else {
        machine.SetRegistryValue(kProductKey, "Install", platform::StringValue(install));
    }
    machine.EndProcess(State.SetupProcessInfo.processId, 0);
}

void ProgressTest::Components(const std::string& section) {
    PutOnMedium("ap.ini",
                "[APPLICATION]\r\nPATH=\\APP\\BRENDOL\r\nPATH_EXE=\\EXE\r\n"
                "EXE=\\brendol.exe\r\n[INSTALL_COMPOSANTS]\r\n" +
                    section);
}

void ProgressTest::WaitPicture(const std::string& name, int width) {
    PutOnMedium("WAIT\\" + name,
                vcl::testing::Bmp24(width, 1, std::vector<std::uint32_t>(width, 0x336699)));
}

const platform::ProcessStart* ProgressTest::LastStartOf(const std::string& commandLine) const {
    const auto& starts = machine.ProcessStarts();
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        if (start->commandLine == commandLine) return &*start;
    }
    return nullptr;
}

}  // namespace tavrik::testing
