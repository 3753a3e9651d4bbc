#pragma once

#include "periphery/web_links.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace kestrane {

class FileSystem;

// Who made the program and where its web links go: configuration that ships with the program in
// "about\about.ini" of the program folder (data/about/about.ini in the sources).
struct AboutInfo
{
    QString makerName;
    QString makerStreet;
    QString makerTown;
    QString copyrightLine; // follows the copyright sign
    std::array<QString, kWebSiteCount> sites;

    const QString& site(WebSite which) const { return sites[size_t(which)]; }
};

// The file beside the program, as a disc-form path below the program folder.
QString aboutFilePath(const QString& programFolder);

// Reads the text of an about file over `defaults`: sections [Maker] (Name, Street, Town,
// Copyright) and [Websites] (one address per site, named by webSiteKey). Names ignore letter case;
// lines starting with ";" or "#" are comments; a value in double quotes keeps its blanks; a value
// the text lacks, or leaves empty, keeps its default.
AboutInfo parseAboutInfo(const QByteArray& text, const AboutInfo& defaults = {});

// The copy built into the program, the same file as the one installed.
AboutInfo builtInAboutInfo();

// The installed file over the built-in copy: a file that is missing, unreadable or incomplete
// still leaves every text and address in place.
AboutInfo loadAboutInfo(const FileSystem& fileSystem);

// panQuoxel's caption: the maker's name, street and town on three lines.
QString makerCaption(const AboutInfo& info);
// SSPanel2's caption: the copyright sign followed by the copyright line.
QString copyrightCaption(const AboutInfo& info);
// An address as a person writes it: without "http://" or "https://" and the closing "/".
QString addressCaption(const QString& address);

} // namespace kestrane
