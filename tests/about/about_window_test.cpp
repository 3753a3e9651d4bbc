// The help menu's periphery through the whole program: the about box, the web links and the
// system-information tool.
#include "periphery_fixture.h"

#include "common/ui/window_registry.h"
#include "periphery/about_info.h"

#include <QAccessible>
#include <QPushButton>

using namespace kestrane;
using namespace kestrane::test;

namespace {

class AboutBox : public PeripheryTest
{
};

// The caption of a panel, as it is shown and as assistive technology reads it.
QString panelText(QWidget* box, const char16_t* name)
{
    auto* panel = box->findChild<QLabel*>(names::name(name));
    if (!panel)
        return u"<missing>"_qs;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(panel);
    if (!accessible || accessible->text(QAccessible::Name) != panel->text())
        return u"<not heard>"_qs;
    return panel->text();
}

} // namespace

TEST_F(AboutBox, APanelMissingItsTextOrTheBoxOffTheMainWindow)
{
    open();
    form1().setGeometry(140, 90, 640, 480);
    const AboutInfo info = builtInAboutInfo();
    QWidget* shown = nullptr;
    bool modal = false;
    QPoint offset;
    whileModal(
        [&] { trigger(names::name(names::mnuAbout)); },
        [&] {
            QWidget* box = app->windows().window(WindowRegistry::About);
            ASSERT_NE(box, nullptr);
            shown = box;
            modal = box->isModal() && box->isVisible();
            EXPECT_EQ(box->objectName(), u"frmAbout"_qs);
            EXPECT_EQ(panelText(box, names::SSPanel1), u"Kestrane Omnivar  "_qs);
            EXPECT_EQ(panelText(box, names::SSPanel4), u"2002"_qs);
            EXPECT_EQ(panelText(box, names::SSPanel6), u"v2002.01"_qs);
            EXPECT_EQ(panelText(box, names::SSPanel2), u"\u00A9"_qs + info.copyrightLine);
            EXPECT_EQ(panelText(box, names::panQuoxel),
                      info.makerName + u'\n' + info.makerStreet + u'\n' + info.makerTown);
            for (const char16_t* picture : {names::Picture2, names::Image1}) {
                auto* label = box->findChild<QLabel*>(names::name(picture));
                ASSERT_NE(label, nullptr);
                EXPECT_FALSE(label->pixmap().isNull());
                EXPECT_FALSE(label->accessibleName().isEmpty());
            }
            const QRect main = form1().frameGeometry();
            const QRect own = box->frameGeometry();
            offset = QPoint(own.left() - main.left() - (main.width() - own.width()) / 2,
                            own.top() - main.top() - (main.height() - own.height()) / 2);

            auto* web = box->findChild<QPushButton*>(names::name(names::SSCommand2));
            ASSERT_NE(web, nullptr);
            EXPECT_EQ(web->text(), addressCaption(info.site(WebSite::Maker)));
            EXPECT_EQ(QAccessible::queryAccessibleInterface(web)->text(QAccessible::Name), web->text());
            QTest::mouseClick(web, Qt::LeftButton);
            EXPECT_TRUE(box->isVisible()); // the site opens beside the box
            QTest::mouseClick(box->findChild<QPushButton*>(names::name(names::SSCommand1)), Qt::LeftButton);
        });
    EXPECT_NE(shown, nullptr);
    EXPECT_TRUE(modal);
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
    EXPECT_EQ(urlsOpened(), QStringList{info.site(WebSite::Maker)});
    // Closed and unloaded: the next reference loads a new box.
    EXPECT_EQ(app->windows().window(WindowRegistry::About), nullptr);
}

TEST_F(AboutBox, ThePlayListLeftOnTopOfANewWindowOrLink)
{
    open();
    const QString items[] = {names::name(names::mnuAbout), names::name(names::mnuWeb),
                             names::name(names::mnuQXSoftware)};
    for (const QString& item : items) {
        QWidget playList;
        playList.setObjectName(u"frmSSPhoto"_qs);
        playList.show();
        app->windows().enter(WindowRegistry::PlayList, &playList);
        fake.windowManager.log.clear();
        bool playListClosed = false;
        whileModal([&] { trigger(item); },
                   [&] {
                       playListClosed = !playList.isVisible();
                       if (QWidget* box = app->windows().window(WindowRegistry::About))
                           box->close();
                   });
        EXPECT_TRUE(playListClosed) << item.toStdString();
        EXPECT_FALSE(playList.isVisible()) << item.toStdString();
        EXPECT_TRUE(fake.windowManager.log.contains(u"top frmSSPhoto 0"_qs)) << item.toStdString();
    }
}

TEST_F(AboutBox, AWebLinkThatIgnoresTheSelectionOrReportsAMissingBrowser)
{
    open();
    const AboutInfo info = builtInAboutInfo();
    struct Step
    {
        std::function<void()> select;
        WebSite site;
    };
    const Step steps[] = {
        {[] {}, WebSite::Marque}, // nothing selected yet
        {[&] { QTest::mouseClick(button(names::indexed(names::cmdYR, 1)), Qt::LeftButton); },
         WebSite::Marque},
        {[&] { trigger(names::indexed(names::mnuSpecialty, 0)); }, WebSite::Halvard},
        {[&] { trigger(names::indexed(names::mnuSpecialty, 10)); }, WebSite::Marque}, // "1990-1995 ZR-1 "
        {[&] { trigger(names::indexed(names::mnukestystuff, 3)); }, WebSite::DanburyMint},
        {[&] { trigger(names::indexed(names::mnuMus, 1)); }, WebSite::Museum},
    };
    QStringList expected;
    for (const Step& step : steps) {
        step.select();
        trigger(names::name(names::mnuWeb));
        expected << info.site(step.site);
    }
    trigger(names::name(names::mnuQXSoftware));
    expected << info.site(WebSite::Maker);
    EXPECT_EQ(urlsOpened(), expected);

    // No browser: nothing opens and nothing is said.
    fake.processes.succeed = false;
    fake.dialogs.boxes.clear();
    trigger(names::name(names::mnuWeb));
    trigger(names::name(names::mnuQXSoftware));
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(AboutBox, SystemInfoWithoutAToolSaysSoOnce)
{
    open();
    fake.dialogs.boxes.clear();
    trigger(names::name(names::mnuSysInfo));
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_EQ(fake.dialogs.boxes.front().text, u"System Information Is Unavailable At This Time"_qs);

    fake.processes.programs.insert(u"hardinfo"_qs, u"/usr/bin/hardinfo"_qs);
    trigger(names::name(names::mnuSysInfo));
    EXPECT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_TRUE(fake.processes.log.contains(u"start /usr/bin/hardinfo"_qs));
}
