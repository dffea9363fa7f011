// Shared pieces of the benchmarks: ratios against a yardstick run in the same process, the
// peak of heap memory, and synthetic diary data.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

// After the run, prints how the benchmark's time per iteration compares with the yardstick's.
// Both are full benchmark names as Google Benchmark prints them.
struct Ratio {
    Ratio(std::string benchmark, std::string yardstick);
};

// Heap bytes in use now, and the most in use since the last ResetPeak.
size_t HeapInUse();
size_t HeapPeak();
void ResetPeak();

// Diary-like RTF bodies as the rich-edit control writes them (CR LF line ends), about
// `size` bytes each, different for each seed.
std::string DiaryBody(size_t size, unsigned seed);

// Day records of consecutive days from 2015-01-01, each with a body of about bodySize bytes.
std::vector<std::string> DiaryRecords(size_t count, size_t bodySize);

} // namespace bench
