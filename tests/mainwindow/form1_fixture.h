#pragma once

#include "common/control_names.h"
#include "platform/fakes/fake_platform.h"
#include "shell/ui/main_window.h"
#include "state/app_context.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>

namespace kestrane {

// Form1 over the platform doubles: a disc in E: and an 800 by 600 screen unless a test changes it.
struct Form1Fixture : ::testing::Test
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    std::unique_ptr<MainWindow> window;
    QString disc = fake.addDrive(u'E');

    Form1Fixture() { state.disc.cdRoot = state.disc.photoRoot = u"E:"_qs; }

    // Loads and shows a new main window, as the splash timer does.
    MainWindow& open()
    {
        window = std::make_unique<MainWindow>(context);
        window->load({});
        window->show();
        return *window;
    }

    QAction* action(const QString& name) const { return window->findChild<QAction*>(name); }
    template <typename T = QWidget> T* control(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    QString setting(const char16_t* key) const
    {
        return fake.settings.values.value(u"The Kestrane Omnivar 2002/Settings/"_qs +
                                          QString::fromUtf16(key));
    }
    void storeSetting(const char16_t* key, const QString& value)
    {
        fake.settings.values[u"The Kestrane Omnivar 2002/Settings/"_qs + QString::fromUtf16(key)] = value;
    }
};

} // namespace kestrane
