#include "selection/insignia.h"

#include "common/year_keys.h"

#include <QStringView>

namespace kestrane {

namespace {

// A key (exact, trailing blanks included) and its file below the CD root.
struct FileRule
{
    const char16_t* key;
    const char16_t* file;
};

constexpr FileRule kScriptRules[] = {
    {u"1990-1995 ZR-1 ", u"\\SCRIPTS\\SCRIzr1.jpg"},
    {u"Malibu Kestrane Ski Boat ", u"\\SCRIPTS\\SCRIsk.jpg"},
    {u"Halvard C12 ", u"\\SCRIPTS\\SCRIC12.jpg"},
    {u"Halvard Twin-Turbo ", u"\\SCRIPTS\\SCRIhv.jpg"},
    {u"Venzi Automotive Concepts ", u"\\SCRIPTS\\SCRIvz.jpg"},
    {u"Orbeck Cars ", u"\\SCRIPTS\\SCRIob.jpg"},
    {u"Dromell Cars ", u"\\SCRIPTS\\SCRIdm.jpg"},
    {u"Race Cars ", u"\\SCRIPTS\\SCRIRace.jpg"},
};

constexpr FileRule kFrontRules[] = {
    {u"1990-1995 ZR-1 ", u"\\embfront\\EMBZR1f.jpg"},
    {u"Malibu Kestrane Ski Boat ", u"\\embfront\\EMB96f.jpg"},
    {u"Halvard C12 ", u"\\embfront\\EMBc12f.jpg"},
    {u"Halvard Twin-Turbo ", u"\\embfront\\EMBhvf.jpg"},
    {u"Venzi Automotive Concepts ", u"\\graphics\\nonose.jpg"},
    {u"Orbeck Cars ", u"\\embfront\\EMB99f.jpg"},
    {u"Dromell Cars ", u"\\embfront\\EMB99f.jpg"},
    {u"Race Cars ", u"\\embfront\\EMBRacef.jpg"},
};

constexpr FileRule kRearRules[] = {
    {u"1953", u"\\graphics\\norear.jpg"},
    {u"1954", u"\\graphics\\norear.jpg"},
    {u"1955", u"\\graphics\\norear.jpg"},
    {u"1974", u"\\graphics\\norear.jpg"},
    {u"1990-1995 ZR-1 ", u"\\embrear\\embZR1r.jpg"},
    {u"Malibu Kestrane Ski Boat ", u"\\embrear\\emb96r.jpg"},
    {u"Halvard C12 ", u"\\embrear\\embc12r.jpg"},
    {u"Halvard Twin-Turbo ", u"\\embrear\\embhvr.jpg"},
    {u"Venzi Automotive Concepts ", u"\\graphics\\norear.jpg"},
    {u"Orbeck Cars ", u"\\embrear\\emb99r.jpg"},
    {u"Dromell Cars ", u"\\embrear\\emb99r.jpg"},
};

constexpr FileRule kSideRules[] = {
    {u"1954", u"\\embside\\emb53s.jpg"},
    {u"1955", u"\\embside\\emb53s.jpg"},
    {u"1981", u"\\graphics\\noside.jpg"},
    {u"1991", u"\\embside\\emb91s.jpg"},
    {u"1992", u"\\embside\\emb91s.jpg"},
    {u"1994", u"\\embside\\emb91s.jpg"},
    {u"1995", u"\\embside\\emb91s.jpg"},
    {u"1990-1995 ZR-1 ", u"\\embside\\embzr1s.jpg"},
    {u"Halvard C12 ", u"\\embside\\embc12s.jpg"},
    {u"Dromell Cars ", u"\\embside\\embdrmls.jpg"},
    {u"Malibu Kestrane Ski Boat ", u"\\graphics\\noside.jpg"},
    {u"Halvard Twin-Turbo ", u"\\graphics\\noside.jpg"},
    {u"Venzi Automotive Concepts ", u"\\graphics\\noside.jpg"},
    {u"Orbeck Cars ", u"\\graphics\\noside.jpg"},
};

constexpr FileRule kClipArtRules[] = {
    {u"Malibu Kestrane Ski Boat ", u"\\ClipArt\\skkes.jpg"},
    {u"Halvard Twin-Turbo ", u"\\ClipArt\\hvkes.jpg"},
    {u"1990-1995 ZR-1 ", u"\\ClipArt\\ZRkes.jpg"},
};

template <size_t N> const FileRule* findRule(const FileRule (&rules)[N], const QString& key)
{
    for (const FileRule& rule : rules)
        if (QStringView(key) == QStringView(rule.key))
            return &rule;
    return nullptr;
}

const FileRule* ruleFor(Insignia picture, const QString& key)
{
    switch (picture) {
    case kScriptPicture:
        return findRule(kScriptRules, key);
    case kFrontEmblem:
        return findRule(kFrontRules, key);
    case kRearEmblem:
        return findRule(kRearRules, key);
    case kSideEmblem:
        return findRule(kSideRules, key);
    case kClipArtPicture:
        return findRule(kClipArtRules, key);
    }
    return nullptr;
}

} // namespace

const InsigniaInfo& insigniaInfo(Insignia picture)
{
    for (const InsigniaInfo& info : kInsigniaInfo)
        if (info.picture == picture)
            return info;
    return kInsigniaInfo.front();
}

QString insigniaFile(Insignia picture, const QString& key)
{
    if (const FileRule* rule = ruleFor(picture, key))
        return QString::fromUtf16(rule->file);
    // The general rules read the key as a year: yy its third and fourth characters, and the
    // clip art the whole four (2000.jpg, never the photographs' A0 form).
    const QString yy = key.mid(2, 2);
    switch (picture) {
    case kScriptPicture:
        return u"\\scripts\\scri"_qs + yy + u".jpg"_qs;
    case kFrontEmblem:
        return u"\\embfront\\emb"_qs + yy + u"f.jpg"_qs;
    case kRearEmblem:
        return u"\\embrear\\emb"_qs + yy + u"r.jpg"_qs;
    case kSideEmblem:
        return u"\\embside\\emb"_qs + yy + u"s.jpg"_qs;
    case kClipArtPicture:
        return u"\\ClipArt\\"_qs + key.left(2) + yy + u".jpg"_qs;
    }
    return {};
}

bool hasOwnInsigniaFile(Insignia picture, const QString& key)
{
    return isYearKey(key) || ruleFor(picture, key) != nullptr;
}

QPoint insigniaPosition(Insignia picture, const QRect& photo, int frameTop, const QSize& size,
                        const QPoint& designed)
{
    const int aboveFrame = frameTop - size.height() - 1;
    // Measured from the photograph's width alone: with the photograph 8 pixels from the left
    // the front emblem meets its right edge and the side emblem stands 8 pixels inside it.
    const int rightEdge = photo.width() - size.width();
    switch (picture) {
    case kScriptPicture:
        return {photo.left() + 1, photo.top() + 50};
    case kRearEmblem:
        return {photo.left() + 1, aboveFrame};
    case kSideEmblem:
        return {rightEdge, aboveFrame};
    case kFrontEmblem:
        return {rightEdge + 8, aboveFrame};
    case kClipArtPicture:
        return designed;
    }
    return designed;
}

} // namespace kestrane
