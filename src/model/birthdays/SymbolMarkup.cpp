#include "model/birthdays/SymbolMarkup.h"

#include <algorithm>

namespace model::birthdays {

namespace {

SymbolRun RunOf(std::string_view text)
{
    switch (text.front()) {
    case '!':
        return {std::string(text.substr(1)), RunFont::Strong, false};
    case '>':
        return {std::string(text.substr(1)), RunFont::Small, false};
    case '<':
        return {std::string(text.substr(1)), RunFont::Small, true};
    case '~':
        return {std::string(text.substr(1)), RunFont::Symbol, false};
    default:
        return {std::string(text), RunFont::Normal, false};
    }
}

} // namespace

std::vector<SymbolRun> ParseSymbCaption(std::string_view caption)
{
    std::vector<SymbolRun> runs;
    size_t start = 0;
    while (start <= caption.size()) {
        const size_t dollar = std::min(caption.find('$', start), caption.size());
        if (dollar > start) {
            SymbolRun run = RunOf(caption.substr(start, dollar - start));
            if (!run.Text.empty())
                runs.push_back(std::move(run));
        }
        start = dollar + 1;
    }
    return runs;
}

SymbolLayout LayoutSymbRuns(const std::vector<SymbolRun>& runs, const std::vector<RunSize>& sizes)
{
    SymbolLayout layout;
    for (const RunSize& size : sizes) {
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

} // namespace model::birthdays
