#pragma once

#include <QByteArray>
#include <QSize>

#include <functional>

namespace kestrane::benchkit {

// A picture with gradients and shapes, so the JPEG costs what a photograph costs to decode.
QByteArray photoLikeJpeg(QSize size, quint32 seed);

// The main of every benchmark program: an application on the offscreen platform (unless another
// is asked for), `prepare` before the first benchmark, then the benchmarks the command line picks.
int runBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {});

} // namespace kestrane::benchkit
