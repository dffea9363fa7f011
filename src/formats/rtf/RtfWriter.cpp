#include "formats/rtf/RtfWriter.h"

#include "formats/rtf/PictureGroup.h"
#include "formats/rtf/Utf.h"
#include "base/text/CodePage.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

using base::text::AppendUtf8;
using base::text::CharsetForCodePage;
using base::text::IsDoubleByteCodePage;
using base::text::SingleByteTable;
using base::text::Utf8ToCodePage;

namespace formats::rtf {

namespace {

// The language the Windows control names in \deflang for text of a code page.
int LanguageOf(int codePage)
{
    static const std::map<int, int> languages{
        {1250, 1045}, {1251, 1049}, {1252, 1033}, {1253, 1032}, {1254, 1055}, {1255, 1037}, {1256, 1025},
        {1257, 1063}, {1258, 1066}, {874, 1054},  {932, 1041},  {936, 2052},  {949, 1042},  {950, 1028},
    };
    const auto found = languages.find(codePage);
    return found == languages.end() ? 1033 : found->second;
}

// Unicode to the bytes of a code page, for the characters beyond ASCII.
class Encoder {
public:
    explicit Encoder(int codePage) : codePage_(codePage)
    {
        if (const auto* table = SingleByteTable(codePage))
            for (int b = 0x80; b < 0x100; ++b)
                bytes_.emplace((*table)[static_cast<size_t>(b)], static_cast<char>(b));
    }

    // The bytes of c, or an empty text when the code page has no place for it.
    std::string Encode(char32_t c) const
    {
        if (IsDoubleByteCodePage(codePage_)) {
            std::string utf8;
            AppendUtf8(utf8, c);
            return Utf8ToCodePage(utf8, codePage_).value_or(std::string());
        }
        const auto found = bytes_.find(c);
        return found == bytes_.end() ? std::string() : std::string(1, found->second);
    }

private:
    int codePage_;
    std::unordered_map<char32_t, char> bytes_;
};

const Encoder& EncoderFor(int codePage)
{
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<Encoder>> encoders;
    const std::lock_guard lock(mutex);
    auto& encoder = encoders[codePage];
    if (!encoder)
        encoder = std::make_unique<Encoder>(codePage);
    return *encoder;
}

constexpr char HexDigits[] = "0123456789abcdef";

// Gathers the font and colour tables in order of first use.
struct WriterTables {
    std::vector<std::string> Fonts;
    std::vector<uint32_t> Colors;
    std::unordered_map<std::string, int> FontIndex;
    std::unordered_map<uint32_t, int> ColorIndex;

    int Font(const std::string& name)
    {
        const auto [found, added] = FontIndex.try_emplace(name, static_cast<int>(Fonts.size()));
        if (added)
            Fonts.push_back(name);
        return found->second;
    }

    // Index in \colortbl; 0 is the automatic colour.
    int Color(uint32_t color)
    {
        if (color == Automatic)
            return 0;
        const auto [found, added] = ColorIndex.try_emplace(color, static_cast<int>(Colors.size()) + 1);
        if (added)
            Colors.push_back(color);
        return found->second;
    }
};

// A format as the indexes the RTF refers to.
struct IndexedFormat {
    int Font = -1;
    int HalfPoints = -1;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;
    int Color = 0;
    int Highlight = 0;
};

class Writer {
public:
    Writer(int codePage, const CharFormat& defaults) : encoder_(EncoderFor(codePage)), defaults_(defaults) {}

    std::string Write(const RichText& text, int codePage)
    {
        Body(text);
        const std::string body = std::move(out_);
        out_.clear();
        Header(codePage);
        return out_ + body;
    }

private:
    void Body(const RichText& text)
    {
        Word("viewkind", 4);
        Word("uc", 1);
        Word("pard");
        Alignment alignment = Alignment::Left;
        const std::vector<Paragraph> empty(1);
        const auto& paragraphs = text.Paragraphs.empty() ? empty : text.Paragraphs;
        for (size_t p = 0; p < paragraphs.size(); ++p) {
            const Paragraph& paragraph = paragraphs[p];
            if (paragraph.Alignment != alignment) {
                if (p > 0)
                    Word("pard");
                alignment = paragraph.Alignment;
                if (alignment != Alignment::Left)
                    Word(alignment == Alignment::Center ? "qc" : alignment == Alignment::Right ? "qr" : "qj");
            }
            bool written = false;
            for (const TextRun& run : paragraph.Runs) {
                if (run.Picture) {
                    Picture(*run.Picture);
                    written = true;
                    continue;
                }
                if (run.Text.empty())
                    continue;
                Format(run.Format);
                ForEachUtf16(run.Text, [this](char32_t c) { Character(c, false); });
                written = true;
            }
            if (!written)
                Format(paragraph.Mark);
            Word("par");
            Line();
        }
        out_ += '}';
        Line();
    }

