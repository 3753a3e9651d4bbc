#include "documents/advertisements.h"

#include "documents/document_names.h"

namespace kestrane {

namespace {

constexpr QStringView kCrLf = u"\r\n";

struct AdvertisementRow
{
    QStringView key;
    QStringView file;
};

// Categories with an advertisement of their own; every other key goes by the year rule.
constexpr AdvertisementRow kCategoryAdvertisements[] = {
    {u"Kestrane Pinball Machine ", u"xpbad00.jpg"},
    {u"1990-1995 ZR-1 ", u"zr1ad.jpg"},
    {u"Malibu Kestrane Ski Boat ", u"skad.jpg"},
    {u"Halvard C12 ", u"C12.jpg"},
    {u"Halvard Twin-Turbo ", u"hvad.jpg"},
    {u"Venzi Automotive Concepts ", u"venzi.jpg"},
    {u"Orbeck Cars ", u"obad.jpg"},
    {u"Dromell Cars ", u"dmad.jpg"},
    {u"Prototypes ", u"ACGMCO04.jpg"},
    {u"Specter Werkes GTR Roadster ", u"gtrad.jpg"},
    {u"Race Cars ", u"dpadmako.jpg"},
};

constexpr QStringView kDealerAdvertisement = u"dalworth.jpg";

} // namespace

bool hasNoAdvertisement(QStringView key)
{
    return key == u"1976" || key == u"1996";
}

AdvertisementChoice advertisementFor(QStringView key, QStringView documentCaption)
{
    if (key == documents::kDealerKey && documentCaption == documents::kDealerCaption)
        return {kDealerAdvertisement.toString(), documentCaption.toString() + u"  Advertisement"_qs};

    AdvertisementChoice choice;
    choice.caption = documents::kViewerCaptionPrefix.toString() + key.toString() + u" Advertisement"_qs;
    for (const AdvertisementRow& row : kCategoryAdvertisements) {
        if (key == row.key) {
            choice.file = row.file.toString();
            return choice;
        }
    }
    choice.file = keyDigits(key) + u"gmco00.jpg"_qs;
    return choice;
}

QString brochureFile(QStringView key)
{
    return u"br"_qs + key.left(4).toString() + u".jpg"_qs;
}

QString brochureCaption(QStringView key)
{
    return documents::kViewerCaptionPrefix.toString() + key.toString() + u" Marketing Brochure Cover"_qs;
}

QString noAdvertisementText()
{
    const QString crlf = kCrLf.toString();
    return u"Sorry!"_qs + crlf + crlf + u"Marburn did not advertise the Kestrane this year."_qs + crlf;
}

QString noBrochureText()
{
    const QString crlf = kCrLf.toString();
    return u"Sorry!"_qs + crlf + crlf +
           u"This Brochure was not available in time for the release of the Kestrane Omnivar 2002."_qs + crlf;
}

} // namespace kestrane
