#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

TEST(HostResourcesTest, CursorImagesAre32PixelsWithTransparency)
{
    for (const char* path : {":/resources/images/Cursors/KtTranslate.png",
                             ":/resources/images/Cursors/KtPlaneFreeOrbit.png"}) {
        SCOPED_TRACE(path);
        const QPixmap pixmap(QString::fromLatin1(path));
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(32, 32));
        const QImage image = pixmap.toImage();
        EXPECT_TRUE(image.hasAlphaChannel());
        // Around the hot spot (1, 1) the pointer tip is drawn; the far corner stays clear.
        EXPECT_GT(qAlpha(image.pixel(2, 4)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0);
    }
}
