#include "bench_support.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kestrane::benchkit {

QByteArray photoLikeJpeg(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(40, 60, 110));
    sky.setColorAt(1, QColor(200, 170, 120));
    p.fillRect(image.rect(), sky);
    QRandomGenerator random(seed);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor::fromHsv(random.bounded(360), 120 + random.bounded(120), 80 + random.bounded(170)));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(random.bounded(size.width()), random.bounded(size.height())),
                      5 + random.bounded(size.width() / 6), 5 + random.bounded(size.height() / 6));
    }
    p.end();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return data;
}

int runBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                  const std::function<void()>& finish)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (prepare)
        prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Windows a benchmark kept go while the application that owns their resources still stands.
    if (finish)
        finish();
    return 0;
}

void makeEmptyPhotoSet(const QString& folder, int count)
{
    QDir().mkpath(folder + u"/clipart"_qs);
    QDir().mkpath(folder + u"/kestranes"_qs);
    const QStringList codes = {u"53"_qs, u"57"_qs, u"63"_qs, u"78"_qs, u"84"_qs, u"99"_qs, u"A0"_qs,
                               u"A2"_qs, u"AZ"_qs, u"EM"_qs, u"MS"_qs, u"TT"_qs, u"ZZ"_qs};
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(2002));
    for (int i : order) {
        QFile file(folder + u"/kestranes/"_qs + codes[i % codes.size()] +
                   QString::number(i, 36).rightJustified(4, u'0') + u".jpg"_qs);
        file.open(QIODevice::WriteOnly);
    }
}

} // namespace kestrane::benchkit
