// The spell checker: the first opening reads and sorts the whole master word list, later
// openings only look for the files and re-read the small custom one; lookups; and the steps of
// a pass from one unknown word of a long entry to the next, as the dialog takes them.
#include "DiaryBodies.h"

#include "base/io/SafeFile.h"
#include "widgets/editor/RichTextEdit.h"
#include "platform/locale/Collation.h"
#include "formats/wordlists/DictionaryFile.h"
#include "formats/wordlists/SpellDictionaries.h"
#include "windows/spell/SpellCheckDialog.h"
#include "support/ScriptedDialogs.h"
#include "widgets/services/Services.h"

#include <benchmark/benchmark.h>

#include <QPushButton>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <unistd.h>

using base::io::ReadWhole;
using base::io::WriteWhole;
using base::text::LineList;
using formats::wordlists::DictionaryFromWordList;
using formats::wordlists::SpellDictionaries;
using formats::wordlists::WordList;
using platform::environment::Environment;
using platform::locale::CollationKey;
using widgets::editor::RichTextEdit;
using widgets::services::Services;
using windows::spell::SpellCheckDialog;

namespace {

// A program folder holding English.dic made from the system word list and a Custom.dic of 50
// words.
class SpellFolder {
public:
    SpellFolder()
        : folder_(std::filesystem::temp_directory_path() /
                  ("daybrook-bench-spell-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
        const auto words = ReadWhole("/usr/share/dict/american-english");
        if (!words)
            throw std::runtime_error("no word list: install wamerican");
        Write("English.dic", DictionaryFromWordList(*words, 1252));
        std::string custom;
        for (int i = 0; i < 50; ++i)
            custom += "daybrookword" + std::to_string(i) + "\r\n";
        Write("Custom.dic", custom);
    }
    ~SpellFolder() { std::filesystem::remove_all(folder_); }
    const std::filesystem::path& Path() const { return folder_; }

private:
    void Write(const char* name, const std::string& bytes)
    {
        if (!WriteWhole(folder_ / name, bytes))
            throw std::runtime_error("cannot write the dictionaries");
    }

    std::filesystem::path folder_;
};

void Load(SpellDictionaries& dictionaries)
{
    if (!dictionaries.LoadDictionaries())
        throw std::runtime_error("cannot load the dictionaries");
}

void BM_LoadDictionariesFirst(benchmark::State& state)
{
    const SpellFolder folder;
    size_t words = 0;
    for (auto _ : state) {
        SpellDictionaries dictionaries(folder.Path(), CollationKey);
        benchmark::DoNotOptimize(dictionaries.LoadDictionaries().Ok());
        words = dictionaries.MasterDictionary().Count();
    }
    state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_LoadDictionariesFirst)->Unit(benchmark::kMillisecond);

void BM_LoadDictionariesAgain(benchmark::State& state)
{
    const SpellFolder folder;
    SpellDictionaries dictionaries(folder.Path(), CollationKey);
    Load(dictionaries);
    for (auto _ : state)
        benchmark::DoNotOptimize(dictionaries.LoadDictionaries().Ok());
}
BENCHMARK(BM_LoadDictionariesAgain)->Unit(benchmark::kMicrosecond);

// Words of the master list in mixed letter case, and as many misspelt ones.
std::vector<std::string> LookupWords(const WordList& master)
{
    std::vector<std::string> words;
    std::mt19937 random(7);
    for (size_t i = 0; i < 1000; ++i) {
        std::string word = master[random() % master.Count()];
        if (i % 3 == 1)
            word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
        if (i % 2 == 1)
            word = word.substr(0, word.size() / 2) + 'q' + word.substr(word.size() / 2);
        words.push_back(std::move(word));
    }
    return words;
}

void BM_CheckWord(benchmark::State& state)
{
    const SpellFolder folder;
    SpellDictionaries dictionaries(folder.Path(), CollationKey);
    Load(dictionaries);
    const std::vector<std::string> words = LookupWords(dictionaries.MasterDictionary());
    LineList suggestions;
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dictionaries.CheckWord(words[next], suggestions));
        next = (next + 1) % words.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckWord);

// An entry of 5,000 words of the word list in paragraphs of 100, every hundredth misspelt.
std::string LongEntry(const WordList& master)
{
    std::mt19937 random(11);
    std::string text;
    for (int i = 1; i <= 5000; ++i) {
        std::string word = master[random() % master.Count()];
        if (word.find('\'') != std::string::npos)
            word.erase(word.find('\''));
        text += i % 100 == 50 ? "zqx" + word : word;
        text += i % 100 == 0 ? "\r\n" : " ";
    }
    return text;
}

// The pass over that entry, one step per unknown word and one to the end message; the figure
// is the time per step.
void BM_SpellPassStep(benchmark::State& state)
{
    bench::EnsureApplication();
    const SpellFolder folder;
    SpellDictionaries dictionaries(folder.Path(), CollationKey);
    Load(dictionaries);
    testing_support::ScriptedDialogs dialogs;
    Services services(Environment{folder.Path(), folder.Path() / "registry.reg", 1252}, dialogs,
                      QStringLiteral("The Daybrook"));
    RichTextEdit body;
    body.LoadRtf(LongEntry(dictionaries.MasterDictionary()));
    size_t steps = 0;
    for (auto _ : state) {
        SpellCheckDialog dialog(nullptr, services, dictionaries);
        auto* ignore = dialog.findChild<QPushButton*>(QStringLiteral("ignoreButton"));
        size_t shown = dialog.Start(body) ? 1 : 0;
        const size_t messages = dialogs.Asked().size();
        while (dialogs.Asked().size() == messages) {
            ignore->click();
            ++shown;
        }
        steps = shown;
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["per_step"] =
        benchmark::Counter(static_cast<double>(steps),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SpellPassStep)->Unit(benchmark::kMillisecond);

} // namespace
