#include "platform/fake/HostFolderMount.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {

namespace {

namespace fs = std::filesystem;

std::string WindowsName(const fs::path& relative) {
    std::string name;
    for (const auto& part : relative) {
        name += (name.empty() ? "" : "\\") + part.string();
    }
    return name;
}

bool ReadBytes(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// One walk of the folder; each entry is mounted or left out as it comes.
class Mount {
public:
    Mount(FakeMachine& machine, const fs::path& folder, const std::string& windowsFolder,
          const MountOptions& options)
        // Without a trailing separator, so that each entry's path relative
        // to it is its own, whatever links it was reached through.
        : machine_(machine),
          folder_((folder / "").parent_path()),
          windowsFolder_(windowsFolder),
          options_(options) {}

    MountOutcome Run() {
        std::error_code failure;
        if (!fs::is_directory(folder_, failure)) {
            outcome_.failure = MountOutcome::Failure::NotAFolder;
            return outcome_;
        }
        fs::recursive_directory_iterator walk(
            folder_, fs::directory_options::follow_directory_symlink, failure);
        for (const fs::recursive_directory_iterator end; !failure && walk != end;
             walk.increment(failure)) {
            if (!Entry(walk)) return outcome_;
        }
        if (failure) {
            outcome_.failure = MountOutcome::Failure::FolderUnreadable;
            outcome_.message = failure.message();
        }
        return outcome_;
    }

private:
    // False when the mount stops.
    bool Entry(fs::recursive_directory_iterator& walk) {
        const fs::path relative = walk->path().lexically_relative(folder_);
        const std::string shown = relative.generic_string();
        if (options_.wanted && !options_.wanted(shown)) {
            walk.disable_recursion_pending();
            return true;
        }
        const std::string name = WindowsName(relative);
        const auto [kept, added] = mounted_.emplace(CaseFoldedKey(name), shown);
        if (!added) {
            LeaveOut(MountLeftOut::Why::CaseOnlyClash, shown, kept->second);
            return true;
        }
        try {
            std::error_code failure;
            if (walk->is_directory(failure)) {
                machine_.AddDirectory(windowsFolder_ + name);
            } else if (!fs::is_regular_file(walk->path(), failure)) {
                LeaveOut(MountLeftOut::Why::NotAPlainFile, shown, "");
            } else {
                return File(walk->path(), shown, windowsFolder_ + name);
            }
        } catch (const std::exception& refusal) {
            LeaveOut(MountLeftOut::Why::NameRefused, shown, refusal.what());
        }
        return true;
    }

    bool File(const fs::path& host, const std::string& shown, const std::string& windowsPath) {
        std::error_code failure;
        if (options_.by == MountBy::Linking) {
            // The folder mounted into may not exist yet; its own entries do.
            const fs::path link = machine_.HostPath(windowsPath);
            fs::create_directories(link.parent_path(), failure);
            if (!failure) fs::create_symlink(fs::absolute(host), link, failure);
            if (failure) return Fail(MountOutcome::Failure::FileUnlinkable, host, shown, failure);
            return true;
        }
        std::string bytes;
        if (!ReadBytes(host, bytes)) {
            return Fail(MountOutcome::Failure::FileUnreadable, host, shown, failure);
        }
        machine_.WriteFile(windowsPath, bytes);
        return true;
    }

    void LeaveOut(MountLeftOut::Why why, const std::string& shown, const std::string& detail) {
        outcome_.leftOut.push_back(MountLeftOut{why, shown, detail});
    }

    bool Fail(MountOutcome::Failure failure, const fs::path& host, const std::string& shown,
              const std::error_code& reason) {
        outcome_.failure = failure;
        outcome_.failedEntry = shown;
        outcome_.hostPath = host.string();
        outcome_.message = reason ? reason.message() : "";
        return false;
    }

    FakeMachine& machine_;
    const fs::path folder_;
    const std::string windowsFolder_;
    const MountOptions& options_;
    // Folded Windows name -> the entry mounted under it.
    std::map<std::string, std::string> mounted_;
    MountOutcome outcome_;
};

}  // namespace

MountOutcome MountHostFolder(FakeMachine& machine, const fs::path& folder,
                             const std::string& windowsFolder, const MountOptions& options) {
    return Mount(machine, folder, windowsFolder, options).Run();
}

}  // namespace tavrik::platform
