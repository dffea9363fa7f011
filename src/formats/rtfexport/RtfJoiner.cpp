#include "formats/rtfexport/RtfJoiner.h"

#include "base/text/CodePage.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/rtf/RtfScanner.h"

#include <algorithm>
#include <array>
#include <climits>
#include <unordered_set>

using base::text::CharsetForCodePage;
using base::text::CodePageForCharset;
using base::text::IsDoubleByteCodePage;
using base::text::SingleByteTable;
using base::text::Utf8ToCodePage;
using formats::rtf::Automatic;
using formats::rtf::CharFormat;
using formats::rtf::IsRtf;
using formats::rtf::ReadRtf;
using formats::rtf::RtfScanner;
using formats::rtf::Token;
using formats::rtf::TokenKind;
using formats::rtf::WriteRtf;

namespace formats::rtfexport {

namespace {

using WordSet = std::unordered_set<std::string_view>;

// Groups that belong to a document's header (its tables, style sheet, information, ...): the
// joined document has its own, so they are left out with everything in them.
const WordSet& HeaderDestinations()
{
    static const WordSet words{"fonttbl",
                                "colortbl",
                                "stylesheet",
                                "info",
                                "listtable",
                                "listoverridetable",
                                "revtbl",
                                "rsidtbl",
                                "generator",
                                "themedata",
                                "colorschememapping",
                                "latentstyles",
                                "datastore",
                                "xmlnstbl",
                                "defchp",
                                "defpap",
                                "pgdsctbl",
                                "mmathPr",
                                "filetbl",
                                "userprops",
                                "docvar",
                                "wgrffmtfilter",
                                "fchars",
                                "lchars",
                                "template",
                                "ftnsep",
                                "ftnsepc",
                                "ftncn",
                                "aftnsep",
                                "aftnsepc",
                                "aftncn",
                                "background"};
    return words;
}

// Words that describe a whole document (its code page, default font and language, page size,
// view) or refer to its style sheet and list tables, which are left out: in the middle of the
// joined document they would change it for everything that follows.
const WordSet& DocumentWords()
{
    static const WordSet words{"rtf",       "ansi",      "mac",      "pc",        "pca",        "ansicpg",
                                "deff",      "adeff",     "deflang",  "deflangfe", "adeflang",   "stshfdbch",
                                "stshfloch", "stshfhich", "stshfbi",  "fromtext",  "fromhtml",   "viewkind",
                                "viewscale", "viewzk",    "viewbksp", "paperw",    "paperh",     "margl",
                                "margr",     "margt",     "margb",    "gutter",    "margmirror", "landscape",
                                "deftab",    "s",         "cs",       "ds",        "ts",         "ls"};
    return words;
}

// Groups whose text is never shown.
const WordSet& HiddenDestinations()
{
    static const WordSet words{"pict",      "object",    "objdata",    "fldinst",    "header",
                                "headerl",   "headerr",   "headerf",    "footer",     "footerl",
                                "footerr",   "footerf",   "footnote",   "pn",         "xe",
                                "tc",        "bkmkstart", "bkmkend",    "annotation", "atnid",
                                "atnauthor", "comment",   "nonshppict", "shp",        "shpinst"};
    return words;
}

// Words whose parameter is an index in the colour table.
const WordSet& ColorWords()
{
    static const WordSet words{"cf",      "cb",      "highlight", "chcbpat",     "chcfpat",    "cbpat",
                                "cfpat",   "clcbpat", "clcfpat",   "clcbpatraw",  "clcfpatraw", "trcbpat",
                                "trcfpat", "brdrcf",  "ulc",       "tscellcbpat", "tscellcfpat"};
    return words;
}

// Words that end a paragraph, and words that stand for a shown character.
const WordSet& ParagraphWords()
{
    static const WordSet words{"par", "sect", "page", "row", "nestrow"};
    return words;
}

const WordSet& CharacterWords()
{
    static const WordSet words{"tab",    "line",    "cell",      "nestcell", "emdash",
                                "endash", "emspace", "enspace",   "qmspace",  "bullet",
                                "lquote", "rquote",  "ldblquote", "rdblquote"};
    return words;
}

const WordSet& FamilyWords()
{
    static const WordSet words{"fnil", "froman", "fswiss", "fmodern", "fscript", "fdecor", "ftech", "fbidi"};
    return words;
}

bool In(const WordSet& set, std::string_view word)
{
    return set.contains(word);
}

// A code page this system decodes: the given one, or 1252 (as the reader decides).
int Decodable(int codePage)
{
    if (IsDoubleByteCodePage(codePage) || SingleByteTable(codePage) != nullptr)
        return codePage;
    return 1252;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A font of a document's table: as declared there, and the code page its \'hh bytes are in.
struct SourceFont {
    JoinedFont Font;
    int DeclaredCharset = -1; // -1 when the table gives none
    int CodePage = 1252;
};

// What a document's header declares.
struct SourceTables {
    int CodePage = 1252;
    int DefaultFont = INT_MIN; // \deff; INT_MIN for none
    std::unordered_map<int, SourceFont> Fonts;
    std::vector<uint32_t> Colors; // rtf::Automatic for an empty entry
};

// Reads the header of an RTF document: its code page, default font and the font and colour
// tables (the groups directly inside the document's own group).
class TableReader {
public:
    TableReader(std::string_view source, int fallbackCodePage) : scanner_(source)
    {
        tables_.CodePage = fallbackCodePage;
    }

    SourceTables Read()
    {
        Token token;
        while (scanner_.Next(token)) {
            if (token.Kind == TokenKind::Open) {
                ++depth_;
            } else if (token.Kind == TokenKind::Close) {
                if (!Close())
                    break;
            } else if (depth_ == 1 && token.Kind == TokenKind::Word) {
                DocumentWord(token);
            } else if (depth_ == 2 && token.Kind == TokenKind::Word && token.Name == "fonttbl") {
                table_ = Table::Fonts;
            } else if (depth_ == 2 && token.Kind == TokenKind::Word && token.Name == "colortbl") {
                table_ = Table::Colors;
            } else if (table_ == Table::Fonts && depth_ <= 3) {
                FontToken(token);
            } else if (table_ == Table::Colors && depth_ == 2) {
                ColorToken(token);
            }
        }
        CommitFont();
        for (auto& [number, font] : tables_.Fonts)
            font.CodePage = Decodable(CodePageForCharset(font.DeclaredCharset, tables_.CodePage));
        return std::move(tables_);
    }

private:
    enum class Table { None, Fonts, Colors };

    // False when the document's own group ends.
    bool Close()
    {
        if (table_ == Table::Fonts && depth_ <= 3)
            CommitFont(); // an entry group, or the table, ends
        if (depth_ == 2)
            table_ = Table::None;
        return --depth_ > 0;
    }

    void DocumentWord(const Token& token)
    {
        if (token.Name == "ansicpg")
            tables_.CodePage = Decodable(token.Param);
        else if (token.Name == "deff")
            tables_.DefaultFont = token.Param;
    }

    void FontToken(const Token& token)
    {
        switch (token.Kind) {
        case TokenKind::Word:
            if (token.Name == "f") {
                CommitFont();
                number_ = token.Param;
            } else if (token.Name == "fcharset") {
                font_.DeclaredCharset = token.Param;
            } else if (token.Name == "fprq") {
                font_.Font.Pitch = token.Param;
            } else if (In(FamilyWords(), token.Name)) {
                font_.Font.Family = std::string(token.Name);
            }
            break;
        case TokenKind::Text:
            for (const char c : token.Raw)
                NameByte(c);
            break;
        case TokenKind::Hex:
            name_ += static_cast<char>(token.Byte);
            break;
        case TokenKind::Symbol:
            if (token.Character == '\\' || token.Character == '{' || token.Character == '}')
                name_ += token.Character;
            break;
        default:
            break;
        }
    }

    void NameByte(char c)
    {
        if (c == ';')
            CommitFont();
        else
            name_ += c;
    }

    void CommitFont()
    {
        if (number_ != INT_MIN) {
            font_.Font.Name = Trimmed(name_);
            tables_.Fonts.insert_or_assign(number_, font_);
        }
        number_ = INT_MIN;
        font_ = SourceFont{};
        name_.clear();
    }

    void ColorToken(const Token& token)
    {
        if (token.Kind == TokenKind::Word) {
            const auto part = static_cast<uint32_t>(std::clamp(token.Param, 0, 255));
            if (token.Name == "red")
                color_ = (color_ & 0x00FFFF) | part << 16;
            else if (token.Name == "green")
                color_ = (color_ & 0xFF00FF) | part << 8;
            else if (token.Name == "blue")
                color_ = (color_ & 0xFFFF00) | part;
            else
                return;
            colorSet_ = true;
        } else if (token.Kind == TokenKind::Text) {
            for (const char c : token.Raw) {
                if (c != ';')
                    continue;
                tables_.Colors.push_back(colorSet_ ? color_ : Automatic);
                color_ = 0;
                colorSet_ = false;
            }
        }
    }

    RtfScanner scanner_;
    SourceTables tables_;
    int depth_ = 0;
    Table table_ = Table::None;
    int number_ = INT_MIN;
    SourceFont font_;
    std::string name_;
    uint32_t color_ = 0;
    bool colorSet_ = false;
};

} // namespace

// Copies one document into the joined one, token by token.
class DocumentCopy {
public:
    DocumentCopy(RtfJoiner& joiner, std::string_view source)
        : joiner_(joiner), source_(source), tables_(TableReader(source, joiner.codePage_).Read()),
          out_(joiner.body_)
    {
        MapTables();
    }

