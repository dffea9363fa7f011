// The caption mark-up: parsing happens when a caption changes, the line layout at every paint.
// The layout is measured against the parse of the same caption, which must stay the dearer.
#include "model/look/HtmlMarkup.h"

#include <benchmark/benchmark.h>

using model::look::Black;
using model::look::LayoutMarkup;
using model::look::MarkupElement;
using model::look::ParseMarkup;
using model::look::PrepareMarkup;

namespace {

std::string Caption()
{
    std::vector<std::string> lines;
    for (int k = 0; k < 20; ++k)
        lines.push_back("<b>March " + std::to_string(k) +
                        "</b>: <font color=\"maroon\">three birthdays</font> and <i>one anniversary</i>, "
                        "a line long enough to wrap twice in a panel of two hundred pixels");
    return PrepareMarkup(lines, "Arial", 10, Black, true);
}

int SixPixels(const MarkupElement&, std::string_view text)
{
    return static_cast<int>(text.size()) * 6;
}

void BM_MarkupParse(benchmark::State& state)
{
    const std::string caption = Caption();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseMarkup(caption));
    state.counters["bytes"] = static_cast<double>(caption.size());
}
BENCHMARK(BM_MarkupParse);

void BM_MarkupLayout(benchmark::State& state)
{
    auto elements = ParseMarkup(Caption());
    for (auto& e : elements) {
        e.Ascent = 11;
        e.Height = 14;
    }
    std::size_t runs = 0;
    for (auto _ : state) {
        const auto laid = LayoutMarkup(elements, 200, 5, SixPixels);
        runs = laid.size();
        benchmark::DoNotOptimize(laid);
    }
    state.counters["runs"] = static_cast<double>(runs);
}
BENCHMARK(BM_MarkupLayout);

} // namespace
