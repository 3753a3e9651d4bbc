#include "viewer_fixture.h"

#include "periphery/ui/illustrated_panel.h"
#include "periphery/ui/scroll_pictures.h"
#include "periphery/ui/scroll_window.h"
#include "shell/ui/main_window.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

using namespace kestrane;

namespace {

const QString kCaption = u"The Kestrane Omnivar    Test picture"_qs;

// Collects what a widget is asked to repaint.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class ScrollWindowTest : public ViewerFixture
{
protected:
    // Opens a picture of `size` in the viewer and gives the viewport `viewport` pixels.
    ScrollWindow* open(QSize size, QSize viewport = {})
    {
        const QString path = writePicture(u"p%1x%2.jpg"_qs.arg(size.width()).arg(size.height()), size);
        EXPECT_TRUE(series->viewer().showPicture(path, kCaption));
        ScrollWindow* window = viewer();
        if (!window)
            return nullptr;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        if (viewport.isValid()) {
            const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            window->setWindowState(Qt::WindowNoState);
            window->resize(viewport + QSize(bar, bar));
            EXPECT_EQ(window->picParent()->size(), viewport);
        }
        return window;
    }
};

struct BarRow
{
    QSize picture;
    QSize viewport;
    int hMaximum, hLargeChange;
    bool hEnabled;
    int vMaximum, vLargeChange;
    bool vEnabled;
};

} // namespace

TEST_F(ScrollWindowTest, ScrollBarMaximumEnablingOrLargeChangeDepartsFromTheRule)
{
    const BarRow rows[] = {
        // Three times as wide with a maximum of 1200: 1200 \ 3 \ 6 = 66; twice as high: 450 \ 2 \ 6 = 37.
        {{1800, 900}, {600, 450}, 1200, 66, true, 450, 37, true},
        // Equal extents and a smaller picture both disable the bar.
        {{600, 450}, {600, 450}, 0, 1, false, 0, 1, false},
        {{500, 300}, {600, 450}, 0, 1, false, 0, 1, false},
        // A maximum too small for a large change still steps a pixel; 2000 \ 450 = 4.
        {{605, 2000}, {600, 450}, 5, 1, true, 1550, 64, true},
    };
    for (const BarRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.picture.width() << "x" << row.picture.height());
        ScrollWindow* window = open(row.picture, row.viewport);
        ASSERT_NE(window, nullptr);
        QScrollBar* h = window->hScroll1();
        QScrollBar* v = window->vScroll1();
        EXPECT_EQ(h->maximum(), row.hMaximum);
        EXPECT_EQ(h->pageStep(), row.hLargeChange);
        EXPECT_EQ(h->isEnabled(), row.hEnabled);
        EXPECT_EQ(v->maximum(), row.vMaximum);
        EXPECT_EQ(v->pageStep(), row.vLargeChange);
        EXPECT_EQ(v->isEnabled(), row.vEnabled);
        EXPECT_EQ(h->singleStep(), 1);
        EXPECT_EQ(v->singleStep(), 1);
        // The bars hidden while the picture loaded are shown again, along and beside the viewport.
        EXPECT_TRUE(h->isVisible());
        EXPECT_TRUE(v->isVisible());
        EXPECT_EQ(h->geometry(), QRect(0, row.viewport.height(), row.viewport.width(), h->height()));
        EXPECT_EQ(v->geometry(), QRect(row.viewport.width(), 0, v->width(), row.viewport.height()));
        EXPECT_EQ(window->closeButton()->geometry().topLeft(),
                  QPoint(row.viewport.width(), row.viewport.height()));
        EXPECT_EQ(window->picChild()->geometry(), QRect(QPoint(0, 0), row.picture));
        window->unload();
        flush();
    }
}

TEST_F(ScrollWindowTest, ViewerLeavesPartOfTheScreenOrTheMainWindowUsable)
{
    ScrollWindow* window = open({1200, 900});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), u"frmScroll"_qs);
    EXPECT_EQ(window->windowTitle(), kCaption);
    EXPECT_EQ(window->frameGeometry(), window->screen()->availableGeometry());
    EXPECT_FALSE(window->isModal());
    EXPECT_FALSE(form1->isEnabled());
    EXPECT_TRUE(window->image1()->isHidden());
    EXPECT_EQ(window->image1()->geometry(), QRect(0, 0, 620, 900));
    // The close button shows a cross; assistive tools read its name.
    QAccessibleInterface* close = QAccessible::queryAccessibleInterface(window->closeButton());
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(QAccessible::Name), u"Close"_qs);
}

