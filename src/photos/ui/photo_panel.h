#pragma once

#include <QObject>
#include <QString>

namespace kestrane {

struct AppContext;
class YearPage;

// The photo browser of Form1: stepping through the selection's photographs, the tour on a click
// on the photograph, the file-name box, the per-photograph description and the play list's
// Add and Remove states.
class PhotoPanel : public QObject
{
    Q_OBJECT

public:
    PhotoPanel(AppContext& context, YearPage& page);
    ~PhotoPanel() override;

    void NextPhoto();
    void PreviousPhoto();
    void ShowPhotoDescription();
    void SyncSaverButtons();

    // Loads a photograph into Image4 and shows it; false when it cannot be read.
    bool loadPhoto(const QString& path);
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showPhotograph(int index);
    void frontAfterStep();
    void afterStep();
    bool nothingSelectedYet();

    AppContext& m_context;
    YearPage& m_page;
};

} // namespace kestrane
