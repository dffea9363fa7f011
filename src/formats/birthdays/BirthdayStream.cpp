#include "formats/birthdays/BirthdayStream.h"

#include "base/text/CodePage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using base::result::Fail;
using base::result::Reason;
using base::result::Status;
using base::text::CodePageToUtf8;
using base::text::Utf8ToCodePage;

namespace formats::birthdays {

namespace {

// Value kinds of the component stream.
enum class ValueKind : uint8_t {
    Null = 0x00,
    List = 0x01,
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    Extended = 0x05,
    String = 0x06,
    Collection = 0x0E,
    LString = 0x0C,
    Utf8String = 0x14,
};

char KindByte(ValueKind kind)
{
    return static_cast<char>(kind);
}

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
            out += KindByte(ValueKind::String);
            PutShortString(out, text);
            return;
        }
        out += KindByte(ValueKind::LString);
        PutUInt(out, text.size(), 4);
        out += text;
        return;
    }
    const std::string utf8 = CodePageToUtf8(text, codePage);
    out += KindByte(ValueKind::Utf8String);
    PutUInt(out, utf8.size(), 4);
    out += utf8;
}

void PutInteger(std::string& out, int32_t value)
{
    if (value >= -128 && value <= 127) {
        out += KindByte(ValueKind::Int8);
        PutUInt(out, static_cast<uint32_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        out += KindByte(ValueKind::Int16);
        PutUInt(out, static_cast<uint32_t>(value), 2);
    } else {
        out += KindByte(ValueKind::Int32);
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

// Reads a stream to its end or to its first fault. After a fault every read gives nothing
// (a Null kind, zero, empty text), so that the reading runs out at once, and the fault's
// message is kept.
class StreamReader {
public:
    StreamReader(std::string_view bytes, int codePage) : bytes_(bytes), codePage_(codePage) {}

    Status ReadStream(StreamContent& content)
    {
        ReadHeader();
        if (Take(4) != "TPF0")
            Fault(InvalidFormat);
        ShortString(); // class name
        ShortString(); // component name
        while (PeekKind() != ValueKind::Null) {
            const std::string name = ShortString();
            if (!SameName(name, ListProperty))
                Fault("Property " + name + " does not exist");
            else if (Kind() != ValueKind::Collection)
                Fault(InvalidFormat);
            else
                ReadCollection(content);
        }
        Byte();                         // end of the properties
        if (Kind() != ValueKind::Null) // owned components: the list has none
            Fault(InvalidFormat);
        return status_;
    }

private:
    void ReadHeader()
    {
        if (Byte() != 0xFF || Integer(2) != ResourceType)
            Fault(InvalidFormat);
        while (Byte() != 0) // the resource name
            ;
        Take(2 + 4); // flags and body length
    }

    void ReadCollection(StreamContent& content)
    {
        if (PeekKind() != ValueKind::Null) {
            content.ReplacesList = true;
            content.Entries.clear();
        }
        while (PeekKind() != ValueKind::Null) {
            const ValueKind first = PeekKind();
            if (first == ValueKind::Int8 || first == ValueKind::Int16 || first == ValueKind::Int32)
                IntegerValue(); // an item index some writers put first
            if (Kind() != ValueKind::List)
                Fault(InvalidFormat);
            EntryValues entry;
            while (PeekKind() != ValueKind::Null)
                ReadProperty(entry);
            Byte();
            if (!status_)
                return; // the entry was not read whole
            content.Entries.push_back(std::move(entry));
        }
        Byte();
    }

    void ReadProperty(EntryValues& entry)
    {
        const std::string name = ShortString();
        if (SameName(name, "FullName"))
            entry.FullName = StringValue();
        else if (SameName(name, "Notes"))
            entry.Notes = StringValue();
        else if (SameName(name, "BirthDate"))
            entry.BirthDate = DateValue();
        else if (SameName(name, "Icon"))
            entry.Icon = IntegerValue();
        else
            Fault("Property " + name + " does not exist");
    }

    std::string StringValue()
    {
        switch (Kind()) {
        case ValueKind::String:
            return std::string(Take(Byte()));
        case ValueKind::LString:
            return std::string(Take(Length()));
        case ValueKind::Utf8String: {
            auto text = Utf8ToCodePage(Take(Length()), codePage_);
            if (!text) {
                Fault("A name or a note holds characters that code page " + std::to_string(codePage_) +
                          " cannot hold",
                      Reason::Refused);
                return {};
            }
            return std::move(*text);
        }
        default:
            Fault(InvalidFormat);
            return {};
        }
    }

    double DateValue()
    {
        if (Kind() != ValueKind::Extended)
            Fault(InvalidFormat);
        const std::string_view bytes = Take(ExtendedSize);
        if (bytes.size() != ExtendedSize)
            return 0;
        const double value = ExtendedToDouble(reinterpret_cast<const uint8_t*>(bytes.data()));
        if (!std::isfinite(value)) {
            Fault(InvalidFormat);
            return 0;
        }
        return value;
    }

    int32_t IntegerValue()
    {
        switch (Kind()) {
        case ValueKind::Int8:
            return static_cast<int8_t>(Integer(1));
        case ValueKind::Int16:
            return static_cast<int16_t>(Integer(2));
        case ValueKind::Int32:
            return static_cast<int32_t>(Integer(4));
        default:
            Fault(InvalidFormat);
            return 0;
        }
    }

    // A 4-byte length that the rest of the stream can hold.
    size_t Length()
    {
        const uint32_t length = Integer(4);
        if (length > bytes_.size() - position_) {
            Fault(InvalidFormat);
            return 0;
        }
        return length;
    }

    std::string ShortString() { return std::string(Take(Byte())); }

    uint32_t Integer(int size)
    {
        const std::string_view bytes = Take(static_cast<size_t>(size));
        uint32_t value = 0;
        for (size_t i = bytes.size(); i-- > 0;)
            value = value << 8 | static_cast<uint8_t>(bytes[i]);
        return value;
    }

    ValueKind PeekKind()
    {
        if (position_ >= bytes_.size()) {
            Fault(InvalidFormat);
            return ValueKind::Null;
        }
        return static_cast<ValueKind>(bytes_[position_]);
    }

    ValueKind Kind() { return static_cast<ValueKind>(Byte()); }

    uint8_t Byte()
    {
        const std::string_view byte = Take(1);
        return byte.empty() ? 0 : static_cast<uint8_t>(byte[0]);
    }

    // The next count bytes; none, and a fault, when the stream holds fewer.
    std::string_view Take(size_t count)
    {
        if (count > bytes_.size() - position_) {
            Fault(InvalidFormat);
            return {};
        }
        const std::string_view taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }

    // Ends the reading; the first fault's message is the one kept.
    void Fault(const std::string& message, Reason reason = Reason::Damaged)
    {
        if (status_)
            status_ = Fail(reason, message);
        position_ = bytes_.size();
    }

    static constexpr size_t ExtendedSize = 10;
    std::string_view bytes_;
    int codePage_;
    size_t position_ = 0;
    Status status_;
};

} // namespace

EntryStreamWriter::EntryStreamWriter(int codePage) : codePage_(codePage)
{
    body_ = "TPF0";
    PutShortString(body_, ClassName);
    PutShortString(body_, ""); // the component's name
    PutShortString(body_, ListProperty);
    body_ += KindByte(ValueKind::Collection);
}

void EntryStreamWriter::Add(const EntryValues& entry)
{
    body_ += KindByte(ValueKind::List);
    if (!entry.FullName.empty()) {
        PutShortString(body_, "FullName");
        PutString(body_, entry.FullName, codePage_);
    }
    if (entry.BirthDate != 0) {
        PutShortString(body_, "BirthDate");
        body_ += KindByte(ValueKind::Extended);
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
    body_ += KindByte(ValueKind::Null);
}

std::string EntryStreamWriter::Finish()
{
    body_ += std::string(3, KindByte(ValueKind::Null)); // ends the collection, properties, components
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
    content.Status = StreamReader(bytes, codePage).ReadStream(content);
    return content;
}

} // namespace formats::birthdays
