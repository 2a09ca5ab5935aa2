#include <gtest/gtest.h>

#include "util/DictionaryNames.h"

namespace tavrik {
namespace {

TEST(DictionaryNames, BareNamesAndFlagPathsNameTheSameDictionary) {
    EXPECT_EQ(DictionaryNameOf("THESAUFR.DBZ"), "THESAUFR");
    EXPECT_EQ(DictionaryNameOf("E:\\BRENDOL\\DICO\\THESAUFR.bmp"), "THESAUFR");
    EXPECT_EQ(DictionaryNameOf("E:\\a.b\\THESAUIT.old.bmp"), "AUIT.old");  // the last '.' counts
    EXPECT_EQ(LanguageCodeOf("E:\\BRENDOL\\DICO\\THESAUru.bmp"), "ru");
    EXPECT_EQ(DictionaryFileOf("E:\\BRENDOL\\DICO\\THESAUEL.bmp"), "THESAUEL.DBZ");
}

TEST(DictionaryNames, ShortOrDotlessNamesGiveEmptyPieces) {
    EXPECT_EQ(DictionaryNameOf("SHORT.DBZ"), "");
    EXPECT_EQ(DictionaryNameOf("THESAUFR"), "");
    EXPECT_EQ(DictionaryNameOf(""), "");
    EXPECT_EQ(DictionaryFileOf("x.bmp"), ".DBZ");
    EXPECT_EQ(LanguageCodeOf("F.x"), "");
    EXPECT_EQ(LanguageCodeOf("FR.x"), "FR");
}

TEST(DictionaryNames, TheFileNameOfAReferenceIsCharactersSixToSeventeen) {
    EXPECT_EQ(DictionaryFileOfReference("DICO=THESAUFR.DBZ"), "THESAUFR.DBZ");
    EXPECT_EQ(DictionaryFileOfReference("Dico=THESAUES.DBZ\r\n"), "THESAUES.DBZ");
    EXPECT_EQ(DictionaryFileOfReference("DICO=THE"), "THE");
    EXPECT_EQ(DictionaryFileOfReference("DICO="), "");
    EXPECT_EQ(DictionaryFileOfReference("DIC"), "");
}

}  // namespace
}  // namespace tavrik

// What a file or the registry hands over names a dictionary only in this
// shape: a path or a name cut short would open another file or none.
TEST(DictionaryNames, ADictionaryFileNameIsEightLettersOrDigitsAndDbz) {
    for (const char* good : {"THESAURU.DBZ", "thesau01.dbz"}) {
        EXPECT_TRUE(tavrik::IsDictionaryFileName(good)) << good;
    }
    for (const char* bad : {"", "THESAU.DBZ", "THESAURU.DB", "THESAURU.TXT", "..\\THESA.DBZ",
                            "C:THESAU.DBZ", "THESAU U.DBZ", "THESAURUU.DBZ"}) {
        EXPECT_FALSE(tavrik::IsDictionaryFileName(bad)) << bad;
    }
}
