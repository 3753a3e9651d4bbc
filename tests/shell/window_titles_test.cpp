// The titles as the window system holds them. Qt hands a title to the platform window, which may
// still add to it (an application display name, for one), so these tests read the X property the
// window manager shows rather than QWidget::windowTitle(). They run under xvfb-run.
#include "documents/ui/reader_window.h"
#include "platform/fakes/fake_platform.h"
#include "platform/qt/qt_dialogs.h"
#include "shell/ui/application.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>

using namespace kestrane;

namespace {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// _NET_WM_NAME of the widget's X window, as a window manager or xprop reads it.
std::string windowSystemTitle(const QWidget& window)
{
    xcb_connection_t* c = x11Connection();
    const auto id = xcb_window_t(window.winId());
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 0, 4096), nullptr);
    QString title;
    if (reply) {
        title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
        std::free(reply);
    }
    return title.toStdString();
}

struct WindowTitles : ::testing::Test
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};

    void SetUp() override
    {
        if (!x11Connection())
            GTEST_SKIP() << "needs an X server (QT_QPA_PLATFORM=xcb)";
        nameApplication();
        fake.addDrive(u'E');
        state.disc.cdRoot = state.disc.photoRoot = u"E:"_qs;
    }
};

} // namespace

TEST_F(WindowTitles, MainWindowsAndTheSplashReadExactlyTheirCaptions)
{
    SplashWindow splash;
    splash.show();
    EXPECT_EQ(windowSystemTitle(splash), "The Kestrane Omnivar 2002");

    MainWindow standard(context);
    standard.load({});
    standard.show();
    EXPECT_EQ(windowSystemTitle(standard), "The Kestrane Omnivar  2002");

    state.disc.editionSwitch = 1;
    MainWindow dealer(context);
    dealer.load({});
    dealer.show();
    EXPECT_EQ(windowSystemTitle(dealer), "The Kestrane Omnivar 2002          Dalworth - Tressel Edition");
}

TEST_F(WindowTitles, AReaderReadsItsDocumentCaption)
{
    state.documents.documentCaption = u"The Kestrane Omnivar     1957 Description"_qs;
    ReaderWindow& reader = txtForm({context, nullptr, nullptr});
    reader.show();
    EXPECT_EQ(windowSystemTitle(reader), "The Kestrane Omnivar     1957 Description");
    reader.unload();
}

TEST_F(WindowTitles, AMessageBoxLineWrapsInTheMiddleOnASmallScreen)
{
    const QString line = u"You must now exit and re-enter the Kestrane Omnivar to allow "_qs;
    int labelWidth = 0;
    int needed = 0;
    int boxWidth = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_qs);
        if (label) {
            labelWidth = label->contentsRect().width();
            needed = QFontMetrics(label->font()).horizontalAdvance(line);
        }
        boxWidth = box->width();
        box->accept();
    });
    poll.start(20);
    QtDialogs dialogs;
    MessageBoxRequest request;
    request.title = u"The Kestrane Omnivar 2002"_qs;
    request.text = u"All Photos Successfully Removed!\r\n\r\n"_qs + line +
                   u"\r\nthe software to find the photos on the cdrom drive."_qs;
    dialogs.messageBox(request);
    ASSERT_GT(needed, 0);
    EXPECT_GE(labelWidth, needed) << "the line is wrapped";
    EXPECT_LE(boxWidth, QApplication::primaryScreen()->availableGeometry().width());
}

TEST_F(WindowTitles, AMessageBoxReadsTheTitleItWasGiven)
{
    std::string shown;
    // The box runs its own loop: read its title from inside it, then answer it.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        shown = windowSystemTitle(*box);
        box->accept();
    });
    poll.start(20);
    QtDialogs dialogs;
    MessageBoxRequest request;
    request.title = u"The Kestrane Omnivar"_qs;
    request.text = u"Printing complete!"_qs;
    dialogs.messageBox(request);
    EXPECT_EQ(shown, "The Kestrane Omnivar");
}
