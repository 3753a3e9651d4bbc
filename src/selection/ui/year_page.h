#pragma once

#include "common/error_reporter.h"
#include "common/page_buttons.h"
#include "common/ui/main_window_controls.h"
#include "common/ui/shown_picture.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <memory>

namespace kestrane {

struct AppContext;
struct CategoryRow;
class PhotoPanel;
struct TourStep;

// The year page of Form1: attaches to the window's controls by name and runs the selection,
// the page refresh with its insignia pictures, and the category menus. The photo browser of
// the same page is its PhotoPanel.
class YearPage : public QObject
{
    Q_OBJECT

public:
    YearPage(AppContext& context, const MainWindowControls& controls);
    ~YearPage() override;

    const MainWindowControls& widgets() const { return m_w; }
    PhotoPanel& photoPanel() { return *m_photos; }

    // The selection key: panYear's caption, mirrored in the state.
    QString selectionKey() const;
    void setSelectionKey(const QString& key);

    // Routines that other windows call too.
    void SelectKey();
    void RefreshYearPage();
    void CategoryButtonSetup();
    bool LoadScript() { return loadInsignia(kScriptPicture, ErrorCode::ER021); }
    bool LoadFrontEmblem() { return loadInsignia(kFrontEmblem, ErrorCode::ER022); }
    bool LoadRearEmblem() { return loadInsignia(kRearEmblem, ErrorCode::ER041); }
    bool LoadSideEmblem() { return loadInsignia(kSideEmblem, ErrorCode::ER042); }
    bool LoadClipArt() { return loadInsignia(kClipArtPicture, ErrorCode::ER024); }
    // Asks, then copies the active control's content (a picture, or a text) to the clipboard.
    void CopyPictureToClipboard(QWidget* activeControl);
    void bringYearButtonToFront(int index);

    // Event handlers.
    void yearButtonClicked(int index);
    void toggleInsignia(Insignia picture);
    void pictureClicked(Insignia picture);
    void pictureMouseDown(Insignia picture, Qt::MouseButton button);
    void categoryMenuTriggered(const CategoryRow& row);
    // The category page routine shared by mnuArt and mnukestystuff (and the photo tour).
    void showCategoryPage(const QString& title);
    void windowBackgroundClicked();
    void windowDeactivated();

    // Common end of every new selection: cursor, photo number, slide counters, year button.
    void resetAfterSelection(int yearButton);
    // The photo browser's tour moved on: show its selection.
    void showTourStep(const TourStep& step);
    // The slide show's Exit: its slide's key and photograph (0: none) become the page's, while
    // the show's window stays open. False when the photograph cannot be shown.
    bool takeSlide(const QString& key, int photoIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    bool loadInsignia(Insignia picture, ErrorCode errorCode)
    {
        return showInsignia(picture, errorCode, prepareInsignia(picture));
    }
    // Reads the selection's file for a picture and starts its decode; showInsignia finishes it.
    PendingPicture prepareInsignia(Insignia picture) const;
    bool showInsignia(Insignia picture, ErrorCode errorCode, PendingPicture&& pending);
    ShownPicture* shownInsignia(Insignia picture) const;
    void ownCategoryMenu(const CategoryRow& row);
    void specialtyMenu(const CategoryRow& row);
    void setButtonsEnabled(PageButtons buttons, bool enabled);
    void setBusy(bool busy);
    void closeSelectionWindows();

    AppContext& m_context;
    MainWindowControls m_w;
    std::unique_ptr<PhotoPanel> m_photos;
    std::array<QPointer<ShownPicture>, 5> m_insignia; // order of kInsigniaInfo, owned by the labels
    // Secondary windows that a refresh leaves open.
    enum class KeepWindows { None, SlideShow, All };
    KeepWindows m_keepWindows = KeepWindows::None;
};

} // namespace kestrane
