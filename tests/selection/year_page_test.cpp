// The year buttons, the insignia pictures and the window's own events through the real window.
#include "page_fixture.h"

#include "photos/photo_catalogue.h"
#include "selection/ui/year_page.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

using namespace kestrane;

namespace {

class YearPageWindow : public PageFixture
{
};

// What a screen reader announces for a control: its accessible name and value.
QString heard(QWidget* widget, QAccessible::Text part = QAccessible::Name)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(part) : QString();
}

// The text a control shows on screen, as plain text; empty for controls that show none.
QString shownText(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()))
            return label->text();
        QTextDocument plain;
        plain.setHtml(label->text());
        return plain.toPlainText();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text().remove(u'&');
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return {};
}

} // namespace

TEST_F(YearPageWindow, ScreenReadersHearTheCaptionsThePageShows)
{
    open();
    QLabel* panYear = label(u"panYear"_qs);
    EXPECT_EQ(heard(panYear).toStdString(), "Choose a model year");
    EXPECT_EQ(heard(panYear, QAccessible::Description).toStdString(), "Selection");
    clickYear(5);
    EXPECT_EQ(heard(panYear).toStdString(), "1957");
    EXPECT_EQ(heard(label(u"panPhoto"_qs)).toStdString(), "1");

    int captions = 0;
    for (QWidget* widget : main->findChildren<QWidget*>()) {
        const QString shown = shownText(widget).trimmed();
        if (shown.isEmpty())
            continue;
        ++captions;
        const QString name = heard(widget);
        const QString value = heard(widget, QAccessible::Value);
        EXPECT_TRUE(name.contains(shown) || value.contains(shown))
            << widget->objectName().toStdString() << " shows \"" << shown.toStdString()
            << "\" but is heard as \"" << name.toStdString() << "\" / \"" << value.toStdString() << '"';
    }
    EXPECT_GT(captions, 49 + 13); // at least the year and page buttons
}

TEST_F(YearPageWindow, YearButtonsSelectTheirYearWithoutA1983)
{
    open();
    struct Row
    {
        int button;
        const char16_t* key;
        const char16_t* code;
        const char16_t* photo;
        int front;
    };
    const Row rows[] = {
        {1, u"1953", u"53", u"53A.JPG", 2},   {5, u"1957", u"57", u"57A.JPG", 6},
        {30, u"1982", u"82", u"82A.JPG", 31}, {31, u"1984", u"84", u"84A.JPG", 32},
        {47, u"2000", u"A0", u"A0A.JPG", 48}, {48, u"2001", u"A1", u"A1A.JPG", 49},
        {49, u"2002", u"A2", u"A2A.JPG", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.button);
        clickYear(r.button);
        EXPECT_EQ(key(), QString::fromUtf16(r.key));
        EXPECT_EQ(state.selection.categoryCode, QString::fromUtf16(r.code));
        EXPECT_EQ(state.photos.currentPhoto, u"E:\\kestranes\\"_qs + QString::fromUtf16(r.photo));
        EXPECT_TRUE(shows(label(u"Image4"_qs), state.photos.currentPhoto));
        EXPECT_EQ(state.photos.shownIndex, state.photos.photoFiles.indexOf(state.photos.currentPhoto));
        EXPECT_EQ(state.selection.currentYearButton, r.button);
        EXPECT_EQ(frontYearButton(), r.front);
        EXPECT_EQ(panPhoto(), u"1");
        EXPECT_EQ(button(u"cmdStats"_qs)->text(), u"Statistics");
        EXPECT_EQ(action(u"mnuWeb"_qs)->text(), u"Kestrane Website");
    }
    EXPECT_EQ(state.selection.yearClickFlag, kTrue);
    EXPECT_TRUE(errorCodesShown().isEmpty());
}

