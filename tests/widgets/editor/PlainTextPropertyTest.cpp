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
    return document.toPlainText().remove(QChar::ObjectReplacementCharacter).toStdString(); // pictures are no text
}

// Random bodies built from the pieces real bodies are made of, damaged ones included.
std::string RandomBody(std::mt19937& random)
{
    static constexpr const char* Headers[] = {
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset161 "
        "Arial;}}\r\n{\\colortbl ;\\red0\\green0\\blue128;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ",
        "{\\rtf1 ", "{\\rtf", "ab \r\n\t@{}\xe9"};
    static constexpr const char* Pieces[] = {
        "hello", " ", "\r\n", "\t", "@@", "\\par ", "\\par\r\n", "\\line ", "\\tab ", "\\b ", "\\b0 ", "\\plain ",
        "\\f1 ", "\\f7 ", "\\cf9 ", "\\~", "\\-", "\\_", "\\emdash ", "\\bullet ", "\\\\", "\\{", "\\}", "\\uc0 ",
        "\\uc2 ", "\\sect ", "\\cell ", "\\zzz ", "\\*", "\\'", "\\'4", "\\'e9", "\\'e1", "\\", "\\bin2 ", "\\u",
        "\\\r\n", "\\u945?", "\\u8364 ", "\\u-10179 \\u-8704 ", "\\u55357?", "\\u0 ", "\\u65279 ", "\\u173?",
        "{\\*\\bkmkstart x}", "{\\pict\\pngblip 89504e47}", "{\\fldrslt shown}", "{\\upr{ansi}{\\*\\ud{\\u945?}}}",
        "{\\b bold}", "{", "}", "{\\pict\\bin3 }{\\}", "{\\field{\\*\\fldinst x}{\\fldrslt y}}"};
    const auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    std::string body = Headers[below(std::size(Headers))];
    for (size_t i = below(60); i > 0; --i)
        body += Pieces[below(std::size(Pieces))];
    return below(10) == 0 ? body : body + "}\r\n";
}

} // namespace

TEST(PlainTextProperty, GeneratedBodiesGiveTheEditorsText)
{
    std::mt19937 random(20240601);
    for (int i = 0; i < 1500; ++i) {
        const std::string body = RandomBody(random);
        const int codePage = i % 3 == 0 ? 1253 : i % 3 == 1 ? 1252 : 932;
        ASSERT_EQ(PlainText(body, codePage), EditorText(body, codePage)) << "body: " << body;
    }
}


TEST(PlainTextProperty, RealWorldBodiesGiveTheEditorsText)
{
    const LineList records = SplitLines(testing_support::ReadBytes(testing_support::VectorPath("diary/sample.lines")));
    ASSERT_FALSE(records.empty());
    for (const std::string& record : records) {
        std::string body = record.substr(record.find("@@") + 2);
        for (size_t at = body.find("@@"); at != std::string::npos; at = body.find("@@", at + 2))
            body.replace(at, 2, "\r\n");
        const std::string text = PlainText(body, 1252);
        EXPECT_EQ(text, EditorText(body, 1252));
        EXPECT_FALSE(text.empty());
    }
}

