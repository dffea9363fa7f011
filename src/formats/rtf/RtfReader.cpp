#include "formats/rtf/RtfReader.h"

#include "formats/rtf/PictureGroup.h"
#include "formats/rtf/RtfScanner.h"
#include "formats/rtf/Utf.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <vector>

using base::text::AppendUtf8;
using base::text::CodePageForCharset;
using base::text::CodePageToUtf8;
using base::text::IsDoubleByteCodePage;
using base::text::SingleByteTable;

namespace formats::rtf {

namespace {

using formats::rtf::TokenKind;

// Groups nested deeper than this share the innermost state; their braces are still counted.
constexpr size_t MaxDepth = 512;
constexpr int DefaultHalfPoints = 24;
constexpr int MaxHalfPoints = 3276;

enum class Destination : uint8_t {
    Text,       // shown text
    Skip,       // ignored, with everything nested in it
    Upr,        // ANSI half of \upr: ignored, but its \ud child is shown
    FontTable,  // \fonttbl
    ColorTable, // \colortbl
};

// The character properties a group carries, as the document's table indexes.
struct RawFormat {
    int Font = -1;
    int HalfPoints = DefaultHalfPoints;
    int Color = 0;
    int Highlight = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;

    bool operator==(const RawFormat&) const = default;
};

struct GroupState {
    RawFormat Format;
    Destination Dest = Destination::Text;
    Destination Outer = Destination::Text; // the destination of the enclosing group
    formats::rtf::Alignment Alignment = formats::rtf::Alignment::Left;
    int Uc = 1;
};

enum class ControlWord : uint8_t {
    // destinations
    FontTable, ColorTable, Skip, Upr, Ud,
    // document
    Ansicpg, Mac, Pc, Pca, Deff,
    // font and colour tables
    Font, Charset, Red, Green, Blue,
    // character format
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Size, Color, Highlight,
    // paragraph format
    Pard, Left, Center, Right, Justify,
    // text
    Par, Line, Tab, Uc, U, Char,
};

struct WordInfo {
    ControlWord Word;
    char32_t Character = 0; // for ControlWord::Char
};

const std::unordered_map<std::string_view, WordInfo>& Words()
{
    static const std::unordered_map<std::string_view, WordInfo> words = [] {
        std::unordered_map<std::string_view, WordInfo> w{
            {"fonttbl", {ControlWord::FontTable}},
            {"colortbl", {ControlWord::ColorTable}},
            {"upr", {ControlWord::Upr}},
            {"ud", {ControlWord::Ud}},
            {"ansicpg", {ControlWord::Ansicpg}},
            {"mac", {ControlWord::Mac}},
            {"pc", {ControlWord::Pc}},
            {"pca", {ControlWord::Pca}},
            {"deff", {ControlWord::Deff}},
            {"f", {ControlWord::Font}},
            {"fcharset", {ControlWord::Charset}},
            {"red", {ControlWord::Red}},
            {"green", {ControlWord::Green}},
            {"blue", {ControlWord::Blue}},
            {"plain", {ControlWord::Plain}},
            {"b", {ControlWord::Bold}},
            {"i", {ControlWord::Italic}},
            {"ulnone", {ControlWord::UnderlineNone}},
            {"strike", {ControlWord::Strike}},
            {"striked", {ControlWord::Strike}},
            {"fs", {ControlWord::Size}},
            {"cf", {ControlWord::Color}},
            {"highlight", {ControlWord::Highlight}},
            {"cb", {ControlWord::Highlight}},
            {"chcbpat", {ControlWord::Highlight}},
            {"pard", {ControlWord::Pard}},
            {"ql", {ControlWord::Left}},
            {"qc", {ControlWord::Center}},
            {"qr", {ControlWord::Right}},
            {"qj", {ControlWord::Justify}},
            {"qd", {ControlWord::Justify}},
            {"par", {ControlWord::Par}},
            {"sect", {ControlWord::Par}},
            {"page", {ControlWord::Par}},
            {"row", {ControlWord::Par}},
            {"line", {ControlWord::Line}},
            {"tab", {ControlWord::Tab}},
            {"cell", {ControlWord::Tab}},
            {"uc", {ControlWord::Uc}},
            {"u", {ControlWord::U}},
            {"emdash", {ControlWord::Char, 0x2014}},
            {"endash", {ControlWord::Char, 0x2013}},
            {"emspace", {ControlWord::Char, 0x2003}},
            {"enspace", {ControlWord::Char, 0x2002}},
            {"qmspace", {ControlWord::Char, 0x2005}},
            {"bullet", {ControlWord::Char, 0x2022}},
            {"lquote", {ControlWord::Char, 0x2018}},
            {"rquote", {ControlWord::Char, 0x2019}},
            {"ldblquote", {ControlWord::Char, 0x201C}},
            {"rdblquote", {ControlWord::Char, 0x201D}},
            {"zwj", {ControlWord::Char, 0x200D}},
            {"zwnj", {ControlWord::Char, 0x200C}},
        };
        for (const std::string_view underline : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                                 "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                                 "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            w.emplace(underline, WordInfo{ControlWord::Underline});
        // Destinations whose content is never shown.
        for (const std::string_view skipped :
             {"stylesheet", "info",       "pict",      "object",     "header",       "headerl",    "headerr",
              "headerf",    "footer",     "footerl",   "footerr",    "footerf",      "footnote",   "fldinst",
              "xe",         "tc",         "txe",       "rxe",        "bkmkstart",    "bkmkend",    "listtable",
              "listoverridetable",        "revtbl",    "rsidtbl",    "generator",    "themedata",  "datastore",
              "colorschememapping",       "latentstyles", "filetbl", "pgdsctbl",     "private",    "nonshppict",
              "shp",        "shpinst",    "shppict",   "userprops",  "docvar",       "xmlnstbl",   "pn",
              "pntxta",     "pntxtb",     "panose",    "falt",       "fchars",       "lchars",     "template",
              "annotation", "atnid",      "atnauthor", "comment",    "objdata",      "objclass",   "mmathPr",
              "fontemb",    "fontfile",   "listpicture", "wgrffmtfilter", "ftnsep", "ftnsepc", "aftnsep",
              "aftnsepc",   "ftncn",      "aftncn",    "do",         "background"})
            w.emplace(skipped, WordInfo{ControlWord::Skip});
        return w;
    }();
    return words;
}

// A code page this system can decode: the given one, or 1252.
int Decodable(int codePage)
{
    if (IsDoubleByteCodePage(codePage) || SingleByteTable(codePage) != nullptr)
        return codePage;
    return 1252;
}

struct FontEntry {
    int CodePage;
    std::string Name; // UTF-8
};

// Walks RTF (or plain text) and hands each shown character and paragraph end, with the state
// it is in, to the sink. Both the document builder and the plain-text extractor run on it, so
// they always agree on the text.
template <class Sink>
class Parser {
public:
    Parser(std::string_view source, int codePage, Sink& sink)
        : source_(source), docCodePage_(Decodable(codePage)), sink_(sink)
    {
    }

    void Run()
    {
        if (IsRtf(source_))
            RunRtf();
        else
            RunPlain();
    }

    CharFormat FormatOf(const GroupState& state) const
    {
        CharFormat format;
        if (const FontEntry* font = FindFont(state.Format.Font))
            format.Font = font->Name;
        format.HalfPoints = state.Format.HalfPoints;
        format.Bold = state.Format.Bold;
        format.Italic = state.Format.Italic;
        format.Underline = state.Format.Underline;
        format.Strike = state.Format.Strike;
        format.Color = ColorAt(state.Format.Color);
        format.Highlight = ColorAt(state.Format.Highlight);
        return format;
    }

private:
    GroupState& State() { return stack_.back(); }
    const GroupState& State() const { return stack_.back(); }

    void RunRtf()
    {
        formats::rtf::RtfScanner scanner(source_);
        formats::rtf::Token token;
        while (!finished_ && scanner.Next(token)) {
            switch (token.Kind) {
            case TokenKind::Open:
                if (!PictureAt(token, scanner))
                    Open();
                break;
            case TokenKind::Close:
                Close();
                break;
            case TokenKind::LineEnd:
                break;
            default:
                if (!stack_.empty())
                    Content(token);
                break;
            }
        }
        if (!finished_ && !stack_.empty())
            Finish(false);
    }

    // Reads the picture group(s) opening at the token as one picture and moves the scanner
    // past them; false when no picture starts there.
    bool PictureAt(const formats::rtf::Token& token, formats::rtf::RtfScanner& scanner)
    {
        if (stack_.empty() || extraDepth_ > 0 || State().Dest != Destination::Text)
            return false;
        const auto open = static_cast<size_t>(token.Raw.data() - source_.data());
        const auto span = formats::rtf::FindPictureGroup(source_, open);
        if (!span)
            return false;
        skip_ = 0;
        FlushPending();
        FlushSurrogate();
        sink_.Picture(source_.substr(open, span->End - open), span->MissingBraces, State());
        scanner.MoveTo(span->End);
        return true;
    }

    // A token inside the document's group.
    void Content(const formats::rtf::Token& token)
    {
        switch (token.Kind) {
        case TokenKind::Word:
            ControlWordToken(token);
            break;
        case TokenKind::Symbol:
            Symbol(token);
            break;
        case TokenKind::Hex:
            Byte(token.Byte);
            break;
        case TokenKind::Bin:
            ConsumeSkip(); // the data is never shown
            break;
        case TokenKind::Text:
            Text(token.Raw);
            break;
        default:
            break;
        }
    }

    void Text(std::string_view text)
    {
        for (size_t i = 0; i < text.size();) {
            if (const size_t run = PlainRun(text, i); run > 0) {
                sink_.Ascii(text.substr(i, run), State());
                i += run;
            } else if (State().Dest == Destination::Skip && skip_ == 0) {
                return; // nothing of it is shown
            } else {
                Byte(static_cast<unsigned char>(text[i++]));
            }
        }
    }

    // The length of the printable ASCII text at i that can go to the sink as it is: shown
    // text with no fallback to skip and no bytes or surrogate waiting.
    size_t PlainRun(std::string_view text, size_t i) const
    {
        if (State().Dest != Destination::Text || skip_ > 0 || !pending_.empty() || highSurrogate_ != 0)
            return 0;
        size_t end = i;
        while (end < text.size() && text[end] >= 0x20 && text[end] <= 0x7E)
            ++end;
        return end - i;
    }

    void RunPlain()
    {
        stack_.emplace_back();
        State().Format.HalfPoints = 0;
        const std::string_view text = source_;
        size_t start = 0;
        while (start <= text.size()) {
            const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
            const std::string utf8 = CodePageToUtf8(text.substr(start, end - start), docCodePage_);
            ForEachUtf8(utf8, [this](char32_t c) { Put(c); });
            if (end == text.size())
                break;
            sink_.ParagraphEnd(State());
            start = end + 1;
            if (text[end] == '\r' && start < text.size() && text[start] == '\n')
                ++start;
        }
        sink_.End(State(), true);
    }

    void Finish(bool closed)
    {
        FlushPending();
        sink_.End(State(), false);
        finished_ = closed;
    }

    void Open()
    {
        skip_ = 0;
        if (stack_.size() >= MaxDepth) {
            ++extraDepth_;
            return;
        }
        FlushPending();
        if (stack_.empty()) {
            stack_.emplace_back();
            return;
        }
        GroupState inner = State();
        inner.Outer = inner.Dest;
        stack_.push_back(inner);
    }

    void Close()
    {
        skip_ = 0;
        if (extraDepth_ > 0) {
            --extraDepth_;
            return;
        }
        if (stack_.empty())
            return;
        FlushPending();
        const Destination dest = State().Dest;
        if (dest == Destination::FontTable)
            CommitFont();
        if (stack_.size() == 1) {
            Finish(true);
            return;
        }
        stack_.pop_back();
    }

    void ControlWordToken(const formats::rtf::Token& token)
    {
        const auto found = Words().find(token.Name);
        if (ConsumeSkip() || found == Words().end())
            return;
        Word(found->second, token.HasParam, token.Param);
    }

    void Symbol(const formats::rtf::Token& token)
    {
        const char c = token.Character;
        if (c == '\'' || token.Raw.size() < 2)
            return; // a broken \' or a backslash at the very end: ignored, not even as a fallback
        if (c == '\\' || c == '{' || c == '}') {
            Byte(static_cast<unsigned char>(c));
            return;
        }
        if (ConsumeSkip())
            return;
        switch (c) {
        case '*':
            State().Dest = Destination::Skip;
            break;
        case '~':
            Shown(0x00A0);
            break;
        case '-':
            Shown(0x00AD);
            break;
        case '_':
            Shown(0x2011);
            break;
        case '\r':
        case '\n':
            if (State().Dest == Destination::Text)
                Paragraph();
            break;
        default:
            break;
        }
    }

    // Counts a token against the fallback of the last \uN; true when it is to be skipped.
    bool ConsumeSkip()
    {
        if (skip_ <= 0)
            return false;
        --skip_;
        return true;
    }

    void Word(const WordInfo& info, bool hasParam, int param)
    {
        GroupState& state = State();
        RawFormat& format = state.Format;
        const bool on = !hasParam || param != 0;
        // Nothing inside an ignored destination is shown, whatever it declares.
        if (state.Dest == Destination::Skip &&
            (info.Word == ControlWord::FontTable || info.Word == ControlWord::ColorTable || info.Word == ControlWord::Upr))
            return;
        switch (info.Word) {
        case ControlWord::FontTable:
            state.Dest = Destination::FontTable;
            fontNumber_ = INT_MIN;
            break;
        case ControlWord::ColorTable:
            state.Dest = Destination::ColorTable;
            colors_.clear();
            ResetColor();
            break;
        case ControlWord::Skip:
            state.Dest = Destination::Skip;
            break;
        case ControlWord::Upr:
            state.Dest = Destination::Upr;
            break;
        case ControlWord::Ud:
            if (state.Outer == Destination::Upr)
                state.Dest = Destination::Text;
            break;
        case ControlWord::Ansicpg:
            docCodePage_ = Decodable(param);
            ForgetCodePage();
            break;
        case ControlWord::Mac:
            docCodePage_ = Decodable(10000);
            ForgetCodePage();
            break;
        case ControlWord::Pc:
            docCodePage_ = Decodable(437);
            ForgetCodePage();
            break;
        case ControlWord::Pca:
            docCodePage_ = Decodable(850);
            ForgetCodePage();
            break;
        case ControlWord::Deff:
            defaultFont_ = param;
            format.Font = param;
            break;
        case ControlWord::Font:
            if (state.Dest == Destination::FontTable) {
                CommitFont();
                fontNumber_ = param;
                fontCharset_ = 0;
                fontName_.clear();
            } else {
                format.Font = param;
            }
            break;
        case ControlWord::Charset:
            fontCharset_ = param;
            break;
        case ControlWord::Red:
            color_ = (color_ & 0x00FFFF) | static_cast<uint32_t>(std::clamp(param, 0, 255)) << 16;
            colorSet_ = true;
            break;
        case ControlWord::Green:
            color_ = (color_ & 0xFF00FF) | static_cast<uint32_t>(std::clamp(param, 0, 255)) << 8;
            colorSet_ = true;
            break;
        case ControlWord::Blue:
            color_ = (color_ & 0xFFFF00) | static_cast<uint32_t>(std::clamp(param, 0, 255));
            colorSet_ = true;
            break;
        case ControlWord::Plain:
            format = RawFormat{};
            format.Font = defaultFont_;
            break;
        case ControlWord::Bold:
            format.Bold = on;
            break;
        case ControlWord::Italic:
            format.Italic = on;
            break;
        case ControlWord::Underline:
            format.Underline = on;
            break;
        case ControlWord::UnderlineNone:
            format.Underline = false;
            break;
        case ControlWord::Strike:
            format.Strike = on;
            break;
        case ControlWord::Size:
            format.HalfPoints = param <= 0 ? DefaultHalfPoints : std::clamp(param, 2, MaxHalfPoints);
            break;
        case ControlWord::Color:
            format.Color = std::max(param, 0);
            break;
        case ControlWord::Highlight:
            format.Highlight = std::max(param, 0);
            break;
        case ControlWord::Pard:
        case ControlWord::Left:
            state.Alignment = Alignment::Left;
            break;
        case ControlWord::Center:
            state.Alignment = Alignment::Center;
            break;
        case ControlWord::Right:
            state.Alignment = Alignment::Right;
            break;
        case ControlWord::Justify:
            state.Alignment = Alignment::Justify;
            break;
        case ControlWord::Par:
            if (state.Dest == Destination::Text)
                Paragraph();
            break;
        case ControlWord::Line:
            Shown(0x2028);
            break;
        case ControlWord::Tab:
            Shown('\t');
            break;
        case ControlWord::Char:
            Shown(info.Character);
            break;
        case ControlWord::Uc:
            state.Uc = std::clamp(param, 0, 1'000'000);
            break;
        case ControlWord::U:
            Unicode(param);
            break;
        }
    }

    // A character or byte of the source, in whatever destination the group is.
    void Byte(unsigned char b)
    {
        if (ConsumeSkip())
            return;
        switch (State().Dest) {
        case Destination::Text:
            TextByte(b);
            break;
        case Destination::FontTable:
            if (b == ';')
                CommitFont();
            else
                fontName_ += static_cast<char>(b);
            break;
        case Destination::ColorTable:
            if (b == ';') {
                colors_.push_back(colorSet_ ? color_ : Automatic);
                ResetColor();
            }
            break;
        case Destination::Skip:
        case Destination::Upr:
            break;
        }
    }

    void TextByte(unsigned char b)
    {
        const int codePage = CurrentCodePage();
        if (IsDoubleByteCodePage(codePage)) {
            if (!pending_.empty() && pendingCodePage_ != codePage)
                FlushPending();
            pending_ += static_cast<char>(b);
            pendingCodePage_ = codePage;
            return;
        }
        FlushPending();
        FlushSurrogate();
        Put(b < 0x80 ? b : (*Table(codePage))[b]);
    }

    // A character the RTF names (\tab, \line, \~, ...), shown only in text.
    void Shown(char32_t c)
    {
        if (State().Dest != Destination::Text)
            return;
        FlushPending();
        FlushSurrogate();
        Put(c);
    }

    void Unicode(int param)
    {
        skip_ = State().Uc;
        if (State().Dest != Destination::Text)
            return;
        FlushPending();
        const long value = param < 0 ? param + 65536L : param;
        if (value < 0 || value > 0x10FFFF)
            return;
        const auto c = static_cast<char32_t>(value);
        if (c >= 0xD800 && c <= 0xDBFF) {
            FlushSurrogate();
            highSurrogate_ = c;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            if (highSurrogate_ != 0) {
                Put(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00));
                highSurrogate_ = 0;
            } else {
                Put(0xFFFD);
            }
        } else {
            FlushSurrogate();
            Put(c);
        }
    }

    void Paragraph()
    {
        FlushPending();
        FlushSurrogate();
        sink_.ParagraphEnd(State());
    }

    // Hands one decoded character to the sink, leaving out what a text document cannot hold:
    // controls, its frame markers, and byte-order marks (which it drops where a run starts).
    void Put(char32_t c)
    {
        if (c == 0x2029) {
            sink_.ParagraphEnd(State());
            return;
        }
        if ((c < 0x20 && c != '\t') || c == 0xFDD0 || c == 0xFDD1 || c == 0xFEFF)
            return;
        if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        sink_.Char(c, State());
    }

    void FlushSurrogate()
    {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            Put(0xFFFD);
        }
    }