    void Run()
    {
        RtfScanner scanner(source_);
        Token token;
        while (scanner.Next(token) && token.Kind != TokenKind::Open) {
        }
        if (token.Kind != TokenKind::Open)
            return;
        Put("{\\pard\\plain", true);
        NumberedWord("f", defaultFont_.Index, true);
        groups_.push_back(GroupState{tables_.DefaultFont});
        while (!groups_.empty() && scanner.Next(token))
            Copy(token);
        Finish();
    }

private:
    // How the text of a source font is written: its index in the joined table and, when the
    // joined document cannot declare its code page, the table its \'hh bytes are decoded
    // with to be written as \uN.
    struct FontUse {
        int Index = 0;
        const std::array<char32_t, 256>* Recode = nullptr;
    };

    struct GroupState {
        int Font = INT_MIN;
        int Uc = 1;
        bool Hidden = false;
    };

    void MapTables()
    {
        for (const auto& [number, font] : tables_.Fonts)
            fonts_.emplace(number, Use(font));
        if (const auto found = fonts_.find(tables_.DefaultFont); found != fonts_.end()) {
            defaultFont_ = found->second;
        } else {
            SourceFont fallback;
            fallback.Font = joiner_.fonts_.front();
            fallback.CodePage = tables_.CodePage;
            defaultFont_ = Use(fallback);
        }
        for (const uint32_t color : tables_.Colors)
            colors_.push_back(joiner_.Color(color));
    }

