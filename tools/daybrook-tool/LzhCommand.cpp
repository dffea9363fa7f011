// lzh: the raw codec of the diary file, on whole files.
#include "Command.h"

#include "formats/codec/LzhCompressor.h"
#include "base/io/SafeFile.h"

#include <iostream>

namespace tool {
namespace {

int Lzh(const Arguments& arguments)
{
    if (arguments.size() != 3 || (arguments[0] != "compress" && arguments[0] != "decompress"))
        return UsageError("lzh", "lzh takes compress or decompress, then IN and OUT");
    const bool compress = arguments[0] == "compress";
    const std::string& in = arguments[1];
    const std::string& out = arguments[2];

    std::string bytes;
    switch (safefile::ReadWhole(in, bytes)) {
    case safefile::ReadResult::Missing:
        return Fail(ExitIo, in + ": no such file");
    case safefile::ReadResult::Failed:
        return Fail(ExitIo, in + ": cannot be read");
    case safefile::ReadResult::Done:
        break;
    }
    MemoryStream source(std::move(bytes));
    MemoryStream dest;
    try {
        if (compress)
            LzhCompressor::Compress(source, dest);
        else
            LzhCompressor::Decompress(source, dest);
    } catch (const LzhError& error) {
        return Fail(ExitData, in + ": " + error.what());
    }
    if (const auto failure = safefile::WriteWhole(out, dest.Bytes()))
        return Fail(ExitIo, *failure);
    return 0;
}

DAYBROOK_TOOL_COMMAND("lzh", "lzh compress|decompress IN OUT", "Runs the diary's LZH codec on a whole file.",
                      "compress writes the 4-byte length header and the coded bits of IN to OUT; decompress\n"
                      "reverses it. The diary file holds such a stream after its 12-byte header. Exit status\n"
                      "65 when IN is not a stream the codec can decode, 74 when a file cannot be read or\n"
                      "written.\n",
                      Lzh);

} // namespace
} // namespace tool
