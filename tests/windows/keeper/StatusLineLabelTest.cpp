// The marked-up status label: each run drawn in its own font and colour, on the label's colour
// unless transparent.
#include "windows/keeper/StatusLineLabel.h"

#include <QFontMetrics>
#include <QImage>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

using windows::keeper::StatusLineLabel;

using windows::keeper::LabelFont;
using windows::keeper::StatusLineLabel;

namespace {

QFont Arial(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

// Text is smoothed at its edges: a pixel counts for a colour when every channel is close to it.
bool Near(const QColor& pixel, const QColor& colour)
{
    return std::abs(pixel.red() - colour.red()) <= 60 && std::abs(pixel.green() - colour.green()) <= 60 &&
           std::abs(pixel.blue() - colour.blue()) <= 60;
}

// The first and last column (or row) in which the colour appears within the columns from..to;
// (width, -1) when it does not.
std::pair<int, int> Extent(const QImage& image, const QColor& colour, bool rows, int from = 0, int to = 10000)
{
    int first = rows ? image.height() : image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < std::min(to, image.width()); ++x)
            if (Near(image.pixelColor(x, y), colour)) {
                first = std::min(first, rows ? y : x);
                last = std::max(last, rows ? y : x);
            }
    return {first, last};
}

QImage Shown(StatusLineLabel& label)
{
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(StatusLineLabel, EachRunIsDrawnInItsFontAfterTheOneBefore)
{
    StatusLineLabel label;
    label.resize(300, 16);
    label.setFont(Arial(false));
    label.SetColor(Qt::white);
    label.SetFontColor(QColor(0, 0, 0));
    label.SetStrongFont({Arial(true), QColor(0x80, 0, 0)});
    label.SetSmallFont({Arial(false), QColor(0, 0, 255)});
    label.SetCaption("This Month: $$!Ann$ ($>12$)  ");
    const QImage shown = Shown(label);

    EXPECT_EQ(shown.pixelColor(299, 15), QColor(Qt::white));
    const auto plain = Extent(shown, QColor(0, 0, 0), false);
    const auto strong = Extent(shown, QColor(0x80, 0, 0), false);
    const auto small = Extent(shown, QColor(0, 0, 255), false);
    ASSERT_GE(strong.second, 0);
    ASSERT_GE(small.second, 0);
    EXPECT_LT(plain.first, strong.first);
    EXPECT_LT(strong.second, small.first);
    EXPECT_GT(plain.second, small.second); // the closing parenthesis comes last
}

TEST(StatusLineLabel, ABottomRunSitsLowerThanATopRunOfTheSameFont)
{
    StatusLineLabel label;
    label.resize(200, 24);
    label.setFont(Arial(false));
    label.SetColor(Qt::white);
    QFont tiny = Arial(false);
    tiny.setPixelSize(8);
    label.SetSmallFont({tiny, QColor(0, 0, 255)});
    label.SetStrongFont({Arial(true), QColor(255, 0, 0)});
    label.SetCaption("$>12$<12$!W");
    const QImage shown = Shown(label);
    const int split = QFontMetrics(tiny).horizontalAdvance("12");
    const auto top = Extent(shown, QColor(0, 0, 255), true, 0, split);
    const auto bottom = Extent(shown, QColor(0, 0, 255), true, split, 2 * split);
    ASSERT_GE(top.second, 0);
    ASSERT_GE(bottom.second, 0);
    EXPECT_GT(bottom.first, top.first + 3);

    label.SetCaption("$!$$>");
    EXPECT_EQ(Extent(Shown(label), QColor(255, 0, 0), false).second, -1); // markers alone draw nothing
}
