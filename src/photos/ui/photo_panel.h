#pragma once

#include "common/ui/main_window_controls.h"
#include "common/ui/shown_picture.h"
#include "photos/photo_browser.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace kestrane {

struct AppContext;

// The photo browser of Form1: stepping through the selection's photographs, the tour on a click
// on the photograph, the file-name box, the per-photograph description and the play list's
// Add and Remove states. It drives the controls it is given and tells the year page by signal what
// the page has to do.
class PhotoPanel : public QObject
{
    Q_OBJECT

public:
    PhotoPanel(AppContext& context, const MainWindowControls& controls);
    ~PhotoPanel() override;

    void NextPhoto();
    void PreviousPhoto();
    void ShowPhotoDescription();
    void SyncSaverButtons();

    // Loads a photograph into Image4 and shows it; false when it cannot be read.
    bool loadPhoto(const QString& path) { return showPhoto(preparePhoto(path)); }
    // The same in two steps, so that other pictures of the page decode while the photograph does.
    PendingPicture preparePhoto(const QString& path) const;
    bool showPhoto(PendingPicture&& photo);
    void showFileName(const QString& name);

    // Event handlers.
    void tourClick();
    void panPhotoDoubleClicked();
    void detailsClicked();
    void fileNamesTriggered();
    void fileNameClicked();

Q_SIGNALS:
    // SaverPhotoPath and the play list's Add and Remove states have been set again.
    void saverButtonsChanged();
    // A step asks for this year button at the front of the z-order.
    void yearButtonToFront(int index);
    // A click on the photograph moved the tour on: the page is to show `step`'s selection.
    void tourStepTaken(const kestrane::TourStep& step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showPhotograph(int index);
    void frontAfterStep();
    void afterStep();
    bool nothingSelectedYet();

    AppContext& m_context;
    const MainWindowControls& m_w;
    QPointer<ShownPicture> m_photo; // owned by Image4
};

} // namespace kestrane