    // Decodes the bytes of a double-byte code page gathered so far.
    void FlushPending()
    {
        if (pending_.empty())
            return;
        FlushSurrogate();
        const std::string utf8 = CodePageToUtf8(pending_, pendingCodePage_);
        pending_.clear();
        ForEachUtf8(utf8, [this](char32_t c) { Put(c); });
    }

    void CommitFont()
    {
        if (fontNumber_ == INT_MIN)
            return;
        const int codePage = Decodable(CodePageForCharset(fontCharset_, docCodePage_));
        std::string name = CodePageToUtf8(fontName_, codePage);
        const size_t first = name.find_first_not_of(' ');
        const size_t last = name.find_last_not_of(' ');
        name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
        fonts_.insert_or_assign(fontNumber_, FontEntry{codePage, std::move(name)});
        fontNumber_ = INT_MIN;
        fontName_.clear();
        ForgetCodePage();
    }

    const FontEntry* FindFont(int number) const
    {
        const auto found = fonts_.find(number);
        return found == fonts_.end() ? nullptr : &found->second;
    }

    uint32_t ColorAt(int index) const
    {
        return index >= 0 && static_cast<size_t>(index) < colors_.size() ? colors_[static_cast<size_t>(index)]
                                                                         : Automatic;
    }

    void ResetColor()
    {
        color_ = 0;
        colorSet_ = false;
    }

