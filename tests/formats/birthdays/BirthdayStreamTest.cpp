// The stored format of the birthday list, byte for byte: the reference files, and streams
// built here from the byte layout itself.
#include "formats/birthdays/BirthdayStream.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace base::result;
using namespace formats::birthdays;

using testing_support::ReadBytes;
using testing_support::VectorPath;

namespace {

std::string Le32(uint32_t value)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

std::string Bytes(const char* text, size_t size)
{
    return std::string(text, size);
}

// A whole stream around the bytes of the entries, as the layout describes it.
std::string StreamOf(const std::string& items)
{
    const std::string body = "TPF0" +
                             Bytes("\x0FTEntryComponent\x00\x07"
                                   "Entries\x0E",
                                   26) +
                             items + Bytes("\x00\x00\x00", 3);
    return Bytes("\xFF\x0A\x00TENTRYCOMPONENT\x00\x30\x10", 21) + Le32(static_cast<uint32_t>(body.size())) +
           body;
}

std::string ShortString(const std::string& text)
{
    return static_cast<char>(text.size()) + text;
}

// 27474 days: 21 March 1975.
const std::string Date27474 = Bytes("\x00\x00\x00\x00\x00\x00\xA4\xD6\x0D\x40", 10);

std::string Written(const std::vector<EntryValues>& entries, int codePage = 1252)
{
    EntryStreamWriter writer(codePage);
    for (const auto& entry : entries)
        writer.Add(entry);
    return writer.Finish();
}

std::vector<EntryValues> ReferenceEntries()
{
    return {
        {"Anna Berg", 27474.0, -1, ""},
        {"Unknown year", -327197.0, -1, "Leap day, year not known"},
        {"Icon small", 33238.0, 5, "two\r\nlines"},
        {"Icon mid", 36892.0, -300, ""},
        {"Icon wide", 22101.0, 100000, std::string(300, 'x')},
        {"", 0.0, -1, ""},
    };
}

// The message of the stream's fault; empty when it was read whole.
std::string FaultOf(const StreamContent& content)
{
    return content.Status ? std::string() : content.Status.Message();
}

} // namespace

TEST(BirthdayStream, ReferenceFilesReadToTheirEntriesAndAreWrittenBackByteForByte)
{
    const std::string entries = ReadBytes(VectorPath("birthdays/entries.bbk"));
    const StreamContent read = ReadEntryStream(entries, 1252);
    EXPECT_EQ(FaultOf(read), "");
    EXPECT_TRUE(read.ReplacesList);
    EXPECT_EQ(read.Entries, ReferenceEntries());
    EXPECT_EQ(Written(read.Entries), entries);

    const std::string greek = ReadBytes(VectorPath("birthdays/greek-cp1253.bbk"));
    const StreamContent greekRead = ReadEntryStream(greek, 1253);
    ASSERT_EQ(FaultOf(greekRead), "");
    ASSERT_EQ(greekRead.Entries.size(), 1u);
    // "Νίκος Παπαδόπουλος" in code page 1253.
    EXPECT_EQ(greekRead.Entries[0].FullName,
              "\xCD\xDF\xEA\xEF\xF2 \xD0\xE1\xF0\xE1\xE4\xFC\xF0\xEF\xF5\xEB\xEF\xF2");
    EXPECT_EQ(greekRead.Entries[0].BirthDate, 30178.0);
    EXPECT_EQ(Written(greekRead.Entries, 1253), greek);

    const std::string empty = ReadBytes(VectorPath("birthdays/empty.bbk"));
    const StreamContent emptyRead = ReadEntryStream(empty, 1252);
    EXPECT_EQ(FaultOf(emptyRead), "");
    EXPECT_FALSE(emptyRead.ReplacesList);
    EXPECT_TRUE(emptyRead.Entries.empty());
    EXPECT_EQ(Written({}), empty);
}

