#pragma once

#include "demo_disc.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kestrane::test {

// The small demo disc that the window tests of one test program share: written on first use and
// kept until the program ends. A disc that cannot be written fails the test that asked for it.
inline QString smallDemoDisc()
{
    static QTemporaryDir* folder = nullptr;
    static bool written = false;
    if (!folder) {
        folder = new QTemporaryDir; // lives as long as the test program
        QString error;
        written = demo::writeDemoDisc(folder->path(), {.small = true}, &error);
        if (!written)
            ADD_FAILURE() << "the demo disc could not be written: " << error.toStdString();
    }
    return written ? folder->path() : QString();
}

} // namespace kestrane::test
