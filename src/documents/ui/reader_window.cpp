#include "documents/ui/reader_window.h"

#include "common/control_names.h"
#include "common/error_reporter.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/shared_routines.h"
#include "common/ui/window_registry.h"
#include "common/wave_player.h"
#include "documents/document_names.h"
#include "documents/ui/reader_icons.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/printer.h"
#include "platform/services.h"

#include <QEvent>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

namespace kestrane {

namespace {

// Design geometry in twips: the client area and each control's left, top, width and height.
constexpr int kClientWidth = 7965;
constexpr int kClientHeight = 6735;
struct Design
{
    int left, top, width, height;
};
constexpr Design kTextDesign{120, 120, 7695, 6015};
constexpr Design kOkDesign{120, 6240, 6255, 375};
constexpr Design kPlayDesign{6480, 6240, 390, 375};
constexpr Design kStopDesign{6960, 6240, 375, 375};
constexpr Design kPrintDesign{7440, 6240, 375, 375};

} // namespace

ReaderWindow::ReaderWindow(const ReaderEnvironment& environment) : m_env(environment)
{
    setObjectName(names::name(names::txtForm));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A window of its own, so that the main window's controls keep their names to themselves;
    // it stays above the main window and goes with it.
    if (QWidget* owner = m_env.mainWindow) {
        create();
        if (QWindow* ownerWindow = owner->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    }
    setWindowTitle(names::name(names::txtForm));
    setupWidgets();

    // Load: the play list leaves the always-on-top layer and closes, so it cannot cover the reader.
    AppContext& context = m_env.context;
    if (context.windows) {
        context.windows->closePlayList(context);
        context.windows->enter(WindowRegistry::Reader, this);
    }
    centreOnScreen();
    setWindowTitle(context.state.documents.documentCaption);
}

ReaderWindow::~ReaderWindow() = default;

int ReaderWindow::pixelsX(int twips) const
{
    return twips / qMax(1, m_env.context.platform.screen->twipsPerPixelX());
}

int ReaderWindow::pixelsY(int twips) const
{
    return twips / qMax(1, m_env.context.platform.screen->twipsPerPixelY());
}

void ReaderWindow::setupWidgets()
{
    setFixedSize(pixelsX(kClientWidth), pixelsY(kClientHeight));
    auto place = [this](QWidget* widget, const Design& d) {
        widget->setGeometry(pixelsX(d.left), pixelsY(d.top), pixelsX(d.width), pixelsY(d.height));
    };

    m_text = new RichTextBox(*m_env.context.platform.fileSystem, this);
    m_text->setObjectName(names::name(names::rtbText));
    m_text->setAccessibleName(tr("Document"));
    place(m_text, kTextDesign);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(names::name(names::SSCommand1));
    m_ok->setDefault(true);
    place(m_ok, kOkDesign);

    auto pictureButton = [this, &place](const char16_t* name, const QIcon& icon, const QString& text,
                                        const Design& design) {
        auto* button = new QPushButton(this);
        button->setObjectName(names::name(name));
        button->setIcon(icon);
        button->setIconSize(QSize(16, 16));
        button->setAccessibleName(text);
        button->setToolTip(text);
        button->setAutoDefault(false);
        place(button, design);
        return button;
    };
    m_play = pictureButton(names::SSCommand2, playIcon(), tr("Play the narration"), kPlayDesign);
    m_stop = pictureButton(names::SSCommand3, stopIcon(), tr("Stop the narration"), kStopDesign);
    m_print = pictureButton(names::cmdPrint, printerIcon(), tr("Print this document"), kPrintDesign);
    m_ok->setAutoDefault(false);

    setTabOrder(m_text, m_ok);
    setTabOrder(m_ok, m_print);
    setTabOrder(m_print, m_play);
    setTabOrder(m_play, m_stop);

    connect(m_ok, &QPushButton::clicked, this, &ReaderWindow::okClicked);
    connect(m_text, &RichTextBox::clicked, this, &ReaderWindow::okClicked);
    connect(m_play, &QPushButton::clicked, this, &ReaderWindow::playNarration);
    connect(m_stop, &QPushButton::clicked, this, &ReaderWindow::stopNarration);
    connect(m_print, &QPushButton::clicked, this, &ReaderWindow::printDocument);

    auto* next = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(next, &QShortcut::activated, this, &ReaderWindow::nextMatch);
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this);
    connect(previous, &QShortcut::activated, this, &ReaderWindow::previousMatch);
}

void ReaderWindow::setMatches(const QList<TextRange>& matches)
{
    m_matches = matches;
    QList<QTextEdit::ExtraSelection> marks;
    for (const TextRange& match : matches) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_text->document());
        mark.cursor.setPosition(match.position);
        mark.cursor.setPosition(match.position + match.length, QTextCursor::KeepAnchor);
        mark.format.setBackground(QColor(255, 236, 140));
        marks.append(mark);
    }
    m_text->setExtraSelections(marks);
    m_currentMatch = -1;
    if (!matches.isEmpty())
        selectMatch(0);
}

