#include "vcl/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "BmpBuilder.h"
#include "VclTestFixture.h"
#include "vcl/ContentDigest.h"
#include "vcl/DecodedPictures.h"
#include "vcl/Exceptions.h"
#include "vcl/FileWindow.h"
#include "vcl/Image.h"
#include "vcl/Picture.h"
#include "vcl/SpeedButton.h"

namespace tavrik::vcl {
namespace {

using BitmapTest = testing::VclTest;
using testing::Bmp24;

TEST_F(BitmapTest, LoadsThroughTheMachineRelativeToTheCurrentDirectory) {
    machine.AddDirectory("C:\\medium");
    machine.SetCurrentDirectory("C:\\medium");
    machine.WriteFile("C:\\medium\\BMP\\valid.bmp",
                      Bmp24(2, 2, {0x000000, 0xFFFFFF, 0x808080, 0x102030}));
    TBitmap bitmap;
    bitmap.LoadFromFile(".\\BMP\\valid.bmp");
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.PixelColor(1, 0), clWhite);
    EXPECT_EQ(bitmap.PixelColor(1, 1), RGBColor(0x10, 0x20, 0x30));
    // Stored blue, green, red from the high byte down, as the pages' own
    // colour values are written (red 41, green 69, blue 143 is 9389353).
    EXPECT_EQ(bitmap.PixelColor(1, 1), 0x302010u);
    EXPECT_EQ(RGBColor(41, 69, 143), 9389353u);
    EXPECT_EQ(bitmap.PixelColor(5, 5), clBlack);
    EXPECT_EQ(machine.OpenFileCount(), 0);
}

TEST_F(BitmapTest, MissingAndMalformedFilesRaiseTheFrameworkErrorsAndKeepThePicture) {
    machine.WriteFile("C:\\bad.bmp", "BM not really");
    machine.WriteFile("C:\\good.bmp", Bmp24(1, 1, {0x00FF00}));
    TBitmap bitmap;
    bitmap.LoadFromFile("C:\\good.bmp");
    try {
        bitmap.LoadFromFile("C:\\missing.bmp");
        FAIL();
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"C:\\missing.bmp\". The file does not exist");
    }
    EXPECT_THROW(bitmap.LoadFromFile("C:\\bad.bmp"), EInvalidGraphic);
    EXPECT_THROW(bitmap.LoadFromFile("C:\\"), EFOpenError);  // a folder
    EXPECT_EQ(bitmap.PixelColor(0, 0), RGBColor(0, 0xFF, 0));
    EXPECT_EQ(machine.OpenFileCount(), 0);
}

// Pictures of the same content share one decoding; the file is read each
// time, so a picture that changes on the medium shows as it is now.
TEST_F(BitmapTest, TheSameContentIsDecodedOnceAndAChangedFileAnew) {
    machine.WriteFile("C:\\page.bmp", Bmp24(2, 1, {0x112233, 0x445566}));
    machine.WriteFile("C:\\copy.bmp", Bmp24(2, 1, {0x112233, 0x445566}));
    TBitmap first;
    TBitmap second;
    first.LoadFromFile("C:\\page.bmp");
    second.LoadFromFile("C:\\copy.bmp");
    EXPECT_EQ(first.Pixels().data(), second.Pixels().data());

    machine.WriteFile("C:\\page.bmp", Bmp24(2, 1, {0x112233, 0x000000}));
    second.LoadFromFile("C:\\page.bmp");
    EXPECT_NE(first.Pixels().data(), second.Pixels().data());
    EXPECT_EQ(second.PixelColor(1, 0), clBlack);
    EXPECT_EQ(first.PixelColor(1, 0), RGBColor(0x44, 0x55, 0x66));

    machine.RemoveFile("C:\\page.bmp");
    EXPECT_THROW(second.LoadFromFile("C:\\page.bmp"), EFOpenError);
    EXPECT_EQ(second.PixelColor(1, 0), clBlack);
}

