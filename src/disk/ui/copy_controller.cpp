#include "disk/ui/copy_controller.h"

#include "common/error_reporter.h"
#include "common/ui/window_registry.h"
#include "disk/copy_manifest.h"
#include "disk/copy_rules.h"
#include "disk/movie_list.h"
#include "disk/ui/flood_gauge.h"
#include "photos/photo_catalogue.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace kestrane {

namespace {

int box(AppContext& context, const QString& text, MsgButtons buttons, MsgIcon icon,
        const char16_t* title = kAppTitle)
{
    MessageBoxRequest request;
    request.text = text;
    request.title = QString::fromUtf16(title);
    request.buttons = buttons;
    request.icon = icon;
    return context.platform.dialogs->messageBox(request);
}

} // namespace

CopyController::CopyController(AppContext& context, const MainWindowControls& controls)
    : m_context(context), m_w(controls), m_panel(buildCopyPanel(controls.pnlProgress))
{
    const auto connectItem = [this](const char16_t* name, void (CopyController::*handler)()) {
        if (QAction* item = m_w.menuItem(name))
            connect(item, &QAction::triggered, this, handler);
    };
    connectItem(names::mnuCopy, &CopyController::copyPhotosTriggered);
    connectItem(names::mnuCopyMovies, &CopyController::copyMoviesTriggered);
    connectItem(names::mnuRemove, &CopyController::removePhotosTriggered);
    connectItem(names::mnuRemoveMovies, &CopyController::removeMoviesTriggered);
    if (m_panel.cmdCopy) {
        connect(m_panel.cmdCopy, &QPushButton::clicked, this, &CopyController::copyClicked);
        connect(m_panel.cmdCancel, &QPushButton::clicked, this, &CopyController::cancelClicked);
    }
}

CopyController::~CopyController() = default;

const CopyJobKind& CopyController::kind() const
{
    return copyJobKind(m_context.state.disk.copyingPhotos != kFalse);
}

void CopyController::copyPhotosTriggered()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    m_context.state.disk.copyingPhotos = kTrue;
    if (m_panel.text1)
        m_panel.text1->setText(u" "_qs);
    PrepareCopyPanel();
}

void CopyController::copyMoviesTriggered()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    m_context.state.disk.copyingPhotos = kFalse;
    if (m_panel.text1)
        m_panel.text1->setText(u" "_qs);
    PrepareCopyPanel();
}

void CopyController::placePanel()
{
    QFrame* panel = m_panel.panel;
    QWidget* page = panel->parentWidget();
    const QAbstractButton* desc = m_w.pageButton(kDesc);
    if (!page || !desc || !m_w.frame1)
        return;
    const int descTop = desc->mapTo(page, QPoint(0, 0)).y();
    // Form1 is laid out anew for every size: the panel stays whole inside it.
    const int top = std::clamp(descTop + 60, 0, std::max(0, page->height() - panel->height()));
    const int left = std::max(0, (m_w.frame1->width() - panel->width()) / 2);
    panel->move(left, top);
}

bool CopyController::PrepareCopyPanel()
{
    if (!m_panel.panel || m_job)
        return false;
    const CopyJobKind& job = kind();
    m_jobPhotos = job.photos;
    m_panel.label2->setText(QString::fromUtf16(job.heading));
    m_panel.cmdCopy->setText(QString::fromUtf16(job.button));
    placePanel();

    // The copies go below the program folder, wherever the platform keeps it: its file system counts.
    FileSystem& fs = *m_context.platform.fileSystem;
    const FreeSpace space = fs.freeSpace(fs.programFolder());
    const qint64 free = freeSpaceFigure(space.clusters, space.clusterBytes);
    if (free < 0)
        box(m_context, QString::fromUtf16(kFreeSpaceUnknown), MsgButtons::Ok, MsgIcon::None);
    if (!enoughSpace(free, job.total)) {
        box(m_context, notEnoughSpaceMessage(free, job.total), MsgButtons::Ok, MsgIcon::Critical, kBoxTitle);
        return false;
    }
    setGauges(0, 0);
    m_panel.panel->show();
    m_panel.panel->raise();
    m_panel.cmdCopy->setEnabled(true);
    m_panel.cmdCancel->setEnabled(true);
    m_panel.cmdCancel->raise();
    return true;
}

void CopyController::setGauges(int file, int overall)
{
    m_panel.gauge->setValue(file);
    m_panel.gauge2->setValue(overall);
}