    void Header(int codePage)
    {
        out_ += "{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage) + "\\deff0\\deflang" +
                std::to_string(LanguageOf(codePage)) + "{\\fonttbl";
        const std::string charset = std::to_string(CharsetForCodePage(codePage));
        if (tables_.Fonts.empty())
            tables_.Font(defaults_.Font);
        for (size_t f = 0; f < tables_.Fonts.size(); ++f) {
            out_ += "{\\f" + std::to_string(f) + "\\fnil\\fcharset" + charset + ' ';
            delimit_ = false;
            ForEachUtf8(tables_.Fonts[f], [this](char32_t c) { Character(c, true); });
            out_ += ";}";
        }
        out_ += "}\r\n";
        if (!tables_.Colors.empty()) {
            out_ += "{\\colortbl ;";
            for (const uint32_t color : tables_.Colors)
                out_ += "\\red" + std::to_string(color >> 16) + "\\green" + std::to_string((color >> 8) & 0xFF) +
                        "\\blue" + std::to_string(color & 0xFF) + ';';
            out_ += "}\r\n";
        }
    }

    // A picture as the group it was read from, or as a new group when it is new or its
    // group cannot be stored as it is.
    void Picture(const formats::rtf::Picture& picture)
    {
        if (!picture.Source.empty() && IsStorableAsIs(picture.Source)) {
            // A lone {\nonshppict} group right after another picture would read back as its twin.
            if (out_.ends_with('}') && IsNonShapeGroup(picture.Source))
                out_ += "{}";
            out_ += picture.Source;
        }
        else
            out_ += WritePictureGroup(picture);
        delimit_ = false;
    }

    void Word(std::string_view word)
    {
        out_ += '\\';
        out_ += word;
        delimit_ = true;
    }

    void Word(std::string_view word, int value)
    {
        Word(word);
        out_ += std::to_string(value);
    }

    void Toggle(std::string_view on, std::string_view off, bool value, bool& current)
    {
        if (value != current)
            Word(value ? on : off);
        current = value;
    }

    void Change(std::string_view word, int value, int& current)
    {
        if (value != current)
            Word(word, value);
        current = value;
    }

    void Line()
    {
        out_ += "\r\n";
        delimit_ = false;
    }

    void Format(const CharFormat& format)
    {
        const int font = tables_.Font(format.Font.empty() ? defaults_.Font : format.Font);
        const int halfPoints = format.HalfPoints > 0 ? format.HalfPoints : defaults_.HalfPoints;
        const int color = tables_.Color(format.Color);
        const int highlight = tables_.Color(format.Highlight);
        Change("cf", color, current_.Color);
        Change("highlight", highlight, current_.Highlight);
        Toggle("b", "b0", format.Bold, current_.Bold);
        Toggle("i", "i0", format.Italic, current_.Italic);
        Toggle("ul", "ulnone", format.Underline, current_.Underline);
        Toggle("strike", "strike0", format.Strike, current_.Strike);
        Change("f", font, current_.Font);
        Change("fs", halfPoints, current_.HalfPoints);
    }

    void Literal(char c)
    {
        const bool wordLike = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (delimit_ && (wordLike || c == ' ' || c == '-'))
            out_ += ' ';
        delimit_ = false;
        out_ += c;
    }

    void Hex(unsigned char b)
    {
        out_ += "\\'";
        out_ += HexDigits[b >> 4];
        out_ += HexDigits[b & 15];
        delimit_ = false;
    }

    void Character(char32_t c, bool inFontName)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            out_ += '\\';
            out_ += static_cast<char>(c);
            delimit_ = false;
            return;
        case '@':
        case ';':
            if (c == '@' || inFontName)
                Hex(static_cast<unsigned char>(c));
            else
                Literal(';');
            return;
        case '\t':
            Word("tab");
            return;
        case 0x2028:
            Word("line");
            return;
        case 0x00A0:
            out_ += "\\~";
            delimit_ = false;
            return;
        default:
            break;
        }
        if (c < 0x20)
            return;
        if (c < 0x80) {
            Literal(static_cast<char>(c));
            return;
        }
        const std::string bytes = encoder_.Encode(c);
        if (!bytes.empty()) {
            for (const char b : bytes)
                Hex(static_cast<unsigned char>(b));
            return;
        }
        if (c >= 0x10000) {
            Unicode(0xD800 + ((c - 0x10000) >> 10));
            Unicode(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            Unicode(c);
        }
    }

    void Unicode(char32_t c)
    {
        Word("u", c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c));
        Literal('?');
    }

    const Encoder& encoder_;
    CharFormat defaults_;
    WriterTables tables_;
    IndexedFormat current_;
    std::string out_;
    bool delimit_ = false; // the last control word needs a blank before literal text
};

} // namespace

std::string WriteRtf(const RichText& text, int codePage, const CharFormat& defaults)
{
    Writer writer(codePage, defaults);
    return writer.Write(text, codePage);
}

} // namespace formats::rtf