// One changed byte anywhere, in the whole words the content is hashed by or
// in the bytes after them, is a new content.
TEST_F(BitmapTest, AnyOneChangedPixelByteIsDecodedAnew) {
    const std::string original = Bmp24(2, 1, {0x112233, 0x445566});  // 54 + 6 + 2 padding
    machine.WriteFile("C:\\page.bmp", original);
    TBitmap kept;
    kept.LoadFromFile("C:\\page.bmp");
    for (std::size_t at = 54; at < 60; ++at) {
        std::string changed = original;
        changed[at] = static_cast<char>(changed[at] ^ 0x01);
        machine.WriteFile("C:\\page.bmp", changed);
        TBitmap bitmap;
        bitmap.LoadFromFile("C:\\page.bmp");
        EXPECT_NE(bitmap.Pixels().data(), kept.Pixels().data()) << "byte " << at;
        const int x = static_cast<int>(at - 54) / 3;
        EXPECT_NE(bitmap.PixelColor(x, 0), kept.PixelColor(x, 0));
    }
}

// A picture larger than the file window decodes and is recognised as when
// it is decoded from memory at once.
TEST_F(BitmapTest, APictureLargerThanTheReadWindowDecodesWhole) {
    std::vector<std::uint32_t> pixels(200 * 150);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u);
    const std::string file = Bmp24(200, 150, pixels);
    ASSERT_GT(file.size(), FileWindow::kWindowSize);
    machine.WriteFile("C:\\large.bmp", file);
    TBitmap fromFile;
    fromFile.LoadFromFile("C:\\large.bmp");
    TBitmap fromMemory;
    fromMemory.LoadFromBytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    EXPECT_EQ(fromFile.Pixels(), fromMemory.Pixels());
    TBitmap again;
    again.LoadFromFile("C:\\large.bmp");
    EXPECT_EQ(again.Pixels().data(), fromFile.Pixels().data());
    EXPECT_EQ(machine.OpenFileCount(), 0);
}

// Serves one content for the first request and another after it, as a file
// that changes while it is read.
class ChangingFile final : public BmpSource {
public:
    ChangingFile(std::string first, std::string then)
        : first_(std::move(first)), then_(std::move(then)) {}
    std::size_t Size() const override { return first_.size(); }
    const std::uint8_t* At(std::size_t offset, std::size_t /*length*/) override {
        const std::string& now = requests_++ == 0 ? first_ : then_;
        return reinterpret_cast<const std::uint8_t*>(now.data()) + offset;
    }

private:
    std::string first_;
    std::string then_;
    int requests_ = 0;
};

TEST_F(BitmapTest, AContentThatChangedWhileReadIsNotKeptUnderItsFirstBytes) {
    const std::string first = Bmp24(1, 1, {0x0000FF});
    const std::string then = Bmp24(1, 1, {0xFF0000});
    ChangingFile changing(first, then);
    SharedPicture picture;
    std::string error;
    ASSERT_TRUE(DecodeShared(changing, picture, error));
    EXPECT_EQ((*picture.bgra)[2], 0xFF);  // the red of what was decoded
    ChangingFile steady(first, first);
    ASSERT_TRUE(DecodeShared(steady, picture, error));
    EXPECT_EQ((*picture.bgra)[0], 0xFF);  // blue: decoded anew, not the red
    EXPECT_EQ((*picture.bgra)[2], 0x00);
}

// The word-wise FNV-1a hash the cache once keyed on: easy to collide.
std::uint64_t WordFnv(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    std::size_t at = 0;
    for (; bytes.size() - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        hash = (hash ^ word) * 1099511628211ULL;
    }
    for (; at < bytes.size(); ++at)
        hash = (hash ^ static_cast<std::uint8_t>(bytes[at])) * 1099511628211ULL;
    return hash;
}

