// What the cases arrange outside the seam. The wizard never sets attributes,
// the current directory, the environment or raw registry values, and never
// stops a child; the cases must, and each machine does it its own way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Machine.h"

namespace tavrik::conformance {

class MachineSetup {
public:
    virtual ~MachineSetup() = default;

    // An empty folder on drive C for one case, and its removal after.
    virtual std::string FreshFolder() = 0;
    virtual void RemoveFolder(const std::string& folder) = 0;

    // Read-only, hidden and system bits of an existing file.
    virtual void SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
    virtual void ChangeDirectory(const std::string& path) = 0;
    // No value: the variable is removed.
    virtual void SetEnvironment(const std::string& name,
                                const std::optional<std::string>& value) = 0;
    // Stores a value of any type and bytes, as another program would.
    virtual void SetRegistryValue(const std::string& key, const std::string& name,
                                  const platform::RegistryValue& value) = 0;

    // The child program of the process cases. Its arguments after "--child":
    // "exit N" ends at once with code N, "sleep MS" runs for MS
    // milliseconds, "describe FILE" writes its current directory and
    // "hidden" or "shown" on two lines into FILE.
    virtual std::string ChildProgram() = 0;
    // Told each child command line before it starts.
    virtual void PrepareChild(const std::string& commandLine, const std::string& arguments) = 0;
    // Ends a running child with the given exit code.
    virtual void EndChild(const platform::ProcessInfo& child, std::uint32_t exitCode) = 0;
};

MachineSetup& CurrentSetup();
void SetCurrentSetup(MachineSetup* setup);

}  // namespace tavrik::conformance
