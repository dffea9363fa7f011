// Sealed diary files: round trips with the plain format, wrong passwords against damage,
// hostile headers, and what a sealed file must never show.
#include "formats/diary/DiaryFormat.h"

#include "base/io/Crc32.h"
#include "formats/codec/LzhCompressor.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <stdexcept>

#include "support/DiaryFixtures.h"

using namespace base::io;
using namespace base::result;
using namespace base::text;
using namespace formats::codec;
using namespace formats::diary;

using testing_support::Describe;
using testing_support::ReadBytes;
using testing_support::SampleLines;
using testing_support::SamplePassword;
using testing_support::TempDir;
using testing_support::VectorPath;
using testing_support::WriteBytes;
namespace fs = std::filesystem;

namespace {

// Sealed with the cheapest derivation, so that a test may derive keys many times.
DiaryLock CheapLock(const std::string& password)
{
    return SealedLock(password, CheapestKdf);
}

void PutLE32(std::string& image, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        image[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

// The image with its trailing checksum made right again, as a forger would.
std::string WithChecksum(std::string image)
{
    const size_t checked = image.size() - 4;
    PutLE32(image, checked, Crc32().Of(reinterpret_cast<const uint8_t*>(image.data()), checked));
    return image;
}

// How opening the image went: "done", or the failure's reason and message.
std::string Parse(const std::string& image, const std::string& password)
{
    const auto opened = ParseSealedImage(image, password);
    return opened ? "done" : Describe(opened.Error());
}

std::string LoadOutcome(const fs::path& file, const std::string& password)
{
    const auto opened = LoadDiaryFile(file, password);
    return opened ? "done" : Describe(opened.Error());
}

const std::string Damaged = "Damaged: not a diary file, or damaged";
const std::string WrongPasswordText = "WrongPassword: wrong password";

class SealedFileTest : public ::testing::Test {
protected:
    TempDir dir_;
    const DiaryLock lock_ = CheapLock(SamplePassword);
};

} // namespace

TEST_F(SealedFileTest, SealingAndUnsealingGiveBackTheLinesAndTheSamePlainFile)
{
    const auto plain = LoadDiaryFile(VectorPath("diary/sample.dry"), SamplePassword);
    ASSERT_TRUE(plain.Ok());
    EXPECT_EQ(plain->Lock.Format, DiaryFormat::Plain);
    EXPECT_EQ(plain->Lock.Password, SamplePassword);
    EXPECT_EQ(plain->Lines, SampleLines());

    ASSERT_TRUE(SaveDiaryFile(dir_ / "sealed.dry", plain->Lines, lock_).Ok());
    const std::string sealed = ReadBytes(dir_ / "sealed.dry");
    EXPECT_EQ(sealed.substr(0, 4), "DRYS");
    EXPECT_LE(sealed.size(), ReadBytes(VectorPath("diary/sample.dry")).size() + 100)
        << "sealing costs few bytes";

    const auto unsealed = LoadDiaryFile(dir_ / "sealed.dry", SamplePassword);
    ASSERT_TRUE(unsealed.Ok());
    EXPECT_EQ(unsealed->Lines, SampleLines());
    const DiaryLock& found = unsealed->Lock;
    ASSERT_EQ(found.Format, DiaryFormat::Sealed);
    ASSERT_NE(found.Key, nullptr);
    EXPECT_EQ(found.Key->Params(), CheapestKdf);
    EXPECT_EQ(found.Key->Salt(), lock_.Key->Salt())
        << "the key read back is the one the file was written with";
    EXPECT_TRUE(found.Key->DerivedFrom(SamplePassword));
    EXPECT_FALSE(found.Key->DerivedFrom("daybrook 2024!"));

    ASSERT_TRUE(SaveDiaryFile(dir_ / "plain.dry", unsealed->Lines, PlainLock(SamplePassword)).Ok());
    EXPECT_TRUE(ReadBytes(dir_ / "plain.dry") == ReadBytes(VectorPath("diary/sample.dry")));
}

TEST_F(SealedFileTest, EachSaveTakesAFreshNonceAndTheKeyReadBackWritesAgain)
{
    const std::string first = MakeSealedImage(SampleLines(), *lock_.Key);
    const std::string second = MakeSealedImage(SampleLines(), *lock_.Key);
    EXPECT_NE(first.substr(30, 24), second.substr(30, 24));
    const auto opened = ParseSealedImage(second, SamplePassword);
    ASSERT_TRUE(opened.Ok());
    EXPECT_EQ(SplitLines(opened->Records), SampleLines());
    const auto again = ParseSealedImage(MakeSealedImage({"202401010x@@"}, *opened->Key), SamplePassword);
    ASSERT_TRUE(again.Ok());
    EXPECT_EQ(again->Records, "202401010x@@\r\n");
}

TEST_F(SealedFileTest, EmptyDiariesAndEmptyPasswordsSealToo)
{
    for (const std::string password : {"", " ", "\xE9t\xE9"}) {
        const std::string image = MakeSealedImage({}, *CheapLock(password).Key);
        const auto opened = ParseSealedImage(image, password);
        ASSERT_TRUE(opened.Ok()) << password;
        EXPECT_EQ(opened->Records, "");
        EXPECT_EQ(Parse(image, password + "x"), WrongPasswordText) << password;
    }
}

TEST_F(SealedFileTest, AWrongPasswordIsToldApartFromDamage)
{
    ASSERT_TRUE(SaveDiaryFile(dir_ / "d.dry", SampleLines(), lock_).Ok());
    for (const std::string wrong : {"daybrook 2024!", "Daybrook 2024! "})
        EXPECT_EQ(LoadOutcome(dir_ / "d.dry", wrong), WrongPasswordText) << wrong;
}

TEST_F(SealedFileTest, EveryFlippedByteAndEveryTruncationIsDamage)
{
    const std::string good = MakeSealedImage({"202401150Winter@@{\\rtf1 cold}"}, *lock_.Key);
    for (size_t offset = 0; offset < good.size(); ++offset)
        for (const int mask : {0x01, 0x80, 0xFF}) {
            std::string image = good;
            image[offset] = static_cast<char>(image[offset] ^ mask);
            ASSERT_EQ(Parse(image, SamplePassword), Damaged) << "byte " << offset << " mask " << mask;
        }
    for (size_t length = 0; length < good.size(); ++length)
        ASSERT_EQ(Parse(good.substr(0, length), SamplePassword), Damaged) << "cut to " << length;
    EXPECT_EQ(Parse(good + '\0', SamplePassword), Damaged);
}

TEST_F(SealedFileTest, HostileHeadersAreRefusedBeforeAnyKeyIsDerived)
{
    const std::string good = MakeSealedImage(SampleLines(), *lock_.Key);
    const auto withField = [&](size_t at, uint32_t value) {
        std::string image = good;
        PutLE32(image, at, value);
        return WithChecksum(image);
    };
    // Were any of these derived, the authentication would fail and tell a wrong password (3).
    for (const uint32_t passes : {0u, KdfCeiling.Passes + 1, 0xFFFFFFFFu})
        EXPECT_EQ(Parse(withField(6, passes), SamplePassword), Damaged) << passes << " passes";
    for (const uint32_t memory : {0u, CheapestKdf.MemoryKiB - 1, KdfCeiling.MemoryKiB + 1, 0xFFFFFFFFu})
        EXPECT_EQ(Parse(withField(10, memory), SamplePassword), Damaged) << memory << " KiB";

    for (const uint8_t version : {0, 2, 255}) {
        std::string image = good;
        image[4] = static_cast<char>(version);
        EXPECT_EQ(Parse(WithChecksum(image), SamplePassword), Damaged) << "version " << int{version};
    }
    std::string argon2i = good;
    argon2i[5] = 1;
    EXPECT_EQ(Parse(WithChecksum(argon2i), SamplePassword), Damaged);

    EXPECT_EQ(Parse(WithChecksum(good.substr(0, 4) + std::string(70, '\0')), SamplePassword), Damaged);
    EXPECT_EQ(Parse(ReadBytes(VectorPath("diary/sample.dry")), SamplePassword), Damaged);

    // A forger who rewrites the checksum is told apart from nothing; the contents stay shut.
    std::string forged = good;
    forged[60] = static_cast<char>(forged[60] ^ 1);
    EXPECT_EQ(Parse(WithChecksum(forged), SamplePassword), WrongPasswordText);
    const auto params = CheckSealedImage(withField(6, 2));
    ASSERT_TRUE(params.Ok());
    EXPECT_EQ(*params, (KdfParams{2, CheapestKdf.MemoryKiB}));
}

TEST_F(SealedFileTest, ASealedFileShowsNeitherThePasswordNorAnyRecordEvenToTheOldCodec)
{
    const std::string password = "correct horse";
    const LineList lines{"202401150Winter evening@@{\\rtf1 cold hands by the stove}",
                         "202402290Leap day@@{\\rtf1 a rare visitor came}"};
    const std::string image = MakeSealedImage(lines, *CheapLock(password).Key);
    const std::vector<std::string> secrets{password, "Winter", "stove", "Leap day", "visitor", "rtf1"};
    const auto shows = [&](const std::string& bytes) {
        for (const auto& secret : secrets)
            if (bytes.find(secret) != std::string::npos)
                return secret;
        return std::string();
    };
    EXPECT_EQ(shows(image), "");
    for (size_t offset = 0; offset + 4 < image.size(); ++offset) {
        MemoryStream source(image.substr(offset));
        MemoryStream decoded;
        if (LzhCompressor::Decompress(source, decoded))
            ASSERT_EQ(shows(decoded.Bytes()), "") << "decoded from offset " << offset;
    }
}

TEST_F(SealedFileTest, TheReferenceFileOpens)
{
    const auto opened = LoadDiaryFile(VectorPath("sealed/sample.dry"), SamplePassword);
    ASSERT_TRUE(opened.Ok());
    EXPECT_EQ(opened->Lines, SampleLines());
}

// Saving writes through the same safe file write as the plain format; what is sealed's own is the key.
TEST_F(SealedFileTest, ASealedLockWithoutItsKeyIsTheCallersError)
{
    EXPECT_THROW((void)SaveDiaryFile(dir_ / "k.dry", {"x"}, DiaryLock{DiaryFormat::Sealed, {}, nullptr}),
                 std::logic_error);
    EXPECT_FALSE(fs::exists(dir_ / "k.dry"));
}
