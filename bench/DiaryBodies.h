// Diary bodies for the benchmarks: RTF in the Windows control's shape, about 2 KB each, and a
// ten-year diary of 3,650 records built from them.
#pragma once

#include "platform/locale/Collation.h"
#include "formats/diary/DayRecords.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace bench {

// Documents and widgets need an application object; benchmarks run without a screen.
inline void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "daybrook-bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// The processor time this thread spends in f, in seconds: the yardsticks measured once per run
// are timed so, since the machine is shared.
template <class F>
double ThreadSeconds(F&& f)
{
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    f();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    return static_cast<double>(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
}

inline std::string MakeBody(int variant)
{
    static const char* const words[] = {"morning", "walked", "river", "coffee", "letter",  "garden", "quiet",
                                        "friends", "rain",   "train", "book",   "evening", "laughed", "tired"};
    std::string body = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                       "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n{\\colortbl ;\\red0\\green0\\blue128;}\r\n"
                       "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    unsigned state = static_cast<unsigned>(variant) * 2654435761u + 17;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    };
    // Formatting changes, paragraph ends and a code-page character now and then.
    static const char* const codes[] = {"\\b ", "\\b0 ", "\\cf1 ", "\\cf0 ", "\\par\r\n", "caf\\'e9 ", "\\i ", "\\i0 "};
    while (body.size() < 1950) {
        if (const unsigned kind = next() % 40; kind < std::size(codes))
            body += codes[kind];
        body += words[next() % std::size(words)];
        body += next() % 9 == 0 ? ". " : " ";
    }
    body += "\\par\r\n}\r\n";
    return body;
}

// 3,650 days from 1 January 2010 with a record each, sorted.
inline formats::diary::DiaryRecords TenYearDiary()
{
    formats::diary::DiaryRecords diary(platform::locale::CompareText);
    diary.Text.SetSorted(true);
    base::text::LineList lines;
    int year = 2010, month = 1, day = 1;
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int i = 0; i < 3650; ++i) {
        lines.push_back(formats::diary::DayRecord(year, month, day, i % 10, "Day " + std::to_string(i),
                                                  MakeBody(i % 50)));
        if (++day > lengths[month - 1]) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    diary.Text.SetLines(std::move(lines));
    return diary;
}

} // namespace bench
