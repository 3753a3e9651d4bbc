// The page buttons each category leaves disabled, one row per distinct set. The expected buttons
// are written out by name from the product's tables, never built from the masks under test.
#include "common/category_table.h"
#include "selection/page_setup.h"

#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

using namespace kestrane;

namespace {

#define NINE                                                                                                 \
    "cmdOptions cmdColors cmdScript cmdEmblem cmdEmbRear cmdEmbSide cmdClipArt cmdNostalgia cmdBrochure "

struct MaskRow
{
    const char* disabled;
    std::vector<const char16_t*> titles;
};

struct SetupRow
{
    const char* disabled;
    InsigniaSet hide;
    bool statsDetails;
    std::vector<const char16_t*> titles;
};

QString namesOf(PageButtons mask)
{
    QStringList names;
    for (const PageButtonName& b : kPageButtonNames)
        if (mask & b.button)
            names << QString::fromUtf16(b.name);
    names.sort();
    return names.join(u' ');
}

QString sortedNames(const char* names)
{
    QStringList list = QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts);
    list.sort();
    return list.join(u' ');
}

} // namespace

TEST(CategoryMasks, WrongButtonLeftEnabledOrDisabledAfterACategorysMenuItem)
{
    const MaskRow rows[] = {
        {"", {u"Kestrane Prototypes ", u"Art Print One ", u"Art Print Three ", u"Art Print Four "}},
        {NINE "cmdDesc cmdAd", {u"Kestrane Emblems ", u"Custom Kestranes"}},
        {NINE "cmdDesc cmdStats cmdAd",
         {u"Miscellany ", u"Additional Clip Art ", u"Hoyle Kestrane Playing Cards "}},
        {NINE "cmdStats cmdAd",
         {u"Top Ten Kestrane People ", u"Car Stuff Kestrane Calendars ", u"Kestrane Monopoly Game ",
          u"Franklin Mint Collector Knives ", u"Franklin Mint Collector Plates ",
          u"Franklin Mint Kestrane Pocket Watch ", u"Kestrane Coin ", u"Kestrane Rubber Stamps "}},
        {NINE "cmdAd",
         {u"National Kestrane Museum ", u"Art Print Two ", u"National Kestrane Museum Print ",
          u"Art Print Five ", u"Kestrane Holiday Cards ", u"Danbury Mint Die-cast Models  ",
          u"Franklin Mint Die-cast Models  ", u"Franklin Mint Fuel Injected Engine ",
          u"Kestrane Metal Signs ", u"Revell-Monogram Models  ", u"Kestrane Philately "}},
        {NINE, {u"Kestrane Americana "}},
        {NINE "cmdStats", {u"Kestrane Pinball Machine ", u"Specter Werkes GTR Roadster "}},
        {NINE "cmdDesc", {u"Prototypes "}},
        {"cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure", {u"Halvard C12 ", u"Dromell Cars "}},
        {"cmdNostalgia cmdBrochure cmdAd", {u"Halvard Twin-Turbo "}},
        {"cmdClipArt cmdEmblem cmdEmbRear cmdEmbSide cmdNostalgia cmdBrochure",
         {u"Venzi Automotive Concepts "}},
        {"cmdStats cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure", {u"Orbeck Cars "}},
        {"cmdNostalgia cmdBrochure", {u"Malibu Kestrane Ski Boat ", u"1990-1995 ZR-1 "}},
        {"cmdOptions cmdColors cmdEmbRear cmdEmbSide cmdClipArt cmdNostalgia cmdBrochure "
         "cmdDesc cmdStats cmdAd",
         {u"Race Cars "}},
    };
    QSet<QString> checked;
    for (const MaskRow& row : rows) {
        for (const char16_t* title : row.titles) {
            const QString key = QString::fromUtf16(title);
            SCOPED_TRACE(key.toStdString());
            const CategoryRow* category = findCategory(key);
            ASSERT_NE(category, nullptr);
            EXPECT_EQ(namesOf(category->disabled), sortedNames(row.disabled));
            checked << key;
        }
    }
    // A row added to the table without its expectation here fails.
    for (const CategoryRow& category : categoryTable()) {
        const QString title = QString::fromUtf16(category.title);
        EXPECT_TRUE(checked.contains(title)) << title.toStdString();
    }
}

