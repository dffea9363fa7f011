#include "formats/diary/SealedFile.h"

#include "base/io/Crc32.h"
#include "base/io/SafeFile.h"
#include "formats/diary/DiaryFile.h"

#include <sodium.h>

#include <algorithm>
#include <new>
#include <stdexcept>

using base::io::CannotBeRead;
using base::io::Crc32;
using base::result::Fail;
using base::result::Reason;
using base::result::Result;
using base::text::JoinLines;
using base::text::LineList;

namespace formats::diary {

namespace {

constexpr std::string_view Signature = "DRYS";
constexpr uint8_t KdfArgon2id13 = crypto_pwhash_ALG_ARGON2ID13;

// Offsets of the header, which is also the cipher's associated data.
constexpr size_t VersionAt = 4;
constexpr size_t KdfAt = 5;
constexpr size_t PassesAt = 6;
constexpr size_t MemoryAt = 10;
constexpr size_t SaltAt = 14;
constexpr size_t NonceAt = SaltAt + std::tuple_size_v<SealSalt>;
constexpr size_t NonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr size_t HeaderSize = NonceAt + NonceSize;
constexpr size_t TagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr size_t CrcSize = 4;
constexpr size_t SmallestImage = HeaderSize + TagSize + CrcSize;

static_assert(crypto_aead_xchacha20poly1305_ietf_KEYBYTES == 32);
static_assert(crypto_pwhash_SALTBYTES == std::tuple_size_v<SealSalt>);
static_assert(crypto_pwhash_argon2id_OPSLIMIT_MIN <= CheapestKdf.Passes);
static_assert(crypto_pwhash_argon2id_MEMLIMIT_MIN <= CheapestKdf.MemoryKiB * 1024);

void StartSodium()
{
    static const bool started = sodium_init() >= 0;
    if (!started)
        throw std::runtime_error("the cryptography library cannot start");
}

const uint8_t* BytesOf(std::string_view text)
{
    return reinterpret_cast<const uint8_t*>(text.data());
}

uint32_t ReadLE32(std::string_view image, size_t at)
{
    const uint8_t* b = BytesOf(image) + at;
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

void AppendLE32(std::string& image, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        image += static_cast<char>(value >> shift & 0xFF);
}

bool WithinLimits(const KdfParams& params)
{
    return params.Passes >= CheapestKdf.Passes && params.Passes <= KdfCeiling.Passes &&
           params.MemoryKiB >= CheapestKdf.MemoryKiB && params.MemoryKiB <= KdfCeiling.MemoryKiB;
}

uint32_t ChecksumOf(std::string_view bytes)
{
    static const Crc32 crc;
    return crc.Of(BytesOf(bytes), bytes.size());
}

bool KnownVersion(uint8_t version)
{
    return version == static_cast<uint8_t>(SealedVersion::Lzh) || version == static_cast<uint8_t>(SealedVersion::Zstd);
}

// The plain payload of the old format with its password part left empty: one 0x00 byte, then
// the records, compressed.
std::string CompressedRecords(const LineList& lines)
{
    std::string text = JoinLines(lines);
    std::string plain;
    plain.reserve(text.size() + 1);
    plain += '\0';
    plain += text;
    WipeBytes(text);
    std::string compressed = CompressPayload(plain);
    WipeBytes(plain);
    return compressed;
}

} // namespace

void WipeBytes(std::string& bytes)
{
    sodium_memzero(bytes.data(), bytes.size());
    bytes.clear();
}

SealKey::SealKey(std::string_view password, const KdfParams& params, const SealSalt& salt)
    : params_(params), salt_(salt)
{
    StartSodium();
    if (!WithinLimits(params))
        throw std::invalid_argument("key derivation parameters out of bounds");
    if (crypto_pwhash(key_.data(), key_.size(), password.data(), password.size(), salt_.data(), params.Passes,
                      size_t{params.MemoryKiB} * 1024, crypto_pwhash_ALG_ARGON2ID13) != 0) {
        sodium_memzero(key_.data(), key_.size());
        throw std::bad_alloc();
    }
    check_ = PasswordCheck(password);
}

SealKey::~SealKey()
{
    sodium_memzero(key_.data(), key_.size());
}

std::shared_ptr<const SealKey> SealKey::Derive(std::string_view password, const KdfParams& params)
{
    StartSodium();
    SealSalt salt;
    randombytes_buf(salt.data(), salt.size());
    return std::make_shared<const SealKey>(password, params, salt);
}

std::array<uint8_t, 32> SealKey::PasswordCheck(std::string_view password) const
{
    std::array<uint8_t, 32> check{};
    crypto_generichash(check.data(), check.size(), BytesOf(password), password.size(), key_.data(),
                       key_.size());
    return check;
}

bool SealKey::DerivedFrom(std::string_view password) const
{
    const auto check = PasswordCheck(password);
    return sodium_memcmp(check.data(), check_.data(), check.size()) == 0;
}

bool IsSealedImage(std::string_view image)
{
    return image.starts_with(Signature);
}

std::string MakeSealedImage(const LineList& lines, const SealKey& key)
{
    std::string payload = CompressedRecords(lines);

    std::string image;
    image.reserve(SmallestImage + payload.size());
    image += Signature;
    image += static_cast<char>(WrittenSealedVersion);
    image += static_cast<char>(KdfArgon2id13);
    AppendLE32(image, key.Params().Passes);
    AppendLE32(image, key.Params().MemoryKiB);
    image.append(reinterpret_cast<const char*>(key.Salt().data()), key.Salt().size());
    image.resize(HeaderSize);
    auto* bytes = reinterpret_cast<uint8_t*>(image.data());
    randombytes_buf(bytes + NonceAt, NonceSize);

    image.resize(HeaderSize + payload.size() + TagSize);
    bytes = reinterpret_cast<uint8_t*>(image.data());
    unsigned long long sealedSize = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(bytes + HeaderSize, &sealedSize, BytesOf(payload),
                                               payload.size(), bytes, HeaderSize, nullptr, bytes + NonceAt,
                                               key.Bytes().data());
    WipeBytes(payload);
    AppendLE32(image, ChecksumOf(image));
    return image;
}

Result<SealedHeader> CheckSealedImage(std::string_view image)
{
    if (image.size() < SmallestImage || !IsSealedImage(image))
        return DamagedDiary();
    const auto version = static_cast<uint8_t>(image[VersionAt]);
    if (!KnownVersion(version))
        return DamagedDiary();
    const size_t checked = image.size() - CrcSize;
    if (ChecksumOf(image.substr(0, checked)) != ReadLE32(image, checked))
        return DamagedDiary();
    const KdfParams params{ReadLE32(image, PassesAt), ReadLE32(image, MemoryAt)};
    if (static_cast<uint8_t>(image[KdfAt]) != KdfArgon2id13 || !WithinLimits(params))
        return DamagedDiary();
    return SealedHeader{static_cast<SealedVersion>(version), params};
}

Result<SealedContent> ParseSealedImage(std::string_view image, std::string_view password)
{
    const auto header = CheckSealedImage(image);
    if (!header)
        return header.Error();
    SealSalt salt;
    std::copy_n(BytesOf(image) + SaltAt, salt.size(), salt.begin());
    std::shared_ptr<const SealKey> key;
    try {
        key = std::make_shared<const SealKey>(password, header->Kdf, salt);
    } catch (const std::bad_alloc&) {
        // The file asks for more memory than there is, within the ceiling: it stays unread.
        return Fail(Reason::Missing, std::string(CannotBeRead));
    }

    const std::string_view sealed = image.substr(HeaderSize, image.size() - HeaderSize - CrcSize);
    std::string payload(sealed.size() - TagSize, '\0');
    unsigned long long payloadSize = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<uint8_t*>(payload.data()), &payloadSize, nullptr, BytesOf(sealed), sealed.size(),
            BytesOf(image), HeaderSize, BytesOf(image) + NonceAt, key->Bytes().data()) != 0)
        return WrongPassword();

    auto decoded = DecompressPayload(header->Version, payload);
    WipeBytes(payload);
    if (!decoded)
        return decoded.Error();
    std::string plain = std::move(*decoded);
    if (plain.empty() || plain.front() != '\0') {
        WipeBytes(plain);
        return DamagedDiary();
    }
    plain.erase(0, 1);
    return SealedContent{std::move(plain), std::move(key)};
}

} // namespace formats::diary
