#include "model/look/HtmlMarkup.h"

#include <algorithm>
#include <cstdio>

namespace model::look {

namespace {

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::optional<int> ParseInteger(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 0x7FFFFFFF)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<RgbColor> ParseHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    RgbColor value = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value << 4 | static_cast<RgbColor>(digit);
    }
    return value;
}

std::string_view Piece(std::string_view text, std::size_t from)
{
    return from < text.size() ? text.substr(from, 2) : std::string_view();
}

// The attributes the parser carries from run to run.
struct TextState {
    std::string Face;
    int Size;
    unsigned Style;
    RgbColor Color;
};

class Parser {
public:
    explicit Parser(const MarkupFont& initial) : state_{initial.Face, initial.Size, 0, initial.Color} {}

    MarkupElementStack Run(std::string_view rest)
    {
        for (;;) {
            const std::size_t open = rest.find('<');
            if (open == std::string_view::npos) {
                AddText(rest);
                return std::move(elements_);
            }
            if (open > 0)
                AddText(rest.substr(0, open));
            const std::size_t close = rest.find('>', open + 1);
            if (close == std::string_view::npos)
                return std::move(elements_);
            ProcessTag(rest.substr(open + 1, close - open - 1));
            rest.remove_prefix(close + 1);
        }
    }

private:
    void AddText(std::string_view text)
    {
        MarkupElement element;
        element.Text = std::string(text);
        element.FontName = state_.Face;
        element.FontSize = state_.Size;
        element.FontStyle = state_.Style;
        element.FontColor = state_.Color;
        element.BreakLine = pendingBreak_;
        pendingBreak_ = false;
        elements_.Push(std::move(element));
    }

    void Save()
    {
        MarkupElement saved;
        saved.FontName = state_.Face;
        saved.FontSize = state_.Size;
        saved.FontStyle = state_.Style;
        saved.FontColor = state_.Color;
        fontStack_.Push(std::move(saved));
    }

    void Restore()
    {
        if (auto saved = fontStack_.Pop()) {
            state_.Face = saved->FontName;
            state_.Size = saved->FontSize;
            state_.Style = saved->FontStyle;
            state_.Color = saved->FontColor;
        }
    }

    void ProcessTag(std::string_view tag)
    {
        tag = Trim(tag);
        const std::size_t blank = tag.find(' ');
        const std::string name = LowerAscii(tag.substr(0, blank));
        const std::string_view attributes = blank == std::string_view::npos ? std::string_view() : Trim(tag.substr(blank));

        static constexpr std::pair<std::string_view, unsigned> StyleTags[] = {
            {"b", FontStyleBit::Bold}, {"i", FontStyleBit::Italic}, {"u", FontStyleBit::Underline}};
        if (name == "br")
            pendingBreak_ = true;
        else if (name == "font")
            Save();
        else if (name == "/font")
            Restore();
        for (const auto& [styleTag, bit] : StyleTags) {
            if (name == styleTag) {
                Save();
                state_.Style |= bit;
            } else if (name.size() == 2 && name[0] == '/' && name.substr(1) == styleTag) {
                state_.Style &= ~bit;
                Restore();
            }
        }
        ReadAttributes(attributes);
    }

    void ReadAttributes(std::string_view text)
    {
        for (;;) {
            const std::size_t pair = text.find("=\"");
            if (pair == std::string_view::npos)
                return;
            const std::string name = LowerAscii(Trim(text.substr(0, pair)));
            const std::size_t valueStart = pair + 2;
            const std::size_t quote = text.find('"', valueStart);
            if (quote == std::string_view::npos)
                return;
            Apply(name, text.substr(valueStart, quote - valueStart));
            text.remove_prefix(quote + 1);
        }
    }

    void Apply(const std::string& name, std::string_view value)
    {
        if (name == "face") {
            state_.Face = std::string(value);
        } else if (name == "size") {
            if (const auto size = ParseInteger(value))
                state_.Size = *size;
        } else if (name == "color") {
            if (const auto color = ParseMarkupColor(value))
                state_.Color = *color;
        }
    }

    TextState state_;
    bool pendingBreak_ = false;
    MarkupElementStack elements_;
    MarkupElementStack fontStack_;
};

