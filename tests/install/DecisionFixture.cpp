#include "DecisionFixture.h"

#include "config/Registry.h"

namespace tavrik::testing {

void DecisionTest::MediumVersion(const std::string& version) {
    PutOnMedium("BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=" + version + "\r\n");
}

void DecisionTest::MediumWithoutVersion() {
    PutOnMedium("BRENDOL\\applic.ini", "[APPLICATION]\r\nVERSION=5.2.0\r\n");
}

void DecisionTest::MediumWithoutApplicIni() { RemoveFromMedium("BRENDOL\\applic.ini"); }

void DecisionTest::InstalledOnD(const std::string& version) {
    PathInstallWithoutTree();
    machine.WriteFile("D:\\APP\\BRENDOL\\applic.ini", "[APPLICATION]\r\nVSOFT=" + version + "\r\n");
}

void DecisionTest::PathInstallWithoutTree() {
    machine.AddDrive('D', platform::kDriveFixed);
    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("D:"));
}

void DecisionTest::RefusedMachineType() { machine.CreateRegistryKey("SOFTWARE\\VORP"); }

void DecisionTest::Independent(const std::string& value) {
    PutOnMedium("ap.ini", "[INSTALL]\r\nINDEPENDANT=" + value +
                              "\r\nTITRE=Suite\r\nTITRE_INDEPENDANT=Seule\r\n");
}

void DecisionTest::ConfirmLanguage() {
    Form().SpeedButton_oui_CF_LGClick(Form().SpeedButton_oui_CF_LG);
}

std::vector<std::string> DecisionTest::NewTraceLines() const {
    const std::vector<std::string> lines = TraceLines();
    if (traceMark_ >= lines.size()) {
        return {};
    }
    return {lines.begin() + static_cast<std::ptrdiff_t>(traceMark_), lines.end()};
}

void DecisionTest::ExpectNewTrace(const std::vector<std::string>& lines,
                                  const std::string& nextLine) {
    std::vector<std::string> expected = lines;
    std::vector<std::string> actual = NewTraceLines();
    if (nextLine.empty()) {
        EXPECT_EQ(actual, expected);
        return;
    }
    expected.push_back(nextLine);
    if (actual.size() > expected.size()) {
        actual.resize(expected.size());  // what the next page does is its own
    }
    EXPECT_EQ(actual, expected);
}

}  // namespace tavrik::testing