    // The joined font declares the code page the source font's bytes are in: a character set
    // of its own (Greek, Cyrillic, symbol, ...) stays; the ANSI and default sets, which mean
    // the source document's code page, become that code page's set. Where that is the ANSI
    // set again but the joined document has another code page, the bytes go out as \uN.
    FontUse Use(const SourceFont& source) const
    {
        JoinedFont font = source.Font;
        if (source.DeclaredCharset > 1) {
            font.Charset = source.DeclaredCharset;
            return {joiner_.Font(font), nullptr};
        }
        font.Charset = CharsetForCodePage(source.CodePage);
        const bool recode = font.Charset == 0 && source.CodePage != joiner_.codePage_;
        return {joiner_.Font(font), recode ? SingleByteTable(source.CodePage) : nullptr};
    }

    const FontUse& FontOf(int number) const
    {
        const auto found = fonts_.find(number);
        return found == fonts_.end() ? defaultFont_ : found->second;
    }

    GroupState& CurrentGroup() { return groups_.back(); }

    void Copy(const Token& token)
    {
        if (dropDepth_ > 0) {
            if (token.Kind == TokenKind::Open)
                ++dropDepth_;
            else if (token.Kind == TokenKind::Close)
                --dropDepth_;
            return;
        }
        if (openPending_ && !StartGroup(token))
            return;
        switch (token.Kind) {
        case TokenKind::Open:
            openPending_ = true;
            fallbackAtOpen_ = skip_ > 0;
            skip_ = 0;
            break;
        case TokenKind::Close:
            skip_ = 0;
            CloseGroup();
            break;
        case TokenKind::Word:
            Word(token);
            break;
        case TokenKind::Symbol:
            Symbol(token);
            break;
        case TokenKind::Hex:
            Hex(token);
            break;
        case TokenKind::Bin:
            ConsumeSkip();
            Binary(token);
            break;
        case TokenKind::Text:
            Text(token.Raw);
            break;
        case TokenKind::LineEnd:
            Put(token.Raw);
            break;
        }
    }

