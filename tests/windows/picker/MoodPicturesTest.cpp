#include "windows/picker/MoodPictures.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace windows::picker;

namespace {

QList<QImage> Images(const QList<QPixmap>& pixmaps)
{
    QList<QImage> images;
    for (const QPixmap& pixmap : pixmaps)
        images.append(pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
    return images;
}

// The share of pixels in which two pictures of one size differ.
double Difference(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return double(differing) / (a.width() * a.height());
}

void ExpectTenDifferentFaces(const QList<QImage>& moods, int size, QRgb corner)
{
    ASSERT_EQ(moods.size(), MoodCount);
    for (int mood = 0; mood < moods.size(); ++mood) {
        const QImage& picture = moods[mood];
        ASSERT_EQ(picture.size(), QSize(size, size)) << mood;
        EXPECT_EQ(picture.pixel(0, 0), corner) << mood;
        EXPECT_EQ(picture.pixel(size - 1, size - 1), corner) << mood;
        EXPECT_EQ(qAlpha(picture.pixel(size / 2, size / 2)), 255) << mood;
        EXPECT_NE(picture.pixel(size / 2, size / 2), qRgb(255, 255, 255)) << mood;
        for (int other = 0; other < mood; ++other)
            EXPECT_GT(Difference(picture, moods[other]), 0.2) << mood << " looks like " << other;
    }
}

} // namespace

TEST(MoodPictures, TenDifferentFacesOnWhiteAndSmallOnesOnATransparentGround)
{
    ExpectTenDifferentFaces(Images(MoodPictures()), 64, qRgb(255, 255, 255));
    ExpectTenDifferentFaces(Images(MoodIcons()), 22, qRgba(0, 0, 0, 0));
}
