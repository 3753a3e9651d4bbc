#pragma once

#include "common/control_names.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/window_registry.h"
#include "documents/ui/reader_window.h"
#include "documents/ui/year_documents_controller.h"
#include "platform/fakes/fake_platform.h"
#include "shell/ui/main_window.h"
#include "state/app_context.h"
#include "support/small_demo_disc.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kestrane::test {

// What a reader showed while it was open.
struct ReaderShot
{
    bool shown = false;
    bool modal = false;
    QString caption;
    QString file;
    int okWidth = 0;
    int okRight = 0; // first pixel after OK
    int printLeft = 0;
    bool narrationVisible = true;
    bool narrationEnabled = true;
    bool scrollsSideways = false; // the text box shows a horizontal scroll bar
};

// The real main window with the documents controller attached, over a small demo disc in E:
// that every test of the binary shares (tests that need missing files map E: elsewhere).
class DocumentsWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake.mapDrive(u'E', test::smallDemoDisc());
        state.disc.cdRoot = u"E:"_qs;
        state.disc.photoRoot = u"E:"_qs;
        form1 = std::make_unique<MainWindow>(context);
        narration = fake.audioDevices.empty() ? nullptr : fake.audioDevices.back();
        form1->show();
        documents = std::make_unique<YearDocuments>(context, form1->controls(), &form1->mmControl1());
    }

    void TearDown() override
    {
        documents.reset();
        form1.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QString discFolder() { return test::smallDemoDisc(); }

    QPushButton* button(const char16_t* name) const
    {
        return form1->findChild<QPushButton*>(names::name(name));
    }

    ReaderEnvironment environment() { return {context, form1.get(), &form1->mmControl1()}; }

    // Runs `action` (which may open the reader modally); while the reader is open, records what it
    // shows, runs `whileOpen` on it and then presses OK unless `whileOpen` closed it.
    ReaderShot capture(const std::function<void()>& action,
                       const std::function<void(ReaderWindow&)>& whileOpen = {})
    {
        ReaderShot shot;
        bool fired = false;
        QTimer::singleShot(0, [&] {
            fired = true;
            ReaderWindow* reader = findReader(context);
            if (!reader || !reader->isVisible())
                return;
            shot.shown = true;
            shot.modal = reader->isModal();
            shot.caption = reader->windowTitle();
            shot.file = reader->rtbText()->fileName();
            shot.okWidth = reader->okButton()->width();
            shot.okRight = reader->okButton()->geometry().right() + 1;
            shot.printLeft = reader->printButton()->x();
            shot.narrationVisible = !reader->playButton()->isHidden() || !reader->stopButton()->isHidden();
            shot.narrationEnabled = reader->playButton()->isEnabled() || reader->stopButton()->isEnabled();
            RichTextBox& text = *reader->rtbText();
            text.document()->documentLayout()->documentSize(); // the whole layout, not an estimate
            shot.scrollsSideways = text.horizontalScrollBar()->isVisible();
            if (whileOpen)
                whileOpen(*reader);
            if (!reader->isUnloaded())
                QTest::mouseClick(reader->okButton(), Qt::LeftButton);
        });
        action();
        // Nothing modal ran the timer: let it see that no reader is open.
        if (!fired)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return shot;
    }

    ReaderShot click(const char16_t* name, const QString& key,
                     const std::function<void(ReaderWindow&)>& whileOpen = {})
    {
        state.selection.selectionKey = key;
        QPushButton* target = button(name);
        EXPECT_NE(target, nullptr);
        // The year page's button states are not under test here.
        if (target)
            target->setEnabled(true);
        return capture(
            [target] {
                if (target)
                    QTest::mouseClick(target, Qt::LeftButton);
            },
            whileOpen);
    }

    QStringList errorCodesShown() const
    {
        QStringList codes;
        for (const MessageBoxRequest& box : fake.dialogs.boxes) {
            if (box.text.startsWith(u"Error number: "_qs))
                codes << box.text.mid(14, 5);
        }
        return codes;
    }

    FakePlatform fake;
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<MainWindow> form1;
    std::shared_ptr<FakeAudioDevice> narration;
    std::unique_ptr<YearDocuments> documents;
};

} // namespace kestrane::test
