#include "platform/fake/HostFolderMount.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "platform/fake/CaseFolding.h"

namespace tavrik::platform {
namespace {

namespace fs = std::filesystem;
using Why = MountLeftOut::Why;
using Failure = MountOutcome::Failure;

// A host folder: "name" a file holding its own name, "name/" a folder,
// "name->target" a link, "name|" a FIFO.
class HostFolder {
public:
    explicit HostFolder(const std::vector<std::string>& entries)
        : root_(fs::temp_directory_path() / ("tavrik-mount-" + std::to_string(::getpid()))) {
        fs::remove_all(root_);
        fs::create_directories(root_);
        for (const std::string& entry : entries) Make(entry);
    }
    ~HostFolder() { fs::remove_all(root_); }
    const fs::path& Root() const { return root_; }

private:
    void Make(const std::string& entry) {
        const auto arrow = entry.find("->");
        if (arrow != std::string::npos) {
            fs::create_symlink(entry.substr(arrow + 2), root_ / entry.substr(0, arrow));
        } else if (entry.back() == '/') {
            fs::create_directories(root_ / entry);
        } else if (entry.back() == '|') {
            ASSERT_EQ(::mkfifo((root_ / entry.substr(0, entry.size() - 1)).c_str(), 0600), 0);
        } else {
            std::ofstream(root_ / entry) << entry;
        }
    }
    fs::path root_;
};

struct MountCase {
    const char* name;
    std::vector<std::string> host;
    MountBy by;
    std::function<bool(const std::string&)> wanted;
    // Machine path -> bytes; an empty text for a folder.
    std::vector<std::pair<std::string, std::string>> mounted;
    std::vector<std::string> absent;
    std::vector<Why> leftOut;
};

class HostFolderMountTest : public ::testing::TestWithParam<MountCase> {};

TEST_P(HostFolderMountTest, MountsWhatWindowsCanHoldAndTellsTheRest) {
    const MountCase& row = GetParam();
    const HostFolder folder(row.host);
    FakeMachine machine;
    machine.AddDrive('E', kDriveCdRom);
    const MountOutcome outcome =
        MountHostFolder(machine, folder.Root(), "E:\\Medium\\", {row.by, row.wanted});

    EXPECT_EQ(outcome.failure, Failure::None) << outcome.message;
    for (const auto& [path, bytes] : row.mounted) {
        const std::string full = "E:\\Medium\\" + path;
        if (bytes.empty()) {
            EXPECT_TRUE(machine.DirectoryExists(full)) << full;
            continue;
        }
        EXPECT_EQ(machine.ReadFile(full).value_or("<missing>"), bytes) << full;
        // Writing a copied file through the machine never reaches the host.
        EXPECT_EQ(fs::is_symlink(machine.HostPath(full)), row.by == MountBy::Linking) << full;
    }
    for (const std::string& path : row.absent) {
        EXPECT_FALSE(machine.FileExists("E:\\Medium\\" + path)) << path;
        EXPECT_FALSE(machine.DirectoryExists("E:\\Medium\\" + path)) << path;
    }
    std::vector<Why> told;
    for (const MountLeftOut& left : outcome.leftOut) {
        told.push_back(left.why);
        if (left.why == Why::CaseOnlyClash) {
            EXPECT_TRUE(EqualsIgnoringCase(left.entry, left.detail) && left.entry != left.detail)
                << left.entry << " clashes with " << left.detail;
        }
    }
    EXPECT_EQ(told, row.leftOut);
}

bool NotSources(const std::string& relative) { return relative.rfind("dico", 0) != 0; }

INSTANTIATE_TEST_SUITE_P(
    Cases, HostFolderMountTest,
    ::testing::Values(
        MountCase{"CopiesFilesAndFoldersWithTheirHostNames",
                  {"tavrik.ini", "BRENDOL/", "BRENDOL/DICO/", "BRENDOL/DICO/THESAUFR.bmp", "WAIT/"},
                  MountBy::Copying,
                  nullptr,
                  {{"TAVRIK.INI", "tavrik.ini"},
                   {"brendol\\dico\\thesaufr.bmp", "BRENDOL/DICO/THESAUFR.bmp"},
                   {"WAIT", ""}},
                  {},
                  {}},
        MountCase{
            "LinksFilesAndFollowsLinkedFolders",
            {"real/", "real/a.txt", "linked->real", "ap.ini"},
            MountBy::Linking,
            nullptr,
            {{"ap.ini", "ap.ini"}, {"real\\a.txt", "real/a.txt"}, {"linked\\a.txt", "real/a.txt"}},
            {},
            {}},
        MountCase{"KeepsOneOfTwoNamesDifferingOnlyInCase",
                  {"Same/", "same/", "Same/x.txt"},
                  MountBy::Copying,
                  nullptr,
                  {{"SAME\\x.txt", "Same/x.txt"}},
                  {},
                  {Why::CaseOnlyClash}},
        MountCase{"LeavesOutWhatIsNotAPlainFile",
                  {"dangling->nowhere", "pipe|", "kept.txt"},
                  MountBy::Linking,
                  nullptr,
                  {{"kept.txt", "kept.txt"}},
                  {"dangling", "pipe"},
                  {Why::NotAPlainFile, Why::NotAPlainFile}},
        MountCase{"LeavesOutNamesWindowsRefuses",
                  {"what?.txt"},
                  MountBy::Copying,
                  nullptr,
                  {},
                  {},
                  {Why::NameRefused}},
        MountCase{"EntersNoFolderItDoesNotWant",
                  {"dico/", "dico/THESAUFR.txt", "dicoless.ini", "ap.ini"},
                  MountBy::Copying,
                  NotSources,
                  {{"ap.ini", "ap.ini"}},
                  {"dico", "dicoless.ini"},
                  {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HostFolderMount, AFileIsNoFolderToMount) {
    const HostFolder folder({"file.txt"});
    FakeMachine machine;
    EXPECT_EQ(MountHostFolder(machine, folder.Root() / "file.txt", "C:\\").failure,
              Failure::NotAFolder);
}

}  // namespace
}  // namespace tavrik::platform
