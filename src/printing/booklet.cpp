#include "printing/booklet.h"

namespace kestrane {

namespace {

constexpr qint16 kZrIndex = 103;
constexpr qint16 kNoYear = 83; // there was no 1983 model

} // namespace

qint16 bookletYearIndex(QStringView item)
{
    if (item.mid(2, 2) == u"-1")
        return kZrIndex;
    bool number = false;
    const int year = item.toInt(&number);
    if (number && year > 1999)
        return qint16(100 + year % 10);
    return qint16(item.mid(2, 2).toInt());
}

QString bookletYearCode(int index)
{
    switch (index) {
    case 100:
        return u"A0"_qs;
    case 101:
        return u"A1"_qs;
    case 102:
        return u"A2"_qs;
    case 103:
        return u"ZR"_qs;
    case 104:
        return u"SK"_qs;
    default:
        return QString::number(index);
    }
}

std::vector<BookletStep> planBooklet(const BookletChoice& choice, const QString& cdRoot)
{
    const QString folder = cdRoot + u"\\RichText\\"_qs;
    std::vector<BookletStep> steps;
    if (choice.cover)
        steps.push_back({BookletStep::Cover, {}, ErrorCode::None});
    if (choice.introduction)
        steps.push_back({BookletStep::Document, folder + u"intro.rtf"_qs, ErrorCode::None});
    if (!choice.description && !choice.details)
        return steps;

    if (choice.firstYear.isEmpty() || choice.lastYear.isEmpty()) {
        steps.push_back({BookletStep::Stop, {}, ErrorCode::ER059});
        return steps;
    }
    const int first = bookletYearIndex(choice.firstYear);
    const int last = bookletYearIndex(choice.lastYear);
    if (last < first) {
        steps.push_back({BookletStep::Stop, {}, ErrorCode::ER036});
        return steps;
    }
    for (int index = first; index <= last; ++index) {
        if (index == kNoYear)
            continue;
        const QString code = bookletYearCode(index);
        if (choice.description)
            steps.push_back({BookletStep::Document, folder + code + u"desc.rtf"_qs, ErrorCode::None});
        if (choice.details)
            steps.push_back({BookletStep::Document, folder + code + u".rtf"_qs, ErrorCode::None});
    }
    return steps;
}

} // namespace kestrane