// Places as much of element e as fits into `available`; see LayoutMarkup.
void Fit(MarkupElement& e, int available, bool firstOnLine, const MarkupTextWidth& textWidth)
{
    const std::string source = e.BreakText.empty() ? e.Text : e.Remainder;
    if (textWidth(e, source) <= available) {
        e.BreakText = source;
        e.Remainder.clear();
        return;
    }
    for (std::size_t blank = source.rfind(' '); blank != std::string::npos;
         blank = blank == 0 ? std::string::npos : source.rfind(' ', blank - 1)) {
        if (textWidth(e, std::string_view(source).substr(0, blank + 1)) <= available) {
            e.BreakText = source.substr(0, blank + 1);
            e.Remainder = source.substr(blank + 1);
            return;
        }
    }
    if (!firstOnLine)
        return; // moves to the next line as it is
    // Wider than a whole line: its first word goes alone on this line, overflowing.
    const std::size_t blank = source.find(' ');
    e.BreakText = source.substr(0, blank == std::string::npos ? source.size() : blank + 1);
    e.Remainder = blank == std::string::npos ? std::string() : source.substr(blank + 1);
}

} // namespace

std::optional<MarkupElement> MarkupElementStack::Pop()
{
    if (items_.empty())
        return std::nullopt;
    MarkupElement last = std::move(items_.back());
    items_.pop_back();
    return last;
}

std::string PrepareMarkup(const std::vector<std::string>& lines, std::string_view face, int size, RgbColor color,
                          bool useCRLF)
{
    char colorText[16];
    std::snprintf(colorText, sizeof colorText, "%.6x", RedOf(color) << 16 | GreenOf(color) << 8 | BlueOf(color));
    std::string markup = "<font face=\"" + std::string(face) + "\" size=\"" + std::to_string(size) + "\" color=\"#" +
                         colorText + "\">";
    for (const auto& line : lines)
        markup.append(line).append("\r\n");
    markup.append("</font>");
    const std::string lineEnd = useCRLF ? "<br>" : " ";
    std::string replaced;
    for (std::size_t from = 0;;) {
        const std::size_t crlf = markup.find("\r\n", from);
        replaced.append(markup, from, crlf == std::string::npos ? std::string::npos : crlf - from);
        if (crlf == std::string::npos)
            return replaced;
        replaced.append(lineEnd);
        from = crlf + 2;
    }
}

MarkupElementStack ParseMarkup(std::string_view markup, const MarkupFont& initial)
{
    return Parser(initial).Run(markup);
}

std::optional<RgbColor> ParseMarkupColor(std::string_view value)
{
    if (!value.empty() && value[0] == '#') {
        // The pieces are taken by position and read as one number, blue piece first.
        const std::string digits =
            std::string(Piece(value, 5)) + std::string(Piece(value, 3)) + std::string(Piece(value, 1));
        return ParseHex(digits);
    }
    return ColorFromName(value);
}

std::vector<MarkupRun> LayoutMarkup(MarkupElementStack& elements, int width, int margin,
                                     const MarkupTextWidth& textWidth)
{
    std::vector<MarkupRun> runs;
    if (elements.Empty())
        return runs;
    for (auto& e : elements) {
        e.BreakText.clear();
        e.Remainder.clear();
    }
    const std::size_t last = elements.Count() - 1;
    const int lineWidth = width - margin;
    int y = margin;
    std::size_t start = 0;
    bool breakToggle = false;
    for (;;) {
        int available = lineWidth;
        int lineHeight = 0;
        int lineAscent = 0;
        std::size_t end = start;
        bool endedAtBreak = false;
        for (std::size_t i = start;; ++i) {
            MarkupElement& e = elements[i];
            if (e.BreakLine) {
                breakToggle = !breakToggle;
                if (breakToggle) {
                    end = i;
                    endedAtBreak = true;
                    break;
                }
            }
            lineHeight = std::max(lineHeight, e.Height);
            lineAscent = std::max(lineAscent, e.Ascent);
            Fit(e, available, i == start, textWidth);
            end = i;
            if (!e.BreakText.empty()) {
                available -= textWidth(e, e.BreakText);
                if (!e.Remainder.empty())
                    break;
            } else if (!e.Text.empty()) {
                break; // does not fit here: it starts the next line
            }
            if (i == last)
                break;
        }
        int x = margin;
        for (std::size_t k = start; k <= end; ++k) {
            const MarkupElement& e = elements[k];
            if (e.BreakText.empty() || (endedAtBreak && k == end))
                continue;
            runs.push_back({k, e.BreakText, x, y + lineAscent - e.Ascent});
            x += textWidth(e, e.BreakText);
        }
        y += lineHeight;
        start = end;
        if (end >= last && elements[end].Remainder.empty() && !endedAtBreak)
            return runs;
    }
}

} // namespace model::look
