#pragma once

#include "common/error_reporter.h"

#include <QDateTime>
#include <QString>

namespace kestrane {

// The three series of the slide show, by the index of their option button Option1.
enum class SlideMode { Photos = 0, ClipArt = 1, Insignias = 2 };
// The order buttons optSeq.
enum class SlideOrder { Sequential = 0, Random = 1 };
// The four manual steps of the button row (and the "<" and ">" keys).
enum class SlideStep { Fwd, Bkwd, JumpFwd, JumpBkwd };

// SlideInterval: 1, 2, 3, 4, 5 seconds, then every 5 seconds up to a minute.
inline constexpr qint32 kShortestInterval = 1000;
inline constexpr qint32 kLongestInterval = 60000;
// The slide-show window's interval panel before the first spin.
inline constexpr char16_t kFirstIntervalCaption[] = u" 1 second";

// The interval spin of both windows: one step down or up the allowed values, wrapping at either
// end. A value between the allowed ones moves to its neighbour in that direction.
qint32 spinSlideInterval(qint32 interval, bool up);
// The slide-show window's panInterval after a spin: "5 seconds" (plural for one second too).
QString slideIntervalCaption(qint32 interval);
// The main window's interval panel: "5 Seconds".
QString saverIntervalCaption(qint32 interval);

// A manual step over a list of `count` slides from `cursor`. Fwd and Jump Fwd come back to
// slide 1 on landing on the last slide (as they always did) and also past it; the backward steps
// wrap below 1 to the last slide.
int stepSlideCursor(int cursor, int count, SlideStep step);
// A manual step of the insignia sets 53..102 (there is no 83); the four extra sets are never
// reached this way.
int stepInsigniaYear(int insigniaYear, SlideStep step);
// The automatic sequential advance of the insignia sets.
int nextInsigniaYear(int insigniaYear);
// The Middle button: half the count, a half going to the even neighbour, never before slide 1.
int middleSlide(int count);
inline constexpr int kFirstInsigniaYear = 53;
inline constexpr int kMiddleInsigniaYear = 78;
// The mode switch sets this, so that the first step forward shows 1953.
inline constexpr int kInsigniaYearBeforeFirst = 52;

// Which column of the clip-art caption table a step reads.
enum class ClipCaptionRule { Tick, ForwardStep, BackwardStep };
ClipCaptionRule clipCaptionRule(SlideStep step);
// The caption of a clip-art picture by its file name: the ski boat, the Twin-Turbo and the ZR-1
// by their leading letters, otherwise the first four characters (a step puts a blank before them).
QString clipArtCaption(const QString& fileName, ClipCaptionRule rule);

// The error code of each manual step.
ErrorCode stepErrorCode(SlideStep step);

// "5 of 120" for pnlPhotoNumber.
QString photoNumberText(int index, int count);

// The main window's selection key for the caption of a slide: a year without the blanks the
// steps put around it, "National Kestrane Museum " for the museum's slides, a category title as
// it is. Empty when the caption names nothing the main window can show.
QString selectionKeyForSlide(const QString& caption);

// The clock panels: "03:04:05 pm", "06/15/02" and "Saturday", in English on any system.
struct ClockTexts
{
    QString time;
    QString date;
    QString day;
};
ClockTexts clockTexts(const QDateTime& when);

} // namespace kestrane
