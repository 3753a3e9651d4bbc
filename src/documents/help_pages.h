#pragma once

#include <QString>
#include <QStringView>

namespace kestrane {

// The program carries its own help, installed beside it: HTML pages in the program folder's
// "help" folder, opened at their contents page.
inline constexpr QStringView kHelpContentsPath = u"\\help\\contents.html";

// The help window's caption for the title of the page it shows.
QString helpCaption(const QString& pageTitle);

// What Help > Contents says when the pages are not where the program was installed.
QString helpMissingText(const QString& helpFolder);

} // namespace kestrane
