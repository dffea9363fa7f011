// daybrook-make-dictionary WORDLIST OUTPUT: writes the spell checker's master dictionary from a
// UTF-8 word list with one word a line, in code page 1252 with CR LF line ends.
#include "base/io/SafeFile.h"
#include "formats/wordlists/DictionaryFile.h"

#include <cstdio>

using base::io::ReadWhole;
using base::io::WriteWhole;
using formats::wordlists::DictionaryFromWordList;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: daybrook-make-dictionary WORDLIST OUTPUT\n");
        return 2;
    }
    const auto words = ReadWhole(argv[1]);
    if (!words) {
        std::fprintf(stderr, "daybrook-make-dictionary: cannot read the word list %s (package wamerican)\n",
                     argv[1]);
        return 1;
    }
    if (const auto written = WriteWhole(argv[2], DictionaryFromWordList(*words, 1252)); !written) {
        std::fprintf(stderr, "daybrook-make-dictionary: %s\n", written.Message().c_str());
        return 1;
    }
    return 0;
}
