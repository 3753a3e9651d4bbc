#include "disk/ui/disk_operations.h"

#include "disk/saver_rules.h"
#include "disk/ui/copy_controller.h"
#include "disk/ui/play_list_commands.h"
#include "disk/ui/saver_panel.h"
#include "platform/file_system.h"
#include "state/app_context.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>

namespace kestrane {

DiskOperations::DiskOperations(AppContext& context, const MainWindowControls& controls,
                               PhotoPanel* photoPanel)
    : m_context(context), m_w(controls), m_photoPanel(photoPanel),
      m_copy(std::make_unique<CopyController>(context, controls)),
      m_saver(std::make_unique<SaverPanel>(context, controls, *m_copy))
{
    if (m_w.image4)
        m_w.image4->installEventFilter(this);
    if (QAction* item = m_w.menuItem(names::mnuCopyPhoto))
        connect(item, &QAction::triggered, this, &DiskOperations::openPlayList);
}

DiskOperations::~DiskOperations()
{
    if (m_w.image4)
        m_w.image4->removeEventFilter(this);
}

void DiskOperations::openPlayList()
{
    FileSystem& fs = *m_context.platform.fileSystem;
    // An existing folder is no error, and a folder that cannot be made shows in Add's own failure.
    fs.makeFolder(fs.programFolder() + QString::fromUtf16(kPlayListFolder).chopped(1));
    const bool loaded = findPlayList(m_context) != nullptr;
    // The printout as it is when Print is pressed, not as it was when the window opened.
    const PrintPhotoRoutine print = [this](const QImage& picture) {
        if (m_printPhoto)
            m_printPhoto(picture);
    };
    PlayListWindow& window = frmSSPhoto({m_context, &m_w, m_photoPanel, print});
    if (loaded)
        window.commands().photoChanged();
    window.show();
    window.raise();
    window.activateWindow();
}

bool DiskOperations::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_w.image4 && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        openPlayList();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kestrane