    // The code page of \'hh in the current font.
    int CurrentCodePage()
    {
        const int font = State().Format.Font;
        if (font != cachedFont_) {
            const FontEntry* entry = FindFont(font);
            cachedCodePage_ = entry != nullptr ? entry->CodePage : docCodePage_;
            cachedFont_ = font;
        }
        return cachedCodePage_;
    }

    void ForgetCodePage() { cachedFont_ = INT_MIN; }

    const std::array<char32_t, 256>* Table(int codePage)
    {
        if (codePage != tableCodePage_) {
            table_ = SingleByteTable(codePage);
            tableCodePage_ = codePage;
        }
        return table_;
    }

    std::string_view source_;
    int docCodePage_;
    Sink& sink_;
    std::vector<GroupState> stack_;
    size_t extraDepth_ = 0;
    bool finished_ = false;
    int skip_ = 0;
    char32_t highSurrogate_ = 0;
    std::string pending_;
    int pendingCodePage_ = 0;
    int defaultFont_ = -1;

    std::unordered_map<int, FontEntry> fonts_; // by font number
    int fontNumber_ = INT_MIN;
    int fontCharset_ = 0;
    std::string fontName_;
    int cachedFont_ = INT_MIN;
    int cachedCodePage_ = 0;
    int tableCodePage_ = 0;
    const std::array<char32_t, 256>* table_ = nullptr;