void CopyController::cancelClicked()
{
    closePanel(false);
}

void CopyController::closePanel(bool complete)
{
    m_panel.panel->hide();
    // Whoever waited for this copy waits no longer, whether or not it ran.
    m_context.state.disk.copyPending = kFalse;
    Q_EMIT panelClosed(m_jobPhotos, complete);
}

bool CopyController::MakeTargetFolder(const QString& folder)
{
    FileSystem& fs = *m_context.platform.fileSystem;
    if (fs.exists(folder)) {
        const int answer =
            box(m_context, QString::fromUtf16(kCopyAgainQuestion), MsgButtons::OkCancel, MsgIcon::Question);
        m_context.state.disk.copyCancelled = answer == MsgOk ? kFalse : kTrue;
    } else if (!fs.makeFolder(folder)) {
        // Nothing could be copied into it: say so rather than ask to copy "again".
        const QString host = fs.hostPathForWrite(folder);
        box(m_context, folderFailedMessage(host.isEmpty() ? folder : host), MsgButtons::Ok,
            MsgIcon::Critical);
        m_context.state.disk.copyCancelled = kTrue;
    }
    return m_context.state.disk.copyCancelled == kFalse;
}

void CopyController::copyClicked()
{
    if (m_job)
        return;
    DiskState& disk = m_context.state.disk;
    const CopyJobKind& job = kind();
    m_jobPhotos = job.photos;
    FileSystem& fs = *m_context.platform.fileSystem;
    const QString folder = fs.programFolder() + QString::fromUtf16(job.folder).chopped(1);

    m_panel.cmdCopy->setEnabled(false);
    m_panel.cmdCancel->setEnabled(false);
    m_panel.panel->show();
    disk.copyCancelled = kFalse;
    if (!MakeTargetFolder(folder)) {
        m_panel.cmdCopy->setEnabled(true);
        m_panel.cmdCancel->setEnabled(true);
        closePanel(false);
        return;
    }

    // What a copy cut short by the end of the program left under a hidden name goes now.
    fs.removeMatching(folder + u'\\' + QString::fromUtf16(kPartialCopyPattern));
    // The set is no longer known to be whole once its first file is replaced: until the new list
    // is written last, the next start reads the photographs from the disc.
    if (job.photos)
        fs.removeFile(copyManifestPath(folder));
    m_context.platform.screen->setBusy(true);
    disk.remainingBytes = job.total;
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(false);
    QList<CopyItem> items = job.photos ? photoItems() : movieItems();
    if (m_context.platform.app->endRequested())
        return;
    startJob(std::move(items));
}

QList<CopyItem> CopyController::photoItems()
{
    AppState& state = m_context.state;
    state.disc.photoRoot = state.disc.cdRoot;
    LoadPhotoArray(m_context);
    const QString folder = u"\\kestranes\\"_qs;
    const QString programFolder = m_context.platform.fileSystem->programFolder();
    QList<CopyItem> items;
    for (int i = 1; i <= state.photos.photoCount; ++i) {
        const QString path = state.photos.photoFiles.value(i);
        const qsizetype at = path.indexOf(folder);
        if (at < 0)
            continue;
        const QString name = path.mid(at + folder.size());
        items.append({state.disc.cdRoot + folder + name, programFolder + folder + name});
    }
    return items;
}

QList<CopyItem> CopyController::movieItems()
{
    AppState& state = m_context.state;
    BuildMovieList(m_context);
    const QString programFolder = m_context.platform.fileSystem->programFolder();
    QList<CopyItem> items;
    for (int i = 1; i <= state.disk.movieCount; ++i) {
        const QString name = state.disk.movieList.value(i);
        items.append({state.disc.cdRoot + u"\\movies\\"_qs + name, programFolder + u"\\movies\\"_qs + name});
    }
    return items;
}

void CopyController::startJob(QList<CopyItem> items)
{
    m_items = items;
    m_job = std::make_unique<CopyJob>(*m_context.platform.fileSystem, std::move(items), kind().total);
    connect(m_job.get(), &CopyJob::fileStarted, this,
            [this](int, const QString& source, const QString& target) {
                m_context.state.disk.sourcePath = source;
                m_context.state.disk.targetPath = target;
                m_panel.text1->setText(source);
            });
    connect(m_job.get(), &CopyJob::progress, this, [this](int file, int overall, qint64 remaining) {
        m_context.state.disk.remainingBytes = remaining;
        setGauges(file, overall);
    });
    connect(m_job.get(), &CopyJob::fileFailed, this, &CopyController::fileFailed);
    connect(m_job.get(), &CopyJob::finished, this, &CopyController::jobFinished);
    m_job->start();
}

