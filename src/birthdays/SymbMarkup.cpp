#include "birthdays/SymbMarkup.h"

#include <algorithm>

namespace birthdays {

namespace {

TSymbRun RunOf(std::string_view text)
{
    switch (text.front()) {
    case '!':
        return {std::string(text.substr(1)), TSymbFont::Strong, false};
    case '>':
        return {std::string(text.substr(1)), TSymbFont::Small, false};
    case '<':
        return {std::string(text.substr(1)), TSymbFont::Small, true};
    case '~':
        return {std::string(text.substr(1)), TSymbFont::Symbol, false};
    default:
        return {std::string(text), TSymbFont::Normal, false};
    }
}

} // namespace

std::vector<TSymbRun> ParseSymbCaption(std::string_view caption)
{
    std::vector<TSymbRun> runs;
    size_t start = 0;
    while (start <= caption.size()) {
        const size_t dollar = std::min(caption.find('$', start), caption.size());
        if (dollar > start) {
            TSymbRun run = RunOf(caption.substr(start, dollar - start));
            if (!run.Text.empty())
                runs.push_back(std::move(run));
        }
        start = dollar + 1;
    }
    return runs;
}

TSymbLayout LayoutSymbRuns(const std::vector<TSymbRun>& runs, const std::vector<TRunSize>& sizes)
{
    TSymbLayout layout;
    for (const TRunSize& size : sizes) {
        layout.Width += size.Width;
        layout.Height = std::max(layout.Height, size.Height * 4 / 3);
    }
    int x = 0;
    for (size_t i = 0; i < runs.size() && i < sizes.size(); ++i) {
        layout.Places.push_back({x, runs[i].AtBottom ? layout.Height - sizes[i].Height : 0});
        x += sizes[i].Width;
    }
    return layout;
}

} // namespace birthdays
