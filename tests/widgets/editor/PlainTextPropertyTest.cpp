// The fast plain-text extractor must give exactly what the editor shows after loading a body.
#include "widgets/editor/RtfDocument.h"
#include "formats/rtf/RtfReader.h"
#include "base/text/TextLines.h"
#include "support/TestFiles.h"

#include <QTextDocument>

#include <gtest/gtest.h>

#include <random>

using namespace base::text;
using namespace formats::rtf;
using namespace widgets::editor;

namespace {

std::string EditorText(const std::string& body, int codePage)
{
    QTextDocument document;
    RtfToDocument(body, document, codePage);
    return document.toPlainText().toStdString();
}

// Random bodies built from the pieces real bodies are made of, damaged ones included.
class BodyGenerator {
public:
    explicit BodyGenerator(unsigned seed) : random_(seed) {}

    std::string Next()
    {
        if (Chance(5))
            return PlainBody();
        std::string body = Pick(Headers);
        const int pieces = Below(60);
        for (int i = 0; i < pieces; ++i)
            body += Piece();
        if (!Chance(10))
            body += "}\r\n";
        return body;
    }

private:
    static constexpr const char* Headers[] = {
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
        "{\\colortbl ;\\red0\\green0\\blue128;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ",
        "{\\rtf1\\ansi\\ansicpg1253\\deff0{\\fonttbl{\\f0\\fnil\\fcharset161 Arial;}{\\f1\\fnil\\fcharset204 "
        "Arial CYR;}{\\f2\\fnil\\fcharset128 MS Mincho;}}\\uc1\\pard ",
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times;}}{\\*\\generator Word;}",
        "{\\rtf1 ",
        "{\\rtf",
    };
    static constexpr const char* Words[] = {
        "hello", " ", "world", "  ", ".", ";", "@@", "@", "caf", "x y z", "\r\n", "\n", "\r", "\t",
        "http://example.org", "a@b.com",
    };
    static constexpr const char* Controls[] = {
        "\\par ",  "\\par\r\n", "\\line ", "\\tab ", "\\b ",    "\\b0 ",   "\\i ",    "\\i0 ",  "\\ul ",
        "\\ulnone ", "\\strike ", "\\fs28 ", "\\fs0 ", "\\cf1 ", "\\cf9 ",  "\\highlight1 ", "\\plain ",
        "\\pard ", "\\qc ",    "\\qr ",    "\\qj ",   "\\f1 ",   "\\f2 ",   "\\f7 ",   "\\~",    "\\-",
        "\\_",     "\\emdash ", "\\bullet ", "\\\\",  "\\{",     "\\}",     "\\uc0 ",  "\\uc2 ", "\\uc1 ",
        "\\sect ", "\\page ",  "\\cell ",  "\\row ",  "\\zzz ",  "\\*",     "\\'",     "\\'4",   "\\",
        "\\bin2 ", "\\bin0 ",  "\\u",      "\\\r\n",
    };
    static constexpr const char* Groups[] = {
        "{\\*\\bkmkstart x}", "{\\pict\\pngblip 89504e47}", "{\\fldrslt shown}", "{\\*\\fldinst HYPERLINK}",
        "{\\upr{ansi}{\\*\\ud{\\u945?}}}", "{\\stylesheet{\\s0 Normal;}}", "{\\b bold}", "{", "}", "{{}}",
        "{\\pict\\bin3 }{\\}", "{\\field{\\*\\fldinst x}{\\fldrslt y}}",
    };

    std::string Piece()
    {
        switch (Below(6)) {
        case 0:
        case 1:
            return Pick(Words);
        case 2:
            return Pick(Controls);
        case 3:
            return Pick(Groups);
        case 4: {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", Below(256));
            return hex;
        }
        default: {
            static constexpr int Specials[] = {65, 945, 8364, 8232, 8233, 160, 0, 7, 65533, 64976, 64977,
                                               -10179, -8704, -3913, 55357, 56832, 12354, 65279, 173};
            std::string u = "\\u" + std::to_string(Specials[Below(std::size(Specials))]);
            return Chance(2) ? u + "?" : u + " ";
        }
        }
    }

    std::string PlainBody()
    {
        std::string body;
        const int length = Below(80);
        for (int i = 0; i < length; ++i)
            body += static_cast<char>(Chance(4) ? Below(256) : "ab \r\n\t@{}"[Below(10)]);
        return body;
    }

    template <size_t N>
    const char* Pick(const char* const (&items)[N])
    {
        return items[Below(N)];
    }
    int Below(size_t n) { return static_cast<int>(std::uniform_int_distribution<size_t>(0, n - 1)(random_)); }
    bool Chance(int oneIn) { return Below(static_cast<size_t>(oneIn)) == 0; }

    std::mt19937 random_;
};

} // namespace

TEST(PlainTextProperty, GeneratedBodiesGiveTheEditorsText)
{
    BodyGenerator generator(20240601);
    for (int i = 0; i < 3000; ++i) {
        const std::string body = generator.Next();
        const int codePage = i % 3 == 0 ? 1253 : i % 3 == 1 ? 1252 : 932;
        ASSERT_EQ(PlainText(body, codePage), EditorText(body, codePage)) << "body: " << body;
    }
}

TEST(PlainTextProperty, EveryCharacterGivesTheEditorsText)
{
    for (int block = 0; block < 0x110000; block += block < 0x10000 ? 0x100 : 0x10000) {
        std::string body = "{\\rtf1\\uc0 ";
        for (int c = block; c < block + 0x100; ++c) {
            if (c < 0x10000) {
                body += "\\u" + std::to_string(c > 0x7FFF ? c - 0x10000 : c) + ' ';
            } else {
                body += "\\u" + std::to_string(0xD800 + ((c - 0x10000) >> 10) - 0x10000) + ' ';
                body += "\\u" + std::to_string(0xDC00 + ((c - 0x10000) & 0x3FF) - 0x10000) + ' ';
            }
        }
        body += '}';
        ASSERT_EQ(PlainText(body, 1252), EditorText(body, 1252)) << "block " << block;
    }
}

TEST(PlainTextProperty, RealWorldBodiesGiveTheEditorsText)
{
    const LineList records = SplitLines(testing_support::ReadBytes(testing_support::VectorPath("diary/sample.lines")));
    ASSERT_FALSE(records.empty());
    for (const std::string& record : records) {
        const size_t separator = record.find("@@");
        ASSERT_NE(separator, std::string::npos);
        std::string body = record.substr(separator + 2);
        for (size_t at = body.find("@@"); at != std::string::npos; at = body.find("@@", at + 2))
            body.replace(at, 2, "\r\n");
        const std::string text = PlainText(body, 1252);
        EXPECT_EQ(text, EditorText(body, 1252));
        EXPECT_EQ(text.find("rtf1"), std::string::npos);
        EXPECT_FALSE(text.empty());
    }
}

TEST(PlainTextProperty, WrittenDocumentsReadBackToTheSameText)
{
    BodyGenerator generator(7);
    for (int i = 0; i < 500; ++i) {
        QTextDocument document;
        RtfToDocument(generator.Next(), document, 1253);
        const std::string rtf = DocumentToRtf(document, 1252);
        ASSERT_EQ(PlainText(rtf, 1251), document.toPlainText().toStdString()) << rtf;
    }
}