void CopyController::fileFailed(const QString& source, const QString& target, const QString& reason)
{
    const FileSystem& fs = *m_context.platform.fileSystem;
    bool notReady = false;
    const QString sourceFolder = source.left(source.lastIndexOf(u'\\') + 1);
    const bool discReadable =
        !fs.dir(sourceFolder + QString::fromUtf16(copyJobKind(m_jobPhotos).pattern), &notReady).isEmpty() &&
        !notReady;
    m_stop = stopAfterFailure(reason, discReadable);
    if (m_stop != CopyStop::None) {
        // One message at the end says it all, rather than one box for each file still to come.
        if (m_job)
            m_job->resume(false);
        return;
    }
    const QString host = fs.hostPathForWrite(target);
    Screen& screen = *m_context.platform.screen;
    screen.setBusy(false);
    box(m_context, copyFailedMessage(source, host.isEmpty() ? target : host, reason), MsgButtons::Ok,
        MsgIcon::Critical);
    screen.setBusy(true);
    if (m_job)
        m_job->resume();
}

void CopyController::jobFinished(int copied, int failed)
{
    const CopyJobKind& job = copyJobKind(m_jobPhotos);
    const int count = int(m_items.size());
    const CopyStop stop = std::exchange(m_stop, CopyStop::None);
    if (stop != CopyStop::None)
        endJob(copyStoppedMessage(job, stop, copied, count), false);
    else
        endJob(failed == 0 ? QString::fromUtf16(job.done) : copyIncompleteMessage(job, failed, count),
               failed == 0);
}

void CopyController::endJob(const QString& message, bool complete)
{
    AppState& state = m_context.state;
    FileSystem& fs = *m_context.platform.fileSystem;
    const CopyJobKind& job = copyJobKind(m_jobPhotos);
    // The thread has ended with this signal; the job goes once the signal has been handled.
    m_job.release()->deleteLater();

    m_panel.gauge2->setValue(100);
    m_context.platform.screen->setBusy(false);
    box(m_context, message, MsgButtons::Ok, MsgIcon::Exclamation, kBoxTitle);
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
    // An incomplete set stays on the disc for the catalogue: no photograph goes missing.
    if (job.photos && complete) {
        writeCopyManifest(fs, fs.programFolder() + QString::fromUtf16(job.folder).chopped(1), m_items);
        state.disc.photoRoot = fs.programFolder();
        LoadPhotoArray(m_context);
    }
    m_items.clear();
    closePanel(complete);
}

void CopyController::removePhotosTriggered()
{
    removeAll(true);
}

void CopyController::removeMoviesTriggered()
{
    removeAll(false);
}

void CopyController::removeAll(bool photos)
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    const CopyJobKind& job = copyJobKind(photos);
    if (box(m_context, QString::fromUtf16(job.removeQuestion), MsgButtons::YesNo, MsgIcon::Question) !=
        MsgYes)
        return;
    FileSystem& fs = *m_context.platform.fileSystem;
    Screen& screen = *m_context.platform.screen;
    screen.setBusy(true);
    const QString folder = fs.programFolder() + QString::fromUtf16(job.folder).chopped(1);
    const QString pattern = folder + u'\\' + QString::fromUtf16(job.pattern);
    // Every file is tried, whatever became of the one before.
    const QStringList names = fs.list(pattern);
    for (const QString& name : names)
        fs.removeFile(folder + u'\\' + name);
    const int left = int(fs.list(pattern).size());
    const QString hostFolder = fs.resolve(folder);
    fs.removeFile(copyManifestPath(folder));
    fs.removeFolder(folder);
    if (photos)
        m_context.state.disc.photoRoot = m_context.state.disc.cdRoot;
    if (left == 0)
        box(m_context, QString::fromUtf16(job.removed), MsgButtons::Ok, MsgIcon::None);
    else
        box(m_context, removalIncompleteMessage(job, left, hostFolder), MsgButtons::Ok, MsgIcon::Exclamation);
    screen.setBusy(false);
    if (photos && m_w.form)
        m_w.form->close();
}

} // namespace kestrane
