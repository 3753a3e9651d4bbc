#pragma once

#include <QString>

// Writes a complete content set laid out as the product disc: photographs, insignia, documents,
// advertisements, movies and sounds. Needs a QGuiApplication (the pictures carry text).
namespace kestrane::demo {

struct Options
{
    bool small = false; // for tests: few photos (2 per code), 160x120 pictures, short media, but every
                        // folder and every named document/picture present
};

// Writes the whole disc into `folder` (created if needed). Returns false and sets *error on failure.
bool writeDemoDisc(const QString& folder, const Options& options, QString* error);

// Writes what the program folder holds on an installed machine (the start-up sound "passby.wav").
bool writeProgramFolder(const QString& folder, QString* error);

} // namespace kestrane::demo
