#pragma once

#include <QString>

#include <array>

namespace kestrane {

class FileSystem;

// One movie of frmMovies: the caption of its option button optMovie(index), its file in the
// movie folder and the window caption while it plays.
struct MovieRow
{
    const char16_t* caption;
    const char16_t* file;
    const char16_t* windowCaption;
};

// Indexed by the option button. The last three captions carry no "Kestrane Movies - " prefix.
inline constexpr std::array<MovieRow, 8> kMovies = {{
    {u"1953 Introduction", u"1953.avi", u"Kestrane Movies - 1953 Introduction"},
    {u"1997 C5 Introduction", u"97C5Intro.avi", u"Kestrane Movies - 1997 C5 Introduction"},
    {u"1990 Kestrane", u"1990.avi", u"Kestrane Movies - 1990 Kestrane"},
    {u"1992 Commercial", u"1992Commercial.avi", u"Kestrane Movies - 1992 Commercial"},
    {u"1992 Kestrane", u"1992.avi", u"Kestrane Movies - 1992 Kestrane"},
    {u"1995 Kestrane", u"1995.avi", u"1995 Kestrane"},
    {u"LeMans", u"lemans.avi", u"Kestrane at LeMans"},
    {u"Malibu LS1", u"ls1.avi", u"Malibu LS1"},
}};

// The design caption of frmMovies, before a movie is chosen.
inline constexpr char16_t kMoviesCaption[] = u"Movies";

// The folder movies are played from, with its trailing backslash: the program folder's copies
// when its "\movies\" folder lists at least one AVI file, else the disc's.
QString movieFolder(const FileSystem& fs, const QString& cdRoot);

// MovieFolder + the file of the row.
QString moviePath(const QString& folder, int index);
// The file a movie plays from: moviePath, or the disc's file where a copy cut short lacks it.
QString movieSource(const FileSystem& fs, const QString& folder, const QString& cdRoot, int index);

// The question of File > Install Intel Video Software, lines joined by CR LF.
QString videoSoftwareQuestion();
// The box of the installer menu where the decoder install helper itself is missing: which program
// is missing and the package that brings it, in place of ER003's request to check the CD drive.
QString installerHelperMissingText(const QString& helper);
inline constexpr char16_t kInstallerHelperPackage[] = u"gstreamer1.0-packagekit";

// The decoder the disc's movies need, as the platform's codec installer names it.
inline constexpr char16_t kMovieDecoderCaps[] = u"video/x-indeo, indeoversion=(int)5";
inline constexpr char16_t kMovieDecoderDescription[] = u"Intel Indeo Video 5 decoder";
inline constexpr char16_t kApplicationId[] = u"kestrane-omnivar";

} // namespace kestrane
