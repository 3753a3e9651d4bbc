#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>

namespace kestrane::benchkit {

// A picture with gradients and shapes, so the JPEG costs what a photograph costs to decode.
QByteArray photoLikeJpeg(QSize size, quint32 seed);

// A disc folder with clipart\ and kestranes\ holding `count` empty photographs named by the
// catalogue's codes of years and categories, created in shuffled order.
void makeEmptyPhotoSet(const QString& folder, int count);

// The main of every benchmark program: an application on the offscreen platform (unless another
// is asked for), `prepare` before the first benchmark, then the benchmarks the command line picks,
// then `finish` while the application still stands.
int runBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {},
                  const std::function<void()>& finish = {});

} // namespace kestrane::benchkit
