#include "disk/ui/play_list_commands.h"

#include "common/error_reporter.h"
#include "common/picture_file.h"
#include "common/ui/shared_routines.h"
#include "common/ui/shown_picture.h"
#include "disk/play_list_rules.h"
#include "disk/saver_rules.h"
#include "disk/ui/flood_gauge.h"
#include "photos/photo_browser.h"
#include "photos/photo_catalogue.h"
#include "photos/ui/photo_panel.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace kestrane {

namespace {

// Stands for "no error" while a copy of the play list runs and after it.
constexpr char16_t kBlankCode[] = u" ";

} // namespace

PlayListCommands::PlayListCommands(const PlayListEnvironment& environment, const PlayListControls& controls,
                                   QWidget* window)
    : QObject(window), m_env(environment), m_c(controls), m_window(window)
{
    connect(m_c.add, &QPushButton::clicked, this, &PlayListCommands::addClicked);
    connect(m_c.remove, &QPushButton::clicked, this, &PlayListCommands::removeClicked);
    connect(m_c.removeAll, &QPushButton::clicked, this, &PlayListCommands::removeAllClicked);
    connect(m_c.clipboard, &QPushButton::clicked, this, &PlayListCommands::clipboardClicked);
    connect(m_c.copyToDisk, &QPushButton::clicked, this, &PlayListCommands::copyToDiskClicked);
    connect(m_c.print, &QPushButton::clicked, this, &PlayListCommands::printClicked);
    connect(m_c.help, &QPushButton::clicked, this, &PlayListCommands::helpClicked);
    connect(m_c.exit, &QPushButton::clicked, this, &PlayListCommands::exitClicked);
    if (m_env.photoPanel)
        connect(m_env.photoPanel, &PhotoPanel::saverButtonsChanged, this, &PlayListCommands::refresh);
}

PlayListCommands::~PlayListCommands() = default;

void PlayListCommands::Load()
{
    syncButtons();
    SetWindowOnTop(m_env.context, m_window, kTrue);
}

void PlayListCommands::photoChanged()
{
    syncButtons();
}

void PlayListCommands::refresh()
{
    showPhoto();
    showButtonStates();
}

QString PlayListCommands::sourcePhoto() const
{
    const QAbstractButton* desc = m_env.main ? m_env.main->pageButton(kDesc) : nullptr;
    return playListSourcePhoto(m_env.context.state, caption(desc));
}

