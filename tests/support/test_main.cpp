#include <QApplication>
#include <QThreadPool>
#include <gtest/gtest.h>

// Every test binary gets one QApplication, so window tests and pure tests share one main.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The leak checker stops every thread at exit to scan its stack; a pool thread that is just
    // ending at that moment has crashed its tracer. Join the pool's threads first.
    QThreadPool::globalInstance()->waitForDone();
    return result;
}
