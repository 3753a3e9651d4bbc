#pragma once

#include "common/ui/window_registry.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QColor>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

class QAbstractButton;
class QAction;
class QLabel;

namespace kestrane {

class MainWindow;
class YearPage;

// The real Form1 with the year page attached, over the small demo disc on drive E (written once
// per test binary). The photographs may come from another drive (`usePhotos`).
class PageFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static QString disc();

    PageFixture();
    ~PageFixture() override;

    // Opens the window over the disc; a photo root other than E: is given as a drive folder.
    void open(const QString& photoFolder = {});

    QAbstractButton* button(const QString& name) const;
    QAbstractButton* yearButton(int index) const;
    QLabel* label(const QString& name) const;
    QAction* action(const QString& name) const;
    QString key() const;
    QString panPhoto() const;
    // The year button that stands in front of the others.
    int frontYearButton() const;
    // The picture of a disc file, as a label shows it.
    QImage discImage(const QString& discPath) const;
    bool shows(const QLabel* label, const QString& discPath) const;

    void clickYear(int index);
    void trigger(const QString& menuItem);
    // Shows every insignia picture that is hidden, through its toggle button.
    void showAllInsignia();
    QStringList errorCodesShown() const;

    FakePlatform fake;
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<YearPage> page;
};

// A valid JPEG of one colour.
QByteArray jpegOf(const QColor& colour, QSize size = {64, 48});

} // namespace kestrane
