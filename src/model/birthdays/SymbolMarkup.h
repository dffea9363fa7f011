// The mark-up of the keeper's status lines: a caption cut at every "$" into runs, each in one
// of four fonts chosen by its first character, laid out side by side on one line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace model::birthdays {

enum class RunFont { Normal, Strong, Small, Symbol };

struct SymbolRun {
    std::string Text;
    RunFont Font = RunFont::Normal;
    bool AtBottom = false; // set small at the bottom of the line ("<")
};

// The runs of a caption in order: "!" strong, ">" small, "<" small at the bottom, "~" symbol;
// the marker is removed, any other first character stays in the normal font. Runs left
// without text draw nothing and are left out.
std::vector<SymbolRun> ParseSymbCaption(std::string_view caption);

struct RunSize {
    int Width = 0;
    int Height = 0;
};

// Where a run's text starts, relative to the block's top-left corner.
struct RunPlace {
    int X = 0;
    int Y = 0;
};

struct SymbolLayout {
    int Width = 0;  // the runs side by side
    int Height = 0; // four thirds of the tallest run
    std::vector<RunPlace> Places;
};

// Lays out the runs with their measured sizes (one per run): left to right, at the top of the
// block, except that runs at the bottom end at the block's bottom.
SymbolLayout LayoutSymbRuns(const std::vector<SymbolRun>& runs, const std::vector<RunSize>& sizes);

} // namespace model::birthdays