    // The token after an opening brace decides whether the group is copied; false when the
    // token has been dealt with.
    bool StartGroup(const Token& token)
    {
        if (token.Kind == TokenKind::Symbol && token.Character == '*' && !starPending_) {
            starPending_ = true;
            return false;
        }
        const bool starred = starPending_;
        openPending_ = false;
        starPending_ = false;
        const bool word = token.Kind == TokenKind::Word;
        if (word && In(HeaderDestinations(), token.Name)) {
            // The group's braces also ended the fallback of a \uN before it.
            if (fallbackAtOpen_)
                Put("{}");
            else
                Separate();
            dropDepth_ = 1;
            return false;
        }
        Put(starred ? "{\\*" : "{", starred);
        groups_.push_back(CurrentGroup());
        CurrentGroup().Hidden = CurrentGroup().Hidden || starred || (word && In(HiddenDestinations(), token.Name));
        return true;
    }

    void CloseGroup()
    {
        if (groups_.size() == 1) {
            Finish();
            return;
        }
        Put("}");
        groups_.pop_back();
    }

    // Closes what the document left open and ends its last paragraph.
    void Finish()
    {
        if (groups_.empty())
            return;
        for (; groups_.size() > 1; groups_.pop_back()) {
            Put("}");
            skip_ = 0;
        }
        if (skip_ > 0)
            Put("{}"); // ends the fallback of a \uN that the document cut short
        if (textPending_)
            Put("\\par", true);
        Put("}\r\n");
        groups_.clear();
    }

    void Word(const Token& token)
    {
        const bool delimited = token.Raw.back() == ' ';
        if (ConsumeSkip()) {
            Put(token.Raw, !delimited);
            return;
        }
        const std::string_view name = token.Name;
        if (In(DocumentWords(), name)) {
            Separate();
            return;
        }
        if (name == "f") {
            CurrentGroup().Font = token.Param;
            NumberedWord("f", FontOf(token.Param).Index, delimited);
        } else if (name == "af") {
            NumberedWord("af", FontOf(token.Param).Index, delimited);
        } else if (In(ColorWords(), name)) {
            const bool known = token.Param >= 0 && static_cast<size_t>(token.Param) < colors_.size();
            NumberedWord(name, known ? colors_[static_cast<size_t>(token.Param)] : 0, delimited);
        } else if (name == "plain") {
            Put(token.Raw, !delimited);
            CurrentGroup().Font = tables_.DefaultFont;
            NumberedWord("f", defaultFont_.Index, true);
        } else {
            Put(token.Raw, !delimited);
            if (name == "uc")
                CurrentGroup().Uc = std::clamp(token.Param, 0, 1'000'000);
            else if (name == "u")
                Shown(CurrentGroup().Uc);
            else if (In(ParagraphWords(), name))
                ParagraphEnd();
            else if (In(CharacterWords(), name))
                Shown();
        }
    }

    void Symbol(const Token& token)
    {
        if (token.Character == '\'' || token.Character == 0) {
            Separate(); // a broken \' or a backslash at the very end, which readers ignore
            return;
        }
        const bool skipped = ConsumeSkip();
        Put(token.Raw);
        if (skipped || token.Character == '*')
            return;
        if (token.Character == '\r' || token.Character == '\n')
            ParagraphEnd();
        else
            Shown();
    }

    // Data cut short by the end of the document is declared with the length it has, so that
    // it does not run on into what follows it in the joined document.
    void Binary(const Token& token)
    {
        if (static_cast<size_t>(std::max(token.Param, 0)) == token.Data.size()) {
            Put(token.Raw);
            return;
        }
        Put("\\bin" + std::to_string(token.Data.size()) + ' ');
        Put(token.Data);
    }

    void Hex(const Token& token)
    {
        if (ConsumeSkip()) {
            Put(token.Raw);
            return;
        }
        const auto* recode = FontOf(CurrentGroup().Font).Recode;
        if (recode != nullptr && token.Byte >= 0x80)
            Unicode((*recode)[token.Byte]);
        else
            Put(token.Raw);
        Shown();
    }

    void Text(std::string_view text)
    {
        const auto* recode = FontOf(CurrentGroup().Font).Recode;
        const size_t fallback = std::min(static_cast<size_t>(std::max(skip_, 0)), text.size());
        skip_ -= static_cast<int>(fallback);
        Put(text.substr(0, fallback));
        text.remove_prefix(fallback);
        if (text.empty())
            return;
        if (recode == nullptr) {
            Put(text);
        } else {
            for (const char c : text) {
                const auto byte = static_cast<unsigned char>(c);
                if (byte >= 0x80)
                    Unicode((*recode)[byte]);
                else
                    Put(std::string_view(&c, 1));
            }
        }
        Shown();
    }

    void Unicode(char32_t c)
    {
        const int value = c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c);
        Put("{\\uc1\\u" + std::to_string(value) + "?}");
    }

