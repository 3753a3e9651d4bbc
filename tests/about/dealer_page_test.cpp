// The dealer page of the dealer edition, reached through the edition switch of the state.
#include "periphery_fixture.h"

#include "common/ui/rich_text_box.h"
#include "common/ui/window_registry.h"
#include "documents/ui/reader_window.h"
#include "periphery/about_info.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLineEdit>

using namespace kestrane;
using namespace kestrane::test;

namespace {

class DealerEdition : public PeripheryTest
{
protected:
    bool hidden(const char16_t* name) { return control(name) && control(name)->isHidden(); }
    bool enabled(const char16_t* name) { return button(names::name(name))->isEnabled(); }

    // A disc with what start-up needs and the dealer's folder as a test lays it out.
    QString smallDisc(const QByteArray& picture, bool withDocument)
    {
        const QString disc = fake.root() + u"/dealer_disc"_qs;
        writeHostFile(disc, u"kestranes/57A.JPG"_qs, jpeg());
        writeHostFile(disc, u"clipart/1957.jpg"_qs, jpeg());
        writeHostFile(disc, u"dalworth/dalworth3.jpg"_qs, picture);
        if (withDocument)
            writeHostFile(disc, u"dalworth/dalworth.rtf"_qs, "{\\rtf1 Dalworth}");
        return disc;
    }

    // What the page shows: the selection, which controls are hidden, the captions and button states.
    std::string pageSnapshot()
    {
        QStringList shot{state().selection.selectionKey,
                         qobject_cast<QLabel*>(control(names::panYear))->text()};
        for (const char16_t* name :
             {names::PicClipArt, names::picScript, names::picEmblem, names::picEmbRear, names::picEmbSide,
              names::panPhoto, names::panYear, names::SpinButton1, names::Image4})
            shot << QString::fromUtf16(name) + (hidden(name) ? u" hidden"_qs : u" shown"_qs);
        for (const PageButtonName& entry : kPageButtonNames)
            shot << button(QString::fromUtf16(entry.name))->text() +
                        (enabled(entry.name) ? u" on"_qs : u" off"_qs);
        shot << QString::number(qobject_cast<QLabel*>(control(names::Image4))->pixmap().cacheKey());
        return shot.join(u'\n').toStdString();
    }

    static QByteArray jpeg()
    {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG");
        return data;
    }
};

} // namespace

