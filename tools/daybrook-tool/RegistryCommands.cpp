// import-registry: brings the program's settings and the birthday list over from an export of
// the Windows registry editor into the settings file.
#include "Command.h"

#include "base/io/SafeFile.h"
#include "formats/birthdays/BirthdayStream.h"
#include "model/birthdays/BirthdayBook.h"
#include "platform/locale/DiaryCodePage.h"

#include <algorithm>
#include <array>
#include <iostream>

using base::io::ReadWhole;
using base::result::Fail;
using base::result::Status;
using formats::birthdays::ReadEntryStream;
using model::birthdays::MaxStoredBytes;
using platform::locale::DiaryCodePage;
using platform::registry::ParseRegText;
using platform::registry::RegData;
using platform::registry::Registry;
using platform::registry::RegKey;
using platform::registry::RegNamedValue;
using platform::registry::RegType;

namespace tool {
namespace {

const std::string UserHive = "HKEY_CURRENT_USER\\";
// The program's two keys below the hive.
const std::array<std::string, 2> ProgramKeys{"SOFTWARE\\Kestrine\\DBK", "Software\\Kestrine\\BirthDay"};

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The path below HKEY_CURRENT_USER when the key is one of the program's two; nothing otherwise.
std::optional<std::string> ProgramKey(const std::string& path)
{
    if (path.size() <= UserHive.size() || !SameText(path.substr(0, UserHive.size()), UserHive))
        return std::nullopt;
    const std::string below = path.substr(UserHive.size());
    for (const std::string& key : ProgramKeys)
        if (SameText(below, key))
            return below;
    return std::nullopt;
}

struct ImportValue {
    std::string Key; // below HKEY_CURRENT_USER
    RegNamedValue Value;
};

// The birthday list of the export must read whole, or it would replace a sound list with a
// damaged one.
std::optional<std::string> BirthdayListFault(const ImportValue& value)
{
    if (!SameText(value.Key, ProgramKeys[1]) || !SameText(value.Value.Name, "Data"))
        return std::nullopt;
    const RegData& data = value.Value.Data;
    if (data.Type != RegType::Binary || data.Bytes.size() > MaxStoredBytes)
        return "Invalid data type for 'Data'";
    if (data.Bytes.empty())
        return std::nullopt;
    const Status read = ReadEntryStream(data.Bytes, DiaryCodePage()).Status;
    return read ? std::nullopt : std::optional(read.Message());
}

int ImportRegistry(const Arguments& arguments)
{
    const bool dryRun = std::find(arguments.begin(), arguments.end(), "--dry-run") != arguments.end();
    if (arguments.size() != (dryRun ? 2u : 1u))
        return UsageError("import-registry", "import-registry takes [--dry-run] and one FILE.reg");
    const std::string& file = dryRun && arguments[0] == "--dry-run" ? arguments[1] : arguments[0];
    const auto text = ReadWhole(file);
    if (!text)
        return Fail(file, text.Error());
    const auto document = ParseRegText(*text);
    if (!document)
        return Fail(ExitData, file + ": " + document.Message());

    std::vector<ImportValue> values;
    size_t otherKeys = 0;
    size_t otherValues = 0;
    for (const RegKey& key : document->Keys()) {
        const auto path = ProgramKey(key.Path);
        if (!path) {
            ++otherKeys;
            otherValues += key.Values.size();
            continue;
        }
        for (const RegNamedValue& value : key.Values)
            values.push_back({*path, value});
    }
    for (const ImportValue& value : values)
        if (const auto fault = BirthdayListFault(value))
            return Fail(ExitData,
                        file + ": the birthday list cannot be read (" + *fault + "); nothing was imported");

    Registry registry(SettingsStore());
    size_t changed = 0;
    registry.BeginUpdate();
    for (const ImportValue& value : values) {
        (void)registry.OpenKey(value.Key, true); // one of the program's keys, a valid path
        const auto stored = registry.ReadValue(value.Value.Name);
        const char* state = !stored ? "new" : *stored == value.Value.Data ? "unchanged" : "changed";
        std::cout << UserHive << value.Key << "\\"
                  << (value.Value.Name.empty() ? "@" : ForTerminal(value.Value.Name)) << " (" << state
                  << ")\n";
        if (stored && *stored == value.Value.Data)
            continue;
        ++changed;
        if (!dryRun)
            (void)registry.WriteValue(value.Value.Name, value.Value.Data); // only noted until EndUpdate
    }
    if (const auto written = dryRun ? Status() : registry.EndUpdate(); !written)
        return Fail(ExitIo, "the settings file could not be written (" + written.Message() +
                                "); nothing was imported");
    std::cout << changed << (dryRun ? " values would be set, " : " values set, ") << values.size() - changed
              << " unchanged; " << otherKeys << " other keys with " << otherValues << " values ignored\n";
    return 0;
}

DAYBROOK_TOOL_COMMAND(
    "import-registry", "import-registry [--dry-run] FILE.reg",
    "Merges the program's settings and birthday list from a Windows registry export.",
    "FILE.reg is what the Windows registry editor exports (\"Windows Registry Editor Version\n"
    "5.00\" in UTF-16, or REGEDIT4). The values of the keys HKEY_CURRENT_USER\\SOFTWARE\\Kestrine\\DBK\n"
    "and HKEY_CURRENT_USER\\Software\\Kestrine\\BirthDay are written into the settings file\n"
    "(DAYBROOK_REGISTRY, else ~/.config/daybrook/registry.reg) in one safe write; values it holds\n"
    "already under other names stay. Other keys are ignored and counted. Each value is listed\n"
    "as new, changed or unchanged; --dry-run lists them and writes nothing. Text is converted\n"
    "to the code page (DAYBROOK_CODEPAGE, else the locale's): an export holding text it cannot\n"
    "hold, or a birthday list that cannot be read whole, is refused (exit status 65).\n",
    ImportRegistry);

} // namespace
} // namespace tool
