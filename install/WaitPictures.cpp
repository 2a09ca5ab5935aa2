#include "install/WaitPictures.h"

#include <exception>
#include <vector>

#include "app/ProgramState.h"
#include "config/IniFile.h"
#include "config/Registry.h"
#include "platform/Machine.h"
#include "vcl/FileRoutines.h"
#include "vcl/Image.h"
#include "vcl/Picture.h"
#include "vcl/StrToInt.h"

namespace tavrik {

namespace {

constexpr int kTicksBetweenPictures = 400;

// The copy made when the setup was launched. A removal may have deleted the
// product key since: the root kept at the launch still names the disk.
std::string CopiedFolder() {
    std::string pathInstall;
    ReadRegString(pathInstall, kProductKey, "PathInstall");
    if (pathInstall.empty()) {
        pathInstall = State.InstallPath;
    }
    return pathInstall + "\\APP\\TEMP\\WAIT\\";
}

}  // namespace

bool IsCopiedWaitFile(const std::string& name) {
    return name != "." && name != ".." && name.find('.') != std::string::npos;
}

int WaitPictureCount(const std::string& list) {
    return vcl::StrToIntDef(ReadIniString(list, "WAIT", "NB", ""), 0);
}

std::string WaitPictureName(const std::string& list, int number) {
    return ReadIniString(list, "WAIT", std::to_string(number), "");
}

void CopyWaitPictures(const std::string& sourceFolder, const std::string& targetFolder) {
    if (!vcl::DirectoryExists(targetFolder)) {
        vcl::ForceDirectories(targetFolder);
    }
    auto& machine = platform::CurrentMachine();
    std::vector<platform::DirectoryEntry> entries;
    if (!machine.ListDirectory(sourceFolder + "*.*", entries)) {
        return;
    }
    for (const auto& entry : entries) {
        if (!IsCopiedWaitFile(entry.name)) {
            continue;
        }
        machine.CopyFileTo(sourceFolder + entry.name, targetFolder + entry.name, false);
    }
}

void ShowNextWaitPicture(vcl::TImage& image) {
    const std::string folder = CopiedFolder();
    const std::string list = folder + "wait.ini";
    const std::string name = WaitPictureName(list, State.WaitImageNumber);
    const int count = WaitPictureCount(list);
    State.WaitImageNumber = State.WaitImageNumber >= count ? 1 : State.WaitImageNumber + 1;
    State.WaitPollCountdown = kTicksBetweenPictures;

    // A page that waits for the setup shows no error box for a picture:
    // without one the page simply stays plain.
    vcl::TPicture picture;
    if (count > 0 && !name.empty()) {
        try {
            picture.LoadFromFile(folder + name, {image.Width(), image.Height()});
        } catch (const std::exception&) {
            // A failed load leaves the picture empty.
        }
    }
    image.SetPicture(picture);
}

}  // namespace tavrik
