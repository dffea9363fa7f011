// The diary file's codec and the whole-diary load and save, with zlib level 6 on the same data
// as the yardstick.
#include "BenchSupport.h"

#include "formats/diary/DiaryFile.h"
#include "formats/codec/LzhCompressor.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <filesystem>
#include <random>
#include <unistd.h>

using base::io::MemoryStream;
using base::text::JoinLines;
using formats::codec::LzhCompressor;
using formats::diary::LoadDiary;
using formats::diary::SaveDiary;

namespace {

constexpr size_t Megabyte = 1 << 20;

const std::string& Text()
{
    static const std::string text = [] {
        std::string all;
        for (unsigned seed = 0; all.size() < Megabyte; ++seed)
            all += bench::DiaryBody(1500, seed);
        all.resize(Megabyte);
        return all;
    }();
    return text;
}

const std::string& Random()
{
    static const std::string bytes = [] {
        std::mt19937 random(1);
        std::string all(Megabyte, '\0');
        for (auto& c : all)
            c = static_cast<char>(random());
        return all;
    }();
    return bytes;
}

const std::string& Data(int which)
{
    return which == 0 ? Text() : Random();
}

std::string Compressed(const std::string& plain)
{
    MemoryStream source(plain);
    MemoryStream dest;
    LzhCompressor::Compress(source, dest);
    return dest.Bytes();
}

void Compress(benchmark::State& state)
{
    const std::string& plain = Data(static_cast<int>(state.range(0)));
    size_t size = 0;
    for (auto _ : state) {
        MemoryStream source(plain);
        MemoryStream dest;
        LzhCompressor::Compress(source, dest);
        size = dest.Size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
    state.counters["ratio"] = static_cast<double>(size) / static_cast<double>(plain.size());
}

void Decompress(benchmark::State& state)
{
    const std::string& plain = Data(static_cast<int>(state.range(0)));
    const std::string packed = Compressed(plain);
    for (auto _ : state) {
        MemoryStream source(packed);
        MemoryStream dest;
        benchmark::DoNotOptimize(LzhCompressor::Decompress(source, dest).Ok());
        benchmark::DoNotOptimize(dest.Bytes().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
}

void ZlibCompress(benchmark::State& state)
{
    const std::string& plain = Data(static_cast<int>(state.range(0)));
    std::string out(compressBound(plain.size()), '\0');
    uLongf size = 0;
    for (auto _ : state) {
        size = out.size();
        compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(plain.data()),
                  plain.size(), 6);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
    state.counters["ratio"] = static_cast<double>(size) / static_cast<double>(plain.size());
}

void ZlibDecompress(benchmark::State& state)
{
    const std::string& plain = Data(static_cast<int>(state.range(0)));
    std::string packed(compressBound(plain.size()), '\0');
    uLongf packedSize = packed.size();
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(plain.data()),
              plain.size(), 6);
    std::string out(plain.size(), '\0');
    for (auto _ : state) {
        uLongf size = out.size();
        uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(packed.data()),
                   packedSize);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * plain.size()));
}

BENCHMARK(Compress)->Arg(0)->Arg(1)->ArgName("random")->Unit(benchmark::kMillisecond);
BENCHMARK(ZlibCompress)->Arg(0)->Arg(1)->ArgName("random")->Unit(benchmark::kMillisecond);
BENCHMARK(Decompress)->Arg(0)->Arg(1)->ArgName("random")->Unit(benchmark::kMillisecond);
BENCHMARK(ZlibDecompress)->Arg(0)->Arg(1)->ArgName("random")->Unit(benchmark::kMillisecond);

const bench::Ratio Ratios[] = {
    {"Compress/random:0", "ZlibCompress/random:0"},
    {"Compress/random:1", "ZlibCompress/random:1"},
    {"Decompress/random:0", "ZlibDecompress/random:0"},
    {"Decompress/random:1", "ZlibDecompress/random:1"},
};

// A ten-year diary: 3,650 records with bodies of about 1.5 KB.
const std::vector<std::string>& TenYears()
{
    static const std::vector<std::string> records = bench::DiaryRecords(3650, 1500);
    return records;
}

std::filesystem::path BenchFile(const char* name)
{
    return std::filesystem::temp_directory_path() / ("daybrook-bench-" + std::to_string(::getpid()) + name);
}

void SaveTenYearDiary(benchmark::State& state)
{
    const auto file = BenchFile("-save.dry");
    for (auto _ : state)
        if (!SaveDiary(file, TenYears(), "password"))
            state.SkipWithError("save failed");
    state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(file)) / 1024;
    std::filesystem::remove(file);
}

void LoadTenYearDiary(benchmark::State& state)
{
    const auto file = BenchFile("-load.dry");
    if (!SaveDiary(file, TenYears(), "password"))
        state.SkipWithError("save failed");
    const size_t plainSize = JoinLines(TenYears()).size() + 9;
    size_t peak = 0;
    for (auto _ : state) {
        const size_t before = bench::HeapInUse();
        bench::ResetPeak();
        if (!LoadDiary(file, "password"))
            state.SkipWithError("load failed");
        peak = bench::HeapPeak() - before;
    }
    state.counters["plain_MB"] = static_cast<double>(plainSize) / Megabyte;
    state.counters["peak_x_plain"] = static_cast<double>(peak) / static_cast<double>(plainSize);
    std::filesystem::remove(file);
}

BENCHMARK(SaveTenYearDiary)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTenYearDiary)->Unit(benchmark::kMillisecond);

} // namespace
