#pragma once

#include "common/ui/main_window_controls.h"
#include "disk/copy_job.h"
#include "disk/copy_rules.h"
#include "disk/ui/copy_panel.h"

#include <QObject>

#include <memory>

namespace kestrane {

struct AppContext;

// Copying the disc's photos or movies to the program folder on pnlProgress, and removing them
// again: the four File menu items, the free-space check, the copy with its two gauges and the
// messages. The copy itself runs as a CopyJob on a thread of its own while Form1 stays disabled
// with the busy pointer.
class CopyController : public QObject
{
    Q_OBJECT

public:
    CopyController(AppContext& context, const MainWindowControls& controls);
    ~CopyController() override;

    const CopyPanelControls& panel() const { return m_panel; }
    bool isCopying() const { return m_job != nullptr; }

    // Menu items.
    void copyPhotosTriggered();
    void copyMoviesTriggered();
    void removePhotosTriggered();
    void removeMoviesTriggered();

    // Fills and shows pnlProgress for the job CopyingPhotos names; false when the free space is
    // short, and the panel stays hidden.
    bool PrepareCopyPanel();
    void copyClicked();
    void cancelClicked();

Q_SIGNALS:
    // pnlProgress closed after being prepared: `photos` names the job, `complete` is true only
    // when it copied every file.
    void panelClosed(bool photos, bool complete);

private:
    void placePanel();
    bool MakeTargetFolder(const QString& folder);
    QList<CopyItem> photoItems();
    QList<CopyItem> movieItems();
    void startJob(QList<CopyItem> items);
    void fileFailed(const QString& source, const QString& target, const QString& reason);
    void jobFinished(int copied, int failed);
    void endJob(const QString& message, bool complete);
    void closePanel(bool complete);
    void removeAll(bool photos);
    void setGauges(int file, int overall);
    const CopyJobKind& kind() const;

    AppContext& m_context;
    const MainWindowControls& m_w;
    CopyPanelControls m_panel;
    std::unique_ptr<CopyJob> m_job;
    QList<CopyItem> m_items; // of the job under way
    bool m_jobPhotos = true;
    CopyStop m_stop = CopyStop::None; // why the job under way ends early
};

} // namespace kestrane