TEST_F(DealerEdition, AControlLeftInTheYearPagesStateOrTheOtherPartsNotKnowingThePage)
{
    open(1);
    QTest::mouseClick(button(names::indexed(names::cmdYR, 5)), Qt::LeftButton);
    trigger(names::name(names::mnuNames)); // file names on show before the page
    ASSERT_TRUE(action(names::mnuDalworth)->isVisible());
    trigger(names::name(names::mnuDalworth));

    EXPECT_TRUE(errorCodesShown().isEmpty());
    EXPECT_EQ(state().selection.selectionKey, u"Dalworth"_qs);
    EXPECT_EQ(qobject_cast<QLabel*>(control(names::panYear))->text(), u"Dalworth"_qs);
    for (const char16_t* name :
         {names::PicClipArt, names::picScript, names::picEmblem, names::picEmbRear, names::picEmbSide,
          names::panPhoto, names::panYear, names::SpinButton1, names::txtFile})
        EXPECT_TRUE(hidden(name)) << QString::fromUtf16(name).toStdString();
    auto* photo = qobject_cast<QLabel*>(control(names::Image4));
    EXPECT_FALSE(photo->isHidden());
    const QImage dealerPhoto(fake.fileSystem.resolve(u"D:\\dalworth\\dalworth3.jpg"_qs));
    EXPECT_FALSE(dealerPhoto.isNull());
    EXPECT_EQ(photo->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              dealerPhoto.convertToFormat(QImage::Format_RGB32));

    EXPECT_EQ(button(names::name(names::cmdDesc))->text(), u"Hello!"_qs);
    EXPECT_TRUE(enabled(names::cmdDesc));
    EXPECT_TRUE(enabled(names::cmdAd));
    for (const char16_t* name :
         {names::cmdNostalgia, names::cmdBrochure, names::cmdOptions, names::cmdStats, names::cmdColors,
          names::cmdClipArt, names::cmdScript, names::cmdEmblem, names::cmdEmbRear, names::cmdEmbSide})
        EXPECT_FALSE(enabled(name)) << QString::fromUtf16(name).toStdString();
    EXPECT_EQ(action(names::mnuWeb)->text(), u"Dalworth Website"_qs);
    EXPECT_EQ(action(names::mnuNames)->text(), u"Show File &Names"_qs);
    EXPECT_FALSE(action(names::mnuNames)->isEnabled());
    EXPECT_EQ(state().selection.fileNamesFlag, kFalse);

    EXPECT_EQ(state().errors.currentErrorCode, u"ER057"_qs);
    EXPECT_EQ(state().documents.documentPath, u"D:\\dalworth\\dalworth.rtf"_qs);
    EXPECT_EQ(state().documents.documentCaption, u"The Kestrane Omnivar     Dalworth - Tressel"_qs);
    // The play list's buttons follow the dealer's photograph.
    EXPECT_TRUE(state().saver.saverPhotoPath.endsWith(u"\\sskestys\\dalworth3.jpg"_qs));
    EXPECT_TRUE(state().saver.saverAddEnabled);

    // The web link and the description know the page.
    trigger(names::name(names::mnuWeb));
    EXPECT_EQ(urlsOpened(), QStringList{builtInAboutInfo().site(WebSite::Dealer)});
    QString caption;
    QString file;
    whileModal([&] { QTest::mouseClick(button(names::name(names::cmdDesc)), Qt::LeftButton); },
               [&] {
                   auto* reader = app->windows().as<ReaderWindow>(WindowRegistry::Reader);
                   ASSERT_NE(reader, nullptr);
                   caption = reader->windowTitle();
                   file = reader->rtbText()->fileName();
                   reader->okClicked();
               });
    EXPECT_EQ(caption, u"The Kestrane Omnivar     Dalworth - Tressel"_qs);
    EXPECT_EQ(file, u"D:\\dalworth\\dalworth.rtf"_qs);

    // The next selection sets the page again.
    QTest::mouseClick(button(names::indexed(names::cmdYR, 5)), Qt::LeftButton);
    EXPECT_EQ(state().selection.selectionKey, u"1957"_qs);
    EXPECT_FALSE(hidden(names::panYear));
    EXPECT_FALSE(hidden(names::panPhoto));
    EXPECT_FALSE(hidden(names::SpinButton1));
    EXPECT_EQ(button(names::name(names::cmdDesc))->text(), u"Description"_qs);
    EXPECT_TRUE(action(names::mnuNames)->isEnabled());
    EXPECT_EQ(action(names::mnuWeb)->text(), u"Kestrane Website"_qs);
    trigger(names::name(names::mnuNames));
    EXPECT_FALSE(hidden(names::txtFile)); // the first use shows the names
}

TEST_F(DealerEdition, AMissingDocumentOrUnreadablePictureLeavesAHalfMadePage)
{
    struct Case
    {
        const char* what;
        QByteArray picture;
        bool document;
    };
    const Case cases[] = {{"document missing", jpeg(), false}, {"picture unreadable", "not a picture", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.dialogs.boxes.clear();
        open(1, smallDisc(c.picture, c.document));
        QTest::mouseClick(button(names::indexed(names::cmdYR, 5)), Qt::LeftButton);
        const std::string before = pageSnapshot();
        trigger(names::name(names::mnuDalworth));

        EXPECT_EQ(errorCodesShown().join(u' ').toStdString(), "ER057");
        EXPECT_EQ(pageSnapshot(), before);
        app.reset();
        QDir(fake.root() + u"/dealer_disc"_qs).removeRecursively();
    }
}

TEST_F(DealerEdition, TheStandardEditionOffersNoDealerPage)
{
    open(0);
    EXPECT_FALSE(action(names::mnuDalworth)->isVisible());
}
