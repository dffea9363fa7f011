#include "formats/rtf/RtfScanner.h"

#include <algorithm>

namespace formats::rtf {

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

void RtfScanner::Control(Token& token)
{
    ++at_; // the backslash
    if (at_ < source_.size() && IsLetter(source_[at_])) {
        ControlWord(token);
        return;
    }
    token.Kind = TokenKind::Symbol;
    if (at_ >= source_.size())
        return;
    token.Character = source_[at_++];
    if (token.Character != '\'')
        return;
    const int high = at_ < source_.size() ? HexValue(source_[at_]) : -1;
    const int low = at_ + 1 < source_.size() ? HexValue(source_[at_ + 1]) : -1;
    if (high < 0 || low < 0)
        return; // a broken \' stays a symbol; readers ignore it
    token.Kind = TokenKind::Hex;
    token.Byte = static_cast<unsigned char>(high * 16 + low);
    at_ += 2;
}

void RtfScanner::ControlWord(Token& token)
{
    token.Kind = TokenKind::Word;
    const size_t nameStart = at_;
    while (at_ < source_.size() && IsLetter(source_[at_]))
        ++at_;
    token.Name = source_.substr(nameStart, at_ - nameStart);
    bool negative = false;
    if (at_ + 1 < source_.size() && source_[at_] == '-' && IsDigit(source_[at_ + 1])) {
        negative = true;
        ++at_;
    }
    long long value = 0;
    while (at_ < source_.size() && IsDigit(source_[at_])) {
        token.HasParam = true;
        if (value < 1'000'000'000)
            value = value * 10 + (source_[at_] - '0');
        ++at_;
    }
    token.Param = static_cast<int>(negative ? -value : value);
    if (at_ < source_.size() && source_[at_] == ' ')
        ++at_;
    if (token.Name == "bin") {
        token.Kind = TokenKind::Bin;
        const size_t count = token.Param > 0 ? static_cast<size_t>(token.Param) : 0;
        token.Data = source_.substr(at_, std::min(count, source_.size() - at_));
        at_ += token.Data.size();
    }
}

} // namespace formats::rtf
