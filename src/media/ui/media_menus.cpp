#include "media/ui/media_menus.h"

#include "common/error_reporter.h"
#include "common/ui/window_registry.h"
#include "media/movie_table.h"
#include "media/ui/movies_window.h"
#include "platform/codec_installer.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <QAction>
#include <QMainWindow>

namespace kestrane {

MediaMenus::MediaMenus(AppContext& context, const MainWindowControls& controls, WavePlayer* player)
    : m_context(context), m_w(controls), m_board(context, controls, player)
{
    const std::pair<const char16_t*, void (MediaMenus::*)()> items[] = {
        {names::mnuMovies, &MediaMenus::mnuMoviesClick},
        {names::mnuVideo, &MediaMenus::mnuVideoClick},
        {names::mnuSound, &MediaMenus::mnuSoundClick},
    };
    for (const auto& [name, handler] : items) {
        if (QAction* item = m_w.menuItem(name))
            connect(item, &QAction::triggered, this, handler);
    }
}

void MediaMenus::mnuMoviesClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    m_context.state.media.movieFolder =
        movieFolder(*m_context.platform.fileSystem, m_context.state.disc.cdRoot);
    MoviesWindow* movies = findMovies(m_context);
    if (!movies)
        movies = new MoviesWindow(m_context, m_w.form);
    movies->showModal();
}

void MediaMenus::mnuVideoClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    MessageBoxRequest question;
    question.text = videoSoftwareQuestion();
    question.title = QString::fromUtf16(kAppTitle);
    question.buttons = MsgButtons::YesNo;
    question.icon = MsgIcon::Question;
    if (m_context.platform.dialogs->messageBox(question) != MsgYes)
        return;

    setErrorCode(m_context, ErrorCode::ER003);
    const CodecInstallerCommand installer = codecInstallerCommand(
        QString::fromUtf16(kApplicationId), QString::fromUtf16(kMovieDecoderDescription),
        QString::fromUtf16(kMovieDecoderCaps), m_w.form ? quintptr(m_w.form->winId()) : 0);
    // No disc drive is at fault when the helper is not installed: the box says what to install.
    if (m_context.platform.processes->findProgram(installer.program).isEmpty()) {
        MessageBoxRequest box;
        box.text = installerHelperMissingText(installer.program);
        box.title = QString::fromUtf16(kBoxTitle);
        box.buttons = MsgButtons::Ok;
        box.icon = MsgIcon::Critical;
        m_context.state.errors.lastErrorMessage = box.text;
        m_context.platform.dialogs->messageBox(box);
        return;
    }
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(false);
    int exitCode = 0;
    const bool ran =
        m_context.platform.processes->runAndWait(installer.program, installer.arguments, &exitCode);
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
    // The installer tells its own outcome in its window; only a helper that never ran is ours to say.
    if (!ran)
        report(m_context, ErrorCode::ER003);
}

} // namespace kestrane