TEST_F(BitmapTest, TwoFilesOfOneLengthAndCollidingFnvShowTheirOwnPixels) {
    // 4 x 1 pixels: the pixels are bytes 54..65; words 6 (48..55) and 7
    // (56..63) are made to collide by choosing word 7 of the second file.
    const std::string first = Bmp24(4, 1, {0x000000, 0x000000, 0x000000, 0x000000});
    std::string second = first;
    second[54] = '\x7F';
    const auto hashBefore = [](const std::string& bytes, std::size_t words) {
        return WordFnv(bytes.substr(0, words * 8));
    };
    std::uint64_t word7;
    std::memcpy(&word7, first.data() + 56, sizeof word7);
    word7 ^= hashBefore(first, 7) ^ hashBefore(second, 7);
    std::memcpy(&second[56], &word7, sizeof word7);
    ASSERT_EQ(first.size(), second.size());
    ASSERT_NE(first, second);
    ASSERT_EQ(WordFnv(first), WordFnv(second));

    machine.WriteFile("C:\\first.bmp", first);
    machine.WriteFile("C:\\second.bmp", second);
    TBitmap shownFirst;
    TBitmap shownSecond;
    shownFirst.LoadFromFile("C:\\first.bmp");
    shownSecond.LoadFromFile("C:\\second.bmp");
    TBitmap expected;
    expected.LoadFromBytes(reinterpret_cast<const std::uint8_t*>(second.data()), second.size());
    EXPECT_EQ(shownFirst.PixelColor(0, 0), clBlack);
    EXPECT_EQ(shownSecond.Pixels(), expected.Pixels());
    EXPECT_NE(shownSecond.Pixels(), shownFirst.Pixels());
}

TEST(ContentDigestTest, KnownDigestsWhateverThePieces) {
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    const auto hex = [](const Digest& digest) {
        std::string text;
        for (const std::uint8_t byte : digest)
            text += "0123456789abcdef"[byte >> 4], text += "0123456789abcdef"[byte & 15];
        return text;
    };
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{7}, std::size_t{64}, twoBlocks.size()}) {
        ContentDigest digest;
        for (std::size_t at = 0; at < twoBlocks.size(); at += piece) {
            digest.Add(reinterpret_cast<const std::uint8_t*>(twoBlocks.data()) + at,
                       std::min(piece, twoBlocks.size() - at));
        }
        EXPECT_EQ(hex(digest.Finish()),
                  "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1")
            << piece;
    }
    ContentDigest abc;
    abc.Add(reinterpret_cast<const std::uint8_t*>("abc"), 3);
    EXPECT_EQ(hex(abc.Finish()),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST_F(BitmapTest, TransparentColourIsTheBottomLeftPixelUntilFixed) {
    const std::string file = Bmp24(2, 2, {0x000000, 0x000000, 0x808080, 0xFFFFFF});
    TBitmap bitmap;
    bitmap.LoadFromBytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    EXPECT_EQ(bitmap.TransparentColor(), clGray);
    bitmap.SetTransparentColor(clBlack);
    EXPECT_EQ(bitmap.TransparentColor(), clBlack);
}

TEST_F(BitmapTest, GlyphAndPictureKeepTheirOwnCopies) {
    auto* button = Make<TSpeedButton>(form);
    auto* image = Make<TImage>(form);
    ShowForm();
    machine.WriteFile("C:\\valid.bmp",
                      Bmp24(18, 18, std::vector<std::uint32_t>(18 * 18, 0x00FF00)));
    {
        TBitmap bitmap;
        bitmap.LoadFromFile("C:\\valid.bmp");
        bitmap.SetTransparentColor(clBlack);
        button->SetWidth(bitmap.Width() - 1);
        button->SetGlyph(bitmap);
        TPicture picture;
        picture.LoadFromFile("C:\\valid.bmp");
        image->SetPicture(picture);
    }
    EXPECT_EQ(button->Width(), 17);
    EXPECT_EQ(button->Glyph().Width(), 18);
    EXPECT_EQ(button->Glyph().TransparentColor(), clBlack);
    EXPECT_EQ(image->Picture().Height(), 18);
    EXPECT_NE(host.ChangesOf(*button) & kChangePicture, 0u);
    EXPECT_NE(host.ChangesOf(*image) & kChangePicture, 0u);
}

}  // namespace
}  // namespace tavrik::vcl
