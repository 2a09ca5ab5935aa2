#include "PcSetup.h"

#include <fstream>
#include <iterator>

#include "ObservedPc.h"
#include "platform/fake/HostFolderMount.h"
#include "tools/onmachine/DictionaryOnMachine.h"

namespace tavrik::dryrun {

namespace {

std::string DriveRoot(char letter) { return std::string(1, letter) + ":\\"; }

void ApplyRegistry(platform::FakeMachine& machine, const std::vector<RegOperation>& registry,
                   std::vector<std::string>& notes) {
    bool currentUserNoted = false;
    for (const RegOperation& operation : registry) {
        if (operation.root == RegRoot::CurrentUser) {
            if (!currentUserNoted) {
                notes.push_back(operation.rootName + " (line " + std::to_string(operation.line) +
                                " on) is read; the wizard uses none of it");
            }
            currentUserNoted = true;
            continue;
        }
        if (operation.root == RegRoot::Other) {
            if (operation.kind == RegOperation::Kind::CreateKey) {
                notes.push_back("line " + std::to_string(operation.line) + ": " +
                                operation.rootName +
                                " ignored: the wizard reads only HKEY_LOCAL_MACHINE");
            }
            continue;
        }
        try {
            switch (operation.kind) {
                case RegOperation::Kind::CreateKey:
                    if (!operation.key.empty()) machine.CreateRegistryKey(operation.key);
                    break;
                case RegOperation::Kind::DeleteKey:
                    if (!machine.RegistryDeleteKeyTree(operation.key) &&
                        machine.HasRegistryKey(operation.key)) {
                        throw RegFileError(operation.line,
                                           "the key " + operation.key + " cannot be deleted");
                    }
                    break;
                case RegOperation::Kind::SetValue:
                    machine.SetRegistryValue(operation.key, operation.name, operation.value);
                    break;
                case RegOperation::Kind::DeleteValue:
                    machine.RegistryDeleteValue(operation.key, operation.name);
                    break;
            }
        } catch (const platform::FakeSetupError& error) {
            throw RegFileError(operation.line, error.what());
        }
    }
}

// The medium folder as the CD-ROM drive. What Windows could not hold is
// left out as the drive would show it, but a name it refuses makes the
// medium unusable.
void LoadMedium(platform::FakeMachine& machine, const std::string& folder, char drive) {
    using Failure = platform::MountOutcome::Failure;
    machine.AddDrive(drive, platform::kDriveCdRom);
    const platform::MountOutcome outcome =
        platform::MountHostFolder(machine, folder, DriveRoot(drive));
    for (const platform::MountLeftOut& left : outcome.leftOut) {
        if (left.why == platform::MountLeftOut::Why::NameRefused) throw InputError(left.detail);
    }
    switch (outcome.failure) {
        case Failure::None:
            break;
        case Failure::NotAFolder:
            throw InputError(folder + ": not a folder");
        case Failure::FileUnreadable:
        case Failure::FileUnlinkable:
            throw InputError(outcome.hostPath + ": cannot be read");
        case Failure::FolderUnreadable:
            throw InputError(folder + ": " + outcome.message);
    }
    machine.SetCurrentDirectory(DriveRoot(drive));
}

}  // namespace

std::string ReadHostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw InputError(path + ": cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> PreparePc(platform::FakeMachine& machine, const Options& options,
                                   const std::vector<RegOperation>& registry,
                                   const std::string& lx32Library) {
    std::vector<std::string> notes;
    ApplyRegistry(machine, registry, notes);

    machine.SetVersion(options.windowsMajor, options.windowsMinor);
    machine.SetSystemDefaultLanguageName(options.systemLanguage);
    platform::PowerStatus power;
    if (options.power == Power::Mains) {
        power.acLineStatus = 1;
        power.batteryFlag = 128;  // no battery
    } else if (options.power == Power::Battery) {
        power.acLineStatus = 0;
        power.batteryFlag = 1;
        power.batteryLifePercent = 80;
    }
    machine.SetPowerStatus(power);
    for (const char drive : options.fixedDrives) {
        if (drive != 'C') machine.AddDrive(drive, platform::kDriveFixed);
    }
    machine.SetProcessSnapshot(options.running);
    machine.SetRegistryDenied(options.registryDenied);
    for (const auto& [name, value] : options.environment)
        machine.SetEnvironmentVariable(name, value);

    // Windows 2000 and XP bring the script host that runs the update script.
    machine.WriteFile(machine.SystemDirectory() + "\\cscript.exe", "MZ");

    // The suite's service answers its check script as the options say.
    machine.WriteFile(kServiceScript,
                      "@rem the suite's service script, answered by the dry run\r\n");
    platform::ProcessScript check;
    check.exitCode = options.diagnosticServiceRunning ? 13 : 0;
    machine.ScriptProcess(kServiceCheck, check);
    machine.ScriptProcess(kServiceStop, platform::ProcessScript{});

    try {
        for (const auto& [windowsPath, hostPath] : options.files) {
            machine.WriteFile(windowsPath, ReadHostFile(hostPath));
        }
        LoadMedium(machine, options.medium, options.mediumDrive);
    } catch (const platform::FakeSetupError& error) {
        throw InputError(error.what());
    }
    onmachine::AddNativeDictionaryLibrary(machine, lx32Library);
    return notes;
}

}  // namespace tavrik::dryrun
