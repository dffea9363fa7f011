#include "formats/rtf/PictureGroup.h"

#include "formats/rtf/RtfScanner.h"

#include <algorithm>
#include <cstdint>

namespace formats::rtf {

namespace {

constexpr int MinTwips = 15;
constexpr int MaxTwips = 22 * 1440;
constexpr int DefaultTwips = 1440;
constexpr size_t HexLineLength = 128;
constexpr char HexDigits[] = "0123456789abcdef";

bool IsPictureWord(std::string_view name)
{
    return name == "pict" || name == "shppict" || name == "nonshppict";
}

// The word that names the picture group opening at the scanner, or "" when there is none.
std::string_view GroupWord(RtfScanner& scanner)
{
    Token token;
    bool starred = false;
    while (scanner.Next(token)) {
        if (token.Kind == TokenKind::LineEnd)
            continue;
        if (token.Kind == TokenKind::Symbol && token.Character == '*' && !starred) {
            starred = true;
            continue;
        }
        return token.Kind == TokenKind::Word ? token.Name : std::string_view();
    }
    return {};
}

// Walks to the end of the group whose '{' the scanner has just passed; the braces still open
// when the source ends.
int CloseGroup(RtfScanner& scanner)
{
    int depth = 1;
    Token token;
    while (depth > 0 && scanner.Next(token)) {
        if (token.Kind == TokenKind::Open)
            ++depth;
        else if (token.Kind == TokenKind::Close)
            --depth;
    }
    return depth;
}

std::optional<size_t> NonShapeTwinAt(std::string_view source, size_t from)
{
    RtfScanner scanner(source.substr(from));
    Token token;
    while (scanner.Next(token)) {
        if (token.Kind == TokenKind::LineEnd)
            continue;
        if (token.Kind != TokenKind::Open)
            return std::nullopt;
        const auto open = static_cast<size_t>(token.Raw.data() - source.data());
        if (IsNonShapeGroup(source.substr(open)))
            return open;
        return std::nullopt;
    }
    return std::nullopt;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// What the control words of a \pict group say.
struct PictWords {
    PictureKind Kind = PictureKind::Unknown;
    long long Width = 0;      // \picw: pixels, or hundredths of a millimetre for metafiles
    long long Height = 0;
    long long GoalWidth = 0;  // \picwgoal, twips
    long long GoalHeight = 0;
    long long ScaleX = 100;   // \picscalex, percent
    long long ScaleY = 100;
};

void ApplyWord(const Token& token, PictWords& words)
{
    static const std::pair<std::string_view, PictureKind> kinds[] = {
        {"pngblip", PictureKind::Png},   {"jpegblip", PictureKind::Jpeg}, {"emfblip", PictureKind::Emf},
        {"wmetafile", PictureKind::Wmf}, {"dibitmap", PictureKind::Dib},  {"wbitmap", PictureKind::Bitmap},
        {"macpict", PictureKind::Mac},
    };
    for (const auto& [name, kind] : kinds)
        if (token.Name == name)
            words.Kind = kind;
    const long long value = token.Param;
    if (token.Name == "picw")
        words.Width = value;
    else if (token.Name == "pich")
        words.Height = value;
    else if (token.Name == "picwgoal")
        words.GoalWidth = value;
    else if (token.Name == "pichgoal")
        words.GoalHeight = value;
    else if (token.Name == "picscalex" && value > 0)
        words.ScaleX = value;
    else if (token.Name == "picscaley" && value > 0)
        words.ScaleY = value;
}

// Reads the first \pict group of the span: its words and its data.
PictWords ReadPictGroup(std::string_view group, std::string& data)
{
    PictWords words;
    RtfScanner scanner(group);
    Token token;
    int depth = 0;
    int pictDepth = 0; // the depth of the \pict group once found
    int nibble = -1;
    while (scanner.Next(token)) {
        if (token.Kind == TokenKind::Open) {
            ++depth;
            continue;
        }
        if (token.Kind == TokenKind::Close) {
            if (depth-- == pictDepth && pictDepth > 0)
                break;
            continue;
        }
        if (pictDepth == 0) {
            if (token.Kind == TokenKind::Word && token.Name == "pict")
                pictDepth = depth;
            continue;
        }
        if (depth != pictDepth)
            continue; // \*\blipuid, \*\picprop and the like
        if (token.Kind == TokenKind::Word)
            ApplyWord(token, words);
        else if (token.Kind == TokenKind::Bin)
            data.append(token.Data);
        else if (token.Kind == TokenKind::Text)
            for (const char c : token.Raw) {
                const int value = HexValue(c);
                if (value < 0)
                    continue;
                if (nibble < 0) {
                    nibble = value;
                } else {
                    data += static_cast<char>(nibble * 16 + value);
                    nibble = -1;
                }
            }
    }
    return words;
}


// The size of the picture's own data, in twips.
std::pair<long long, long long> NaturalTwips(const PictWords& words, std::string_view data)
{
    if (const auto pixels = DeclaredPixelSize(words.Kind, data))
        return {1LL * pixels->Width * TwipsPerPixel, 1LL * pixels->Height * TwipsPerPixel};
    if (words.Kind == PictureKind::Wmf || words.Kind == PictureKind::Emf || words.Kind == PictureKind::Mac)
        return {words.Width * 1440 / 2540, words.Height * 1440 / 2540};
    return {words.Width * TwipsPerPixel, words.Height * TwipsPerPixel};
}

uint32_t BigEndian(std::string_view data, size_t at, size_t bytes)
{
    uint32_t value = 0;
    for (size_t i = 0; i < bytes; ++i)
        value = value << 8 | static_cast<unsigned char>(data[at + i]);
    return value;
}

std::optional<PixelSize> PngSize(std::string_view data)
{
    if (data.size() < 24 || !data.starts_with("\x89PNG\r\n\x1a\n") || data.substr(12, 4) != "IHDR")
        return std::nullopt;
    const uint32_t width = BigEndian(data, 16, 4);
    const uint32_t height = BigEndian(data, 20, 4);
    if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX)
        return std::nullopt;
    return PixelSize{static_cast<int>(width), static_cast<int>(height)};
}

// The size in the first start-of-frame marker of a JPEG file.
std::optional<PixelSize> JpegSize(std::string_view data)
{
    if (data.size() < 4 || static_cast<unsigned char>(data[0]) != 0xFF || static_cast<unsigned char>(data[1]) != 0xD8)
        return std::nullopt;
    size_t at = 2;
    while (at + 4 <= data.size()) {
        if (static_cast<unsigned char>(data[at]) != 0xFF)
            return std::nullopt;
        const auto marker = static_cast<unsigned char>(data[at + 1]);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        const size_t length = BigEndian(data, at + 2, 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > data.size())
                return std::nullopt;
            const auto height = static_cast<int>(BigEndian(data, at + 5, 2));
            const auto width = static_cast<int>(BigEndian(data, at + 7, 2));
            if (width == 0 || height == 0)
                return std::nullopt;
            return PixelSize{width, height};
        }
        if (length < 2)
            return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

std::string_view KindWord(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Png:
        return "\\pngblip";
    case PictureKind::Jpeg:
        return "\\jpegblip";
    case PictureKind::Emf:
        return "\\emfblip";
    case PictureKind::Wmf:
        return "\\wmetafile8";
    case PictureKind::Dib:
        return "\\dibitmap0";
    case PictureKind::Bitmap:
        return "\\wbitmap0";
    case PictureKind::Mac:
        return "\\macpict";
    case PictureKind::Unknown:
        break;
    }
    return "";
}

} // namespace

int ClampTwips(long long twips)
{
    return twips <= 0 ? DefaultTwips : static_cast<int>(std::clamp<long long>(twips, MinTwips, MaxTwips));
}

std::optional<PictureGroupSpan> FindPictureGroup(std::string_view source, size_t open)
{
    RtfScanner scanner(source.substr(open + 1));
    const std::string_view word = GroupWord(scanner);
    if (!IsPictureWord(word))
        return std::nullopt;
    RtfScanner body(source.substr(open + 1));
    PictureGroupSpan span;
    span.MissingBraces = CloseGroup(body);
    span.End = open + 1 + body.Offset();
    if (word == "shppict" && span.MissingBraces == 0)
        if (const auto twin = NonShapeTwinAt(source, span.End)) {
            RtfScanner rest(source.substr(*twin + 1));
            span.MissingBraces = CloseGroup(rest);
            span.End = *twin + 1 + rest.Offset();
        }
    return span;
}

bool IsNonShapeGroup(std::string_view group)
{
    if (!group.starts_with('{'))
        return false;
    RtfScanner scanner(group.substr(1));
    return GroupWord(scanner) == "nonshppict";
}

Picture ReadPicture(std::string_view group, int missingBraces)
{
    Picture picture;
    const PictWords words = ReadPictGroup(group, picture.Data);
    picture.Kind = words.Kind;
    const auto [naturalWidth, naturalHeight] = NaturalTwips(words, picture.Data);
    const long long width = words.GoalWidth > 0 ? words.GoalWidth : naturalWidth;
    const long long height = words.GoalHeight > 0 ? words.GoalHeight : naturalHeight;
    picture.WidthTwips = ClampTwips(width * std::min<long long>(words.ScaleX, 10'000) / 100);
    picture.HeightTwips = ClampTwips(height * std::min<long long>(words.ScaleY, 10'000) / 100);
    if (missingBraces > 0) {
        // A backslash the source ends on would escape the first brace that closes the group.
        const size_t backslashes = group.size() - group.find_last_not_of('\\') - 1;
        if (backslashes % 2 == 1)
            group.remove_suffix(1);
    }
    picture.Source.reserve(group.size() + static_cast<size_t>(missingBraces));
    picture.Source.append(group);
    picture.Source.append(static_cast<size_t>(missingBraces), '}');
    return picture;
}

std::optional<PixelSize> DeclaredPixelSize(PictureKind kind, std::string_view data)
{
    if (kind == PictureKind::Png)
        return PngSize(data);
    if (kind == PictureKind::Jpeg)
        return JpegSize(data);
    return std::nullopt;
}

std::string WritePictureGroup(const Picture& picture)
{
    const auto pixels = DeclaredPixelSize(picture.Kind, picture.Data)
                            .value_or(PixelSize{picture.WidthTwips / TwipsPerPixel, picture.HeightTwips / TwipsPerPixel});
    std::string out = "{\\pict";
    out += KindWord(picture.Kind);
    out += "\\picw" + std::to_string(pixels.Width) + "\\pich" + std::to_string(pixels.Height);
    out += "\\picwgoal" + std::to_string(picture.WidthTwips) + "\\pichgoal" + std::to_string(picture.HeightTwips);
    out.reserve(out.size() + picture.Data.size() * 2 + picture.Data.size() / (HexLineLength / 2) * 2 + 4);
    for (size_t i = 0; i < picture.Data.size(); ++i) {
        if (i % (HexLineLength / 2) == 0)
            out += "\r\n";
        const auto byte = static_cast<unsigned char>(picture.Data[i]);
        out += HexDigits[byte >> 4];
        out += HexDigits[byte & 15];
    }
    out += "}";
    return out;
}

bool IsStorableAsIs(std::string_view group)
{
    const bool plain = std::all_of(group.begin(), group.end(), [](char c) {
        return (c >= 0x20 && c <= 0x7E && c != '@') || c == '\r' || c == '\n' || c == '\t';
    });
    if (!plain)
        return false;
    RtfScanner scanner(group);
    Token token;
    while (scanner.Next(token))
        if (token.Kind == TokenKind::Bin)
            return false;
    return true;
}

} // namespace formats::rtf