void PlayListCommands::showPhoto()
{
    const QImage image = readPicture(*m_env.context.platform.fileSystem, sourcePhoto());
    QLabel* picture = m_c.picture1;
    if (image.isNull()) {
        picture->clear();
        return;
    }
    const QSize room = picture->contentsRect().size();
    picture->setPixmap(QPixmap::fromImage(image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PlayListCommands::syncButtons()
{
    if (m_env.photoPanel) {
        m_env.photoPanel->SyncSaverButtons(); // signals refresh()
        return;
    }
    AppState& state = m_env.context.state;
    const FileSystem& fs = *m_env.context.platform.fileSystem;
    const QAbstractButton* desc = m_env.main ? m_env.main->pageButton(kDesc) : nullptr;
    state.saver.saverPhotoPath = saverPhotoCandidate(fs.programFolder(), state.selection.selectionKey,
                                                     caption(desc), state.photos.currentPhoto);
    const bool listed = !state.saver.saverPhotoPath.endsWith(u'\\') && fs.exists(state.saver.saverPhotoPath);
    state.saver.saverAddEnabled = !listed;
    state.saver.saverRemoveEnabled = listed;
    refresh();
}

void PlayListCommands::showButtonStates()
{
    const SaverState& saver = m_env.context.state.saver;
    m_c.add->setEnabled(saver.saverAddEnabled);
    m_c.remove->setEnabled(saver.saverRemoveEnabled);
}

int PlayListCommands::box(const QString& text, MsgButtons buttons, MsgIcon icon)
{
    MessageBoxRequest request;
    request.text = text;
    request.title = QString::fromUtf16(kAppTitle);
    request.buttons = buttons;
    request.icon = icon;
    return m_env.context.platform.dialogs->messageBox(request);
}

void PlayListCommands::setBusy(bool busy)
{
    m_env.context.platform.screen->setBusy(busy);
}

void PlayListCommands::addClicked()
{
    AppContext& context = m_env.context;
    setBusy(true);
    const QString source = sourcePhoto();
    const QString target = playListPath(context.platform.fileSystem->programFolder(), source);
    context.state.errors.currentErrorCode = QString::fromUtf16(kBlankCode);
    const bool copied =
        CopyPhotoFile(context, source, target, [this](int value) { m_c.gauge->setValue(value); });
    setBusy(false);
    if (copied) {
        box(QString::fromUtf16(kPhotoAdded), MsgButtons::Ok, MsgIcon::Exclamation);
        m_c.add->setEnabled(false);
        m_c.remove->setEnabled(true);
    }
    context.state.errors.currentErrorCode = QString::fromUtf16(kBlankCode);
}

void PlayListCommands::removeClicked()
{
    FileSystem& fs = *m_env.context.platform.fileSystem;
    setBusy(true);
    const QString path = playListPath(fs.programFolder(), sourcePhoto());
    const QString host = fs.resolve(path);
    // A file already gone is as good as removed.
    const bool removed = host.isEmpty() || fs.removeFile(path);
    setBusy(false);
    if (!removed) {
        box(playListRemoveFailedMessage(host), MsgButtons::Ok, MsgIcon::Exclamation);
        syncButtons();
        return;
    }
    box(QString::fromUtf16(kPhotoRemoved), MsgButtons::Ok, MsgIcon::Exclamation);
    m_c.add->setEnabled(true);
    m_c.remove->setEnabled(false);
    m_c.gauge->setValue(0);
}

void PlayListCommands::removeAllClicked()
{
    if (box(QString::fromUtf16(kRemoveAllQuestion), MsgButtons::YesNo, MsgIcon::Question) != MsgYes)
        return;
    FileSystem& fs = *m_env.context.platform.fileSystem;
    const QString folder = fs.programFolder() + QString::fromUtf16(kPlayListFolder);
    const QString pattern = folder + u"*.jpg"_qs;
    setBusy(true);
    const QStringList names = fs.list(pattern);
    for (const QString& name : names)
        fs.removeFile(folder + name);
    setBusy(false);
    const int left = int(fs.list(pattern).size());
    if (left > 0) {
        box(playListClearIncompleteMessage(left, fs.resolve(folder)), MsgButtons::Ok, MsgIcon::Exclamation);
        syncButtons();
        return;
    }
    box(QString::fromUtf16(kAllRemoved));
    m_c.add->setEnabled(true);
    m_c.remove->setEnabled(false);
    m_c.removeAll->setEnabled(false);
    m_c.gauge->setValue(0);
}

QImage PlayListCommands::mainPicture() const
{
    const QLabel* image4 = m_env.main ? m_env.main->image4 : nullptr;
    if (QImage shown = fullSizePicture(*m_env.context.platform.fileSystem, image4); !shown.isNull())
        return shown;
    // Form1 shows no photograph yet: the one the play list shows.
    return readPicture(*m_env.context.platform.fileSystem, sourcePhoto());
}

void PlayListCommands::clipboardClicked()
{
    Clipboard& clipboard = *m_env.context.platform.clipboard;
    clipboard.clear();
    clipboard.setImage(mainPicture());
}

void PlayListCommands::copyToDiskClicked()
{
    AppContext& context = m_env.context;
    FileSystem& fs = *context.platform.fileSystem;
    Dialogs& dialogs = *context.platform.dialogs;
    const QString source = sourcePhoto();
    const QString sourceHost = fs.resolve(source);
    const QString photoFolder = fs.resolve(context.state.disc.photoRoot + u"\\kestranes"_qs);

    SaveFileRequest request;
    request.title = QString::fromUtf16(kCopyDialogTitle);
    request.initialFolder = dialogs.picturesFolder();
    request.fileName = proposedCopyName(context.state, source);
    request.filters = QStringList{u"JPG Files (*.jpg)"_qs, u"All Files (*)"_qs};
    request.defaultSuffix = u"jpg"_qs;
    for (;;) {
        const QString chosen = dialogs.saveFileName(request);
        if (chosen.isEmpty())
            return;
        const CopyTargetRefusal refusal = refuseCopyTarget(chosen, sourceHost, photoFolder);
        if (refusal == CopyTargetRefusal::None) {
            context.state.errors.currentErrorCode = QString::fromUtf16(kBlankCode);
            if (CopyPhotoFile(
                    context, source, chosen, [this](int value) { m_c.gauge->setValue(value); },
                    PhotoTarget::HostPath))
                box(QString::fromUtf16(kPhotoCopiedTo) + chosen);
            context.state.errors.currentErrorCode = QString::fromUtf16(kBlankCode);
            return;
        }
        box(refusalMessage(refusal), MsgButtons::Ok, MsgIcon::Exclamation);
        // The dialog comes back where the refused choice was made.
        const QFileInfo refused(chosen);
        request.initialFolder = refused.path();
        request.fileName = refused.fileName();
    }
}

void PlayListCommands::printClicked()
{
    // The window goes first; what it still has to do is kept here.
    const PlayListEnvironment env = m_env;
    const bool nothingSelected = env.context.state.selection.selectionKey == QStringView(kNoSelection);
    const QImage picture = nothingSelected
                               ? readPicture(*env.context.platform.fileSystem,
                                             env.context.state.disc.cdRoot + u"\\kestranes\\EMB972.JPG"_qs)
                               : mainPicture();
    SetWindowOnTop(env.context, m_window, kFalse);
    m_window->close();

    MessageBoxRequest question;
    question.text = QString::fromUtf16(kPrintQuestion);
    question.title = QString::fromUtf16(kAppTitle);
    question.buttons = MsgButtons::OkCancel;
    question.icon = MsgIcon::Question;
    if (env.context.platform.dialogs->messageBox(question) == MsgOk && env.printPhoto)
        env.printPhoto(picture);
}

void PlayListCommands::helpClicked()
{
    box(QString::fromUtf16(kPlayListHelp));
}

void PlayListCommands::exitClicked()
{
    SetWindowOnTop(m_env.context, m_window, kFalse);
    m_window->close();
}

} // namespace kestrane
