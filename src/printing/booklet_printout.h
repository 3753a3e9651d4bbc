#pragma once

#include "printing/booklet.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class QTextDocument;

namespace kestrane {

class Printer;

// Where the booklet's pictures and documents come from: the print panel's picture box and its
// rich-text box. A null picture or a null document is a file that could not be loaded.
struct BookletSources
{
    std::function<QImage(const QString& discPath)> loadPicture;
    std::function<QTextDocument*(const QString& discPath)> loadDocument;
};

struct BookletOutcome
{
    ErrorCode error = ErrorCode::None; // ER040 for a file or printer failure, ER059 or ER036
    int pages = 0;                     // pages printed, also those before a failure
    bool printed = false;              // every step printed and the job ended well
};

inline constexpr char16_t kBookletJobName[] = u"The Kestrane Omnivar     Booklet";

// Prints the plan as one job: the cover on its own page, every document from a new page with
// one-inch margins. A failure stops the printout; the pages printed so far are still printed.
BookletOutcome printBooklet(Printer& printer, const std::vector<BookletStep>& plan,
                            const BookletSources& sources, const QString& cdRoot);

} // namespace kestrane
