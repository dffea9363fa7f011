// The sealed diary file: the records enciphered (XChaCha20-Poly1305) with a key derived from
// the password (Argon2id), which the file does not hold; a CRC-32 of the whole file tells
// damage from a wrong password. docs/sealed-format.md gives the byte layout.
#pragma once

#include "base/result/Result.h"
#include "base/text/TextLines.h"
#include "formats/diary/SealedPayload.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace formats::diary {

// The cost of deriving a key: Argon2id passes over so much memory (one lane).
struct KdfParams {
    uint32_t Passes = 0;
    uint32_t MemoryKiB = 0;

    bool operator==(const KdfParams&) const = default;
};

// New sealed files are written with these: about 0.2 s on a two-core machine of 2024.
inline constexpr KdfParams ProductionKdf{2, 64 * 1024};
// The cheapest derivation a reader accepts (libsodium's minimum); tests and fuzz seeds use it.
inline constexpr KdfParams CheapestKdf{1, 8};
// The most a reader spends on a file: a file asking for more is refused as damaged before
// anything is derived or allocated.
inline constexpr KdfParams KdfCeiling{4, 256 * 1024};

using SealSalt = std::array<uint8_t, 16>;

// The key of a sealed diary, derived from the password with the salt and parameters its file
// keeps. Read-only once made, so one key may be shared by the session and the writers of its
// copies on other threads; its bytes are wiped when it goes.
class SealKey {
public:
    // Derives the key (the parameters must lie within CheapestKdf and KdfCeiling). Throws
    // std::bad_alloc when the derivation's memory cannot be had.
    SealKey(std::string_view password, const KdfParams& params, const SealSalt& salt);
    ~SealKey();
    SealKey(const SealKey&) = delete;
    SealKey& operator=(const SealKey&) = delete;

    // A key of the password with a fresh random salt, for writing a new sealed file.
    static std::shared_ptr<const SealKey> Derive(std::string_view password, const KdfParams& params);

    const KdfParams& Params() const { return params_; }
    const SealSalt& Salt() const { return salt_; }
    std::span<const uint8_t, 32> Bytes() const { return key_; }
    // True when the key was derived from this password; costs a keyed hash, not a derivation.
    bool DerivedFrom(std::string_view password) const;

private:
    std::array<uint8_t, 32> PasswordCheck(std::string_view password) const;

    KdfParams params_;
    SealSalt salt_;
    std::array<uint8_t, 32> key_{};
    std::array<uint8_t, 32> check_{};
};

// True when the image begins with the sealed file's signature.
bool IsSealedImage(std::string_view image);

// The sealed file image of the records (version WrittenSealedVersion), enciphered with the key
// under a fresh random nonce.
std::string MakeSealedImage(const base::text::LineList& lines, const SealKey& key);

// What the header of a sound sealed file tells without the password.
struct SealedHeader {
    SealedVersion Version = WrittenSealedVersion;
    KdfParams Kdf;
};

// Checks what can be checked without the password: size, signature, version, checksum and
// derivation parameters; gives the file's version and derivation cost, or fails as Damaged.
base::result::Result<SealedHeader> CheckSealedImage(std::string_view image);

// What a sealed file holds, opened with its password.
struct SealedContent {
    std::string Records;                // the lines' whole text
    std::shared_ptr<const SealKey> Key; // derived from the file, to write it again without deriving
};

// Opens the image with the password. Fails as Damaged, as WrongPassword, or as Missing
// ("cannot be read") when the memory for the derivation cannot be had.
base::result::Result<SealedContent> ParseSealedImage(std::string_view image, std::string_view password);

// Overwrites the bytes with zeros and empties the string (for passwords and plain text).
void WipeBytes(std::string& bytes);

} // namespace formats::diary
