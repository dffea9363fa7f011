// daybrook-make-dictionary WORDLIST OUTPUT: writes the spell checker's master dictionary from a
// UTF-8 word list with one word a line, in code page 1252 with CR LF line ends.
#include "base/io/SafeFile.h"
#include "formats/wordlists/DictionaryFile.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: daybrook-make-dictionary WORDLIST OUTPUT\n");
        return 2;
    }
    const auto words = safefile::ReadWhole(argv[1]);
    if (!words) {
        std::fprintf(stderr, "daybrook-make-dictionary: cannot read the word list %s (package wamerican)\n",
                     argv[1]);
        return 1;
    }
    if (const auto written = safefile::WriteWhole(argv[2], spell::DictionaryFromWordList(*words, 1252)); !written) {
        std::fprintf(stderr, "daybrook-make-dictionary: %s\n", written.Message().c_str());
        return 1;
    }
    return 0;
}
