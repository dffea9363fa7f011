#include "model/session/MergeMessage.h"

using formats::diary::DayDate;

namespace model::session {

std::string MergeMessage(const MergeNews& news, const std::function<std::string(const DayDate&)>& dateText)
{
    const size_t count = news.CameIn.size();
    std::string text = count == 1 ? "1 day came in from the other copy of this diary."
                                  : std::to_string(count) + " days came in from the other copy of this diary.";
    if (news.TwoTexts.empty())
        return text;
    text += news.TwoTexts.size() == 1 ? "\r\nThis date now holds two texts: " : "\r\nThese dates now hold two texts: ";
    for (size_t i = 0; i < news.TwoTexts.size(); ++i) {
        if (i > 0)
            text += i + 1 == news.TwoTexts.size() ? " and " : ", ";
        text += dateText(news.TwoTexts[i]);
    }
    return text + ".";
}

} // namespace model::session