TEST(CategoryMasks, WrongButtonLeftEnabledOrDisabledByTheRefreshsButtonSetup)
{
    constexpr InsigniaSet kFourPictures = kClipArtPicture | kFrontEmblem | kRearEmblem | kSideEmblem;
    const SetupRow rows[] = {
        {NINE "cmdDesc cmdStats cmdAd",
         0,
         false,
         {u"Miscellany ", u"Additional Clip Art ", u"Hoyle Kestrane Playing Cards "}},
        {NINE "cmdDesc cmdAd", 0, false, {u"Kestrane Emblems ", u"Custom Kestranes"}},
        {NINE "cmdDesc", 0, false, {u"Prototypes "}},
        {NINE "cmdStats cmdAd",
         0,
         false,
         {u"Top Ten Kestrane People ", u"Kestrane Coin ", u"Kestrane Rubber Stamps ",
          u"Car Stuff Kestrane Calendars ", u"Kestrane Monopoly Game ", u"Franklin Mint Collector Knives ",
          u"Franklin Mint Collector Plates "}},
        {NINE "cmdStats", 0, false, {u"Specter Werkes GTR Roadster ", u"Kestrane Pinball Machine "}},
        {NINE "cmdAd",
         0,
         true,
         {u"National Kestrane Museum ", u"Kestrane Philately ", u"Kestrane Metal Signs ",
          u"Kestrane Holiday Cards ", u"Danbury Mint Die-cast Models  ", u"Franklin Mint Die-cast Models  ",
          u"Franklin Mint Fuel Injected Engine ", u"Franklin Mint Kestrane Pocket Watch ", u"Art Print Two ",
          u"National Kestrane Museum Print ", u"Revell-Monogram Models  ", u"Art Print Five "}},
        {"cmdDesc cmdStats cmdOptions cmdColors cmdEmbRear cmdEmbSide cmdClipArt cmdAd cmdNostalgia "
         "cmdBrochure",
         0,
         false,
         {u"Race Cars "}},
        {"cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure",
         kClipArtPicture,
         false,
         {u"Halvard C12 "}},
        {"cmdNostalgia cmdBrochure cmdAd", 0, false, {u"Halvard Twin-Turbo "}},
        {"cmdStats cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure",
         kFourPictures,
         false,
         {u"Orbeck Cars "}},
        {"cmdClipArt cmdEmblem cmdEmbRear cmdEmbSide cmdNostalgia cmdBrochure",
         kFourPictures,
         false,
         {u"Venzi Automotive Concepts "}},
        {"cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure", 0, false, {u"Dromell Cars "}},
        {"cmdNostalgia cmdBrochure", 0, false, {u"Malibu Kestrane Ski Boat "}},
    };
    QSet<QString> listed;
    for (const SetupRow& row : rows) {
        for (const char16_t* title : row.titles) {
            const QString key = QString::fromUtf16(title);
            SCOPED_TRACE(key.toStdString());
            const ButtonSetup setup = categoryButtonSetup(key);
            EXPECT_EQ(namesOf(setup.disabled), sortedNames(row.disabled));
            EXPECT_EQ(setup.hide, row.hide);
            EXPECT_EQ(setup.statsDetails, row.statsDetails);
            listed << key;
        }
    }
    // Every other key keeps all buttons: the years, the titles without a set-up of their own (the
    // ZR-1 page disables its two in the refresh itself), and a title with one blank too many.
    QStringList others = {u"1957"_qs, u"2002"_qs, u"Custom Kestranes "_qs, u"Miscellany"_qs};
    for (const CategoryRow& category : categoryTable())
        if (!listed.contains(QString::fromUtf16(category.title)))
            others << QString::fromUtf16(category.title);
    for (const QString& key : others) {
        SCOPED_TRACE(key.toStdString());
        const ButtonSetup setup = categoryButtonSetup(key);
        EXPECT_EQ(namesOf(setup.disabled), QString());
        EXPECT_EQ(setup.hide, 0);
        EXPECT_FALSE(setup.statsDetails);
    }
}
