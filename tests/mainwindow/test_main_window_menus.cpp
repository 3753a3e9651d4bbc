#include "form1_fixture.h"

#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

using namespace kestrane;

namespace {

using Form1Menus = Form1Fixture;

// The menu tree after the load of the standard edition: caption [name], "-" for a separator,
// "(hidden)" for an item that is not shown, submenus indented.
const char16_t* const kExpectedTree = uR"(&File [mnuFile]
  -
  Create &Wallpaper Instructions [mnuWallPaper]
  Copy Photo [mnuCopyPhoto]
  -
  &Copy CD-ROM photos to hard drive [mnuCopy]
  &Remove photos from hard drive [mnuRemove]
  -
  &Copy CD-ROM movies to hard drive [mnuCopyMovies]
  &Remove movies from hard drive [mnuRemoveMovies]
  -
  &Install Screen saver [mnuSaver]
  Install Intel &Video Software [mnuVideo]
  -
  Print &Photo [mnuPrintPhoto]
  Print &Booklet [mnuPrnt]
  Print &Setup [mnuPrint]
  -
  Check Screen Resolution Setting [mnuCheckScreen]
  -
  Show File &Names [mnuNames]
  -
  E&xit [mnuExit]
Sound &Effects [mnuSound]
&Movies [mnuMovies]
&Literature [mnuLiterature]
  Top Ten Kestrane &People [mnuTopTen]
  &Shark Quarterly Interview with Ostrel [mnuOstrel1]
  &Garrow Interview with Ostrel [mnuGarrow]
  Kestrane &Articles [mnuLitArticles]
    &Hand Signals and Other Greetings [mnuArticles(1)]
    &Commemorating the C4 [mnuArticles(2)]
    &Long Live the King! [mnuArticles(3)]
    &Save the Wave [mnuArticles(4)]
    &The Ten second Trip [mnuArticles(5)]
    The &Moment [mnuArticles(6)]
    &Z06 - 2001 Car of the Year [mnuArticles(7)]
  Kestrane &Books [mnuBooks]
  Kestrane &Catalogs [mnuCatalogs]
  Kestrane &Magazines [mnuMagazines]
    Kestrane &&Capers [mnuMag(1)]
    Kestrane &Fever [mnuMag(2)]
    Kestrane &Journal [mnuMag(3)]
    Kestrane &Magasinet [mnuMag(4)]
    Kestrane &Quarterly [mnuMag(5)]
    Kestrane &Restorer [mnuMag(6)]
    Kestrane &Trader [mnuMag(7)]
    For &Kestys Only [mnuMag(8)]
    &Shark Quarterly [mnuMag(9)]
    The Yankee &Lady Gazette [mnuMag(10)]
    K&esty Magazine [mnuMag(11)]
    Kesty V&ues [mnuMag(12)]
    &Y-Car On-Line [mnuMag(13)]
Mis&cellaneous [mnuMisc]
  Kestrane &Advertising Checklist [mnuADs]
  Kestrane &Engines [mnuEngines]
  Kestrane Em&blems [mnuEmblems]
  Kestrane &Glossary [mnuGlossary]
  &Miscellany [mnuMiscellany]
  &Kestrane Museums [mnuMuseums]
    &National Kestrane Museum [mnuMus(1)]
    &Kestrane Americana [mnuMus(2)]
  Kestrane &Timeline [mnuTimeLine]
  Kestrane &Identification Guide [MnuIDKesty]
  &The Illustrated Kestrane [mnuPenrow]
&Artwork [mnuArtWork]
  Additional &Clip Art [mnuArt(0)]
  &Art Print Two [mnuArt(2)]
  &National Kestrane Museum [mnuArt(3)]
  &Art Print Five [mnuArt(4)]
&Kesty Stuff [mnustuff]
  &Car Stuff Kestrane Calendars [mnukestystuff(0)]
  Kestrane &Holiday Cards [mnukestystuff(1)]
  Kestrane Monopoly &Game [mnukestystuff(2)]
  Danbury &Die-Cast Models [mnukestystuff(3)]
  Franklin Mint Collector &Knives [mnukestystuff(4)]
  Franklin Mint Collector P&lates [mnukestystuff(5)]
  Franklin Mint &Die-Cast Models [mnukestystuff(6)]
  Franklin Mint &Fuel Injected Engine [mnukestystuff(7)]
  Franklin Mint Kestrane Pocket watch [mnukestystuff(8)]
  Kestrane &Metal Signs [mnukestystuff(9)]
  &Revell-Monogram Models [mnukestystuff(10)]
  Kestrane &Pinball Machine [mnukestystuff(11)]
  Kestrane C&oin [mnukestystuff(12)]
  Kestrane Philatel&y [mnukestystuff(13)]
  Kestrane &Rubber Stamps [mnukestystuff(14)]
  Hoyle Kestrane Playing Cards  [mnukestystuff(15)]
S&pecialty [mnuSpecial]
  Halvard C&12 [mnuSpecialty(0)]
  &Halvard Twin Turbo [mnuSpecialty(1)]
  &Custom Kestranes [mnuSpecialty(2)]
  &Venzi Automotive Concepts [mnuSpecialty(3)]
  &Orbeck [mnuSpecialty(4)]
  &Dromell Cars [mnuSpecialty(5)]
  Malibu Kestrane &Boat [mnuSpecialty(6)]
  &Prototypes [mnuSpecialty(7)]
  &Race Cars [mnuSpecialty(8)]
  Specter &Werkes GTR Roadster [mnuSpecialty(9)]
  &ZR-1 [mnuSpecialty(10)]
&SlideShow [mnuSlideShow]
&Dalworth [mnuDalworth] (hidden)
HideStatusBar [mnuHideStatus]
Kestrane &Website [mnuWeb]
&Help [mnuHelp]
  &Contents [mnuContents]
  -
  Visit the Quoxel Software Website [mnuQXSoftware]
  -
  &What's New [mnuWhatsNew]
  &Introduction [mnuIntro]
  &Notice [mnuNotice]
  C&redits [mnuCredits]
  Contri&butions [mnuContrib]
  -
  &System Info [mnuSysInfo]
  &About [mnuAbout]
Exit [mnuExit2]
)";