void ReaderWindow::nextMatch()
{
    if (!m_matches.isEmpty())
        selectMatch((m_currentMatch + 1) % int(m_matches.size()));
}

void ReaderWindow::previousMatch()
{
    if (!m_matches.isEmpty())
        selectMatch((m_currentMatch + int(m_matches.size()) - 1) % int(m_matches.size()));
}

void ReaderWindow::selectMatch(int index)
{
    m_currentMatch = index;
    const TextRange& match = m_matches[index];
    QTextCursor cursor(m_text->document());
    cursor.setPosition(match.position);
    cursor.setPosition(match.position + match.length, QTextCursor::KeepAnchor);
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
}

void ReaderWindow::centreOnScreen()
{
    const Screen& screen = *m_env.context.platform.screen;
    const int tppX = qMax(1, screen.twipsPerPixelX());
    const int tppY = qMax(1, screen.twipsPerPixelY());
    const QSize frame = frameGeometry().size().expandedTo(size());
    const int leftTwips = (screen.widthTwips() - frame.width() * tppX) / 2;
    const int topTwips = (screen.heightTwips() - frame.height() * tppY) / 2;
    move(leftTwips / tppX, topTwips / tppY);
}

void ReaderWindow::widenOk()
{
    m_ok->resize(m_text->width() - m_print->width() - 4, m_ok->height());
}

void ReaderWindow::setOkWidth(int pixels)
{
    m_ok->resize(pixels, m_ok->height());
}

void ReaderWindow::showModal()
{
    raise();
    exec();
}

void ReaderWindow::unload()
{
    done(QDialog::Rejected);
}

void ReaderWindow::done(int result)
{
    QDialog::done(result);
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_env.context.windows)
        m_env.context.windows->leave(WindowRegistry::Reader, this);
    deleteLater();
}

void ReaderWindow::okClicked()
{
    unload();
    if (m_env.context.mainWindow)
        m_env.context.mainWindow->setMainWindowEnabled(true);
    RestoreYearButton(m_env.context);
}

void ReaderWindow::reject()
{
    okClicked();
}

void ReaderWindow::playNarration()
{
    AppContext& context = m_env.context;
    AppState& state = context.state;
    setErrorCode(context, documents::kErrNarration);
    state.documents.wavePath = narrationPath(state.disc.cdRoot, windowTitle(), state.selection.selectionKey);
    // The error box names the file it could not play.
    state.disc.currentSoundFile = state.documents.wavePath;
    if (context.platform.fileSystem->dir(state.documents.wavePath).isEmpty()) {
        report(context, documents::kErrNarration);
        return;
    }
    WavePlayer* player = m_env.narration;
    if (!player) {
        reportTrapped(context, documents::kErrNarration);
        return;
    }
    player->command(u"close"_qs);
    player->setDeviceType(u"WaveAudio"_qs);
    player->setFileName(state.documents.wavePath);
    if (!player->command(u"open"_qs) || !player->command(u"play"_qs))
        reportTrapped(context, documents::kErrNarration);
}

void ReaderWindow::stopNarration()
{
    if (m_env.narration)
        m_env.narration->command(u"close"_qs);
}

void ReaderWindow::printDocument()
{
    AppContext& context = m_env.context;
    Dialogs& dialogs = *context.platform.dialogs;
    const QString title = QString::fromUtf16(kBoxTitle);

    MessageBoxRequest question;
    question.text = printQuestion(windowTitle());
    question.title = title;
    question.buttons = MsgButtons::YesNo;
    question.icon = MsgIcon::Question;
    const int answer = dialogs.messageBox(question);
    context.state.documents.printAnswer = QString::number(answer);
    if (answer != MsgYes)
        return;

    context.platform.screen->setBusy(true);
    const int pages =
        PrintRichText(context.platform, *m_text, documents::kReaderMarginTwips, documents::kReaderMarginTwips,
                      documents::kReaderMarginTwips, documents::kReaderMarginTwips, windowTitle());
    context.platform.screen->setBusy(false);

    MessageBoxRequest done;
    done.title = title;
    if (pages > 0) {
        done.text = printCompleteText(context.platform.printer->outputFile());
        done.icon = MsgIcon::Exclamation;
    } else {
        // Never report a job that did not print as complete.
        done.text = printFailedText();
        done.icon = MsgIcon::Critical;
    }
    dialogs.messageBox(done);
}

void ReaderWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Activate: OK comes to the front of the z-order.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_ok->raise();
}

void ReaderWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_ok->raise();
    // Only now has the text box its size: bring the selected match into view.
    if (m_currentMatch >= 0)
        m_text->ensureCursorVisible();
}

ReaderWindow* findReader(const AppContext& context)
{
    auto* reader = context.windows ? context.windows->as<ReaderWindow>(WindowRegistry::Reader) : nullptr;
    return reader && !reader->isUnloaded() ? reader : nullptr;
}

ReaderWindow& txtForm(const ReaderEnvironment& environment)
{
    if (ReaderWindow* reader = findReader(environment.context))
        return *reader;
    return *new ReaderWindow(environment);
}

} // namespace kestrane
