#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/Registry.h"
#include "localisation/DictionaryChoice.h"
#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace tavrik {
namespace {

using platform::FakeMachine;

class DictionaryChoiceTest : public ::testing::Test {
protected:
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    const std::string dicoTxt = "D:\\APP\\BRENDOL\\EXE\\DICO.TXT";

    void SetUp() override {
        machine.AddDrive('E', platform::kDriveCdRom);
        machine.AddDrive('D', platform::kDriveFixed);
        machine.SetCurrentDirectory("E:\\");
        machine.WriteFile("E:\\tavrik.ini", "[INSTALL]\r\nNAME=BRENDOL\r\n");
        machine.WriteFile("E:\\BRENDOL\\DICO\\CodeAssOS.ini",
                          "[ASSOCIATION]\r\nfr=FR\r\nde=DE\r\nen=GB\r\nru=RU\r\nxx=\r\n");
        machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue("D:"));
    }
};

TEST_F(DictionaryChoiceTest, TheInstalledApplicationsLanguageComesFirst) {
    machine.WriteFile(dicoTxt, "Dico=THESAUES.DBZ");
    machine.SetSystemDefaultLanguageName("de");
    EXPECT_EQ(GetDicoTxt(), "Dico=THESAUES.DBZ");

    machine.WriteFile(dicoTxt, "Dico=THESAUES.DBZ\r\nmore lines\r\n");
    EXPECT_EQ(GetDicoTxt(), "Dico=THESAUES.DBZ");

    machine.WriteFile(dicoTxt, "dico=THESAUES.dbz");
    EXPECT_EQ(GetDicoTxt(), "dico=THESAUES.dbz");
    EXPECT_EQ(machine.OpenHandleCount(), 0);
}

// A reference cut short (a full disk) or of another shape names no
// dictionary: the PC's language decides, and the trace says why.
TEST_F(DictionaryChoiceTest, AReferenceOfAnotherShapeIsIgnoredWithATrace) {
    machine.SetSystemDefaultLanguageName("de");
    machine.WriteFile("C:\\TraceTavrik.log", "");
    for (const std::string& bad :
         std::vector<std::string>{"", "Dico=THES", "Dico=THESAUES.TXT", "Info=THESAUES.DBZ",
                                  "Dico=THE.AUES.DBZ", std::string("Dico=\0HESAUES.DBZ", 17)}) {
        machine.WriteFile(dicoTxt, bad);
        EXPECT_EQ(GetDicoTxt(), "DICO=THESAUDE.DBZ") << bad;
    }
    const std::string trace = machine.ReadFile("C:\\TraceTavrik.log").value_or("");
    EXPECT_NE(trace.find("DICO.TXT ignore (\"Dico=THES\") : langue du PC\r\n"), std::string::npos);
}

TEST_F(DictionaryChoiceTest, AReadOnlyDicoTxtIsStillRead) {
    machine.WriteFile(dicoTxt, "Dico=THESAUIT.DBZ");
    machine.MakeReadOnly(dicoTxt);
    EXPECT_EQ(GetDicoTxt(), "Dico=THESAUIT.DBZ");
}

TEST_F(DictionaryChoiceTest, WithoutDicoTxtTheSystemLanguageDecides) {
    machine.SetSystemDefaultLanguageName("de");
    EXPECT_EQ(GetDicoTxt(), "DICO=THESAUDE.DBZ");
    machine.SetSystemDefaultLanguageName("EN");  // INI keys ignore case
    EXPECT_EQ(GetDicoTxt(), "DICO=THESAUGB.DBZ");
    machine.SetSystemDefaultLanguageName("sw");
    EXPECT_EQ(GetDicoTxt(), "DICO=THESAUFR.DBZ");
    machine.SetSystemDefaultLanguageName("xx");  // an empty value
    EXPECT_EQ(GetDicoTxt(), "DICO=THESAUFR.DBZ");
    machine.SetSystemDefaultLanguageName("");
    EXPECT_EQ(GetDicoTxt(), "DICO=THESAUFR.DBZ");
}

TEST_F(DictionaryChoiceTest, MissingNameOrPathInstallMoveWhereDicoTxtIsRead) {
    machine.WriteFile("E:\\tavrik.ini", "[OTHER]\r\n");
    machine.WriteFile("D:\\APP\\EXE\\DICO.TXT", "DICO=THESAURU.DBZ");
    EXPECT_EQ(GetDicoTxt(), "DICO=THESAURU.DBZ");

    machine.SetRegistryValue(kProductKey, "PathInstall", platform::StringValue(""));
    machine.WriteFile("E:\\APP\\EXE\\DICO.TXT", "DICO=THESAUPL.DBZ");  // current drive root
    EXPECT_EQ(GetDicoTxt(), "DICO=THESAUPL.DBZ");
}

TEST_F(DictionaryChoiceTest, WithoutTheAssociationFileTheCodeIsFrench) {
    machine.AddDirectory("C:\\Medium");
    machine.SetCurrentDirectory("C:\\Medium");
    EXPECT_EQ(DetectLanguageCode("de"), "FR");
}

}  // namespace
}  // namespace tavrik
