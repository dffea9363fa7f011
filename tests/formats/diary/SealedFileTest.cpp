// Sealed diary files: round trips with the plain format, wrong passwords against damage,
// hostile headers, and what a sealed file must never show.
#include "formats/diary/DiaryFormat.h"

#include "base/io/Crc32.h"
#include "formats/codec/LzhCompressor.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <utility>

#include <sodium.h>

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

// A version 2 file of any payload, sealed as docs/sealed-format.md lays it out.
std::string SealedWithPayload(const std::string& payload, const SealKey& key)
{
    std::string image("DRYS\x02\x02", 6);
    image += std::string(8, '\0');
    PutLE32(image, 6, key.Params().Passes);
    PutLE32(image, 10, key.Params().MemoryKiB);
    image.append(reinterpret_cast<const char*>(key.Salt().data()), key.Salt().size());
    image += std::string(24, '\x5A');
    const size_t header = image.size();
    image.resize(header + payload.size() + crypto_aead_xchacha20poly1305_ietf_ABYTES);
    auto* bytes = reinterpret_cast<uint8_t*>(image.data());
    crypto_aead_xchacha20poly1305_ietf_encrypt(bytes + header, nullptr,
                                               reinterpret_cast<const uint8_t*>(payload.data()), payload.size(),
                                               bytes, header, nullptr, bytes + 30, key.Bytes().data());
    return WithChecksum(image + std::string(4, '\0'));
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

    for (const uint8_t version : {0, 3, 255}) {
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
    EXPECT_EQ(params->Kdf, (KdfParams{2, CheapestKdf.MemoryKiB}));
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
        if (LzhCompressor::Decompress(source, decoded)) {
            ASSERT_EQ(shows(decoded.Bytes()), "") << "decoded from offset " << offset;
        }
    }
}

TEST_F(SealedFileTest, BothVersionsOfTheReferenceFileOpenAndEverySaveWritesVersionTwo)
{
    for (const auto& [name, version] : {std::pair{"sealed/sample-v1.dry", SealedVersion::Lzh},
                                        std::pair{"sealed/sample-v2.dry", SealedVersion::Zstd}}) {
        const std::string image = ReadBytes(VectorPath(name));
        const auto header = CheckSealedImage(image);
        ASSERT_TRUE(header.Ok()) << name;
        EXPECT_EQ(header->Version, version) << name;
        const auto opened = ParseSealedImage(image, SamplePassword);
        ASSERT_TRUE(opened.Ok()) << name;
        EXPECT_EQ(SplitLines(opened->Records), SampleLines()) << name;
        EXPECT_EQ(Parse(image, "daybrook 2024!"), WrongPasswordText) << name;

        const std::string again = MakeSealedImage(SampleLines(), *opened->Key);
        EXPECT_EQ(CheckSealedImage(again)->Version, SealedVersion::Zstd) << name;
        EXPECT_LE(again.size(), ReadBytes(VectorPath("diary/sample.dry")).size()) << "no larger than plain";
    }
}

// Frames the cipher accepts but the decompressor must not: the file is damaged, not the password
// wrong, and nothing is allocated for what a frame merely claims.
TEST_F(SealedFileTest, AVersionTwoPayloadThatIsNotExactlyOneSoundFrameIsDamage)
{
    const std::string frame = CompressPayload(std::string(1, '\0') + "202401150Winter@@{\\rtf1 cold}\r\n");
    ASSERT_EQ(Parse(SealedWithPayload(frame, *lock_.Key), SamplePassword), "done") << "the forger's layout is right";

    // A single-segment frame header claiming `size` bytes, then one raw block of one byte.
    const auto claiming = [](uint64_t size) {
        std::string bytes("\x28\xB5\x2F\xFD\xE0", 5);
        for (int i = 0; i < 8; ++i)
            bytes += static_cast<char>(size >> (8 * i) & 0xFF);
        return bytes + std::string("\x09\x00\x00\x00", 4);
    };
    ASSERT_EQ(Parse(SealedWithPayload(claiming(1), *lock_.Key), SamplePassword), "done");

    const std::map<std::string, std::string> hostile{
        {"truncated", frame.substr(0, frame.size() - 1)},
        {"padded", frame + '\0'},
        {"two frames", frame + frame},
        {"over the limit", claiming(MaxPayloadSize + 1)},
        {"more than its blocks hold", claiming(uint64_t{1} << 30)},
        {"records without the leading zero", CompressPayload("202401150Winter@@x\r\n")},
        {"an LZH stream", std::string(ReadBytes(VectorPath("lzh/01-text.lzh")))},
        {"empty", ""},
    };
    for (const auto& [what, payload] : hostile)
        EXPECT_EQ(Parse(SealedWithPayload(payload, *lock_.Key), SamplePassword), Damaged) << what;
}

// Saving writes through the same safe file write as the plain format; what is sealed's own is the key.
TEST_F(SealedFileTest, ASealedLockWithoutItsKeyIsTheCallersError)
{
    EXPECT_THROW((void)SaveDiaryFile(dir_ / "k.dry", {"x"}, DiaryLock{DiaryFormat::Sealed, {}, nullptr}),
                 std::logic_error);
    EXPECT_FALSE(fs::exists(dir_ / "k.dry"));
}