    std::vector<uint32_t> colors_;
    uint32_t color_ = 0;
    bool colorSet_ = false;
};

// Builds the paragraphs and runs.
class DocumentSink {
public:
    void Attach(const Parser<DocumentSink>& parser) { parser_ = &parser; }

    void Char(char32_t c, const GroupState& state)
    {
        if (paragraph_.Runs.empty() || state.Format != runFormat_ || paragraph_.Runs.back().Picture) {
            paragraph_.Runs.push_back(TextRun{parser_->FormatOf(state), {}, nullptr});
            runFormat_ = state.Format;
        }
        AppendUtf16(paragraph_.Runs.back().Text, c);
    }

    void Ascii(std::string_view text, const GroupState& state)
    {
        Char(static_cast<unsigned char>(text[0]), state);
        paragraph_.Runs.back().Text.append(text.begin() + 1, text.end());
    }

    void Picture(std::string_view group, int missingBraces, const GroupState& state)
    {
        paragraph_.Runs.push_back(TextRun{parser_->FormatOf(state), {},
                                          std::make_shared<const formats::rtf::Picture>(
                                              formats::rtf::ReadPicture(group, missingBraces))});
    }

    void ParagraphEnd(const GroupState& state)
    {
        Complete(state);
        text_.Paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    // keepEmptyLast: plain text, where a final line break opens one more (empty) line.
    void End(const GroupState& state, bool keepEmptyLast)
    {
        if (!paragraph_.Runs.empty() || text_.Paragraphs.empty() || keepEmptyLast)
            ParagraphEnd(state);
    }

    RichText Take() { return std::move(text_); }

private:
    void Complete(const GroupState& state)
    {
        paragraph_.Alignment = state.Alignment;
        paragraph_.Mark = parser_->FormatOf(state);
    }

    const Parser<DocumentSink>* parser_ = nullptr;
    RichText text_;
    Paragraph paragraph_;
    RawFormat runFormat_;
};

// Gathers the text as QTextDocument::toPlainText gives it.
class PlainSink {
public:
    void Char(char32_t c, const GroupState&)
    {
        if (lineOpen_) {
            text_ += '\n';
            lineOpen_ = false;
        }
        if (c == 0x2028)
            c = '\n';
        else if (c == 0x00A0)
            c = ' ';
        AppendUtf8(text_, c);
    }

