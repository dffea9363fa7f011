#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <map>
#include <new>
#include <algorithm>
#include <random>

namespace bench {

namespace {

std::atomic<size_t> inUse{0};
std::atomic<size_t> peak{0};

void Allocated(void* p)
{
    if (p == nullptr)
        return;
    const size_t now = inUse.fetch_add(malloc_usable_size(p), std::memory_order_relaxed) + malloc_usable_size(p);
    size_t seen = peak.load(std::memory_order_relaxed);
    while (now > seen && !peak.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
    }
}

void Freed(void* p)
{
    if (p != nullptr)
        inUse.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
}

std::vector<std::pair<std::string, std::string>>& Ratios()
{
    static std::vector<std::pair<std::string, std::string>> ratios;
    return ratios;
}

// Passes every result to the console and keeps the time per iteration of each.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        bool first = true;
        for (const auto& [benchmark, yardstick] : Ratios()) {
            const auto b = times_.find(benchmark);
            const auto y = times_.find(yardstick);
            if (b == times_.end() || y == times_.end() || y->second <= 0)
                continue;
            if (first)
                std::printf("\nTime against the yardstick (below 1 is faster):\n");
            first = false;
            std::printf("  %-44s %6.2f x  %s\n", benchmark.c_str(), b->second / y->second, yardstick.c_str());
        }
    }

private:
    std::map<std::string, double> times_;
};

// A vocabulary of made-up words of two to four syllables; word i is drawn with a probability
// falling as 1 / (i + 1), as words of a natural language are.
const std::vector<std::string>& Vocabulary()
{
    static const std::vector<std::string> words = [] {
        static const char* const syllables[] = {"ta", "ron", "mi", "e", "sel", "ka", "den", "lo", "vi",  "ar",
                                                "nu", "bes", "o", "tri", "ga", "ul", "pen", "sa", "dor", "i"};
        std::mt19937 random(5);
        std::vector<std::string> all;
        for (int i = 0; i < 6000; ++i) {
            std::string word;
            for (unsigned n = 2 + random() % 3; n > 0; --n)
                word += syllables[random() % std::size(syllables)];
            all.push_back(word);
        }
        return all;
    }();
    return words;
}

const std::string& ZipfWord(std::mt19937& random)
{
    static const std::vector<double> cumulative = [] {
        std::vector<double> sums;
        double sum = 0;
        for (size_t i = 0; i < Vocabulary().size(); ++i)
            sums.push_back(sum += 1.0 / static_cast<double>(i + 1));
        return sums;
    }();
    const double pick = std::uniform_real_distribution<double>(0, cumulative.back())(random);
    const auto at = std::lower_bound(cumulative.begin(), cumulative.end(), pick) - cumulative.begin();
    return Vocabulary()[static_cast<size_t>(at)];
}


} // namespace

Ratio::Ratio(std::string benchmark, std::string yardstick)
{
    Ratios().emplace_back(std::move(benchmark), std::move(yardstick));
}

size_t HeapInUse()
{
    return inUse.load();
}

size_t HeapPeak()
{
    return peak.load();
}

void ResetPeak()
{
    peak.store(inUse.load());
}

std::string DiaryBody(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string body = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
                       "Arial;}}\r\n{\\colortbl ;\\red0\\green0\\blue128;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    size_t line = 0;
    while (body.size() + 8 < size) {
        std::string word = ZipfWord(random);
        if (random() % 11 == 0)
            word = "\\b " + word + "\\b0";
        else if (random() % 13 == 0)
            word = "\\cf1 " + word + "\\cf0";
        body += word;
        body += random() % 9 == 0 ? ". " : " ";
        if (++line % 14 == 0)
            body += "\\par\r\n";
    }
    body += "\\par\r\n}\r\n";
    return body;
}

std::vector<std::string> DiaryRecords(size_t count, size_t bodySize)
{
    std::vector<std::string> records;
    records.reserve(count);
    int year = 2015, month = 1, day = 1;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (size_t i = 0; i < count; ++i) {
        char key[64];
        std::snprintf(key, sizeof key, "%04d%02d%02d%d", year, month, day, static_cast<int>(i % 10));
        std::string body = DiaryBody(bodySize, static_cast<unsigned>(i));
        std::string line = key + std::string("Day ") + std::to_string(i) + "@@";
        for (size_t at = 0; (at = body.find("\r\n", at)) != std::string::npos;)
            body.replace(at, 2, "@@");
        records.push_back(line + body);
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        if (++day > days[month - 1] + (month == 2 && leap ? 1 : 0)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return records;
}

} // namespace bench

void* operator new(size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    bench::Allocated(p);
    return p;
}

void operator delete(void* p) noexcept
{
    bench::Freed(p);
    std::free(p);
}

void operator delete(void* p, size_t) noexcept
{
    bench::Freed(p);
    std::free(p);
}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
