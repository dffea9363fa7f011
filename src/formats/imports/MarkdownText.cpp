#include "formats/imports/MarkdownText.h"

#include "formats/rtf/Utf.h"

#include <md4c.h>

#include <string>
#include <vector>

using formats::rtf::AppendUtf16;
using formats::rtf::CharFormat;
using formats::rtf::ForEachUtf8;
using formats::rtf::Paragraph;
using formats::rtf::RichText;
using formats::rtf::TextRun;

namespace formats::imports {

namespace {

constexpr char16_t LineBreak = 0x2028;

// Builds the paragraphs while md4c walks the document.
class RichTextBuilder {
public:
    explicit RichTextBuilder(const ImageRun& imageRun) : imageRun_(imageRun) {}

    RichText Take() { return std::move(text_); }

    void EnterBlock(MD_BLOCKTYPE type, const void* detail)
    {
        switch (type) {
        case MD_BLOCK_UL: lists_.push_back(0); break;
        case MD_BLOCK_OL: lists_.push_back(static_cast<const MD_BLOCK_OL_DETAIL*>(detail)->start); break;
        case MD_BLOCK_QUOTE: ++quotes_; break;
        case MD_BLOCK_H: StartParagraph(); ++bold_; break;
        case MD_BLOCK_CODE: StartParagraph(); ++code_; break;
        case MD_BLOCK_LI: StartParagraph(); AddText(ListMark()); break;
        case MD_BLOCK_P:
            if (!inItem_)
                StartParagraph();
            break;
        case MD_BLOCK_HR: StartParagraph(); AddText(u"* * *"); break;
        default: break;
        }
        inItem_ = type == MD_BLOCK_LI;
    }

    void LeaveBlock(MD_BLOCKTYPE type)
    {
        switch (type) {
        case MD_BLOCK_UL:
        case MD_BLOCK_OL: lists_.pop_back(); break;
        case MD_BLOCK_QUOTE: --quotes_; break;
        case MD_BLOCK_H: --bold_; break;
        case MD_BLOCK_CODE:
            --code_;
            TrimTrailingBreak();
            break;
        case MD_BLOCK_LI:
            if (!lists_.empty() && lists_.back() > 0)
                ++lists_.back();
            break;
        default: break;
        }
        inItem_ = false;
    }

    void Span(MD_SPANTYPE type, bool enter, const void* detail)
    {
        const int step = enter ? 1 : -1;
        switch (type) {
        case MD_SPAN_EM: italic_ += step; break;
        case MD_SPAN_STRONG: bold_ += step; break;
        case MD_SPAN_DEL: strike_ += step; break;
        case MD_SPAN_U: underline_ += step; break;
        case MD_SPAN_CODE: code_ += step; break;
        case MD_SPAN_IMG: Image(enter, detail); break;
        default: break;
        }
    }

    void Text(MD_TEXTTYPE type, std::string_view text)
    {
        if (image_) {
            AppendUtf8(imageAlt_, text);
            return;
        }
        switch (type) {
        case MD_TEXT_BR: AddText(std::u16string(1, LineBreak)); break;
        case MD_TEXT_SOFTBR: AddText(u" "); break;
        case MD_TEXT_NULLCHAR: AddText(u"\uFFFD"); break;
        case MD_TEXT_ENTITY: AddText(Entity(text)); break;
        case MD_TEXT_HTML:
            if (text == "<u>" || text == "<U>")
                ++underline_;
            else if ((text == "</u>" || text == "</U>") && underline_ > 0)
                --underline_;
            else
                AddUtf8(text);
            break;
        case MD_TEXT_CODE:
            if (text == "\n" && code_ > 0)
                AddText(std::u16string(1, LineBreak));
            else
                AddUtf8(text);
            break;
        default: AddUtf8(text); break;
        }
    }

private:
    static void AppendUtf8(std::u16string& out, std::string_view text)
    {
        ForEachUtf8(text, [&out](char32_t c) { AppendUtf16(out, c); });
    }

    static std::u16string Entity(std::string_view entity)
    {
        static const std::pair<std::string_view, char16_t> named[] = {
            {"&amp;", u'&'}, {"&lt;", u'<'}, {"&gt;", u'>'}, {"&quot;", u'"'}, {"&apos;", u'\''}, {"&nbsp;", 0xA0}};
        for (const auto& [name, c] : named)
            if (entity == name)
                return std::u16string(1, c);
        if (entity.size() > 3 && entity[1] == '#') {
            const bool hex = entity[2] == 'x' || entity[2] == 'X';
            const std::string digits(entity.substr(hex ? 3 : 2, entity.size() - (hex ? 4 : 3)));
            const unsigned long code = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
            std::u16string text;
            AppendUtf16(text, code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) ? code : 0xFFFD);
            return text;
        }
        std::u16string text;
        AppendUtf8(text, entity);
        return text;
    }

