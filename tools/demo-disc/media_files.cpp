#include "media_files.h"

#include "car_art.h"

#include <QHash>
#include <QtEndian>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace kestrane::demo {

namespace {

enum class Kind { Engine, Passby, Horn, Siren, Door, Backfire, Starter, Motorcycle, Skid, Chime };

struct Recipe
{
    Kind kind;
    double low;  // Hz: idle firing frequency, horn pitch...
    double high; // Hz reached at the top of a sweep
};

Recipe recipeFor(const QString& name)
{
    static const QHash<QString, Recipe> table = {
        {QStringLiteral("backfrng.wav"), {Kind::Backfire, 40, 40}},
        {QStringLiteral("car_door.wav"), {Kind::Door, 60, 60}},
        {QStringLiteral("carhorns.wav"), {Kind::Horn, 392, 494}},
        {QStringLiteral("horns.wav"), {Kind::Horn, 330, 415}},
        {QStringLiteral("cop-car.wav"), {Kind::Siren, 650, 1350}},
        {QStringLiteral("taxi.wav"), {Kind::Horn, 440, 554}},
        {QStringLiteral("sportcar.wav"), {Kind::Engine, 70, 210}},
        {QStringLiteral("18wheelr.wav"), {Kind::Engine, 28, 60}},
        {QStringLiteral("peel-out.wav"), {Kind::Skid, 1500, 2100}},
        {QStringLiteral("Track2.wav"), {Kind::Passby, 140, 260}},
        {QStringLiteral("nascar.wav"), {Kind::Passby, 120, 230}},
        {QStringLiteral("racecar.wav"), {Kind::Engine, 110, 320}},
        {QStringLiteral("indy-car.wav"), {Kind::Passby, 200, 380}},
        {QStringLiteral("mcycle.wav"), {Kind::Motorcycle, 55, 150}},
        {QStringLiteral("batmoble.wav"), {Kind::Engine, 35, 90}},
        {QStringLiteral("62kesty.wav"), {Kind::Engine, 40, 120}},
        {QStringLiteral("63kesty.wav"), {Kind::Engine, 45, 130}},
        {QStringLiteral("kesstart.wav"), {Kind::Starter, 45, 80}},
        {QStringLiteral("passby.wav"), {Kind::Passby, 90, 170}},
        {QStringLiteral("kestrane.wav"), {Kind::Engine, 50, 160}},
        {QStringLiteral("zr1start.wav"), {Kind::Starter, 55, 95}},
        {QStringLiteral("motorcyc2.wav"), {Kind::Motorcycle, 65, 180}},
        {QStringLiteral("hot_rod.wav"), {Kind::Engine, 32, 110}},
        {QStringLiteral("red_lght.wav"), {Kind::Engine, 38, 180}},
        {QStringLiteral("porche.wav"), {Kind::Engine, 60, 200}},
        {QStringLiteral("stealth.wav"), {Kind::Engine, 48, 170}},
        {QStringLiteral("stuck.wav"), {Kind::Skid, 900, 1300}},
        {QStringLiteral("revnrun.wav"), {Kind::Passby, 80, 200}},
        {QStringLiteral("goingby.wav"), {Kind::Passby, 100, 180}},
    };
    return table.value(name, {Kind::Chime, 0, 0});
}

struct Noise
{
    quint32 state;
    double next() // -1 .. 1
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 23) - 1.0;
    }
};

// A buzzy engine note: the firing frequency and a few harmonics.
double engineWave(double phase)
{
    double v = 0;
    for (int k = 1; k <= 6; ++k)
        v += std::sin(phase * k) / k;
    return v;
}

} // namespace