TEST_F(YearPageWindow, InsigniaFollowTheYearWithPlaceholdersAndSharedFiles)
{
    open();
    clickYear(5);
    showAllInsignia();
    struct Row
    {
        int button;
        const char16_t* script;
        const char16_t* front;
        const char16_t* rear;
        const char16_t* side;
        const char16_t* clip;
    };
    const Row rows[] = {
        {5, u"\\scripts\\scri57.jpg", u"\\embfront\\emb57f.jpg", u"\\embrear\\emb57r.jpg",
         u"\\embside\\emb57s.jpg", u"\\clipart\\1957.jpg"},
        {1, u"\\scripts\\scri53.jpg", u"\\embfront\\emb53f.jpg", u"\\graphics\\norear.jpg",
         u"\\embside\\emb53s.jpg", u"\\clipart\\1953.jpg"},
        {2, u"\\scripts\\scri54.jpg", u"\\embfront\\emb54f.jpg", u"\\graphics\\norear.jpg",
         u"\\embside\\emb53s.jpg", u"\\clipart\\1954.jpg"},
        {22, u"\\scripts\\scri74.jpg", u"\\embfront\\emb74f.jpg", u"\\graphics\\norear.jpg",
         u"\\embside\\emb74s.jpg", u"\\clipart\\1974.jpg"},
        {29, u"\\scripts\\scri81.jpg", u"\\embfront\\emb81f.jpg", u"\\embrear\\emb81r.jpg",
         u"\\graphics\\noside.jpg", u"\\clipart\\1981.jpg"},
        {40, u"\\scripts\\scri93.jpg", u"\\embfront\\emb93f.jpg", u"\\embrear\\emb93r.jpg",
         u"\\embside\\emb93s.jpg", u"\\clipart\\1993.jpg"},
        {41, u"\\scripts\\scri94.jpg", u"\\embfront\\emb94f.jpg", u"\\embrear\\emb94r.jpg",
         u"\\embside\\emb91s.jpg", u"\\clipart\\1994.jpg"},
        {49, u"\\scripts\\scri02.jpg", u"\\embfront\\emb02f.jpg", u"\\embrear\\emb02r.jpg",
         u"\\embside\\emb02s.jpg", u"\\clipart\\2002.jpg"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.button);
        clickYear(r.button);
        EXPECT_TRUE(shows(label(u"picScript"_qs), u"E:"_qs + QString::fromUtf16(r.script)));
        EXPECT_TRUE(shows(label(u"picEmblem"_qs), u"E:"_qs + QString::fromUtf16(r.front)));
        EXPECT_TRUE(shows(label(u"picEmbRear"_qs), u"E:"_qs + QString::fromUtf16(r.rear)));
        EXPECT_TRUE(shows(label(u"picEmbSide"_qs), u"E:"_qs + QString::fromUtf16(r.side)));
        EXPECT_TRUE(shows(label(u"PicClipArt"_qs), u"E:"_qs + QString::fromUtf16(r.clip)));
        for (const char16_t* name : {u"picScript", u"picEmblem", u"picEmbRear", u"picEmbSide", u"PicClipArt"})
            EXPECT_TRUE(label(QString::fromUtf16(name))->isVisible());
    }
    EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();

    // Placed over the photograph: script at its top left, the emblems on Frame1's top edge.
    const QRect photo = label(u"Image4"_qs)->geometry();
    const int frameTop = main->findChild<QWidget*>(u"Frame1"_qs)->y();
    const QRect script = label(u"picScript"_qs)->geometry();
    EXPECT_EQ(script.topLeft(), photo.topLeft() + QPoint(1, 50));
    EXPECT_EQ(script.size(), discImage(u"E:\\scripts\\scri02.jpg"_qs).size());
    const QRect rear = label(u"picEmbRear"_qs)->geometry();
    EXPECT_EQ(rear.topLeft(), QPoint(photo.left() + 1, frameTop - rear.height() - 1));
    const QRect side = label(u"picEmbSide"_qs)->geometry();
    EXPECT_EQ(side.topLeft(), QPoint(photo.width() - side.width(), frameTop - side.height() - 1));
    const QRect front = label(u"picEmblem"_qs)->geometry();
    EXPECT_EQ(front.topLeft(), QPoint(photo.width() - front.width() + 8, frameTop - front.height() - 1));
}

TEST_F(YearPageWindow, TogglesShowAndHideAndAPictureHidesOnAClickButNotOnARightClick)
{
    open();
    QLabel* script = label(u"picScript"_qs);
    // Before any selection the toggles do nothing.
    QTest::mouseClick(button(u"cmdScript"_qs), Qt::LeftButton);
    EXPECT_TRUE(script->isHidden());

    clickYear(5);
    QTest::mouseClick(button(u"cmdScript"_qs), Qt::LeftButton);
    EXPECT_TRUE(script->isVisible());
    QTest::mouseClick(button(u"cmdScript"_qs), Qt::LeftButton);
    EXPECT_TRUE(script->isHidden());

    QTest::mouseClick(button(u"cmdClipArt"_qs), Qt::LeftButton);
    QLabel* clip = label(u"PicClipArt"_qs);
    EXPECT_TRUE(clip->isVisible());
    const QRect designed = clip->geometry();
    clickYear(6);
    EXPECT_EQ(clip->geometry(), designed);
    EXPECT_EQ(state.selection.categoryCode, u"58");

    // A right click asks about the clipboard and leaves the picture showing.
    fake.dialogs.answerNext(MsgNo);
    QTest::mouseClick(clip, Qt::RightButton);
    EXPECT_TRUE(clip->isVisible());
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& question = fake.dialogs.boxes.front();
    EXPECT_EQ(question.text, u"Would you like to copy this image to the Windows Clipboard?");
    EXPECT_EQ(question.title, u"The Kestrane Omnivar 2002");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_EQ(state.errors.lastQuestionAnswer, MsgNo);
    EXPECT_EQ(fake.clipboard.clears, 0);

    fake.dialogs.answerNext(MsgYes);
    QTest::mouseClick(clip, Qt::RightButton);
    EXPECT_EQ(fake.clipboard.clears, 1);
    EXPECT_EQ(fake.clipboard.image.convertToFormat(QImage::Format_RGB32),
              discImage(u"E:\\clipart\\1958.jpg"_qs));
    EXPECT_EQ(state.selection.lastMouseButton, u"2");

    QTest::mouseClick(clip, Qt::LeftButton);
    EXPECT_TRUE(clip->isHidden());
    EXPECT_EQ(state.selection.lastMouseButton, u" ");
    EXPECT_EQ(frontYearButton(), 7);
}

