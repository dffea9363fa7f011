// check, list, dump and copy: the commands that read a diary file of either format.
#include "Command.h"

#include "base/io/SafeFile.h"
#include "formats/diary/DayRecords.h"

#include <iostream>

using base::io::ReadWhole;
using base::result::Fail;
using base::result::Status;
using base::text::JoinLines;
using base::text::LineList;
using base::text::SplitLines;
using formats::diary::CheckSealedImage;
using formats::diary::DayParts;
using formats::diary::DiaryLock;
using formats::diary::IsSealedImage;
using formats::diary::ParseDayRecord;
using formats::diary::ParseDiaryImage;
using formats::diary::SaveDiaryFile;
using formats::diary::SealedVersion;

namespace tool {
namespace {

// What can be told of a sealed file without its password.
int CheckSealed(const std::string& file, const std::string& image)
{
    const auto header = CheckSealedImage(image);
    if (!header)
        return Fail(file, header.Error());
    const bool zstd = header->Version == SealedVersion::Zstd;
    std::cout << file << ": sound sealed diary file, version " << static_cast<int>(header->Version)
              << (zstd ? " (zstd)" : " (LZH)") << ", " << image.size()
              << " bytes on disk, key derived with Argon2id (" << header->Kdf.Passes << " passes over "
              << header->Kdf.MemoryKiB << " KiB); its records need the password\n";
    return ExitDone;
}

int Check(const Arguments& arguments)
{
    if (arguments.size() != 1)
        return UsageError("check", "check takes one FILE");
    const std::string& file = arguments[0];
    const auto image = ReadWhole(file);
    if (!image)
        return Fail(file, image.Error());
    if (IsSealedImage(*image))
        return CheckSealed(file, *image);
    const auto content = ParseDiaryImage(*image);
    if (!content)
        return Fail(file, content.Error());
    std::cout << file << ": sound plain diary file, " << SplitLines(content->Records).size() << " records, "
              << image->size() << " bytes on disk, " << content->Records.size() << " bytes of records\n";
    return ExitDone;
}

void PrintRecordSummary(const std::string& line)
{
    const DayParts parts = ParseDayRecord(line);
    const std::string key = line.substr(0, 8); // as it stands, whether or not it is a date
    std::cout << key.substr(0, 4) << '-' << key.substr(4, 2) << '-' << key.substr(6, 2) << '\t'
              << parts.Mood.value_or(0) << '\t' << ForTerminal(parts.Title) << '\n';
}

int List(const Arguments& arguments)
{
    if (arguments.size() != 1)
        return UsageError("list", "list takes one FILE");
    std::string password;
    LineList lines;
    if (const int status = LoadWithPassword(arguments[0], lines, password); status != 0)
        return status;
    for (const auto& line : lines)
        PrintRecordSummary(line);
    return ExitDone;
}

int Dump(const Arguments& arguments)
{
    if (arguments.size() != 1)
        return UsageError("dump", "dump takes one FILE");
    std::string password;
    LineList lines;
    if (const int status = LoadWithPassword(arguments[0], lines, password); status != 0)
        return status;
    const std::string text = JoinLines(lines);
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    return std::cout.flush() ? ExitDone : Fail(ExitIo, "cannot write to standard output");
}

int Copy(const Arguments& arguments)
{
    if (arguments.size() != 2)
        return UsageError("copy", "copy takes FILE and OUT");
    std::string password;
    LineList lines;
    DiaryLock lock;
    if (const int status = LoadWithPassword(arguments[0], lines, password, lock); status != 0)
        return status;
    if (const Status saved = SaveDiaryFile(arguments[1], lines, lock); !saved)
        return Fail(ExitStatus(saved.Error()), arguments[1] + ": " + saved.Message() + " (any previous file is unchanged)");
    std::cout << "copied " << lines.size() << " records to " << arguments[1] << '\n';
    return ExitDone;
}

DAYBROOK_TOOL_COMMAND(
    "check", "check FILE", "Checks a diary file's structure and checksum; needs no password.",
    "Reads the whole file and tells its format. A plain file (\"DRY1\"): checks the checksum\n"
    "and decodes the payload. A sealed file (\"DRYS\"): checks its version, checksum and\n"
    "key-derivation parameters; its records stay sealed. The exit status is the load\n"
    "result: 0 sound, 1 no such file, 2 unreadable, 4 not a diary file or damaged.\n",
    Check);
DAYBROOK_TOOL_COMMAND(
    "list", "list FILE", "Lists the date, mood and title of each entry.",
    "One line per entry in file order: the date (YYYY-MM-DD), the mood number (0-9) and the\n"
    "title, separated by tabs. Needs the password.\n",
    List);
DAYBROOK_TOOL_COMMAND("dump", "dump FILE", "Writes the raw record lines to standard output.",
                      "Writes the records exactly as the diary stores them: one line per entry, each ending\n"
                      "in CR LF, in the diary's code page. Needs the password.\n",
                      Dump);
DAYBROOK_TOOL_COMMAND(
    "copy", "copy FILE OUT", "Loads a diary and saves it again to OUT with the same password.",
    "The copy keeps the diary's format. A plain file this program wrote comes out byte for\n"
    "byte the same; a sealed one keeps its key (a fresh nonce makes its bytes differ). OUT\n"
    "is replaced safely: a failed copy leaves any previous OUT as it was. Needs the password.\n",
    Copy);

} // namespace
} // namespace tool
