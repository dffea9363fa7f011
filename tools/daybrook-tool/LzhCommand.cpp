// lzh: the raw codec of the diary file, on whole files.
#include "Command.h"

#include "formats/codec/LzhCompressor.h"
#include "base/io/SafeFile.h"

#include <iostream>

using base::io::MemoryStream;
using base::io::ReadWhole;
using base::io::WriteWhole;
using base::result::Fail;
using base::result::Status;
using formats::codec::LzhCompressor;

namespace tool {
namespace {

int Lzh(const Arguments& arguments)
{
    if (arguments.size() != 3 || (arguments[0] != "compress" && arguments[0] != "decompress"))
        return UsageError("lzh", "lzh takes compress or decompress, then IN and OUT");
    const bool compress = arguments[0] == "compress";
    const std::string& in = arguments[1];
    const std::string& out = arguments[2];

    auto bytes = ReadWhole(in);
    if (!bytes)
        return Fail(ExitIo, in + ": " + bytes.Message());
    MemoryStream source(std::move(*bytes));
    MemoryStream dest;
    if (compress)
        LzhCompressor::Compress(source, dest);
    else if (const Status decoded = LzhCompressor::Decompress(source, dest); !decoded)
        return Fail(ExitData, in + ": " + decoded.Message());
    if (const Status written = WriteWhole(out, dest.Bytes()); !written)
        return Fail(ExitIo, written.Message());
    return ExitDone;
}

DAYBROOK_TOOL_COMMAND("lzh", "lzh compress|decompress IN OUT", "Runs the diary's LZH codec on a whole file.",
                      "compress writes the 4-byte length header and the coded bits of IN to OUT; decompress\n"
                      "reverses it. The diary file holds such a stream after its 12-byte header. Exit status\n"
                      "65 when IN is not a stream the codec can decode, 74 when a file cannot be read or\n"
                      "written.\n",
                      Lzh);

} // namespace
} // namespace tool