void outline(const QList<QAction*>& actions, const QString& indent, QString* out)
{
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            *out += indent + u"-\n"_qs;
            continue;
        }
        *out += indent + action->text() + u" ["_qs + action->objectName() + u']' +
                (action->isVisible() ? QString() : u" (hidden)"_qs) + u'\n';
        if (action->menu())
            outline(action->menu()->actions(), indent + u"  "_qs, out);
    }
}

QList<QAction*> allItems(const QList<QAction*>& actions)
{
    QList<QAction*> items;
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        items << action;
        if (action->menu())
            items << allItems(action->menu()->actions());
    }
    return items;
}

} // namespace

TEST_F(Form1Menus, TheMenuTreeHasEveryCaptionSeparatorAndArrayItemInOrder)
{
    MainWindow& main = open();
    QString tree;
    outline(main.menuBar()->actions(), QString(), &tree);
    EXPECT_EQ(tree.toStdString(), QString::fromUtf16(kExpectedTree).toStdString());
}

TEST_F(Form1Menus, ItemsOfLaterSubsystemsAreEnabledAndDoNothingYet)
{
    MainWindow& main = open();
    const QStringList ownItems = {u"mnuExit"_qs, u"mnuExit2"_qs, u"mnuCheckScreen"_qs, u"mnuHideStatus"_qs};
    int triggered = 0;
    for (QAction* item : allItems(main.menuBar()->actions())) {
        // A hidden item (mnuDalworth) cannot be used; every shown one can.
        EXPECT_EQ(item->isEnabled(), item->isVisible()) << item->objectName().toStdString();
        if (item->menu() || ownItems.contains(item->objectName()))
            continue;
        item->trigger();
        ++triggered;
    }
    EXPECT_EQ(triggered, 92);
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(fake.app.ended);
}

TEST_F(Form1Menus, EverySeparatorIsDrawnIncludingTheOneAtTheTopOfFile)
{
    MainWindow& main = open();
    int separators = 0;
    for (QMenu* menu : main.menuBar()->findChildren<QMenu*>()) {
        menu->ensurePolished();
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                continue;
            ++separators;
            EXPECT_FALSE(menu->actionGeometry(action).isEmpty())
                << menu->objectName().toStdString() << " separator " << menu->actions().indexOf(action);
        }
    }
    EXPECT_EQ(separators, 11);
}

// What is painted, not only laid out: the line at the top of File must stand clear of the menu's
// border, exactly as the line between two of its items is drawn.
TEST_F(Form1Menus, TheSeparatorAtTheTopOfFileIsPaintedAboveTheFirstItem)
{
    MainWindow& main = open();
    QMenu* file = main.findChild<QMenu*>(names::name(names::mnuFile));
    ASSERT_NE(file, nullptr);
    file->popup(main.mapToGlobal(QPoint(0, 0)));
    const QImage painted = file->grab().toImage();
    file->close();

    const QList<QAction*> actions = file->actions();
    ASSERT_TRUE(actions.at(0)->isSeparator());
    ASSERT_TRUE(actions.at(3)->isSeparator()); // between Copy Photo and Copy CD-ROM photos
    const QRect top = file->actionGeometry(actions.at(0));
    const QRect between = file->actionGeometry(actions.at(3));
    const QRect firstItem = file->actionGeometry(actions.at(1));
    ASSERT_EQ(top.size(), between.size());
    ASSERT_LE(top.bottom(), firstItem.top());

    const QImage betweenStrip = painted.copy(between);
    QSet<QRgb> rows; // a line on the menu's background: two colours down the middle
    for (int y = 0; y < betweenStrip.height(); ++y)
        rows.insert(betweenStrip.pixel(betweenStrip.width() / 2, y));
    ASSERT_GT(rows.size(), 1) << "no line between the items either";
    EXPECT_TRUE(painted.copy(top) == betweenStrip)
        << "separator at " << top.y() << ", first item at " << firstItem.y();
}
