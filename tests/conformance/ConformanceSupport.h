// Shared by the cases that run both against the in-memory machine and
// against the real Windows machine under Wine.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MachineSetup.h"
#include "platform/Machine.h"

namespace tavrik::conformance {

// The whole file through the seam, or "<missing>" when it cannot be opened.
std::string ReadWholeFile(const std::string& path);
// Creates or replaces the file through the seam; false when it cannot.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// Names of a listing, folders marked with a final "/"; "<none>" when the
// listing fails.
std::vector<std::string> ListedNames(const std::string& pattern);

// A command line that starts the child program (see MachineSetup) with
// arguments; firstWord replaces the program the line names.
std::string ChildCommand(const std::string& arguments, const std::string& firstWord = "");

// A case with its own empty folder on drive C.
class MachineCase : public ::testing::Test {
protected:
    void SetUp() override { folder_ = CurrentSetup().FreshFolder(); }
    void TearDown() override { CurrentSetup().RemoveFolder(folder_); }

    const std::string& Folder() const { return folder_; }
    std::string At(const std::string& name) const { return folder_ + "\\" + name; }

    platform::Machine& machine = platform::CurrentMachine();

private:
    std::string folder_;
};

}  // namespace tavrik::conformance