TEST(BirthdayStream, EachPropertyIsWrittenOnlyAwayFromItsDefaultInTheSmallestKind)
{
    EXPECT_EQ(Written({}), StreamOf(""));
    EXPECT_EQ(Written({{}}), StreamOf(Bytes("\x01\x00", 2)));
    EXPECT_EQ(Written({{"Anna", 27474.0, -1, ""}}),
              StreamOf("\x01" + ShortString("FullName") + "\x06" + ShortString("Anna") +
                       ShortString("BirthDate") + "\x05" + Date27474 + Bytes("\x00", 1)));

    const auto icon = [](int32_t value) {
        const std::string stream = Written({{"", 0, value, ""}});
        return stream.substr(25 + 31, stream.size() - 25 - 31 - 4); // between "\x01" and "\x00"
    };
    EXPECT_EQ(icon(-128), "\x04Icon\x02\x80");
    EXPECT_EQ(icon(127), "\x04Icon\x02\x7F");
    EXPECT_EQ(icon(128), Bytes("\x04Icon\x03\x80\x00", 8));
    EXPECT_EQ(icon(-129), "\x04Icon\x03\x7F\xFF");
    EXPECT_EQ(icon(32767), "\x04Icon\x03\xFF\x7F");
    EXPECT_EQ(icon(32768), Bytes("\x04Icon\x04\x00\x80\x00\x00", 10));
    EXPECT_EQ(icon(-32769), "\x04Icon\x04\xFF\x7F\xFF\xFF");
    EXPECT_EQ(icon(INT32_MIN), Bytes("\x04Icon\x04\x00\x00\x00\x80", 10));
    EXPECT_EQ(icon(-1), "");
}

TEST(BirthdayStream, TextIsShortLongOrUtf8ByLengthAndCharacters)
{
    const auto notes = [](const std::string& text, int codePage) {
        const std::string stream = Written({{"", 0, -1, text}}, codePage);
        return stream.substr(25 + 31 + 6, stream.size() - 25 - 31 - 6 - 4); // after "\x01" and "Notes"
    };
    EXPECT_EQ(notes(std::string(255, 'x'), 1252), "\x06\xFF" + std::string(255, 'x'));
    EXPECT_EQ(notes(std::string(256, 'x'), 1252), "\x0C" + Le32(256) + std::string(256, 'x'));
    // Greek "Νίκος" in code page 1253 is stored as UTF-8, however short.
    EXPECT_EQ(notes("\xCD\xDF\xEA\xEF\xF2", 1253),
              "\x14" + Le32(10) + "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82");
    EXPECT_EQ(notes("caf\xE9", 1252), "\x14" + Le32(5) + "caf\xC3\xA9");

    const StreamContent read =
        ReadEntryStream(Written({{"caf\xE9", 0, -1, std::string(300, '\xE9')}}), 1252);
    ASSERT_EQ(read.Entries.size(), 1u);
    EXPECT_EQ(read.Entries[0].FullName, "caf\xE9");
    EXPECT_EQ(read.Entries[0].Notes, std::string(300, '\xE9'));
}

