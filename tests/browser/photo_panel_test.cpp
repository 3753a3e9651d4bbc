// The photo browser through the real window: steps, descriptions, file names, the tour.
#include "../selection/page_fixture.h"

#include "common/ui/rich_text_box.h"
#include "photos/photo_catalogue.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace kestrane;

namespace {

class PhotoPanelWindow : public PageFixture
{
protected:
    // A photo folder of its own on drive P, each photograph of its own colour.
    QString photos(const QStringList& names)
    {
        const QString folder = fake.addDrive(u'P');
        int hue = 0;
        for (const QString& name : names)
            writeHostFile(folder, u"kestranes/"_qs + name,
                          jpegOf(QColor::fromHsv((hue += 40) % 360, 200, 200)));
        return folder;
    }
    void next() { QTest::mouseClick(main->findChild<QToolButton*>(u"SpinUp"_qs), Qt::LeftButton); }
    void previous() { QTest::mouseClick(main->findChild<QToolButton*>(u"SpinDown"_qs), Qt::LeftButton); }
    QString shownName() const
    {
        return state.photos.currentPhoto.mid(state.photos.currentPhoto.lastIndexOf(u'\\') + 1);
    }
    RichTextBox* details() const { return main->findChild<RichTextBox*>(u"rtbDetails"_qs); }
    QLineEdit* txtFile() const { return main->findChild<QLineEdit*>(u"txtFile"_qs); }
    void clickPhoto() { QTest::mouseClick(label(u"Image4"_qs), Qt::LeftButton); }
};

} // namespace

TEST_F(PhotoPanelWindow, ThreePhotographsStepWithWrapAroundAndTheirRunningNumbers)
{
    open(photos({u"56A.JPG"_qs, u"56B.JPG"_qs, u"57A.JPG"_qs, u"57B.JPG"_qs, u"57C.JPG"_qs, u"58A.JPG"_qs}));
    clickYear(5);
    EXPECT_EQ(shownName(), u"57A.JPG");
    struct Step
    {
        bool forward;
        const char16_t* name;
        const char16_t* number;
    };
    const Step steps[] = {{true, u"57B.JPG", u"2"},  {true, u"57C.JPG", u"3"},  {true, u"57A.JPG", u"1"},
                          {false, u"57C.JPG", u"3"}, {false, u"57B.JPG", u"2"}, {true, u"57C.JPG", u"3"}};
    for (const Step& s : steps) {
        s.forward ? next() : previous();
        EXPECT_EQ(shownName(), QString::fromUtf16(s.name));
        EXPECT_EQ(panPhoto(), QString::fromUtf16(s.number));
        EXPECT_TRUE(shows(label(u"Image4"_qs), state.photos.currentPhoto));
        EXPECT_EQ(state.photos.photoFiles.at(state.photos.shownIndex), state.photos.currentPhoto);
        EXPECT_EQ(frontYearButton(), 6);
    }
    // The first step back from a new selection wraps to its last photograph.
    clickYear(5);
    previous();
    EXPECT_EQ(shownName(), u"57C.JPG");
}

TEST_F(PhotoPanelWindow, ASinglePhotographKeepsShowingAndNothingIsSelectedBeforeTheFirstYear)
{
    open(photos({u"57A.JPG"_qs, u"58A.JPG"_qs, u"59A.JPG"_qs}));
    yearButton(1)->setEnabled(false);
    next();
    EXPECT_TRUE(yearButton(1)->isEnabled());
    EXPECT_EQ(frontYearButton(), 1);
    EXPECT_TRUE(state.photos.currentPhoto.isEmpty());

    clickYear(6);
    for (int i = 0; i < 3; ++i) {
        i % 2 ? previous() : next();
        EXPECT_EQ(shownName(), u"58A.JPG");
        EXPECT_EQ(panPhoto(), u"1");
    }
    EXPECT_TRUE(errorCodesShown().isEmpty());
}

