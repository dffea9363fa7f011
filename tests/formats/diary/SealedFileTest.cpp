// Sealed diary files: round trips with the plain format, wrong passwords against damage,
// hostile headers, and what a sealed file must never show.
#include "formats/diary/DiaryFormat.h"

#include "base/io/Crc32.h"
#include "formats/codec/LzhCompressor.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include <filesystem>
#include <initializer_list>

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::VectorPath;
using testing_support::WriteBytes;
namespace fs = std::filesystem;

namespace {

const std::string SamplePassword = "Daybrook 2024!";
const LineList Untouched{"left as it was"};

LineList SampleLines()
{
    return SplitLines(ReadBytes(VectorPath("diary/sample.lines")));
}

// Sealed with the cheapest derivation, so that a test may derive keys many times.
DiaryLock CheapLock(const std::string& password)
{
    return SealedLock(password, CheapestKdf);
}

uint32_t LE32(const std::string& image, size_t at)
{
    const auto* b = reinterpret_cast<const uint8_t*>(image.data()) + at;
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
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

DiaryResult Parse(const std::string& image, const std::string& password, std::string& records)
{
    std::shared_ptr<const SealKey> key;
    return ParseSealedImage(image, password, records, key);
}

class SealedFileTest : public ::testing::Test {
protected:
    TempDir dir;
    const DiaryLock lock = CheapLock(SamplePassword);
};

} // namespace

TEST_F(SealedFileTest, SealingAndUnsealingGiveBackTheLinesAndTheSamePlainFile)
{
    LineList lines;
    DiaryLock found;
    ASSERT_EQ(LoadDiaryFile(VectorPath("diary/sample.dry"), lines, SamplePassword, found), drDone);
    EXPECT_EQ(found.Format, dfPlain);
    EXPECT_EQ(lines, SampleLines());

    ASSERT_EQ(SaveDiaryFile(dir / "sealed.dry", lines, lock), drDone);
    const std::string sealed = ReadBytes(dir / "sealed.dry");
    EXPECT_EQ(sealed.substr(0, 4), "DRYS");
    EXPECT_LE(sealed.size(), ReadBytes(VectorPath("diary/sample.dry")).size() + 100)
        << "sealing costs few bytes";

    LineList unsealed;
    ASSERT_EQ(LoadDiaryFile(dir / "sealed.dry", unsealed, SamplePassword, found), drDone);
    EXPECT_EQ(unsealed, SampleLines());
    ASSERT_EQ(found.Format, dfSealed);
    ASSERT_NE(found.Key, nullptr);
    EXPECT_EQ(found.Key->Params(), CheapestKdf);
    EXPECT_EQ(found.Key->Salt(), lock.Key->Salt())
        << "the key read back is the one the file was written with";
    EXPECT_TRUE(found.Key->DerivedFrom(SamplePassword));
    EXPECT_FALSE(found.Key->DerivedFrom("daybrook 2024!"));

    ASSERT_EQ(SaveDiaryFile(dir / "plain.dry", unsealed, PlainLock(SamplePassword)), drDone);
    EXPECT_TRUE(ReadBytes(dir / "plain.dry") == ReadBytes(VectorPath("diary/sample.dry")));
}

TEST_F(SealedFileTest, EachSaveTakesAFreshNonceAndTheKeyReadBackWritesAgain)
{
    const std::string first = MakeSealedImage(SampleLines(), *lock.Key);
    const std::string second = MakeSealedImage(SampleLines(), *lock.Key);
    EXPECT_NE(first.substr(30, 24), second.substr(30, 24));
    for (const std::string& image : {first, second}) {
        std::string records;
        std::shared_ptr<const SealKey> key;
        ASSERT_EQ(ParseSealedImage(image, SamplePassword, records, key), drDone);
        EXPECT_EQ(SplitLines(records), SampleLines());
        std::string again;
        EXPECT_EQ(Parse(MakeSealedImage({"202401010x@@"}, *key), SamplePassword, again), drDone);
        EXPECT_EQ(again, "202401010x@@\r\n");
    }
}

TEST_F(SealedFileTest, EmptyDiariesAndEmptyPasswordsSealToo)
{
    for (const std::string password : {"", " ", "\xE9t\xE9"}) {
        const std::string image = MakeSealedImage({}, *CheapLock(password).Key);
        std::string records = "x";
        EXPECT_EQ(Parse(image, password, records), drDone) << password;
        EXPECT_EQ(records, "");
        EXPECT_EQ(Parse(image, password + "x", records), drWrongPassword) << password;
    }
}

TEST_F(SealedFileTest, AWrongPasswordIsToldApartFromDamage)
{
    ASSERT_EQ(SaveDiaryFile(dir / "d.dry", SampleLines(), lock), drDone);
    LineList lines = Untouched;
    DiaryLock found;
    for (const std::string wrong : {"daybrook 2024!", "Daybrook 2024", "", "Daybrook 2024! "})
        EXPECT_EQ(LoadDiaryFile(dir / "d.dry", lines, wrong, found), drWrongPassword) << wrong;
    EXPECT_EQ(LoadDiaryFile(dir / "missing.dry", lines, SamplePassword, found), drNoFile);
    fs::create_directory(dir / "folder.dry");
    EXPECT_EQ(LoadDiaryFile(dir / "folder.dry", lines, SamplePassword, found), drUnreadable);
    EXPECT_EQ(lines, Untouched);
}

TEST_F(SealedFileTest, EveryFlippedByteAndEveryTruncationIsDamage)
{
    const std::string good = MakeSealedImage({"202401150Winter@@{\\rtf1 cold}"}, *lock.Key);
    std::string records = "untouched";
    for (size_t offset = 0; offset < good.size(); ++offset)
        for (const int mask : {0x01, 0x80, 0xFF}) {
            std::string image = good;
            image[offset] = static_cast<char>(image[offset] ^ mask);
            ASSERT_EQ(Parse(image, SamplePassword, records), drDamaged)
                << "byte " << offset << " mask " << mask;
        }
    for (size_t length = 0; length < good.size(); ++length)
        ASSERT_EQ(Parse(good.substr(0, length), SamplePassword, records), drDamaged) << "cut to " << length;
    EXPECT_EQ(Parse(good + '\0', SamplePassword, records), drDamaged);
    EXPECT_EQ(records, "untouched");
}

TEST_F(SealedFileTest, HostileHeadersAreRefusedBeforeAnyKeyIsDerived)
{
    const std::string good = MakeSealedImage(SampleLines(), *lock.Key);
    std::string records;
    const auto withField = [&](size_t at, uint32_t value) {
        std::string image = good;
        PutLE32(image, at, value);
        return WithChecksum(image);
    };
    // Were any of these derived, the authentication would fail and tell a wrong password (3).
    for (const uint32_t passes : {0u, KdfCeiling.Passes + 1, 0xFFFFFFFFu})
        EXPECT_EQ(Parse(withField(6, passes), SamplePassword, records), drDamaged) << passes << " passes";
    for (const uint32_t memory : {0u, CheapestKdf.MemoryKiB - 1, KdfCeiling.MemoryKiB + 1, 0xFFFFFFFFu})
        EXPECT_EQ(Parse(withField(10, memory), SamplePassword, records), drDamaged) << memory << " KiB";

    for (const uint8_t version : {0, 2, 255}) {
        std::string image = good;
        image[4] = static_cast<char>(version);
        EXPECT_EQ(Parse(WithChecksum(image), SamplePassword, records), drDamaged)
            << "version " << int{version};
    }
    std::string argon2i = good;
    argon2i[5] = 1;
    EXPECT_EQ(Parse(WithChecksum(argon2i), SamplePassword, records), drDamaged);

    EXPECT_EQ(Parse(WithChecksum(good.substr(0, 4) + std::string(70, '\0')), SamplePassword, records),
              drDamaged);
    EXPECT_EQ(Parse(ReadBytes(VectorPath("diary/sample.dry")), SamplePassword, records), drDamaged);

    // A forger who rewrites the checksum is told apart from nothing; the contents stay shut.
    std::string forged = good;
    forged[60] = static_cast<char>(forged[60] ^ 1);
    EXPECT_EQ(Parse(WithChecksum(forged), SamplePassword, records), drWrongPassword);
    KdfParams params;
    EXPECT_EQ(CheckSealedImage(withField(6, 2), params), drDone);
    EXPECT_EQ(params, (KdfParams{2, CheapestKdf.MemoryKiB}));
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
        try {
            LzhCompressor::Decompress(source, decoded);
        } catch (const std::exception&) {
        }
        ASSERT_EQ(shows(decoded.Bytes()), "") << "decoded from offset " << offset;
    }
}