TEST_F(YearPageWindow, TheClipArtToggleLeavesTheBrowserOnTheCategorysPhotographs)
{
    open();
    struct Row
    {
        const char16_t* menu;
        const char16_t* code;
        const char16_t* second;
    };
    const Row rows[] = {{u"mnuSpecialty(10)", u"AZ", u"AZB.JPG"},
                        {u"mnuSpecialty(6)", u"ES", u"ESB.JPG"},
                        {u"mnuSpecialty(1)", u"CC", u"CCB.JPG"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf16(r.menu).toStdString());
        trigger(QString::fromUtf16(r.menu));
        label(u"PicClipArt"_qs)->hide();
        QTest::mouseClick(button(u"cmdClipArt"_qs), Qt::LeftButton);
        ASSERT_TRUE(label(u"PicClipArt"_qs)->isVisible());
        EXPECT_EQ(state.selection.categoryCode, QString::fromUtf16(r.code));
        QTest::keyClick(yearButton(1), Qt::Key_Period);
        EXPECT_EQ(state.photos.currentPhoto, u"E:\\kestranes\\"_qs + QString::fromUtf16(r.second));
        EXPECT_EQ(frontYearButton(), 1);
    }
    EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();
}

TEST_F(YearPageWindow, AShowingScriptFollowsTheYearAndGoesWithAHiddenCategory)
{
    open();
    clickYear(5);
    QTest::mouseClick(button(u"cmdScript"_qs), Qt::LeftButton);
    clickYear(9);
    EXPECT_TRUE(shows(label(u"picScript"_qs), u"E:\\scripts\\scri61.jpg"_qs));
    EXPECT_TRUE(label(u"picEmblem"_qs)->isHidden()); // hidden pictures stay hidden
    trigger(u"mnuMiscellany"_qs);
    EXPECT_TRUE(label(u"picScript"_qs)->isHidden());
}

TEST_F(YearPageWindow, AMissingPictureIsReportedWithItsLoadersCode)
{
    // A disc of its own: the 1957 photograph and only some of its insignia.
    const QString d = fake.addDrive(u'G');
    writeHostFile(d, u"kestranes/57A.JPG"_qs, jpegOf(Qt::red));
    writeHostFile(d, u"scripts/scri57.jpg"_qs, jpegOf(Qt::blue));
    writeHostFile(d, u"embfront/emb57f.jpg"_qs, "not a picture");
    writeHostFile(d, u"clipart/2002.jpg"_qs, jpegOf(Qt::green));
    open();
    state.disc.cdRoot = u"G:"_qs;
    state.disc.photoRoot = u"G:"_qs;
    LoadPhotoArray(context);
    clickYear(5);
    QLabel* script = label(u"picScript"_qs);

    struct Row
    {
        const char16_t* button;
        const char16_t* code;
    };
    const Row rows[] = {{u"cmdEmblem", u"ER022"},
                        {u"cmdEmbRear", u"ER041"},
                        {u"cmdEmbSide", u"ER042"},
                        {u"cmdClipArt", u"ER035"}};
    for (const Row& r : rows) {
        fake.dialogs.boxes.clear();
        QTest::mouseClick(button(QString::fromUtf16(r.button)), Qt::LeftButton);
        EXPECT_EQ(errorCodesShown(), QStringList{QString::fromUtf16(r.code)});
    }
    for (const char16_t* name : {u"picEmblem", u"picEmbRear", u"picEmbSide", u"PicClipArt"})
        EXPECT_TRUE(label(QString::fromUtf16(name))->isHidden());

    // The refresh reports the clip art with the loader's own code; the script is hidden first and
    // stays hidden when its file is gone.
    QTest::mouseClick(button(u"cmdScript"_qs), Qt::LeftButton);
    ASSERT_TRUE(script->isVisible());
    label(u"PicClipArt"_qs)->show();
    QFile::remove(d + u"/scripts/scri57.jpg"_qs);
    fake.dialogs.boxes.clear();
    clickYear(5);
    EXPECT_EQ(errorCodesShown(), (QStringList{u"ER024"_qs, u"ER021"_qs}));
    EXPECT_TRUE(script->isHidden());
}