TEST_F(PhotoPanelWindow, TheYears2000To2002FindTheirAPhotographsAndRaiseTheirNeighbours)
{
    open();
    clickYear(48);
    next();
    EXPECT_EQ(shownName(), u"A1B.JPG");
    EXPECT_EQ(frontYearButton(), 49);
    clickYear(47);
    yearButton(48)->setEnabled(false);
    next();
    EXPECT_EQ(shownName(), u"A0B.JPG");
    EXPECT_TRUE(yearButton(48)->isEnabled());
    EXPECT_EQ(frontYearButton(), 48);
    clickYear(30);
    next();
    EXPECT_EQ(frontYearButton(), 31);
    clickYear(31);
    previous();
    EXPECT_EQ(frontYearButton(), 32);
    trigger(u"mnuMiscellany"_qs);
    next();
    EXPECT_EQ(frontYearButton(), 1);
}

TEST_F(PhotoPanelWindow, AVisibleDescriptionFollowsEachStep)
{
    open();
    trigger(u"mnuEmblems"_qs);
    details()->show();
    next();
    EXPECT_EQ(details()->fileName(), u"E:\\richtext\\EMB97.rtf");
    EXPECT_EQ(state.documents.documentPath, u"E:\\richtext\\EMB97.rtf");
    EXPECT_FALSE(details()->toPlainText().isEmpty());
    previous();
    EXPECT_EQ(details()->fileName(), u"E:\\richtext\\EMB53.rtf");
    // Placed by cmdAd and the photograph.
    const QAbstractButton* ad = button(u"cmdAd"_qs);
    const QPoint adPos = ad->mapTo(main.get(), QPoint(0, 0));
    const QPoint photoPos = label(u"Image4"_qs)->mapTo(main.get(), QPoint(0, 0));
    const QPoint box = details()->mapTo(main.get(), QPoint(0, 0));
    EXPECT_EQ(box.x() + details()->width(), adPos.x() + ad->width() - 10);
    EXPECT_EQ(box.y(), photoPos.y() + 8);

    trigger(u"mnuMiscellany"_qs);
    EXPECT_TRUE(details()->isHidden());
    details()->show();
    next();
    EXPECT_EQ(details()->fileName(), u"E:\\richtext\\MSB.rtf");
    EXPECT_TRUE(errorCodesShown().isEmpty());

    // A click on the box hides it and raises the button after the current one.
    QTest::mouseClick(details()->viewport(), Qt::LeftButton);
    EXPECT_TRUE(details()->isHidden());
    EXPECT_EQ(frontYearButton(), 1);

    // A photograph without a document of its own is reported.
    clickYear(5);
    details()->show();
    next();
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER002"_qs});
    EXPECT_EQ(state.documents.documentPath, u"E:\\richtext\\57B.rtf");
}

TEST_F(PhotoPanelWindow, FileNamesShowInTheBoxAndFollowTheSteps)
{
    open(photos({u"57A.JPG"_qs, u"57BCDEFGHIJK.JPG"_qs}));
    QAction* names = action(u"mnuNames"_qs);
    names->trigger();
    EXPECT_TRUE(txtFile()->isHidden());
    EXPECT_EQ(names->text(), u"Show File &Names");

    clickYear(5);
    names->trigger();
    EXPECT_EQ(names->text(), u"Hide File &Names");
    EXPECT_TRUE(txtFile()->isVisible());
    EXPECT_EQ(txtFile()->text(), u"57A.JPG");
    next();
    EXPECT_EQ(txtFile()->text(), u"57BCDEFGHIJK");
    clickYear(5);
    EXPECT_EQ(txtFile()->text(), u"57A.JPG");

    QTest::mouseClick(txtFile(), Qt::LeftButton);
    EXPECT_TRUE(txtFile()->isHidden());
    EXPECT_EQ(names->text(), u"Show File &Names");
    EXPECT_EQ(state.selection.fileNamesFlag, kFalse);
    names->trigger();
    names->trigger();
    EXPECT_TRUE(txtFile()->isHidden());
}