TEST_F(SealedFileTest, TheReferenceFileOpensAsTheLayoutDescribesIt)
{
    // Decoded here with the library alone, field by field, so that the code and the described
    // layout cannot drift apart unnoticed.
    const std::string image = ReadBytes(VectorPath("sealed/sample.dry"));
    ASSERT_GT(image.size(), 74u);
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.data());
    ASSERT_EQ(image.substr(0, 6), std::string("DRYS\x01\x02", 6));
    ASSERT_EQ(LE32(image, image.size() - 4), Crc32().Of(bytes, image.size() - 4));
    ASSERT_EQ(sodium_init() >= 0, true);
    uint8_t key[32];
    ASSERT_EQ(crypto_pwhash(key, sizeof key, SamplePassword.data(), SamplePassword.size(), bytes + 14,
                            LE32(image, 6), size_t{LE32(image, 10)} * 1024, crypto_pwhash_ALG_ARGON2ID13),
              0);
    std::string payload(image.size() - 54 - 16 - 4, '\0');
    unsigned long long size = 0;
    ASSERT_EQ(crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<uint8_t*>(payload.data()), &size,
                                                         nullptr, bytes + 54, image.size() - 54 - 4, bytes,
                                                         54, bytes + 30, key),
              0);
    MemoryStream compressed(payload);
    MemoryStream plain;
    LzhCompressor::Decompress(compressed, plain);
    EXPECT_EQ(plain.Bytes(), '\0' + ReadBytes(VectorPath("diary/sample.lines")));

    LineList lines;
    DiaryLock found;
    ASSERT_EQ(LoadDiaryFile(VectorPath("sealed/sample.dry"), lines, SamplePassword, found), drDone);
    EXPECT_EQ(lines, SampleLines());
}