    std::u16string ListMark() const
    {
        std::u16string mark(2 * (lists_.empty() ? 0 : lists_.size() - 1), u' ');
        if (lists_.empty() || lists_.back() == 0) {
            mark += u"\u2022 ";
        } else {
            for (const char c : std::to_string(lists_.back()))
                mark += static_cast<char16_t>(c);
            mark += u". ";
        }
        return mark;
    }

    void Image(bool enter, const void* detail)
    {
        if (enter) {
            const auto* image = static_cast<const MD_SPAN_IMG_DETAIL*>(detail);
            imageAddress_.assign(image->src.text, image->src.size);
            imageAlt_.clear();
            ++image_;
            return;
        }
        if (--image_ > 0)
            return;
        if (!imageRun_) {
            AddText(u"[" + imageAlt_ + u"]");
            return;
        }
        TextRun run = imageRun_(imageAddress_, imageAlt_);
        if (!run.Picture) {
            AddText(run.Text);
            return;
        }
        if (text_.Paragraphs.empty())
            StartParagraph();
        run.Format = Format();
        text_.Paragraphs.back().Runs.push_back(std::move(run));
    }

    CharFormat Format() const
    {
        CharFormat format;
        format.Bold = bold_ > 0;
        format.Italic = italic_ > 0 || quotes_ > 0;
        format.Underline = underline_ > 0;
        format.Strike = strike_ > 0;
        if (code_ > 0)
            format.Font = "Courier New";
        return format;
    }

    void StartParagraph() { text_.Paragraphs.emplace_back(); }

    void AddUtf8(std::string_view text)
    {
        std::u16string utf16;
        AppendUtf8(utf16, text);
        AddText(utf16);
    }

    void AddText(std::u16string_view text)
    {
        if (text.empty())
            return;
        if (text_.Paragraphs.empty())
            StartParagraph();
        auto& runs = text_.Paragraphs.back().Runs;
        const CharFormat format = Format();
        if (runs.empty() || !(runs.back().Format == format) || runs.back().Picture)
            runs.push_back(TextRun{format, {}, nullptr});
        runs.back().Text += text;
    }

    void TrimTrailingBreak()
    {
        if (text_.Paragraphs.empty() || text_.Paragraphs.back().Runs.empty())
            return;
        auto& last = text_.Paragraphs.back().Runs.back().Text;
        if (!last.empty() && last.back() == LineBreak)
            last.pop_back();
    }

    const ImageRun& imageRun_;
    RichText text_;
    std::vector<unsigned> lists_; // 0 for a bullet list, else the next number
    int bold_ = 0;
    int italic_ = 0;
    int underline_ = 0;
    int strike_ = 0;
    int code_ = 0;
    int quotes_ = 0;
    int image_ = 0;
    bool inItem_ = false;
    std::string imageAddress_;
    std::u16string imageAlt_;
};

RichTextBuilder& Builder(void* userdata)
{
    return *static_cast<RichTextBuilder*>(userdata);
}

} // namespace

RichText MarkdownToRichText(std::string_view markdown, const ImageRun& imageRun)
{
    RichTextBuilder builder(imageRun);
    MD_PARSER parser{};
    parser.flags = MD_FLAG_STRIKETHROUGH | MD_FLAG_NOHTMLBLOCKS;
    parser.enter_block = [](MD_BLOCKTYPE type, void* detail, void* userdata) {
        Builder(userdata).EnterBlock(type, detail);
        return 0;
    };
    parser.leave_block = [](MD_BLOCKTYPE type, void*, void* userdata) {
        Builder(userdata).LeaveBlock(type);
        return 0;
    };
    parser.enter_span = [](MD_SPANTYPE type, void* detail, void* userdata) {
        Builder(userdata).Span(type, true, detail);
        return 0;
    };
    parser.leave_span = [](MD_SPANTYPE type, void* detail, void* userdata) {
        Builder(userdata).Span(type, false, detail);
        return 0;
    };
    parser.text = [](MD_TEXTTYPE type, const MD_CHAR* text, MD_SIZE size, void* userdata) {
        Builder(userdata).Text(type, std::string_view(text, size));
        return 0;
    };
    md_parse(markdown.data(), static_cast<MD_SIZE>(markdown.size()), &parser, &builder);
    return builder.Take();
}

} // namespace formats::imports
