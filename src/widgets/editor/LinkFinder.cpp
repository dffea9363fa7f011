#include "widgets/editor/LinkFinder.h"

#include <algorithm>
#include <array>

namespace widgets::editor {

namespace {

constexpr std::array<std::u16string_view, 12> Prefixes{
    u"http://", u"https://", u"ftp://", u"file://",  u"mailto:",   u"news:",
    u"nntp:",   u"telnet:",  u"gopher:", u"wais:",   u"prospero:", u"www.",
};

char16_t Lower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool IsAlnum(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[i]) != prefix[i])
            return false;
    return true;
}

// Characters that end an address: blanks, controls and the usual quoting marks.
bool EndsAddress(char16_t c)
{
    return c <= u' ' || c == 0x00A0 || c == 0x2028 || c == 0x3000 || c == u'<' || c == u'>' || c == u'"' ||
           c == 0x201C || c == 0x201D || c == 0x00AB || c == 0x00BB;
}

// The address end at or after `end`, without punctuation that closes the sentence around it.
size_t TrimTrailing(std::u16string_view text, size_t start, size_t end)
{
    while (end > start) {
        const char16_t c = text[end - 1];
        if (c == u')') {
            const auto inside = text.substr(start, end - start);
            if (std::count(inside.begin(), inside.end(), u'(') >= std::count(inside.begin(), inside.end(), u')'))
                break;
        } else if (c != u'.' && c != u',' && c != u';' && c != u':' && c != u'!' && c != u'?' && c != u'\'' &&
                   c != u']' && c != u'}') {
            break;
        }
        --end;
    }
    return end;
}

bool IsMailLocal(char16_t c)
{
    return IsAlnum(c) || c == u'.' || c == u'_' || c == u'%' || c == u'+' || c == u'-';
}

bool IsDomain(char16_t c)
{
    return IsAlnum(c) || c == u'.' || c == u'-';
}

// A mail address around the "@" at `at`, as [start, end); nothing when there is none.
bool MailAround(std::u16string_view text, size_t at, size_t& start, size_t& end)
{
    start = at;
    while (start > 0 && IsMailLocal(text[start - 1]))
        --start;
    while (start < at && text[start] == u'.')
        ++start;
    end = at + 1;
    while (end < text.size() && IsDomain(text[end]))
        ++end;
    while (end > at + 1 && (text[end - 1] == u'.' || text[end - 1] == u'-'))
        --end;
    if (start == at || end == at + 1)
        return false;
    const std::u16string_view domain = text.substr(at + 1, end - at - 1);
    const size_t dot = domain.rfind(u'.');
    if (dot == std::u16string_view::npos || dot == 0 || domain.find(u"..") != std::u16string_view::npos)
        return false;
    const std::u16string_view top = domain.substr(dot + 1);
    return top.size() >= 2 && std::all_of(top.begin(), top.end(), [](char16_t c) { return IsAlnum(c) && !(c >= u'0' && c <= u'9'); });
}

} // namespace

std::vector<Link> FindLinks(std::u16string_view text)
{
    std::vector<Link> links;
    size_t i = 0;
    while (i < text.size()) {
        const bool wordStart = i == 0 || !IsAlnum(text[i - 1]);
        const auto prefix = std::find_if(Prefixes.begin(), Prefixes.end(), [&](std::u16string_view p) {
            return wordStart && StartsWithNoCase(text.substr(i), p);
        });
        if (prefix != Prefixes.end()) {
            size_t end = i + prefix->size();
            while (end < text.size() && !EndsAddress(text[end]))
                ++end;
            end = TrimTrailing(text, i + prefix->size(), end);
            if (end > i + prefix->size()) {
                links.push_back({i, end - i});
                i = end;
                continue;
            }
        }
        if (text[i] == u'@') {
            size_t start = 0;
            size_t end = 0;
            const size_t previousEnd = links.empty() ? 0 : links.back().Start + links.back().Length;
            if (MailAround(text, i, start, end) && start >= previousEnd) {
                links.push_back({start, end - start});
                i = end;
                continue;
            }
        }
        ++i;
    }
    return links;
}

} // namespace widgets::editor