TEST_F(SealedFileTest, TheProductionDerivationOpensWhatItSealed)
{
    const DiaryLock production = SealedLock("pw");
    EXPECT_EQ(production.Key->Params(), ProductionKdf);
    ASSERT_EQ(SaveDiaryFile(dir / "p.dry", SampleLines(), production), drDone);
    LineList lines;
    DiaryLock found;
    ASSERT_EQ(LoadDiaryFile(dir / "p.dry", lines, "pw", found), drDone);
    EXPECT_EQ(lines, SampleLines());
    EXPECT_EQ(found.Key->Params(), ProductionKdf);
}

TEST_F(SealedFileTest, AFailedSaveKeepsThePreviousFile)
{
    ASSERT_EQ(SaveDiaryFile(dir / "d.dry", {"first"}, lock), drDone);
    const std::string before = ReadBytes(dir / "d.dry");
    fs::permissions(dir / "d.dry", fs::perms::owner_read);
    EXPECT_EQ(SaveDiaryFile(dir / "d.dry", {"second"}, lock), drWriteFailed);
    EXPECT_EQ(ReadBytes(dir / "d.dry"), before);
    EXPECT_EQ(SaveDiaryFile(dir / "none" / "d.dry", {"x"}, lock), drWriteFailed);
    EXPECT_EQ(SaveDiaryFile(dir / "k.dry", {"x"}, DiaryLock{dfSealed, {}, nullptr}), drWriteFailed);
}
