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
