#include "viewer_fixture.h"

#include "common/picture_file.h"
#include "demo_disc.h"
#include "documents/ui/advertisements_controller.h"
#include "periphery/ui/illustrated_panel.h"
#include "periphery/ui/scroll_window.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace kestrane {

namespace {

QTemporaryDir* sharedDisc = nullptr;

} // namespace

void ViewerFixture::SetUpTestSuite()
{
    if (sharedDisc)
        return;
    sharedDisc = new QTemporaryDir; // lives as long as the test binary
    QString error;
    ASSERT_TRUE(demo::writeDemoDisc(sharedDisc->path(), {.small = true}, &error)) << error.toStdString();
}

QString ViewerFixture::disc()
{
    return sharedDisc->path();
}

ViewerFixture::ViewerFixture() = default;
ViewerFixture::~ViewerFixture() = default;

void ViewerFixture::SetUp()
{
    fake.mapDrive(u'E', disc());
    pictures = fake.addDrive(u'F');
    state.disc.cdRoot = u"E:"_qs;
    state.disc.photoRoot = u"E:"_qs;
    form1 = std::make_unique<MainWindow>(context);
    series = std::make_unique<IllustratedSeries>(context, form1->controls(), &form1->mmControl1());
    ads = std::make_unique<Advertisements>(context, form1->controls(), &series->viewer());
    form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form1.get()));
}

void ViewerFixture::TearDown()
{
    if (ScrollWindow* open = viewer())
        open->unload();
    ads.reset();
    series.reset();
    form1.reset();
    flush();
}

ScrollWindow* ViewerFixture::viewer() const
{
    auto* window = windows.as<ScrollWindow>(WindowRegistry::LargeImage);
    return window && !window->isUnloaded() ? window : nullptr;
}

void ViewerFixture::flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage ViewerFixture::discImage(const QString& discPath) const
{
    return readPicture(fake.fileSystem, discPath);
}

QStringList ViewerFixture::errorCodesShown() const
{
    QStringList codes;
    for (const MessageBoxRequest& box : fake.dialogs.boxes)
        if (box.text.startsWith(u"Error number: "))
            codes << box.text.mid(14, 5);
    return codes;
}

QString ViewerFixture::writePicture(const QString& name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, size.width(), size.height());
    shade.setColorAt(0, Qt::darkBlue);
    shade.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), shade);
    painter.end();
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    writeHostFile(pictures, name, data);
    return u"F:\\"_qs + name;
}

int ViewerFixture::frontYearButton() const
{
    const QAbstractButton* first = form1->controls().yearButton(1);
    const QObjectList siblings = first->parentWidget()->children();
    for (qsizetype i = siblings.size() - 1; i >= 0; --i) {
        const QString name = siblings.at(i)->objectName();
        if (name.startsWith(u"cmdYR("))
            return name.mid(6).chopped(1).toInt();
    }
    return 0;
}

} // namespace kestrane
