#include "photos/slide_rules.h"

#include "common/category_table.h"
#include "common/year_keys.h"
#include "photos/slide_random.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace kestrane {

namespace {

constexpr std::array<qint32, 16> kIntervals = {1000,  2000,  3000,  4000,  5000,  10000, 15000, 20000,
                                               25000, 30000, 35000, 40000, 45000, 50000, 55000, 60000};

// The clip-art pictures that are captioned by their leading letters rather than by a year.
struct ClipCaption
{
    const char16_t* tick;     // the prefix the automatic tick looks for
    const char16_t* forward;  // Fwd and Jump Bkwd
    const char16_t* backward; // Bkwd and Jump Fwd
    const char16_t* caption;
};
constexpr std::array<ClipCaption, 4> kClipCaptions = {{
    {u"SK", u"S", u"S", u"Malibu Kestrane Ski Boat "},
    {u"CW", u"CW", u"C", u"Halvard Twin-Turbo "},
    // The Twin-Turbo's clip art is "hvkes.jpg" on the main window: without this row its slide
    // would be captioned "HVKE", which names nothing.
    {u"HV", u"HV", u"HV", u"Halvard Twin-Turbo "},
    {u"ZR", u"Z", u"Z", u"1990-1995 ZR-1 "},
}};

constexpr char16_t kMuseumSlides[] = u"The National Kestrane Museum ";
constexpr char16_t kMuseumKey[] = u"National Kestrane Museum ";

} // namespace

int SlideRandom::drawInsigniaYear()
{
    int y = 0;
    do {
        y = int(106 * fraction()) + 1;
    } while (y == 83 || y < kFirstInsigniaYear);
    return y;
}

qint32 spinSlideInterval(qint32 interval, bool up)
{
    if (up) {
        for (const qint32 value : kIntervals)
            if (value > interval)
                return value;
        return kIntervals.front();
    }
    for (auto it = kIntervals.rbegin(); it != kIntervals.rend(); ++it)
        if (*it < interval)
            return *it;
    return kIntervals.back();
}

QString slideIntervalCaption(qint32 interval)
{
    return QString::number(interval / 1000) + u" seconds"_qs;
}

QString saverIntervalCaption(qint32 interval)
{
    return QString::number(interval / 1000) + u" Seconds"_qs;
}

int stepSlideCursor(int cursor, int count, SlideStep step)
{
    switch (step) {
    case SlideStep::Fwd:
        cursor += 1;
        // Past the last slide lies only the catalogue's empty closing entry.
        return cursor >= count ? 1 : cursor;
    case SlideStep::JumpFwd:
        cursor += 20;
        return cursor >= count ? 1 : cursor;
    case SlideStep::Bkwd:
        cursor -= 1;
        return cursor < 1 ? count : cursor;
    case SlideStep::JumpBkwd:
        cursor -= 20;
        return cursor < 1 ? count : cursor;
    }
    return cursor;
}

int stepInsigniaYear(int y, SlideStep step)
{
    switch (step) {
    case SlideStep::Fwd:
        return y > 101 ? 53 : y == 82 ? 84 : y + 1;
    case SlideStep::Bkwd:
        return y < 54 ? 102 : y == 84 ? 82 : y - 1;
    case SlideStep::JumpFwd:
        return y > 97 ? 53 : y == 78 ? 84 : y + 5;
    case SlideStep::JumpBkwd:
        return y < 63 ? 102 : y == 88 ? 82 : y - 5;
    }
    return y;
}

int nextInsigniaYear(int y)
{
    return y >= 102 ? 53 : y == 82 ? 84 : y + 1;
}

int middleSlide(int count)
{
    if (count < 1)
        return 0;
    // Halves go to the even neighbour; one slide is its own middle.
    return std::max(1, int(std::nearbyint(count / 2.0)));
}

ClipCaptionRule clipCaptionRule(SlideStep step)
{
    switch (step) {
    case SlideStep::Fwd:
    case SlideStep::JumpBkwd:
        return ClipCaptionRule::ForwardStep;
    case SlideStep::Bkwd:
    case SlideStep::JumpFwd:
        return ClipCaptionRule::BackwardStep;
    }
    return ClipCaptionRule::Tick;
}

QString clipArtCaption(const QString& fileName, ClipCaptionRule rule)
{
    for (const ClipCaption& row : kClipCaptions) {
        const char16_t* prefix = rule == ClipCaptionRule::Tick          ? row.tick
                                 : rule == ClipCaptionRule::ForwardStep ? row.forward
                                                                        : row.backward;
        if (fileName.startsWith(QStringView(prefix)))
            return QString::fromUtf16(row.caption);
    }
    const QString year = fileName.left(4);
    return rule == ClipCaptionRule::Tick ? year : u" "_qs + year;
}

ErrorCode stepErrorCode(SlideStep step)
{
    switch (step) {
    case SlideStep::JumpBkwd:
        return ErrorCode::ER013;
    case SlideStep::Fwd:
        return ErrorCode::ER014;
    case SlideStep::Bkwd:
        return ErrorCode::ER015;
    case SlideStep::JumpFwd:
        return ErrorCode::ER018;
    }
    return ErrorCode::ER014;
}

QString photoNumberText(int index, int count)
{
    return QString::number(index) + u" of "_qs + QString::number(count);
}

QString selectionKeyForSlide(const QString& caption)
{
    if (caption == QStringView(kMuseumSlides))
        return QString::fromUtf16(kMuseumKey);
    if (findCategory(caption))
        return caption;
    const QString trimmed = caption.trimmed();
    if (isYearKey(trimmed))
        return trimmed;
    return {};
}

ClockTexts clockTexts(const QDateTime& when)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    return {english.toString(when.time(), u"hh:mm:ss ap"_qs), english.toString(when.date(), u"MM/dd/yy"_qs),
            english.toString(when.date(), u"dddd"_qs)};
}

} // namespace kestrane
