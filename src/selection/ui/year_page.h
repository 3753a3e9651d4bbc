#pragma once

#include "selection/page_buttons.h"
#include "selection/ui/page_widgets.h"

#include <QObject>

#include <memory>

namespace kestrane {

struct AppContext;
struct CategoryRow;
class PhotoPanel;

// The year page of Form1: attaches to the window's controls by name and runs the selection,
// the page refresh with its insignia pictures, and the category menus. The photo browser of
// the same page is its PhotoPanel.
class YearPage : public QObject
{
    Q_OBJECT

public:
    YearPage(AppContext& context, QWidget* form1);
    ~YearPage() override;

    const PageWidgets& widgets() const { return m_w; }
    PhotoPanel& photoPanel() { return *m_photos; }

    // The selection key: panYear's caption, mirrored in the state.
    QString selectionKey() const;
    void setSelectionKey(const QString& key);

    // Routines that other windows call too.
    void SelectKey();
    void RefreshYearPage();
    void CategoryButtonSetup();
    bool LoadScript() { return loadInsignia(kScriptPicture, u"ER021"); }
    bool LoadFrontEmblem() { return loadInsignia(kFrontEmblem, u"ER022"); }
    bool LoadRearEmblem() { return loadInsignia(kRearEmblem, u"ER041"); }
    bool LoadSideEmblem() { return loadInsignia(kSideEmblem, u"ER042"); }
    bool LoadClipArt() { return loadInsignia(kClipArtPicture, u"ER024"); }
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    bool loadInsignia(Insignia picture, const char16_t* errorCode);
    void ownCategoryMenu(const CategoryRow& row);
    void specialtyMenu(const CategoryRow& row);
    void setButtonsEnabled(PageButtons buttons, bool enabled);
    void setBusy(bool busy);
    void closeSelectionWindows();

    AppContext& m_context;
    PageWidgets m_w;
    std::unique_ptr<PhotoPanel> m_photos;
};

} // namespace kestrane