TEST_F(YearPageWindow, AYearWithoutPhotographsReportsEr023AndHidesThePhoto)
{
    const QString photos = fake.addDrive(u'P');
    writeHostFile(photos, u"kestranes/57A.JPG"_qs, jpegOf(Qt::red));
    open(photos);
    clickYear(6);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER023"_qs});
    EXPECT_TRUE(fake.dialogs.boxes.front().text.contains(u" Kestrane photo not found for year selected."));
    EXPECT_TRUE(label(u"Image4"_qs)->isHidden());
    // The page itself is already the new year's.
    EXPECT_EQ(key(), u"1958");
    EXPECT_TRUE(button(u"cmdOptions"_qs)->isEnabled());
    clickYear(5);
    EXPECT_TRUE(label(u"Image4"_qs)->isVisible());
    EXPECT_EQ(state.photos.currentPhoto, u"F:\\kestranes\\57A.JPG");
}

TEST_F(YearPageWindow, KeysOnAYearButtonStepPhotosAndSpaceSelectsOnlyBeforeTheFirstClick)
{
    open();
    QAbstractButton* b5 = yearButton(5);
    QTest::keyClick(b5, Qt::Key_Space);
    EXPECT_EQ(key(), u"1957");
    EXPECT_EQ(state.selection.yearClickFlag, kTrue);

    QTest::keyClick(b5, Qt::Key_Period);
    EXPECT_EQ(key(), u"1957");
    EXPECT_EQ(state.photos.currentPhoto, u"E:\\kestranes\\57B.JPG");
    EXPECT_EQ(panPhoto(), u"2");
    QTest::keyClick(b5, Qt::Key_Comma);
    EXPECT_EQ(state.photos.currentPhoto, u"E:\\kestranes\\57A.JPG");

    // After the first click Space is the button's own click.
    QTest::keyClick(yearButton(9), Qt::Key_Space);
    EXPECT_EQ(key(), u"1961");
}

TEST_F(YearPageWindow, TheFirstBackgroundClickSelects1953AndDisablesButtonOne)
{
    open();
    QWidget* background = main->centralWidget();
    QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(background->width() - 2, 2));
    EXPECT_EQ(key(), u"1953");
    EXPECT_EQ(state.disc.initialSelectionFlag, kFalse);
    EXPECT_FALSE(yearButton(1)->isEnabled());
    EXPECT_TRUE(yearButton(2)->isEnabled());
    EXPECT_EQ(frontYearButton(), 2);
    EXPECT_EQ(state.selection.currentYearButton, 1);

    clickYear(5);
    QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(background->width() - 2, 2));
    EXPECT_EQ(key(), u"1957");
    trigger(u"mnuSpecialty(0)"_qs);
    EXPECT_TRUE(yearButton(1)->isEnabled());
}

TEST_F(YearPageWindow, AClickOnAControlIsNoBackgroundClick)
{
    open();
    QTest::mouseClick(label(u"panYear"_qs), Qt::LeftButton);
    EXPECT_EQ(key(), u"panYear");
    EXPECT_EQ(state.disc.initialSelectionFlag, kTrue);
}

TEST_F(YearPageWindow, LosingFocusDuringTheSlideShowRefreshesThePage)
{
    open();
    clickYear(5);
    QLabel* photo = label(u"Image4"_qs);
    photo->hide();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(main.get(), &deactivate);
    EXPECT_TRUE(photo->isHidden()); // no slide show: nothing happens

    state.slides.slideShowRunning = kTrue;
    button(u"cmdOptions"_qs)->setEnabled(false);
    main->setEnabled(false);
    QApplication::sendEvent(main.get(), &deactivate);
    EXPECT_TRUE(photo->isVisible());
    EXPECT_EQ(state.slides.slideShowRunning, kFalse);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(button(u"cmdOptions"_qs)->isEnabled());
    EXPECT_EQ(state.selection.categoryCode, u"57");
}

TEST_F(YearPageWindow, ALabelOfTheIllustratedSeriesPressesTheButtonOnItsRow)
{
    open();
    QAbstractButton* command = button(u"Command1(12)"_qs);
    QWidget* label12 = main->findChild<QWidget*>(u"Label12(12)"_qs);
    ASSERT_TRUE(command && label12);
    main->findChild<QWidget*>(u"SSpnlPenrow"_qs)->show();
    QSignalSpy clicked(command, &QAbstractButton::clicked);
    QTest::mouseClick(label12, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}
