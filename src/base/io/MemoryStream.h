// An in-memory byte stream with a position: what the codec and the diary file read and write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace base::io {

class MemoryStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

    // Copies min(count, Size() - Position()) bytes and advances; returns how many.
    size_t Read(uint8_t* buffer, size_t count)
    {
        const size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
        const size_t n = count < available ? count : available;
        bytes_.copy(reinterpret_cast<char*>(buffer), n, position_);
        position_ += n;
        return n;
    }

    // Writes at the position, overwriting and extending as needed, and advances.
    void Write(const uint8_t* buffer, size_t count)
    {
        const char* chars = reinterpret_cast<const char*>(buffer);
        if (position_ == bytes_.size()) {
            bytes_.append(chars, count);
        } else {
            if (position_ > bytes_.size())
                bytes_.resize(position_, '\0');
            const size_t overlap = bytes_.size() - position_ < count ? bytes_.size() - position_ : count;
            bytes_.replace(position_, overlap, chars, overlap);
            bytes_.append(chars + overlap, count - overlap);
        }
        position_ += count;
    }

    size_t Position() const { return position_; }
    void Seek(size_t position) { position_ = position; }
    size_t Size() const { return bytes_.size(); }
    void Reserve(size_t capacity) { bytes_.reserve(capacity); }

    const std::string& Bytes() const { return bytes_; }
    // Hands the content over and leaves the stream empty at position 0.
    std::string TakeBytes()
    {
        position_ = 0;
        return std::move(bytes_);
    }

private:
    std::string bytes_;
    size_t position_ = 0;
};

} // namespace base::io
