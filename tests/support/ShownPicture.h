// Whether a window shows a picture where it should: the colour the window shows at a point
// against that of the picture stretched over its area, with a little room for smoothing.
#pragma once

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdlib>

namespace testing_support {

inline ::testing::AssertionResult ShowsPicture(const QImage& shown, const QRect& area, const QImage& picture,
                                               const QPoint& at)
{
    if (picture.isNull())
        return ::testing::AssertionFailure() << "no picture";
    const QColor expected = picture.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .pixelColor(at - area.topLeft());
    const QColor actual = shown.pixelColor(at);
    const int difference = std::abs(expected.red() - actual.red()) +
                           std::abs(expected.green() - actual.green()) +
                           std::abs(expected.blue() - actual.blue());
    if (difference <= 24)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << at.x() << ", " << at.y() << ") the window shows " << actual.name().toStdString()
           << ", the picture is " << expected.name().toStdString();
}

} // namespace testing_support
