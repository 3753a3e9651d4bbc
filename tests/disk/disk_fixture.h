#pragma once

#include "common/ui/window_registry.h"
#include "platform/fakes/fake_platform.h"
#include "scripted_file_system.h"
#include "state/app_context.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

class QAbstractButton;
class QAction;
class QLabel;

namespace kestrane {

class CopyController;
class DiskOperations;
class MainWindow;
class PlayListWindow;
class SaverPanel;
class YearPage;

namespace test {

// The real Form1 with the year page and the disk subsystem attached, over the small demo disc on
// drive E (written once per test binary), with a program folder of its own for every test.
class DiskFixture : public ::testing::Test
{
protected:
    // Names the demo disc's folder to a child process of the test, which then makes none.
    static constexpr char kDiscVariable[] = "KESTRANE_TEST_DISC";

    static void SetUpTestSuite();
    static QString disc();

    DiskFixture();
    ~DiskFixture() override;

    void open();

    CopyController& copy();
    SaverPanel& saver();
    PlayListWindow* playList() const;
    QAction* action(const char16_t* name) const;
    void trigger(const char16_t* menuItem);
    void clickYear(int index);
    // The host path below the program folder.
    QString program(const QString& relative = {}) const;
    QStringList boxTexts() const;
    QStringList errorCodesShown() const;

    FakePlatform fake;
    ScriptedFileSystem fs{fake.fileSystem};
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<YearPage> page;
    std::unique_ptr<DiskOperations> disk;
};

} // namespace test
} // namespace kestrane
