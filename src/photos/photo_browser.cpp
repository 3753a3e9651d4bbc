#include "photos/photo_browser.h"

#include "common/category_table.h"
#include "common/year_keys.h"
#include "photos/photo_catalogue.h"
#include "state/app_state.h"

#include <algorithm>

namespace kestrane {

namespace {

// The fields a step may change, kept to undo a step that finds nothing.
struct BrowseFields
{
    qint16 cursor;
    Flag skip, next, back;
    QString code;

    static BrowseFields of(const AppState& s)
    {
        return {s.photos.photoCursor, s.photos.skipFirstMatch, s.photos.lastStepNext, s.photos.lastStepBack,
                s.selection.categoryCode};
    }
    void restore(AppState& s) const
    {
        s.photos.photoCursor = cursor;
        s.photos.skipFirstMatch = skip;
        s.photos.lastStepNext = next;
        s.photos.lastStepBack = back;
        s.selection.categoryCode = code;
    }
};

// The highest index that holds a photograph, whatever the count claims.
int lastIndex(const AppState& s)
{
    return std::min<int>(s.photos.photoCount, int(s.photos.photoFiles.size()) - 1);
}

bool matches(const AppState& s, int index)
{
    return photoCodeAt(s, index) == s.selection.categoryCode;
}

} // namespace

QString photoCodeAt(const AppState& state, int index)
{
    if (index < 1 || index >= state.photos.photoFiles.size())
        return {};
    return photoCode(state.photos.photoFiles.at(index));
}

std::optional<int> findFirstPhoto(const AppState& state, const QString& code)
{
    const int last = lastIndex(state);
    for (int n = 1; n <= last; ++n)
        if (photoCodeAt(state, n) == code)
            return n;
    return std::nullopt;
}

std::optional<int> stepNext(AppState& s)
{
    const BrowseFields before = BrowseFields::of(s);
    if (s.photos.lastStepBack) {
        s.photos.lastStepBack = kFalse;
        ++s.photos.photoCursor;
    }
    s.photos.lastStepNext = kTrue;
    s.selection.categoryCode = normaliseCode(s.selection.categoryCode);

    const int last = lastIndex(s);
    int start = std::max<int>(s.photos.photoCursor, 0);
    // At most three passes: from the cursor, from the start, and once more from the start when
    // the only photograph of the selection was the one SkipFirstMatch passed over.
    for (;;) {
        bool sawMatch = false;
        for (int j = start + 1; j <= last; ++j) {
            if (!matches(s, j))
                continue;
            sawMatch = true;
            if (s.photos.skipFirstMatch) {
                s.photos.skipFirstMatch = kFalse;
                continue;
            }
            s.photos.photoCursor = qint16(j);
            return j;
        }
        if (start == 0 && !sawMatch) {
            before.restore(s);
            return std::nullopt;
        }
        start = 0;
        s.photos.photoCursor = 0;
    }
}

std::optional<int> stepPrevious(AppState& s)
{
    const BrowseFields before = BrowseFields::of(s);
    const int last = lastIndex(s);
    s.photos.skipFirstMatch = kFalse;
    if (s.photos.lastStepNext)
        --s.photos.photoCursor;
    s.photos.lastStepBack = kTrue;
    // The slide show may leave the cursor anywhere, even past the photographs (clip-art mode).
    if (s.photos.photoCursor < 1 || s.photos.photoCursor > last)
        s.photos.photoCursor = qint16(last);
    s.selection.categoryCode = normaliseCode(s.selection.categoryCode);

    for (int pass = 0; pass < 2; ++pass) {
        for (int i = s.photos.photoCursor; i >= 1; --i)
            if (matches(s, i))
                return i;
        if (s.photos.photoCursor == last)
            break;
        s.photos.photoCursor = qint16(last);
    }
    before.restore(s);
    return std::nullopt;
}

void finishPreviousStep(AppState& s, int index)
{
    s.photos.photoCursor = qint16(index - 1);
    s.photos.shownIndex = qint16(index);
    s.photos.lastStepNext = kFalse;
}

QString photoDescriptionPath(const QString& cdRoot, const QString& currentPhoto, const QString& key)
{
    const QString name = pictureFileName(currentPhoto);
    const int dot = name.indexOf(u'.');
    const QString stem = key == u"Kestrane Emblems " ? name.left(5) : (dot < 0 ? name : name.left(dot));
    return cdRoot + u"\\richtext\\"_qs + stem + u".rtf"_qs;
}

QString saverPhotoCandidate(const QString& programFolder, const QString& key, const QString& descCaption,
                            const QString& currentPhoto)
{
    QString name;
    if (key == QStringView(kNoSelection))
        name = u"EMB972.jpg"_qs;
    else if (descCaption == u"Hello!")
        name = u"dalworth3.jpg"_qs;
    else
        name = pictureFileName(currentPhoto);
    return programFolder + u"\\sskestys\\"_qs + name;
}

TourStep tourStep(const QString& caption, int b)
{
    TourStep step;
    int k = b == 49 ? 1 : b + 1;
    step.frontBefore = b == 49 ? 2 : b + 1;
    const auto chain = tourChain();
    const int index = tourChainIndex(caption);
    if (caption == u"2002") {
        step.key = QString::fromUtf16(chain.front());
        k = 49;
    } else if (index == int(chain.size()) - 1) {
        step.key = u"1953"_qs;
        k = 1;
    } else if (index >= 0) {
        step.key = QString::fromUtf16(chain[size_t(index) + 1]);
        k = 49;
    } else if (k < 31) {
        step.key = u"19"_qs + QString::number(k + 52);
    } else if (k < 47) {
        step.key = u"19"_qs + QString::number(k + 53);
    } else {
        step.key = u"200"_qs + QString::number(k - 47);
    }
    step.yearButton = k;
    step.categoryPage = tourChainIndex(step.key) >= kTourFirstCategoryPage;
    step.frontAfter = k == 49 ? 1 : k + 1;
    return step;
}

} // namespace kestrane
