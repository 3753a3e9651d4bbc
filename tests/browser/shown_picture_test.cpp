// Pictures decoded at the size they are shown: the same look as a full decode scaled down, and
// copies and printouts still from the whole file.
#include "common/picture_file.h"
#include "common/ui/shown_picture.h"
#include "platform/fakes/fake_platform.h"

#include <QBuffer>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include <gtest/gtest.h>

namespace kestrane {
namespace {

QByteArray gradientJpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, Qt::darkBlue);
    g.setColorAt(1, QColor(230, 180, 90));
    p.fillRect(image.rect(), g);
    p.end();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return data;
}

TEST(ShownPicture, aSmallerDecodeKeepsProportionsNeverEnlargesAndLooksLikeTheFullOneScaled)
{
    EXPECT_EQ(fittedSize({1024, 768}, {512, 512}), QSize(512, 384));
    EXPECT_EQ(fittedSize({200, 100}, {640, 480}), QSize(200, 100)) << "never enlarged";
    EXPECT_EQ(fittedSize({1024, 768}, {}), QSize(1024, 768)) << "no box: full size";

    const QByteArray file = gradientJpeg({1024, 768});
    const QImage full = decodePicture(file);
    QSize original;
    const QImage reduced = decodePicture(file, {400, 400}, &original);
    EXPECT_EQ(original, QSize(1024, 768));
    ASSERT_EQ(reduced.size(), QSize(400, 300));
    const QImage expected = full.scaled(reduced.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    const QImage got = reduced.convertToFormat(QImage::Format_RGB32);
    qint64 difference = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            const QRgb a = got.pixel(x, y), b = expected.pixel(x, y);
            difference +=
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(double(difference) / (got.width() * got.height() * 3), 2.0) << "mean difference per channel";
    EXPECT_TRUE(decodePicture("not a picture", {100, 100}).isNull());

    // Whatever the decoder's own reduction can do for a size, the picture comes out as shown.
    const struct
    {
        QSize file, box, shown;
    } sizes[] = {{{1023, 767}, {400, 400}, {400, 299}},
                 {{1024, 768}, {538, 403}, {537, 403}},
                 {{1024, 768}, {100, 100}, {100, 75}},
                 {{360, 230}, {216, 162}, {216, 138}}};
    for (const auto& s : sizes)
        EXPECT_EQ(decodePicture(gradientJpeg(s.file), s.box).size(), s.shown) << s.file.width();
}

TEST(ShownPicture, aBoxThatGrowsIsSharpAgainAndCopiesComeFromTheWholeFile)
{
    FakePlatform fake;
    writeHostFile(fake.addDrive(u'E'), u"kestranes/57A.JPG"_qs, gradientJpeg({1024, 768}));
    QLabel box;
    box.resize(320, 240);
    box.show(); // a hidden box hears of its new size only when it shows
    ShownPicture shown(fake.fileSystem, &box);
    ASSERT_TRUE(shown.load(u"E:\\kestranes\\57A.JPG"_qs));
    EXPECT_EQ(box.pixmap().size(), QSize(320, 240) * box.devicePixelRatioF());
    EXPECT_EQ(fullSizePicture(fake.fileSystem, &box).size(), QSize(1024, 768));

    box.resize(640, 480);
    EXPECT_EQ(box.pixmap().size(), QSize(640, 480) * box.devicePixelRatioF()) << "decoded again";

    // A picture other code puts into the box is its own, not the file's.
    QImage other(50, 40, QImage::Format_RGB32);
    other.fill(Qt::red);
    box.setPixmap(QPixmap::fromImage(other));
    EXPECT_EQ(fullSizePicture(fake.fileSystem, &box).size(), QSize(50, 40));

    EXPECT_FALSE(shown.load(u"E:\\kestranes\\missing.jpg"_qs));
    EXPECT_EQ(box.pixmap().size(), QSize(50, 40)) << "a failed load leaves the box as it was";
}

} // namespace
} // namespace kestrane