QVector<qint16> synthesizeSound(const QString& fileName, double seconds)
{
    const Recipe r = recipeFor(fileName);
    const int n = std::max(1, int(seconds * kSampleRate));
    QVector<double> out(n, 0.0);
    Noise noise{stableHash(fileName) | 1u};
    double phase = 0, phase2 = 0, filtered = 0;
    const double dt = 1.0 / kSampleRate;
    // Narrations get a little tune of their own: five notes of a pentatonic scale.
    static const double scale[] = {261.6, 293.7, 329.6, 392.0, 440.0, 523.3, 587.3, 659.3};
    const quint32 tune = stableHash(fileName);

    for (int i = 0; i < n; ++i) {
        const double t = i * dt;
        const double u = double(i) / n; // 0 .. 1 across the sound
        double v = 0;
        switch (r.kind) {
        case Kind::Engine:
        case Kind::Motorcycle: {
            const double rev = u < 0.6 ? u / 0.6 : 1.0 - (u - 0.6) * 0.8;
            const double f = r.low + (r.high - r.low) * rev * rev;
            phase += 2 * M_PI * f * dt;
            const double lump = r.kind == Kind::Motorcycle ? 0.5 + 0.5 * std::sin(phase / 2)
                                                           : 0.8 + 0.2 * std::sin(phase / 4);
            v = engineWave(phase) * lump + 0.15 * noise.next();
            break;
        }
        case Kind::Passby: {
            const double x = (u - 0.5) * 6;
            const double f = (r.low + r.high) / 2 * (1 - 0.22 * std::tanh(x));
            phase += 2 * M_PI * f * dt;
            v = (engineWave(phase) + 0.3 * noise.next()) / (1 + x * x);
            break;
        }
        case Kind::Horn: {
            phase += 2 * M_PI * r.low * dt;
            phase2 += 2 * M_PI * r.high * dt;
            const bool on = std::fmod(t, 0.5) < 0.35;
            v = on ? (std::tanh(3 * std::sin(phase)) + std::tanh(3 * std::sin(phase2))) * 0.5 : 0;
            break;
        }
        case Kind::Siren: {
            const double f = r.low + (r.high - r.low) * (0.5 + 0.5 * std::sin(2 * M_PI * 0.9 * t));
            phase += 2 * M_PI * f * dt;
            v = std::sin(phase) + 0.3 * std::sin(3 * phase);
            break;
        }
        case Kind::Door:
        case Kind::Backfire: {
            const double period = r.kind == Kind::Door ? 10.0 : 0.23;
            const double since = std::fmod(t, period);
            filtered += 0.08 * (noise.next() - filtered);
            phase += 2 * M_PI * r.low * dt;
            v = (filtered * 4 + std::sin(phase)) * std::exp(-since * 28);
            break;
        }
        case Kind::Starter: {
            if (u < 0.45) {
                phase += 2 * M_PI * 110 * dt;
                v = engineWave(phase) * (0.5 + 0.5 * std::sin(2 * M_PI * 7 * t)) * 0.6;
            } else {
                const double f = r.low + (r.high - r.low) * std::min(1.0, (u - 0.45) * 4);
                phase += 2 * M_PI * f * dt;
                v = engineWave(phase) + 0.1 * noise.next();
            }
            break;
        }
        case Kind::Skid: {
            const double f = r.low + (r.high - r.low) * (0.5 + 0.5 * std::sin(2 * M_PI * 3 * t));
            phase += 2 * M_PI * f * dt;
            v = 0.6 * std::sin(phase) + 0.4 * noise.next();
            break;
        }
        case Kind::Chime: {
            const int note = std::min(4, int(u * 5));
            const double f = scale[(tune >> (note * 3)) & 7];
            const double since = u * 5 - note;
            phase += 2 * M_PI * f * dt;
            v = (std::sin(phase) + 0.3 * std::sin(2 * phase)) * std::exp(-since * 3);
            break;
        }
        }
        // Short fades so no sound starts or stops with a click.
        const double edge = std::min({1.0, t / 0.01, (n - i) * dt / 0.02});
        out[i] = v * edge;
    }
    double peak = 1e-9;
    for (double v : out)
        peak = std::max(peak, std::abs(v));
    QVector<qint16> samples(n);
    for (int i = 0; i < n; ++i)
        samples[i] = qint16(std::lround(out[i] / peak * 0.8 * 32767));
    return samples;
}

