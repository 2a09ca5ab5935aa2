#include "ConformanceSupport.h"

namespace tavrik::conformance {

namespace {

MachineSetup* currentSetup = nullptr;

}  // namespace

MachineSetup& CurrentSetup() { return *currentSetup; }
void SetCurrentSetup(MachineSetup* setup) { currentSetup = setup; }

std::string ReadWholeFile(const std::string& path) {
    auto& machine = platform::CurrentMachine();
    const platform::Handle file =
        machine.OpenFile(path, platform::FileAccess::Read, platform::FileCreation::OpenExisting);
    if (file == platform::kNoHandle) {
        return "<missing>";
    }
    std::string content;
    char buffer[4096];
    for (;;) {
        const std::int64_t read = machine.ReadFile(file, buffer, sizeof buffer);
        if (read <= 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(read));
    }
    machine.CloseFile(file);
    return content;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    auto& machine = platform::CurrentMachine();
    const platform::Handle file =
        machine.OpenFile(path, platform::FileAccess::Write, platform::FileCreation::CreateAlways);
    if (file == platform::kNoHandle) {
        return false;
    }
    const bool written = machine.WriteFile(file, bytes.data(), bytes.size()) ==
                         static_cast<std::int64_t>(bytes.size());
    return machine.CloseFile(file) && written;
}

std::vector<std::string> ListedNames(const std::string& pattern) {
    std::vector<platform::DirectoryEntry> entries;
    if (!platform::CurrentMachine().ListDirectory(pattern, entries)) {
        return {"<none>"};
    }
    std::vector<std::string> names;
    for (const platform::DirectoryEntry& entry : entries) {
        names.push_back(entry.name + (entry.IsDirectory() ? "/" : ""));
    }
    return names;
}

std::string ChildCommand(const std::string& arguments, const std::string& firstWord) {
    const std::string program =
        firstWord.empty() ? "\"" + CurrentSetup().ChildProgram() + "\"" : firstWord;
    const std::string commandLine = program + " --child " + arguments;
    CurrentSetup().PrepareChild(commandLine, arguments);
    return commandLine;
}

}  // namespace tavrik::conformance