TEST_F(PhotoPanelWindow, AClickOnThePhotographToursYearsThenTheCategoryChain)
{
    open();
    struct Row
    {
        int year;
        const char16_t* menu;
        const char16_t* next;
        int button;
        int front;
    };
    const Row rows[] = {
        {30, nullptr, u"1984", 31, 32},
        {46, nullptr, u"2000", 47, 48},
        {49, nullptr, u"1990-1995 ZR-1 ", 49, 1},
        {0, u"mnuTopTen", u"1953", 1, 2},
        {0, u"mnuMus(2)", u"1953", 1, 2},
        {0, u"mnuSpecialty(8)", u"Malibu Kestrane Ski Boat ", 49, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf16(r.next).toStdString());
        r.menu ? trigger(QString::fromUtf16(r.menu)) : clickYear(r.year);
        clickPhoto();
        EXPECT_EQ(key(), QString::fromUtf16(r.next));
        EXPECT_EQ(state.selection.currentYearButton, r.button);
        EXPECT_EQ(frontYearButton(), r.front);
        EXPECT_EQ(panPhoto(), u"1");
        EXPECT_EQ(state.photos.photoCursor, 0);
    }
    // From the custom cars on, the chain shows its entries as category pages.
    trigger(u"mnuSpecialty(2)"_qs);
    clickPhoto();
    EXPECT_EQ(key(), u"Additional Clip Art ");
    EXPECT_EQ(button(u"cmdStats"_qs)->text(), u"Details");
    EXPECT_FALSE(button(u"cmdAd"_qs)->isEnabled());
    EXPECT_FALSE(button(u"cmdOptions"_qs)->isEnabled());
    clickPhoto();
    EXPECT_EQ(key(), u"Art Print Two ");
    EXPECT_TRUE(errorCodesShown().isEmpty());
}

TEST_F(PhotoPanelWindow, APhotographInThePlayListEnablesRemoveInsteadOfAdd)
{
    open();
    writeHostFile(fake.programFolder(), u"sskestys/57B.JPG"_qs, jpegOf(Qt::red));
    clickYear(5);
    EXPECT_TRUE(state.saver.saverAddEnabled);
    EXPECT_FALSE(state.saver.saverRemoveEnabled);
    next();
    EXPECT_TRUE(state.saver.saverPhotoPath.endsWith(u"\\sskestys\\57B.JPG"));
    EXPECT_FALSE(state.saver.saverAddEnabled);
    EXPECT_TRUE(state.saver.saverRemoveEnabled);
}

TEST_F(PhotoPanelWindow, ADoubleClickOnTheNumberReloadsThePhotographs)
{
    const QString folder = photos({u"57A.JPG"_qs});
    open(folder);
    clickYear(5);
    writeHostFile(folder, u"kestranes/57B.JPG"_qs, jpegOf(Qt::green));
    QTest::mouseDClick(label(u"panPhoto"_qs), Qt::LeftButton);
    EXPECT_EQ(state.photos.photoCount, 2);
    EXPECT_EQ(shownName(), u"57B.JPG");
    EXPECT_EQ(panPhoto(), u"2");
}

TEST_F(PhotoPanelWindow, AnUnreadablePhotographIsReportedByTheStepThatMetIt)
{
    const QString folder = photos({u"57A.JPG"_qs});
    writeHostFile(folder, u"kestranes/57B.JPG"_qs, "broken");
    open(folder);
    clickYear(5);
    next();
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER012"_qs});
    EXPECT_EQ(panPhoto(), u"1");
    EXPECT_EQ(shownName(), u"57A.JPG");
    fake.dialogs.boxes.clear();
    clickYear(5);
    previous();
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER011"_qs});

    // A selection whose first photograph cannot be read ends quietly without the old photograph.
    writeHostFile(folder, u"kestranes/58A.JPG"_qs, "broken");
    LoadPhotoArray(context);
    fake.dialogs.boxes.clear();
    clickYear(6);
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
    EXPECT_EQ(key(), u"1958");
    EXPECT_TRUE(label(u"Image4"_qs)->isHidden());
}
