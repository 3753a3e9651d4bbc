#pragma once

#include "common/control_names.h"
#include "platform/fakes/fake_platform.h"
#include "shell/ui/application.h"
#include "shell/ui/main_window.h"
#include "support/small_demo_disc.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kestrane::test {

// The whole program as the splash timer opens it (Application), over the small demo disc in D:
// that every test of the binary shares, or over a disc a test lays out itself.
class PeripheryTest : public ::testing::Test
{
protected:
    ~PeripheryTest() override
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Starts the program and opens Form1; a nonzero edition switch selects the dealer edition.
    void open(Flag edition = 0, const QString& disc = {})
    {
        fake.mapDrive(u'D', disc.isEmpty() ? test::smallDemoDisc() : disc);
        app = std::make_unique<Application>(fake.platform());
        ASSERT_TRUE(app->start({}));
        app->state().disc.editionSwitch = edition;
        app->openMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->mainWindow()));
    }

    AppState& state() { return app->state(); }
    MainWindow& form1() { return *app->mainWindow(); }
    QAction* action(const char16_t* name) { return form1().findChild<QAction*>(names::name(name)); }
    QAbstractButton* button(const QString& name) { return form1().findChild<QAbstractButton*>(name); }
    QWidget* control(const char16_t* name) { return form1().findChild<QWidget*>(names::name(name)); }

    void trigger(const QString& name)
    {
        QAction* item = form1().findChild<QAction*>(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        item->trigger();
    }

    // Runs `action`, which may open a modal window; `whileOpen` runs once the event loop turns.
    void whileModal(const std::function<void()>& action, const std::function<void()>& whileOpen)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            whileOpen();
        });
        action();
        if (!ran)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList errorCodesShown() const
    {
        QStringList codes;
        for (const MessageBoxRequest& box : fake.dialogs.boxes)
            if (box.text.startsWith(u"Error number: "_qs))
                codes << box.text.mid(14, 5);
        return codes;
    }

    QStringList urlsOpened() const
    {
        QStringList urls;
        for (const QString& entry : fake.processes.log)
            if (entry.startsWith(u"url "_qs))
                urls << entry.mid(4);
        return urls;
    }

    FakePlatform fake;
    std::unique_ptr<Application> app;
};

} // namespace kestrane::test