TEST_F(ScrollWindowTest, ScrollStepRepaintsMoreThanTheStripItUncovers)
{
    ScrollWindow* window = open({1800, 1350}, {600, 450});
    ASSERT_NE(window, nullptr);
    QCoreApplication::processEvents();
    PaintRecorder recorder(window->picChild());
    window->hScroll1()->setValue(10);
    EXPECT_EQ(window->picChild()->pos(), QPoint(-10, 0));
    QTRY_VERIFY(!recorder.painted.isEmpty());
    // Only the strip that came into view: 10 pixels at the right edge of the viewport.
    EXPECT_EQ(recorder.painted.boundingRect(), QRect(600, 0, 10, 450));

    recorder.painted = QRegion();
    window->vScroll1()->setValue(25);
    EXPECT_EQ(window->picChild()->pos(), QPoint(-10, -25));
    QTRY_VERIFY(!recorder.painted.isEmpty());
    EXPECT_EQ(recorder.painted.boundingRect(), QRect(10, 450, 600, 25));
}

TEST_F(ScrollWindowTest, KeysWheelOrDraggingLeaveThePictureWhereItWas)
{
    ScrollWindow* window = open({1800, 1350}, {600, 450});
    ASSERT_NE(window, nullptr);
    QScrollBar* h = window->hScroll1();
    QScrollBar* v = window->vScroll1();
    PictureBox* picture = window->picChild();
    // A wheel over the picture reaches the window (the picture and its viewport pass it on); one
    // over a bar goes to the bar.
    auto wheel = [&](QWidget* over, QPoint angle, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), angle, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(over, &event);
    };
    const struct
    {
        const char* what;
        std::function<void()> act;
        QPoint expected; // scroll bar values afterwards
    } steps[] = {
        {"Right", [&] { QTest::keyClick(window, Qt::Key_Right); }, {40, 0}},
        {"Down", [&] { QTest::keyClick(window, Qt::Key_Down); }, {40, 40}},
        {"End", [&] { QTest::keyClick(window, Qt::Key_End); }, {1200, 900}},
        {"Home", [&] { QTest::keyClick(window, Qt::Key_Home); }, {0, 0}},
        {"Page Down", [&] { QTest::keyClick(window, Qt::Key_PageDown); }, {0, 410}},
        {"Page Up", [&] { QTest::keyClick(window, Qt::Key_PageUp); }, {0, 0}},
        {"wheel down a notch",
         [&] {
             wheel(window, {0, -120}, Qt::NoModifier);
         },
         {0, 60}},
        {"Shift and wheel",
         [&] {
             wheel(window, {0, -120}, Qt::ShiftModifier);
         },
         {60, 60}},
        {"wheel over the across bar",
         [&] {
             wheel(h, {0, -120}, Qt::NoModifier);
         },
         {120, 60}},
        {"drag up and left",
         [&] {
             QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(300, 200));
             QTest::mouseMove(picture, QPoint(250, 170));
             QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(250, 170));
         },
         {170, 90}},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(QPoint(h->value(), v->value()), step.expected) << step.what;
        EXPECT_EQ(picture->pos(), -step.expected) << step.what;
    }
    // Dragging is not a click: the viewer stays in its scrolling view.
    EXPECT_TRUE(window->image1()->isHidden());
}

TEST_F(ScrollWindowTest, ClosedViewerLeavesTheMainWindowDisabledOrTheYearButtonBehind)
{
    state.selection.currentYearButton = 5;
    const struct
    {
        const char* how;
        std::function<void(ScrollWindow*)> close;
    } ways[] = {
        {"SSCommand1", [](ScrollWindow* w) { QTest::mouseClick(w->closeButton(), Qt::LeftButton); }},
        {"right press on picChild",
         [](ScrollWindow* w) { QTest::mousePress(w->picChild(), Qt::RightButton); }},
        {"Escape", [](ScrollWindow* w) { QTest::keyClick(w, Qt::Key_Escape); }},
    };
    for (const auto& way : ways) {
        ScrollWindow* window = open({1200, 900});
        ASSERT_NE(window, nullptr) << way.how;
        form1->controls().yearButton(1)->raise();
        way.close(window);
        EXPECT_EQ(viewer(), nullptr) << way.how;
        EXPECT_TRUE(form1->isEnabled()) << way.how;
        EXPECT_EQ(frontYearButton(), 6) << way.how;
        flush();
        EXPECT_EQ(windows.window(WindowRegistry::LargeImage), nullptr) << way.how;
    }
}

TEST_F(ScrollWindowTest, UnreadablePictureOpensAHalfMadeViewerOrDisablesTheMainWindow)
{
    writeHostFile(pictures, u"broken.jpg"_qs, "not a picture");
    EXPECT_FALSE(series->viewer().showPicture(u"F:\\broken.jpg"_qs, kCaption));
    EXPECT_FALSE(series->viewer().showPicture(u"F:\\missing.jpg"_qs, kCaption));
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_TRUE(form1->isEnabled());
}