TEST(BirthdayStream, DatesOfEveryKindSurviveTheExtendedNumber)
{
    for (const double date : {-327197.0, 2958465.0, 0.5, 4.9e-324}) {
        const StreamContent read = ReadEntryStream(Written({{"d", date, -1, ""}}), 1252);
        ASSERT_EQ(read.Entries.size(), 1u) << date;
        EXPECT_EQ(read.Entries[0].BirthDate, date);
    }
    // 1.0: significand 0x8000000000000000, exponent 16383.
    EXPECT_NE(Written({{"", 1.0, -1, ""}}).find(Bytes("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 11)),
              std::string::npos);
}

TEST(BirthdayStream, ReadingAlsoTakesItemIndexesNamedComponentsAndAnyLetterCase)
{
    std::string stream = StreamOf(Bytes("\x02\x00\x01", 3) + ShortString("fullname") + "\x06" +
                                  ShortString("A") + Bytes("\x00\x04\x01\x00\x00\x00\x01", 7) +
                                  ShortString("NOTES") + "\x0C" + Le32(1) + "n" + Bytes("\x00", 1));
    stream.replace(25 + 20, 1,
                   Bytes("\x03"
                         "Bob",
                         4)); // the component has a name
    const StreamContent read = ReadEntryStream(stream, 1252);
    EXPECT_EQ(FaultOf(read), "");
    ASSERT_EQ(read.Entries.size(), 2u);
    EXPECT_EQ(read.Entries[0].FullName, "A");
    EXPECT_EQ(read.Entries[1].Notes, "n");
}

TEST(BirthdayStream, TruncatedAndForeignStreamsAreRefusedWithTheFormatMessage)
{
    const std::string entries = ReadBytes(VectorPath("birthdays/entries.bbk"));
    const StreamContent end = ReadEntryStream(entries.substr(0, entries.size() - 3), 1252);
    EXPECT_EQ(FaultOf(end), "Invalid stream format");
    EXPECT_EQ(end.Status.Code(), Reason::Damaged);
    EXPECT_EQ(end.Entries, ReferenceEntries()) << "cut after the last entry's end, every entry is kept";
    // Cut inside the third entry: the two before it were read whole.
    const StreamContent cut = ReadEntryStream(entries.substr(0, 0xE0), 1252);
    EXPECT_EQ(FaultOf(cut), "Invalid stream format");
    ASSERT_EQ(cut.Entries.size(), 2u);
    EXPECT_EQ(cut.Entries[1], ReferenceEntries()[1]);
    EXPECT_TRUE(cut.ReplacesList);

    std::string other = entries;
    other[0] = '\xFE';
    EXPECT_EQ(FaultOf(ReadEntryStream(other, 1252)), "Invalid stream format");
    other = entries;
    other[28] = '1';
    EXPECT_EQ(FaultOf(ReadEntryStream(other, 1252)), "Invalid stream format");
    EXPECT_EQ(FaultOf(ReadEntryStream(entries.substr(0, 3), 1252)), "Invalid stream format");

    EXPECT_EQ(
        FaultOf(ReadEntryStream(StreamOf("\x01" + ShortString("Colour") + "\x02\x05" + Bytes("\x00", 1)), 1252)),
        "Property Colour does not exist");
    std::string component = StreamOf("");
    component.replace(25 + 21, 8, ShortString("Persons"));
    EXPECT_EQ(FaultOf(ReadEntryStream(component, 1252)), "Property Persons does not exist");
    // A date of another kind, a length beyond the end, an owned component.
    EXPECT_EQ(
        FaultOf(ReadEntryStream(StreamOf("\x01" + ShortString("BirthDate") + "\x02\x05" + Bytes("\x00", 1)), 1252)),
        "Invalid stream format");
    EXPECT_EQ(
        FaultOf(ReadEntryStream(StreamOf("\x01" + ShortString("Notes") + "\x0C" + Le32(0x7FFFFFF0) + "abc"), 1252)),
        "Invalid stream format");
    std::string child = StreamOf("");
    child.back() = '\x01';
    EXPECT_EQ(FaultOf(ReadEntryStream(child, 1252)), "Invalid stream format");
}

TEST(BirthdayStream, TextTheCodePageCannotHoldIsAFaultNotAQuestionMark)
{
    const std::string greek = ReadBytes(VectorPath("birthdays/greek-cp1253.bbk"));
    const StreamContent read = ReadEntryStream(greek, 1252);
    EXPECT_EQ(FaultOf(read), "A name or a note holds characters that code page 1252 cannot hold");
    EXPECT_EQ(read.Status.Code(), Reason::Refused);
    EXPECT_TRUE(read.Entries.empty());
    // An infinite or undefined date is no date at all.
    const std::string infinite = Bytes("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x7F", 10);
    EXPECT_EQ(FaultOf(ReadEntryStream(
                  StreamOf("\x01" + ShortString("BirthDate") + "\x05" + infinite + Bytes("\x00", 1)), 1252)),
              "Invalid stream format");
}
