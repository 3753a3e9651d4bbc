#pragma once

#include "common/ui/main_window_controls.h"
#include "disk/ui/play_list_window.h"

#include <QObject>

#include <memory>

namespace kestrane {

struct AppContext;
class CopyController;
class PhotoPanel;
class SaverPanel;

// The disk subsystem on Form1: the copy panel, the screen-saver panel and the play-list window,
// which opens on a right press on the photograph and from "Copy Photo".
class DiskOperations : public QObject
{
    Q_OBJECT

public:
    // `photoPanel` (may be null) keeps the play list's Add and Remove states.
    DiskOperations(AppContext& context, const MainWindowControls& controls, PhotoPanel* photoPanel);
    ~DiskOperations() override;

    CopyController& copy() { return *m_copy; }
    SaverPanel& saver() { return *m_saver; }
    // How the play list prints a photograph (Form1's photo printout).
    void setPrintPhoto(PrintPhotoRoutine print) { m_printPhoto = std::move(print); }

    // Right press on Image4 and mnuCopyPhoto: makes the play-list folder and opens the play list.
    void openPlayList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& m_context;
    const MainWindowControls& m_w;
    PhotoPanel* m_photoPanel;
    PrintPhotoRoutine m_printPhoto;
    std::unique_ptr<CopyController> m_copy;
    std::unique_ptr<SaverPanel> m_saver;
};

} // namespace kestrane