    void NumberedWord(std::string_view word, int index, bool delimited)
    {
        Put("\\" + std::string(word) + std::to_string(index) + (delimited ? " " : ""), !delimited);
    }

    // Appends to the joined document; wordOpen: it ends in a control word without the blank
    // that ends it, so that what follows may not start with a letter, digit or blank.
    void Put(std::string_view text, bool wordOpen = false)
    {
        out_ += text;
        wordOpen_ = wordOpen;
    }

    // Where a token is left out, the control word before it ends here rather than run on into
    // what follows it ("\\b\\deff0 old" must not become "\\bold").
    void Separate()
    {
        if (wordOpen_)
            Put(" ");
    }

    // Shown text: the paragraph it is in must end before the next document. A \uN also
    // starts its fallback characters, which readers skip.
    void Shown(int fallback = 0)
    {
        skip_ = fallback;
        if (!CurrentGroup().Hidden)
            textPending_ = true;
    }

    void ParagraphEnd()
    {
        if (!CurrentGroup().Hidden)
            textPending_ = false;
    }

    // Counts a token against the fallback of the last \uN; true when it is a fallback.
    bool ConsumeSkip()
    {
        if (skip_ <= 0)
            return false;
        --skip_;
        return true;
    }

    RtfJoiner& joiner_;
    std::string_view source_;
    SourceTables tables_;
    std::string& out_;
    std::unordered_map<int, FontUse> fonts_;
    FontUse defaultFont_;
    std::vector<int> colors_;
    std::vector<GroupState> groups_;
    int dropDepth_ = 0;
    bool openPending_ = false;
    bool starPending_ = false;
    bool fallbackAtOpen_ = false;
    int skip_ = 0;
    bool textPending_ = false;
    bool wordOpen_ = false;
};

std::string JoinedFont::Key() const
{
    return Family + '\0' + std::to_string(Charset) + '\0' + std::to_string(Pitch) + '\0' + Name;
}

RtfJoiner::RtfJoiner(int codePage, const CharFormat& defaults) : codePage_(codePage), defaults_(defaults)
{
    JoinedFont font;
    font.Charset = CharsetForCodePage(codePage);
    font.Name = Utf8ToCodePage(defaults.Font, codePage).value_or(defaults.Font);
    Font(font);
}

void RtfJoiner::Append(std::string_view document)
{
    if (document.empty())
        return;
    if (IsRtf(document)) {
        DocumentCopy(*this, document).Run();
        return;
    }
    const std::string converted = WriteRtf(ReadRtf(document, codePage_), codePage_, defaults_);
    DocumentCopy(*this, converted).Run();
}

int RtfJoiner::Font(const JoinedFont& font)
{
    const auto [found, added] = fontIndex_.try_emplace(font.Key(), static_cast<int>(fonts_.size()));
    if (added)
        fonts_.push_back(font);
    return found->second;
}

int RtfJoiner::Color(uint32_t color)
{
    if (color == Automatic)
        return 0;
    const auto [found, added] = colorIndex_.try_emplace(color, static_cast<int>(colors_.size()) + 1);
    if (added)
        colors_.push_back(color);
    return found->second;
}

namespace {

void AppendFontName(std::string& out, std::string_view name)
{
    static constexpr char HexDigits[] = "0123456789abcdef";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x80 || c == ';') {
            out += "\\'";
            out += HexDigits[byte >> 4];
            out += HexDigits[byte & 15];
        } else {
            out += c;
        }
    }
}

} // namespace

std::string RtfJoiner::Document() const
{
    std::string document = "{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage_) + "\\deff0{\\fonttbl";
    for (size_t i = 0; i < fonts_.size(); ++i) {
        const JoinedFont& font = fonts_[i];
        document +=
            "{\\f" + std::to_string(i) + '\\' + font.Family + "\\fcharset" + std::to_string(font.Charset);
        if (font.Pitch >= 0)
            document += "\\fprq" + std::to_string(font.Pitch);
        document += ' ';
        AppendFontName(document, font.Name);
        document += ";}";
    }
    document += "}\r\n";
    if (!colors_.empty()) {
        document += "{\\colortbl ;";
        for (const uint32_t color : colors_)
            document += "\\red" + std::to_string(color >> 16) + "\\green" +
                        std::to_string((color >> 8) & 0xFF) + "\\blue" + std::to_string(color & 0xFF) + ';';
        document += "}\r\n";
    }
    document.reserve(document.size() + body_.size() + 24);
    document += "\\viewkind4\\uc1\r\n";
    document += body_;
    document += "}\r\n";
    return document;
}

} // namespace formats::rtfexport
