#include "formats/birthdays/BirthdayStream.h"

#include "base/text/CodePage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace birthdays {

namespace {

// Value kinds of the component stream.
enum ValueKind : uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaCollection = 0x0E,
    vaLString = 0x0C,
    vaUTF8String = 0x14,
};

constexpr std::string_view ClassName = "TEntryComponent";
constexpr std::string_view ListProperty = "Entries";
constexpr uint16_t ResourceType = 10;
constexpr uint16_t ResourceFlags = 0x1030;
constexpr int ExtendedBias = 16383;

const std::string InvalidFormat = "Invalid stream format";

void PutUInt(std::string& out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

void PutShortString(std::string& out, std::string_view text)
{
    out += static_cast<char>(text.size());
    out += text;
}

// A double as the 80-bit extended number of the x87: 64-bit significand with its leading bit,
// then sign and 15-bit exponent.
void PutExtended(std::string& out, double value)
{
    uint64_t significand = 0;
    int exponent = 0;
    if (std::isinf(value)) {
        significand = uint64_t{1} << 63;
        exponent = 0x7FFF;
    } else if (std::isnan(value)) {
        significand = uint64_t{3} << 62;
        exponent = 0x7FFF;
    } else if (value != 0) {
        int binaryExponent = 0;
        const double fraction = std::frexp(std::fabs(value), &binaryExponent); // in [0.5, 1)
        significand = static_cast<uint64_t>(std::ldexp(fraction, 64));
        exponent = binaryExponent - 1 + ExtendedBias;
    }
    PutUInt(out, significand, 8);
    PutUInt(out, static_cast<uint64_t>(exponent) | (std::signbit(value) ? 0x8000u : 0u), 2);
}

double ExtendedToDouble(const uint8_t* bytes)
{
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = significand << 8 | bytes[i];
    const unsigned signAndExponent = bytes[8] | bytes[9] << 8;
    const int exponent = static_cast<int>(signAndExponent & 0x7FFF);
    const double sign = (signAndExponent & 0x8000) != 0 ? -1.0 : 1.0;
    if (exponent == 0x7FFF)
        return (significand << 1) == 0 ? sign * std::numeric_limits<double>::infinity()
                                       : std::numeric_limits<double>::quiet_NaN();
    return sign * std::ldexp(static_cast<double>(significand), std::max(exponent, 1) - ExtendedBias - 63);
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void PutString(std::string& out, std::string_view text, int codePage)
{
    if (IsAscii(text)) {
        if (text.size() <= 255) {
            out += static_cast<char>(vaString);
            PutShortString(out, text);
            return;
        }
        out += static_cast<char>(vaLString);
        PutUInt(out, text.size(), 4);
        out += text;
        return;
    }
    const std::string utf8 = codepage::CodePageToUtf8(text, codePage);
    out += static_cast<char>(vaUTF8String);
    PutUInt(out, utf8.size(), 4);
    out += utf8;
}

void PutInteger(std::string& out, int32_t value)
{
    if (value >= -128 && value <= 127) {
        out += static_cast<char>(vaInt8);
        PutUInt(out, static_cast<uint32_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        out += static_cast<char>(vaInt16);
        PutUInt(out, static_cast<uint32_t>(value), 2);
    } else {
        out += static_cast<char>(vaInt32);
        PutUInt(out, static_cast<uint32_t>(value), 4);
    }
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// A fault that ends the reading, with its message.
struct StreamFault {
    std::string Message;
};

class StreamReader {
public:
    StreamReader(std::string_view bytes, int codePage) : bytes_(bytes), codePage_(codePage) {}

    void ReadStream(StreamContent& content)
    {
        ReadHeader();
        if (Take(4) != "TPF0")
            throw StreamFault{InvalidFormat};
        ShortString(); // class name
        ShortString(); // component name
        while (Peek() != vaNull) {
            const std::string name = ShortString();
            if (!SameName(name, ListProperty))
                throw StreamFault{"Property " + name + " does not exist"};
            if (Byte() != vaCollection)
                throw StreamFault{InvalidFormat};
            ReadCollection(content);
        }
        Byte();               // end of the properties
        if (Byte() != vaNull) // owned components: the list has none
            throw StreamFault{InvalidFormat};
    }

private:
    void ReadHeader()
    {
        if (Byte() != 0xFF || Integer(2) != ResourceType)
            throw StreamFault{InvalidFormat};
        while (Byte() != 0) // the resource name
            ;
        Take(2 + 4); // flags and body length
    }

    void ReadCollection(StreamContent& content)
    {
        if (Peek() != vaNull) {
            content.ReplacesList = true;
            content.Entries.clear();
        }
        while (Peek() != vaNull) {
            if (Peek() == vaInt8 || Peek() == vaInt16 || Peek() == vaInt32)
                IntegerValue(); // an item index some writers put first
            if (Byte() != vaList)
                throw StreamFault{InvalidFormat};
            EntryValues entry;
            while (Peek() != vaNull)
                ReadProperty(entry);
            Byte();
            content.Entries.push_back(std::move(entry));
        }
        Byte();
    }

    void ReadProperty(EntryValues& entry)
    {
        const std::string name = ShortString();
        if (SameName(name, "FullName")) {
            entry.FullName = StringValue();
        } else if (SameName(name, "Notes")) {
            entry.Notes = StringValue();
        } else if (SameName(name, "BirthDate")) {
            entry.BirthDate = DateValue();
        } else if (SameName(name, "Icon")) {
            entry.Icon = IntegerValue();
        } else {
            throw StreamFault{"Property " + name + " does not exist"};
        }
    }

    std::string StringValue()
    {
        switch (Byte()) {
        case vaString:
            return std::string(Take(Byte()));
        case vaLString:
            return std::string(Take(Length()));
        case vaUTF8String: {
            const std::string_view utf8 = Take(Length());
            auto text = codepage::Utf8ToCodePage(utf8, codePage_);
            if (!text)
                throw StreamFault{"A name or a note holds characters that code page " +
                                   std::to_string(codePage_) + " cannot hold"};
            return std::move(*text);
        }
        default:
            throw StreamFault{InvalidFormat};
        }
    }

    double DateValue()
    {
        if (Byte() != vaExtended)
            throw StreamFault{InvalidFormat};
        const std::string_view bytes = Take(10);
        const double value = ExtendedToDouble(reinterpret_cast<const uint8_t*>(bytes.data()));
        if (!std::isfinite(value))
            throw StreamFault{InvalidFormat};
        return value;
    }

    int32_t IntegerValue()
    {
        switch (Byte()) {
        case vaInt8:
            return static_cast<int8_t>(Integer(1));
        case vaInt16:
            return static_cast<int16_t>(Integer(2));
        case vaInt32:
            return static_cast<int32_t>(Integer(4));
        default:
            throw StreamFault{InvalidFormat};
        }
    }

    // A 4-byte length that the rest of the stream can hold.
    size_t Length()
    {
        const uint32_t length = Integer(4);
        if (length > bytes_.size() - position_)
            throw StreamFault{InvalidFormat};
        return length;
    }

    std::string ShortString() { return std::string(Take(Byte())); }

    uint32_t Integer(int size)
    {
        const std::string_view bytes = Take(static_cast<size_t>(size));
        uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | static_cast<uint8_t>(bytes[static_cast<size_t>(i)]);
        return value;
    }

    uint8_t Peek() const
    {
        if (position_ >= bytes_.size())
            throw StreamFault{InvalidFormat};
        return static_cast<uint8_t>(bytes_[position_]);
    }

    uint8_t Byte()
    {
        const uint8_t value = Peek();
        ++position_;
        return value;
    }

    std::string_view Take(size_t count)
    {
        if (count > bytes_.size() - position_)
            throw StreamFault{InvalidFormat};
        const std::string_view taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }

    std::string_view bytes_;
    int codePage_;
    size_t position_ = 0;
};

} // namespace

EntryStreamWriter::EntryStreamWriter(int codePage) : codePage_(codePage)
{
    body_ = "TPF0";
    PutShortString(body_, ClassName);
    PutShortString(body_, ""); // the component's name
    PutShortString(body_, ListProperty);
    body_ += static_cast<char>(vaCollection);
}

void EntryStreamWriter::Add(const EntryValues& entry)
{
    body_ += static_cast<char>(vaList);
    if (!entry.FullName.empty()) {
        PutShortString(body_, "FullName");
        PutString(body_, entry.FullName, codePage_);
    }
    if (entry.BirthDate != 0) {
        PutShortString(body_, "BirthDate");
        body_ += static_cast<char>(vaExtended);
        PutExtended(body_, entry.BirthDate);
    }
    if (entry.Icon != -1) {
        PutShortString(body_, "Icon");
        PutInteger(body_, entry.Icon);
    }
    if (!entry.Notes.empty()) {
        PutShortString(body_, "Notes");
        PutString(body_, entry.Notes, codePage_);
    }
    body_ += static_cast<char>(vaNull);
}

std::string EntryStreamWriter::Finish()
{
    body_ += std::string(3, static_cast<char>(vaNull)); // ends the collection, properties, components
    std::string stream;
    stream.reserve(25 + body_.size());
    stream += static_cast<char>(0xFF);
    PutUInt(stream, ResourceType, 2);
    std::string resourceName(ClassName);
    std::transform(resourceName.begin(), resourceName.end(), resourceName.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    stream += resourceName;
    stream += '\0';
    PutUInt(stream, ResourceFlags, 2);
    PutUInt(stream, body_.size(), 4);
    stream += body_;
    body_.clear();
    return stream;
}

StreamContent ReadEntryStream(std::string_view bytes, int codePage)
{
    StreamContent content;
    try {
        StreamReader(bytes, codePage).ReadStream(content);
    } catch (const StreamFault& fault) {
        content.Error = fault.Message;
    }
    return content;
}

} // namespace birthdays
