// links: daybrook_widgets_controls daybrook_model_look
// The caption mark-up parser and line layout on hostile text: they must neither crash nor loop,
// and every character of every run placed must come from the runs' own text.
#include "model/look/HtmlMarkup.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using model::look::LayoutMarkup;
using model::look::MarkupElement;
using model::look::MarkupElementStack;
using model::look::ParseMarkup;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int width = data[0]; // 0..255 pixels, narrower than the margin included
    const std::string_view markup(reinterpret_cast<const char*>(data + 1), size - 1);
    MarkupElementStack elements = ParseMarkup(markup);
    for (auto& e : elements) {
        e.Ascent = e.FontSize % 50;
        e.Height = e.FontSize % 50 + 3;
    }
    const auto textWidth = [](const MarkupElement& e, std::string_view text) {
        return static_cast<int>(text.size()) * (1 + static_cast<int>(e.FontStyle));
    };
    const auto runs = LayoutMarkup(elements, width, 5, textWidth);
    std::size_t placed = 0;
    for (const auto& run : runs) {
        if (elements[run.Element].Text.find(run.Text) == std::string::npos)
            std::abort();
        placed += run.Text.size();
    }
    if (placed > markup.size())
        std::abort(); // nothing is placed twice
    return 0;
}
