#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QVector>

// Sound and movie containers written by hand: PCM WAV and motion-JPEG AVI.
namespace kestrane::demo {

inline constexpr int kSampleRate = 22050;

// A short synthesised sound that suits the file's name (engine, horn, siren, door, passby...).
QVector<qint16> synthesizeSound(const QString& fileName, double seconds);

// RIFF WAVE, PCM 16-bit mono.
QByteArray wavFile(const QVector<qint16>& samples, int sampleRate = kSampleRate);

// RIFF AVI with one MJPG video stream (hdrl, strl, movi, idx1); frames are JPEG files.
QByteArray aviFile(const QList<QByteArray>& jpegFrames, QSize frameSize, int framesPerSecond);

} // namespace kestrane::demo
