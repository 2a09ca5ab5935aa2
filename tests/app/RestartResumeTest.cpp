// Which road a start takes: the run after a restart only with "-reboot" and
// a sound resume record; every other start is an ordinary run with all its
// checks, and nothing armed for a resumption outlives the start that finds it.
#include <gtest/gtest.h>

#include <string>

#include "WizardFixture.h"
#include "app/ProgramState.h"
#include "app/ResumeRecord.h"
#include "config/Registry.h"

namespace tavrik::testing {
namespace {

enum class Record { None, Sound, Unsound };

struct ResumeRow {
    const char* name;
    const char* commandLine;
    Record record;
    bool shortcut;
    const char* runOnce;  // the run-once value Install, "" for none
    // Expected:
    bool resumed;
    std::string trace;  // the lines before page 7's, each ending in "\n"
    bool shortcutLeft;
    const char* runOnceLeft;  // "<missing>" when removed
};

const char* const kResumed =
    "Reprise apres redemarrage : THESAURU.DBZ sur D:, premiere installation\n";
const char* const kStale = "Enregistrement de reprise d'un lancement precedent supprime\n";
const char* const kOurs = "c:\\Tavrik.lnk";

class RestartResumeTest : public WizardTest, public ::testing::WithParamInterface<ResumeRow> {
protected:
    void Arrange(const ResumeRow& row) {
        machine.AddDrive('D', platform::kDriveFixed);
        if (row.record != Record::None) {
            ResumeRecord record;
            record.pathInstall = "D:";
            record.volumeChosen = true;
            record.dictionary = "THESAURU.DBZ";
            ASSERT_TRUE(WriteResumeRecord(record));
            if (row.record == Record::Unsound) {
                machine.SetRegistryValue(kResumeRecordKey, "Dictionnaire",
                                         platform::StringValue("..\\RU.DBZ"));
            }
        }
        if (row.shortcut) machine.WriteFile("C:\\Tavrik.lnk", "link");
        if (*row.runOnce != '\0') {
            machine.SetRegistryValue(kRunOnceKey, "Install", platform::StringValue(row.runOnce));
        }
    }
};

TEST_P(RestartResumeTest, TheRoadAndWhatIsLeft) {
    const ResumeRow& row = GetParam();
    Arrange(row);
    StartWizard(row.commandLine);

    EXPECT_EQ(application->Tag(), row.resumed ? 1 : 0);
    std::string trace;
    for (const std::string& line : TraceLines()) trace += line + "\n";
    EXPECT_EQ(trace, row.trace + "Recommendation\n");
    EXPECT_FALSE(machine.RegistryKeyExists(kResumeRecordKey)) << "a record never outlives a start";
    EXPECT_EQ(machine.FileExists("C:\\Tavrik.lnk"), row.shortcutLeft);
    EXPECT_EQ(RegistryString(kRunOnceKey, "Install"), row.runOnceLeft);
    if (row.resumed) {
        EXPECT_EQ(State.DictionaryFileName, "THESAURU.DBZ");
        EXPECT_TRUE(State.InstallPathChosen);
        EXPECT_EQ(RegistryString(kProductKey, "PathInstall"), "D:");
    } else {
        EXPECT_EQ(State.DictionaryFileName, "THESAUFR.DBZ");
        EXPECT_FALSE(State.InstallPathChosen);
    }
    // Validate on page 7: straight to the work only when resumed; every
    // other run meets the language choice and the version decision.
    Click(Form().SpeedButtonValide_PageRecom);
    EXPECT_EQ(Page(), row.resumed ? kPageInstallInProgress : kPageLanguageChoice);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, RestartResumeTest,
    ::testing::Values(
        ResumeRow{"RebootWithARecordResumes", "-reboot", Record::Sound, true, kOurs, true, kResumed,
                  false, "<missing>"},
        ResumeRow{"ALostShortcutIsTold", "-reboot", Record::Sound, false, "", true,
                  kResumed + std::string("Raccourci de reprise absent\n"), false, "<missing>"},
        ResumeRow{"AnotherProgramsRunOnceValueStays", "-reboot", Record::Sound, true,
                  "c:\\other.exe", true, kResumed, false, "c:\\other.exe"},
        ResumeRow{"RebootWithoutARecordIsOrdinary", "-reboot", Record::None, true, kOurs, false,
                  "Lancement ordinaire : -reboot sans enregistrement de reprise\n", false,
                  "<missing>"},
        ResumeRow{"AnUnsoundRecordIsOrdinary", "-reboot", Record::Unsound, true, "", false,
                  "Lancement ordinaire : enregistrement de reprise illisible\n", false,
                  "<missing>"},
        ResumeRow{"HelpIsOrdinaryAndTouchesNothing", "/?", Record::None, true, kOurs, false,
                  "Lancement ordinaire : argument non reconnu\n", true, kOurs},
        ResumeRow{"AnyTextWithARecordLeftIsOrdinary", "anything\r\n", Record::Sound, true, kOurs,
                  false, "Lancement ordinaire : argument non reconnu\n" + std::string(kStale),
                  false, "<missing>"},
        ResumeRow{"ARecordLeftByAnEarlierRunIsRemoved", "", Record::Sound, true, kOurs, false,
                  kStale, false, "<missing>"},
        ResumeRow{"APlainStartTracesNothingMore", "", Record::None, true, kOurs, false, "", true,
                  kOurs}),
    [](const ::testing::TestParamInfo<ResumeRow>& row) { return row.param.name; });

}  // namespace
}  // namespace tavrik::testing
