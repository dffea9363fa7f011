#include "widgets/editor/LinkFinder.h"

#include <gtest/gtest.h>

using namespace widgets::editor;

namespace {

std::vector<std::u16string> Found(std::u16string_view text)
{
    std::vector<std::u16string> links;
    for (const Link& link : FindLinks(text))
        links.emplace_back(text.substr(link.Start, link.Length));
    return links;
}

using Links = std::vector<std::u16string>;

} // namespace

TEST(LinkFinder, FindsWebAddressesWithSchemesAndWww)
{
    EXPECT_EQ(Found(u"see http://example.org/a?b=1 now"), Links{u"http://example.org/a?b=1"});
    EXPECT_EQ(Found(u"www.example.com and ftp://files.example.com/x"),
              (Links{u"www.example.com", u"ftp://files.example.com/x"}));
    EXPECT_EQ(Found(u"mailto:me@example.org"), Links{u"mailto:me@example.org"});
}

TEST(LinkFinder, LeavesOutTheSentenceAroundAWebOrMailAddress)
{
    EXPECT_EQ(Found(u"Go to www.example.com."), Links{u"www.example.com"});
    EXPECT_EQ(Found(u"(see http://example.org/page)"), Links{u"http://example.org/page"});
    EXPECT_EQ(Found(u"http://en.example.org/wiki/Foo_(bar), it said"), Links{u"http://en.example.org/wiki/Foo_(bar)"});
    EXPECT_EQ(Found(u"<http://example.org>"), Links{u"http://example.org"});
    EXPECT_EQ(Found(u"write to jane.doe+diary@mail.example.co.uk, please"), Links{u"jane.doe+diary@mail.example.co.uk"});
    EXPECT_EQ(Found(u"a@b.cd"), Links{u"a@b.cd"});
}

TEST(LinkFinder, IgnoresWhatOnlyLooksLikeAnAddress)
{
    EXPECT_TRUE(Found(u"http:// alone").empty());
    EXPECT_TRUE(Found(u"swww.example.com").empty());
    EXPECT_TRUE(Found(u"me@home, @@ and a@b and x@y.1 and @example.org").empty());
}
