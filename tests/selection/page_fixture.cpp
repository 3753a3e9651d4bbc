#include "page_fixture.h"

#include "common/control_names.h"
#include "common/picture_file.h"
#include "demo_disc.h"
#include "photos/photo_catalogue.h"
#include "selection/ui/year_page.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace kestrane {

namespace {

QTemporaryDir* sharedDisc = nullptr;

} // namespace

void PageFixture::SetUpTestSuite()
{
    if (sharedDisc)
        return;
    sharedDisc = new QTemporaryDir; // lives as long as the test binary
    QString error;
    ASSERT_TRUE(demo::writeDemoDisc(sharedDisc->path(), {.small = true}, &error)) << error.toStdString();
}

QString PageFixture::disc()
{
    return sharedDisc->path();
}

PageFixture::PageFixture() = default;

PageFixture::~PageFixture()
{
    page.reset();
    main.reset();
}

void PageFixture::open(const QString& photoFolder)
{
    fake.mapDrive(u'E', disc());
    state.disc.cdRoot = u"E:"_qs;
    state.disc.photoRoot = u"E:"_qs;
    if (!photoFolder.isEmpty()) {
        fake.mapDrive(u'F', photoFolder);
        state.disc.photoRoot = u"F:"_qs;
    }
    state.disc.initialSelectionFlag = kTrue;
    LoadPhotoArray(context);
    main = std::make_unique<MainWindow>(context);
    page = std::make_unique<YearPage>(context, main->controls());
    main->load({});
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
}

QAbstractButton* PageFixture::button(const QString& name) const
{
    return main->findChild<QAbstractButton*>(name);
}

QAbstractButton* PageFixture::yearButton(int index) const
{
    return button(names::indexed(names::cmdYR, index));
}

QLabel* PageFixture::label(const QString& name) const
{
    return main->findChild<QLabel*>(name);
}

QAction* PageFixture::action(const QString& name) const
{
    return main->findChild<QAction*>(name);
}

QString PageFixture::key() const
{
    return label(u"panYear"_qs)->text();
}

QString PageFixture::panPhoto() const
{
    return label(u"panPhoto"_qs)->text();
}

int PageFixture::frontYearButton() const
{
    const QObjectList siblings = yearButton(1)->parentWidget()->children();
    for (qsizetype i = siblings.size() - 1; i >= 0; --i) {
        const QString name = siblings.at(i)->objectName();
        if (name.startsWith(u"cmdYR("))
            return name.mid(6).chopped(1).toInt();
    }
    return 0;
}

QImage PageFixture::discImage(const QString& discPath) const
{
    return readPicture(fake.fileSystem, discPath).convertToFormat(QImage::Format_RGB32);
}

bool PageFixture::shows(const QLabel* picture, const QString& discPath) const
{
    const QImage expected = discImage(discPath);
    return !expected.isNull() &&
           picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32) == expected;
}

void PageFixture::clickYear(int index)
{
    QTest::mouseClick(yearButton(index), Qt::LeftButton);
}

void PageFixture::trigger(const QString& menuItem)
{
    QAction* item = action(menuItem);
    ASSERT_NE(item, nullptr) << menuItem.toStdString();
    item->trigger();
}

void PageFixture::showAllInsignia()
{
    const std::pair<const char16_t*, const char16_t*> toggles[] = {{u"cmdScript", u"picScript"},
                                                                   {u"cmdEmblem", u"picEmblem"},
                                                                   {u"cmdEmbRear", u"picEmbRear"},
                                                                   {u"cmdEmbSide", u"picEmbSide"},
                                                                   {u"cmdClipArt", u"PicClipArt"}};
    for (const auto& [toggle, picture] : toggles)
        if (label(QString::fromUtf16(picture))->isHidden())
            QTest::mouseClick(button(QString::fromUtf16(toggle)), Qt::LeftButton);
}

QStringList PageFixture::errorCodesShown() const
{
    QStringList codes;
    for (const MessageBoxRequest& box : fake.dialogs.boxes)
        if (box.text.startsWith(u"Error number: "))
            codes << box.text.mid(14, 5);
    return codes;
}

QByteArray jpegOf(const QColor& colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return data;
}

} // namespace kestrane