namespace {

void putU32(QByteArray& b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

void putU16(QByteArray& b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

void putFourCC(QByteArray& b, const char* cc)
{
    b.append(cc, 4);
}

void patchU32(QByteArray& b, qsizetype at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}

// Starts a chunk or list and returns the offset of its size field.
qsizetype beginChunk(QByteArray& b, const char* id, const char* listType = nullptr)
{
    putFourCC(b, id);
    const qsizetype at = b.size();
    putU32(b, 0);
    if (listType)
        putFourCC(b, listType);
    return at;
}

void endChunk(QByteArray& b, qsizetype sizeAt)
{
    patchU32(b, sizeAt, quint32(b.size() - sizeAt - 4));
    if (b.size() % 2)
        b.append('\0');
}

} // namespace

QByteArray wavFile(const QVector<qint16>& samples, int sampleRate)
{
    QByteArray b;
    const qsizetype riff = beginChunk(b, "RIFF", "WAVE");
    const qsizetype fmt = beginChunk(b, "fmt ");
    putU16(b, 1); // PCM
    putU16(b, 1); // mono
    putU32(b, quint32(sampleRate));
    putU32(b, quint32(sampleRate * 2));
    putU16(b, 2);
    putU16(b, 16);
    endChunk(b, fmt);
    const qsizetype data = beginChunk(b, "data");
    for (qint16 s : samples)
        putU16(b, quint16(s));
    endChunk(b, data);
    endChunk(b, riff);
    return b;
}

QByteArray aviFile(const QList<QByteArray>& frames, QSize size, int fps)
{
    quint32 largest = 0;
    for (const QByteArray& f : frames)
        largest = std::max(largest, quint32(f.size()));
    const quint32 count = quint32(frames.size());
    const quint32 w = quint32(size.width());
    const quint32 h = quint32(size.height());

    QByteArray b;
    const qsizetype riff = beginChunk(b, "RIFF", "AVI ");
    const qsizetype hdrl = beginChunk(b, "LIST", "hdrl");
    const qsizetype avih = beginChunk(b, "avih");
    putU32(b, quint32(1000000 / fps)); // microseconds per frame
    putU32(b, largest * quint32(fps)); // max bytes per second
    putU32(b, 0);                      // padding granularity
    putU32(b, 0x10);                   // AVIF_HASINDEX
    putU32(b, count);
    putU32(b, 0); // initial frames
    putU32(b, 1); // streams
    putU32(b, largest);
    putU32(b, w);
    putU32(b, h);
    for (int i = 0; i < 4; ++i)
        putU32(b, 0);
    endChunk(b, avih);

    const qsizetype strl = beginChunk(b, "LIST", "strl");
    const qsizetype strh = beginChunk(b, "strh");
    putFourCC(b, "vids");
    putFourCC(b, "MJPG");
    putU32(b, 0); // flags
    putU16(b, 0); // priority
    putU16(b, 0); // language
    putU32(b, 0); // initial frames
    putU32(b, 1); // scale
    putU32(b, quint32(fps));
    putU32(b, 0); // start
    putU32(b, count);
    putU32(b, largest);
    putU32(b, 0xFFFFFFFFu); // default quality
    putU32(b, 0);           // sample size
    putU16(b, 0);
    putU16(b, 0);
    putU16(b, quint16(w));
    putU16(b, quint16(h));
    endChunk(b, strh);
    const qsizetype strf = beginChunk(b, "strf");
    putU32(b, 40);
    putU32(b, w);
    putU32(b, h);
    putU16(b, 1);
    putU16(b, 24);
    putFourCC(b, "MJPG");
    putU32(b, w * h * 3);
    for (int i = 0; i < 4; ++i)
        putU32(b, 0);
    endChunk(b, strf);
    endChunk(b, strl);
    endChunk(b, hdrl);

    const qsizetype movi = beginChunk(b, "LIST", "movi");
    const qsizetype moviType = movi + 4; // index offsets count from the 'movi' type code
    QList<quint32> offsets;
    for (const QByteArray& f : frames) {
        offsets.append(quint32(b.size() - moviType));
        const qsizetype chunk = beginChunk(b, "00dc");
        b.append(f);
        endChunk(b, chunk);
    }
    endChunk(b, movi);

    const qsizetype idx = beginChunk(b, "idx1");
    for (qsizetype i = 0; i < frames.size(); ++i) {
        putFourCC(b, "00dc");
        putU32(b, 0x10); // AVIIF_KEYFRAME
        putU32(b, offsets.at(i));
        putU32(b, quint32(frames.at(i).size()));
    }
    endChunk(b, idx);
    endChunk(b, riff);
    return b;
}

} // namespace kestrane::demo
