#include "formats/imports/FrontMatter.h"

namespace formats::imports {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string Unquoted(std::string_view value)
{
    value = Trimmed(value);
    if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') {
        std::string text;
        for (size_t i = 1; i + 1 < value.size(); ++i) {
            text += value[i];
            if (value[i] == '\'' && value[i + 1] == '\'')
                ++i;
        }
        return text;
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        std::string text;
        for (size_t i = 1; i + 1 < value.size(); ++i) {
            if (value[i] == '\\' && i + 2 < value.size()) {
                const char escaped = value[++i];
                text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
            } else {
                text += value[i];
            }
        }
        return text;
    }
    return std::string(value);
}

std::vector<std::string> FlowList(std::string_view value)
{
    std::vector<std::string> items;
    value = value.substr(1, value.size() - 2);
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(',', start);
        if (end == std::string_view::npos)
            end = value.size();
        if (std::string item = Unquoted(value.substr(start, end - start)); !item.empty())
            items.push_back(std::move(item));
        start = end + 1;
    }
    return items;
}

// The next line (without its end) and where the one after it starts.
std::string_view NextLine(std::string_view text, size_t& at)
{
    const size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

FrontMatter ReadFrontMatter(std::string_view note)
{
    FrontMatter matter{{}, note};
    if (note.starts_with("\xEF\xBB\xBF"))
        note.remove_prefix(3);
    size_t at = 0;
    if (NextLine(note, at) != "---")
        return matter;
    std::string key;
    while (at <= note.size()) {
        const std::string_view line = NextLine(note, at);
        if (Trimmed(line) == "---" || Trimmed(line) == "...") {
            matter.Body = note.substr(std::min(at, note.size()));
            return matter;
        }
        const std::string_view trimmed = Trimmed(line);
        if (trimmed.starts_with("- ") && !key.empty()) {
            matter.Values[key].push_back(Unquoted(trimmed.substr(2)));
            continue;
        }
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos || line.front() == ' ' || line.front() == '#')
            continue;
        key = std::string(Trimmed(line.substr(0, colon)));
        const std::string_view value = Trimmed(line.substr(colon + 1));
        auto& values = matter.Values[key];
        values.clear();
        if (value.size() >= 2 && value.front() == '[' && value.back() == ']')
            values = FlowList(value);
        else if (!value.empty())
            values.push_back(Unquoted(value));
    }
    return {{}, note}; // no closing line: no front matter after all
}

} // namespace formats::imports
