#pragma once

#include "common/error_reporter.h"

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace kestrane {

// The booklet's rules: which pages a choice on the print panel prints, in which order, and what
// stops it before the year pages. The plan is data; printBooklet (booklet_printout.h) prints it.

// The year index of a year-list item: "ZR-1" 103, 2000..2002 100..102, any other year its last two
// digits (1957 gives 57).
qint16 bookletYearIndex(QStringView item);
// The code that names a year's documents: "A0".."A2" for 100..102, "ZR" 103, "SK" 104, else the
// index in decimals ("57").
QString bookletYearCode(int index);

// The cover: pictures under CD root + "\graphics\", at their natural size, top-left corner at a
// position in twips on the page.
struct CoverPicture
{
    const char16_t* file;
    int x;
    int y;
};
inline constexpr std::array<CoverPicture, 4> kCoverPictures = {{
    {u"logoant2.jpg", 1200, 1600},
    {u"95white.jpg", 1000, 4300},
    {u"bklettxt.jpg", 500, 8800},
    {u"quoxel3.jpg", 2800, 12000},
}};

// Every text page of the booklet has these margins on all four sides.
inline constexpr int kBookletMarginTwips = 1440;

// What the print panel asks for. An empty year is a list without a selected item.
struct BookletChoice
{
    bool cover = false;
    bool introduction = false;
    bool description = false;
    bool details = false;
    QString firstYear;
    QString lastYear;
};

struct BookletStep
{
    enum Kind {
        Cover,    // the four cover pictures on a page of their own
        Document, // a rich-text document starting on a new page
        Stop,     // the range is wrong: report `error`, print nothing more
    };
    Kind kind = Cover;
    QString path;                      // Document: the disc-form path
    ErrorCode error = ErrorCode::None; // Stop: ER059 or ER036

    bool operator==(const BookletStep&) const = default;
};

// The cover and the introduction come first and need no year range; then either a Stop or, for
// each year from the first to the last (1983 has none), its description before its details.
std::vector<BookletStep> planBooklet(const BookletChoice& choice, const QString& cdRoot);

} // namespace kestrane
