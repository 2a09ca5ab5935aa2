// Every row of the installation decision, from the confirmation of the
// language: trace lines, IsInstallation, the medium's place and the page.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "DecisionFixture.h"
#include "app/ProgramState.h"
#include "config/Registry.h"

namespace tavrik::testing {
namespace {

using Lines = std::vector<std::string>;

// The lines of the update confirmation's yes handler, wherever it runs.
Lines YesHandlerLines(const std::string& medium, const std::string& installed) {
    return {"touche_ConfMAJ_yesClick", "versionCD=" + medium, "versionHD=" + installed};
}

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A run whose installed version differs from the medium's: the language
// handler's two lines, the yes handler's, then what follows.
Lines DifferingVersionLines(const std::string& medium, const std::string& installed, Lines tail) {
    return Concat({{"pathInstall non Empty()", "version differente"},
                   YesHandlerLines(medium, installed),
                   tail});
}

// An accepted update: the independence line decides what follows.
Lines UpdateLines(const std::string& medium, const std::string& installed,
                  const char* independence = "Non Independant") {
    return DifferingVersionLines(medium, installed,
                                 {"version OK", "Nieme installation", independence});
}

const Lines kSameVersionLines = {"pathInstall non Empty()", "meme version"};

struct DecisionRow {
    const char* name;
    std::optional<std::string> medium;     // nullopt: no applic.ini on the medium
    std::optional<std::string> installed;  // nullopt: PathInstall empty
    bool refusedMachine;
    const char* independent;
    std::uint8_t acLine;
    Lines trace;
    int page;
    const char* nextLine;  // the reached page's show trace, "" for none
    bool cdWritten;
};

const DecisionRow kRows[] = {
    {"FirstInstallation", "5.2.0", std::nullopt, false, "FALSE", 1,
     Concat({{"pathInstall.IsEmpty()"},
             YesHandlerLines("5.2.0", ""),
             {"version OK", "1ere installation"}}),
     kPageVolumeInstall, "On_PageInstall", true},
    {"FirstInstallationWithoutMediumVersion", std::nullopt, std::nullopt, false, "FALSE", 1,
     Concat({{"pathInstall.IsEmpty()"}, YesHandlerLines("", ""), {"version KO"}}),
     kPageVersionError, "OnPageErreurVersion", true},
    {"FirstInstallationOnRefusedMachine", "5.2.0", std::nullopt, true, "FALSE", 1,
     Concat({{"pathInstall.IsEmpty()"},
             YesHandlerLines("5.2.0", ""),
             {"version OK", "installation sur machine ZELIA"}}),
     kPageVersionError, "OnPageErreurVersion", true},
    {"SameVersion", "5.2.0", "5.2.0", false, "FALSE", 1, kSameVersionLines, kPageUpdateConfirmation,
     "On_PageConfirmationMAJ", false},
    {"SameVersionOnRefusedMachineAsksFirst", "5.2.0", "5.2.0", true, "FALSE", 1, kSameVersionLines,
     kPageUpdateConfirmation, "On_PageConfirmationMAJ", false},
    {"BothVersionsEmptyAreTheSame", std::nullopt, "", false, "FALSE", 1, kSameVersionLines,
     kPageUpdateConfirmation, "On_PageConfirmationMAJ", false},
    {"UpdateOnMains", "5.3.0", "5.2.0", false, "FALSE", 1, UpdateLines("5.3.0", "5.2.0"),
     kPageInstallInProgress, "OnPageInstallEnCours", true},
    {"UpdateOnBattery", "5.3.0", "5.2.0", false, "FALSE", 0, UpdateLines("5.3.0", "5.2.0"),
     kPageMainsPower, "", true},
    {"UpdateWithUnknownPower", "5.3.0", "5.2.0", false, "FALSE", 255, UpdateLines("5.3.0", "5.2.0"),
     kPageMainsPower, "", true},
    {"IndependentUpdateAsksForTheLicence", "5.3.0", "5.2.0", false, "TRUE", 0,
     UpdateLines("5.3.0", "5.2.0", "Independant"), kPageLicence, "PageClufShow", true},
    {"LowerCaseTrueIsNotIndependent", "5.3.0", "5.2.0", false, "true", 1,
     UpdateLines("5.3.0", "5.2.0"), kPageInstallInProgress, "OnPageInstallEnCours", true},
    {"InstalledTreeWithoutVersionIsUpdated", "5.3.0", "", false, "FALSE", 1,
     UpdateLines("5.3.0", ""), kPageInstallInProgress, "OnPageInstallEnCours", true},
    {"OlderMediumIsRefused", "5.1.9", "5.2.0", false, "FALSE", 1,
     DifferingVersionLines("5.1.9", "5.2.0", {"version KO"}), kPageVersionError,
     "OnPageErreurVersion", true},
    {"VersionsOrderByteByByte", "2.10", "2.9", false, "FALSE", 1,
     DifferingVersionLines("2.10", "2.9", {"version KO"}), kPageVersionError, "OnPageErreurVersion",
     true},
    {"EmptyMediumVersionIsRefused", std::nullopt, "5.2.0", false, "FALSE", 1,
     DifferingVersionLines("", "5.2.0", {"version KO"}), kPageVersionError, "OnPageErreurVersion",
     true},
    {"UpdateOnRefusedMachine", "5.3.0", "5.2.0", true, "FALSE", 1,
     DifferingVersionLines("5.3.0", "5.2.0", {"version OK", "installation sur machine ZELIA"}),
     kPageVersionError, "OnPageErreurVersion", true},
};

class DecisionTableTest : public DecisionTest, public ::testing::WithParamInterface<DecisionRow> {};

TEST_P(DecisionTableTest, TracesDecidesAndShowsThePage) {
    const DecisionRow& row = GetParam();
    if (row.medium) {
        MediumVersion(*row.medium);
    } else {
        MediumWithoutApplicIni();
    }
    if (row.installed) {
        if (row.installed->empty()) {
            PathInstallWithoutTree();
        } else {
            InstalledOnD(*row.installed);
        }
    }
    if (row.refusedMachine) RefusedMachineType();
    Independent(row.independent);
    AcLine(row.acLine);
    StartWizard();
    MarkTrace();

    ConfirmLanguage();

    ExpectNewTrace(row.trace, row.nextLine);
    EXPECT_TRUE(State.IsInstallation);
    EXPECT_EQ(Page(), row.page);
    EXPECT_EQ(RegistryString(kProductKey, "CD"), row.cdWritten ? "E:\\" : "<missing>");
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(host.Exceptions().empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, DecisionTableTest, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

class DecisionDetailTest : public DecisionTest {};

TEST_F(DecisionDetailTest, SameVersionLeavesIsInstallationAsItWas) {
    MediumVersion("5.2.0");
    InstalledOnD("5.2.0");
    StartWizard();
    State.IsInstallation = false;
    ConfirmLanguage();
    EXPECT_EQ(Page(), kPageUpdateConfirmation);
    EXPECT_FALSE(State.IsInstallation);
}

TEST_F(DecisionDetailTest, WithoutPathInstallTheInstalledVersionIsReadOnTheCurrentDrive) {
    MediumVersion("5.2.0");
    PutOnMedium("APP\\BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=6.0\r\n");
    StartWizard();
    MarkTrace();
    ConfirmLanguage();
    ExpectNewTrace(
        Concat({{"pathInstall.IsEmpty()"}, YesHandlerLines("5.2.0", "6.0"), {"version KO"}}),
        "OnPageErreurVersion");
    EXPECT_EQ(Page(), kPageVersionError);
}

TEST_F(DecisionDetailTest, AMediumFileWithoutVsoftIsRefused) {
    MediumWithoutVersion();
    StartWizard();
    ConfirmLanguage();
    EXPECT_EQ(Page(), kPageVersionError);
    EXPECT_EQ(RegistryString(kProductKey, "CD"), "E:\\");
}

TEST_F(DecisionDetailTest, AFailedPowerQueryCountsAsBattery) {
    MediumVersion("5.3.0");
    InstalledOnD("5.2.0");
    machine.SetPowerStatusFails(true);
    StartWizard();
    ConfirmLanguage();
    EXPECT_EQ(Page(), kPageMainsPower);
}

TEST_F(DecisionDetailTest, EveryInputIsReadAgainAtEachConfirmation) {
    MediumVersion("5.1.0");
    InstalledOnD("5.2.0");
    StartWizard();
    ConfirmLanguage();
    EXPECT_EQ(Page(), kPageVersionError);

    MediumVersion("5.3.0");
    Form().ShowPage(kPageRecommendation);
    ConfirmLanguage();
    EXPECT_EQ(Page(), kPageInstallInProgress);
}

}  // namespace
}  // namespace tavrik::testing
