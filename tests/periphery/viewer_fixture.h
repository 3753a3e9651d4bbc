#pragma once

#include "common/ui/window_registry.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace kestrane {

class Advertisements;
class IllustratedSeries;
class MainWindow;
class ScrollWindow;

// The real Form1 with the illustrated series (and its large-image viewer) and the advertisement
// buttons attached, over the small demo disc on drive E (written once per test binary).
class ViewerFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static QString disc();

    ViewerFixture();
    ~ViewerFixture() override;
    void SetUp() override;
    void TearDown() override;

    // The viewer now loaded, or null.
    ScrollWindow* viewer() const;
    // Lets closed windows go.
    static void flush();
    QImage discImage(const QString& discPath) const;
    QStringList errorCodesShown() const;
    // A JPEG of `size` written to drive F as F:\<name>.
    QString writePicture(const QString& name, QSize size);
    // The year button in front of the others.
    int frontYearButton() const;

    FakePlatform fake;
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<MainWindow> form1;
    std::unique_ptr<IllustratedSeries> series;
    std::unique_ptr<Advertisements> ads;
    QString pictures; // drive F
};

} // namespace kestrane
