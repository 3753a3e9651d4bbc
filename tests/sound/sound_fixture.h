#pragma once

#include "platform/qt/qt_audio_device.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace kestrane::test {

// A WAV made by sox: a tone of `seconds` at `rate` with `channels`, encoded as `encoding` says
// (sox's own options, for example {"-e", "ima-adpcm"}). Empty when sox is missing or failed.
inline QByteArray soxWave(const QStringList& encoding, int rate, int channels, double seconds)
{
    const QString sox = QStandardPaths::findExecutable(u"sox"_qs);
    if (sox.isEmpty())
        return {};
    QTemporaryDir dir;
    const QString out = dir.filePath(u"tone.wav"_qs);
    QProcess process;
    process.start(sox,
                  QStringList{u"-n"_qs, u"-r"_qs, QString::number(rate), u"-c"_qs, QString::number(channels)}
                      << encoding << out
                      << QStringList{u"synth"_qs, QString::number(seconds), u"sine"_qs, u"440"_qs});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QFile file(out);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the null output took from the player: every sample, and whether the sound ran dry.
struct Heard
{
    qint64 bytes = 0;
    int peak = 0; // the loudest sample, absolute
    int drained = 0;
    int sinks = 0; // outputs the device asked for (one per play from the start)

    QtAudioDevice::SinkFactory factory()
    {
        return [this] {
            auto sink = std::make_unique<NullPcmSink>();
            ++sinks;
            QObject::connect(sink.get(), &NullPcmSink::took, [this](const QByteArray& piece) {
                bytes += piece.size();
                const qsizetype n = piece.size() / 2;
                for (qsizetype i = 0; i < n; ++i) {
                    qint16 sample = 0;
                    std::memcpy(&sample, piece.constData() + 2 * i, 2);
                    peak = std::max(peak, std::abs(int(sample)));
                }
            });
            QObject::connect(sink.get(), &NullPcmSink::drained, [this] { ++drained; });
            return std::unique_ptr<PcmSink>(std::move(sink));
        };
    }

    bool waitDrained(int count = 1)
    {
        return QTest::qWaitFor([&] { return drained >= count; }, 30000);
    }
};

} // namespace kestrane::test
