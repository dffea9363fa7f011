// seal and unseal: a diary written again in the other format, with the same password.
#include "Command.h"

#include <iostream>

using base::result::Fail;
using base::result::Status;
using base::text::LineList;
using formats::diary::DiaryLock;
using formats::diary::PlainLock;
using formats::diary::SaveDiaryFile;
using formats::diary::SealedLock;
using formats::diary::WipeBytes;

namespace tool {
namespace {

// Loads FILE and writes its records to OUT with the lock that makeLock gives for the password.
template <typename TMakeLock>
int Rewrite(const std::string& command, const Arguments& arguments, TMakeLock makeLock)
{
    if (arguments.size() != 2)
        return UsageError(command, command + " takes FILE and OUT");
    std::string password;
    LineList lines;
    if (const int status = LoadWithPassword(arguments[0], lines, password); status != 0)
        return status;
    const DiaryLock lock = makeLock(password);
    WipeBytes(password);
    if (const Status saved = SaveDiaryFile(arguments[1], lines, lock); !saved)
        return Fail(ExitStatus(saved.Error()), arguments[1] + ": " + saved.Message() + " (any previous file is unchanged)");
    std::cout << command << "ed " << lines.size() << " records into " << arguments[1] << '\n';
    return ExitDone;
}

int Seal(const Arguments& arguments)
{
    return Rewrite("seal", arguments, [](const std::string& password) { return SealedLock(password); });
}

int Unseal(const Arguments& arguments)
{
    return Rewrite("unseal", arguments, [](const std::string& password) { return PlainLock(password); });
}

DAYBROOK_TOOL_COMMAND(
    "seal", "seal FILE OUT", "Writes a diary to OUT as a sealed (enciphered) diary file.",
    "Loads FILE (plain or sealed) with the password and writes its records to OUT sealed\n"
    "with a key derived anew from the same password: Argon2id, XChaCha20-Poly1305, no\n"
    "password stored (docs/sealed-format.md). OUT is replaced safely; FILE is not changed.\n",
    Seal);
DAYBROOK_TOOL_COMMAND("unseal", "unseal FILE OUT", "Writes a diary to OUT as a plain diary file.",
                      "Loads FILE (plain or sealed) with the password and writes its records to OUT in the\n"
                      "plain format, which keeps the password inside and any copy of the program reads.\n"
                      "OUT is replaced safely; FILE is not changed.\n",
                      Unseal);

} // namespace
} // namespace tool
