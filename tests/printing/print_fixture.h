#pragma once

#include "common/ui/window_registry.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

class QAbstractButton;
class QCheckBox;
class QFrame;
class QListWidget;

namespace kestrane {

class MainWindow;
class PrintController;
class YearPage;

namespace test {

// The real Form1 with the year page and the print controller over the small demo disc on drive E
// (written once per test binary), printing on the test printer unless a test puts in another.
class PrintFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static QString disc();

    PrintFixture();
    ~PrintFixture() override;
    void SetUp() override;

    void trigger(const char16_t* menuItem);
    QFrame* panel() const;
    QCheckBox* box(int index) const;
    QListWidget* list(int index) const;
    QAbstractButton* button(const char16_t* name) const;

    // Opens the panel and clicks what a user clicks: boxes by index, a year in each list (an
    // empty year leaves that list without a selection), then Print.
    void printBooklet(std::initializer_list<int> boxes, const QString& from, const QString& to);
    void clickBox(int index);
    void selectYear(int list, const QString& year);

    QStringList errorCodesShown() const;
    QStringList boxTexts() const;
    bool toldBookletPrinted() const;

    FakePlatform fake;
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<YearPage> page;
    std::unique_ptr<PrintController> print;
};

} // namespace test
} // namespace kestrane
