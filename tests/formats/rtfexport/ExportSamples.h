// Diary bodies of the kinds an export meets: this program's own RTF, the Windows control's RTF
// in other code pages, characters outside the code page, a table and a word processor's RTF.
#pragma once

#include "formats/rtfexport/DiaryExport.h"
#include "formats/diary/DayRecords.h"

#include <string>

namespace export_test {

// "Γειά σου κόσμε" in code page 1253, the second word bold and coloured.
const std::string GreekBody =
    "{\\rtf1\\ansi\\ansicpg1253\\deff0\\deflang1032{\\fonttbl{\\f0\\fswiss\\fcharset161{\\*\\fname "
    "Arial;}Arial "
    "Greek;}}\r\n{\\colortbl "
    ";\\red0\\green0\\blue128;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20\\'c3\\'e5\\'e9\\'dc "
    "\\cf1\\b\\'f3\\'ef\\'f5\\cf0\\b0  \\'ea\\'fc\\'f3\\'ec\\'e5\\par\r\n}\r\n";
const char* const GreekText = "Γειά σου κόσμε";

// "Привет мир" in code page 1251.
const std::string CyrillicBody =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 Times New Roman;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs24\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\i\\'ec\\'e8\\'f0\\i0\\par\r\n}\r\n";
const char* const CyrillicText = "Привет мир";

// Characters no 8-bit code page holds: a snowman, a face outside the basic plane, two ideographs.
const std::string UnicodeBody =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs20 Snow \\u9731? and \\u-10179?\\u-8704? and "
    "\\u28450?\\u23383?\\par\r\n}\r\n";
const char* const UnicodeText = "Snow ☃ and 😀 and 漢字";

// A two-by-two table and a paragraph after it.
const std::string TableBody =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n\\viewkind4\\uc1"
    "\\trowd\\trgaph108\\trleft-108\\cellx1500\\cellx3000\\pard\\intbl\\f0\\fs20 Apples\\cell "
    "Pears\\cell\\row\r\n"
    "\\trowd\\trgaph108\\trleft-108\\cellx1500\\cellx3000\\pard\\intbl Plums\\cell Figs\\cell\\row\r\n"
    "\\pard After the table\\par\r\n}\r\n";

// A word processor's document: style sheet, information, list and theme data, page settings,
// paired fonts for right-to-left text and a Greek font by its character set.
const std::string WordProcessorBody =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch31505\\stshfloch31506\\deflang103"
    "3"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f39\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Calibri;}"
    "{\\f40\\fbidi \\froman\\fcharset161\\fprq2 Times New Roman Greek;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red192\\green0\\blue0;}"
    "{\\*\\defchp \\f39\\fs22 }{\\*\\defpap \\ql \\li0\\ri0\\sa160 }\\noqfpromote {\\stylesheet{\\ql "
    "\\f39\\fs22 "
    "\\snext0 \\sqformat \\spriority0 Normal;}{\\s1\\ql \\sb240\\sa60\\keepn\\b\\f39\\fs32 \\sbasedon0 "
    "\\snext0 "
    "heading 1;}}\r\n{\\*\\rsidtbl \\rsid1062405\\rsid6650473}{\\mmathPr\\mmathFont34\\mbrkBin0}"
    "{\\info{\\author Word User}{\\creatim\\yr2024\\mo3\\dy1\\hr9\\min30}{\\version1}}"
    "{\\*\\xmlnstbl {\\xmlns1 http://schemas.example/wordml}}\\paperw11906\\paperh16838\\margl1440\\margr1440"
    "\\gutter0\\ltrsect \r\n\\widowctrl\\ftnbj\\aenddoc\\viewkind1\\viewscale100{\\*\\wgrffmtfilter 2450}"
    "\\ltrpar \\sectd \\ltrsect\\linex0\\sectdefaultcl "
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang "
    "{\\pntxta .}}\r\n\\pard\\plain \\ltrpar\\s1\\ql \\sb240\\sa60\\keepn\\outlinelevel0 \\rtlch\\fcs1 "
    "\\ab\\af0\\afs32 \\ltrch\\fcs0 \\b\\f39\\fs32\\cf2 {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid6650473 "
    "Word "
    "heading}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid6650473 \\par }\r\n\\pard\\plain \\ltrpar\\ql "
    "\\li0\\ri0\\sa160\\rtlch\\fcs1 \\af0\\afs22 \\ltrch\\fcs0 \\f39\\fs22 {\\rtlch\\fcs1 \\af0 "
    "\\ltrch\\fcs0 "
    "\\insrsid6650473 Paragraph with }{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\i\\cf3\\insrsid6650473 italic red}"
    "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid6650473  and Greek }{\\rtlch\\fcs1 \\af40 \\ltrch\\fcs0 "
    "\\f40\\insrsid6650473 \\'e1\\'e2\\'e3}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid6650473 .\\par }\r\n"
    "{\\*\\themedata 504b0304}{\\*\\colorschememapping 3c3f786d6c}{\\*\\latentstyles\\lsdstimax376"
    "{\\lsdlockedexcept \\lsdqformat1 Normal;}}{\\*\\datastore 0105000002000000}}\r\n";

inline base::text::LineList SampleRecords()
{
    return {
        formats::diary::DayRecord(2024, 1, 5, 1, "Greek", GreekBody),
        formats::diary::DayRecord(2024, 1, 6, 2, "Cyrillic", CyrillicBody),
        formats::diary::DayRecord(2024, 1, 7, 3, "", UnicodeBody),
        formats::diary::DayRecord(2024, 1, 8, 4, "Table", TableBody),
        formats::diary::DayRecord(2024, 1, 9, 5, "Word", WordProcessorBody),
    };
}

inline formats::rtfexport::ExportOptions Options(int codePage = 1252)
{
    formats::rtfexport::ExportOptions options;
    options.CodePage = codePage;
    options.BodyFont.Font = "Arial";
    options.BodyFont.HalfPoints = 20;
    options.BodyFont.Color = 0x000080;
    options.ShortDate = [](int year, int month, int day) {
        return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
    };
    return options;
}

} // namespace export_test