    void Ascii(std::string_view text, const GroupState& state)
    {
        Char(static_cast<unsigned char>(text[0]), state);
        text_.append(text.substr(1));
    }

    // A picture adds no text, but like a character it puts the line it stands on in the text.
    void Picture(std::string_view, int, const GroupState&)
    {
        if (lineOpen_) {
            text_ += '\n';
            lineOpen_ = false;
        }
    }

    void ParagraphEnd(const GroupState&)
    {
        if (lineOpen_)
            text_ += '\n';
        lineOpen_ = true;
    }

    void End(const GroupState&, bool keepEmptyLast)
    {
        if (lineOpen_ && keepEmptyLast)
            text_ += '\n';
    }

    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    bool lineOpen_ = false; // a paragraph ended; the next text starts a new line
};

} // namespace

bool IsRtf(std::string_view source)
{
    return source.starts_with("{\\rtf");
}

RichText ReadRtf(std::string_view source, int codePage)
{
    DocumentSink sink;
    Parser<DocumentSink> parser(source, codePage, sink);
    sink.Attach(parser);
    parser.Run();
    return sink.Take();
}

std::string PlainText(std::string_view source, int codePage)
{
    PlainSink sink;
    Parser<PlainSink> parser(source, codePage, sink);
    parser.Run();
    return sink.Take();
}

} // namespace formats::rtf
