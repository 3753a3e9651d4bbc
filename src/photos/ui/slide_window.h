#pragma once

#include "photos/slide_layout.h"
#include "photos/slide_rules.h"
#include "photos/ui/slide_icons.h"

#include <QDialog>

#include <array>
#include <memory>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kestrane {

struct AppContext;
struct SlideControls;
struct SlideInsigniaPictures;
class SlideImage;
class SlidePanel;
class SlideShow;
class SpinButton;
class Timer;

// frmSlide: the modal window of the slide show. It creates its controls, lays them out by the
// SlideLayout it is given, and shows what its SlideShow tells it; its own work is the front rule,
// the step keys on SSCommand1, the clock panels, the copy of a picture to the clipboard and the
// question before closing.
class SlideWindow : public QDialog
{
    Q_OBJECT

public:
    // The Load event: registers the window, sets up the dealer edition's captions, starts the clock.
    SlideWindow(AppContext& context, SlideShow& show, QWidget* owner, const SlideLayout& layout);
    ~SlideWindow() override;

    SlideShow& slideShow() const { return m_show; }
    const SlideLayout& slideLayout() const { return m_layout; }
    // Shows the window modally; returns when it has been closed.
    void showModal();
    bool isUnloaded() const { return m_unloaded; }

    // Handlers, also reached by the controls.
    void frontRule();
    void image1Clicked();
    void pictureMouseDown(SlideImage* picture, Qt::MouseButton button);
    void updateClock();
    // Form_QueryUnload: true when the window may close.
    bool queryUnload();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupWidgets();
    void setupChoices();
    void setupButtonRow();
    void setupStatus();
    void applyLayout();
    void applyStyle();
    void connectShow();
    void unload();

    // What the show asks for.
    void showTitle(SlideMode mode, const QImage& picture);
    void showPhoto(const QImage& picture, const QString& number);
    void showClipArt(const QImage& picture);
    void hidePicture();
    void showInsignia(const SlideInsigniaPictures& set);
    void setCaption(const QString& caption);
    void setControls(const SlideControls& controls);
    void selectModeButton(SlideMode mode);
    // A picture that is not stretched at this window's scale, no larger than the slides' stage.
    QSize pictureSize(const QImage& picture) const;

    AppContext& m_context;
    SlideShow& m_show;
    SlideLayout m_layout;
    bool m_unloaded = false;

    SlideImage* m_image1 = nullptr;
    std::array<SlideImage*, 3> m_pictures{}; // Picture2 (side), Picture3 (front), Picture4 (script)
    SlidePanel* m_panYear = nullptr;
    SlidePanel* m_number = nullptr;   // pnlPhotoNumber
    SlidePanel* m_interval = nullptr; // panInterval
    SpinButton* m_spin = nullptr;     // SpinInterval
    QGroupBox* m_modeFrame = nullptr;
    std::array<QRadioButton*, 3> m_modes{};  // Option1(0..2)
    QGroupBox* m_orderFrame = nullptr;       // Frame3
    std::array<QRadioButton*, 2> m_order{};  // optSeq(0..1)
    QPushButton* m_beginning = nullptr;      // SSCommand1
    QPushButton* m_middle = nullptr;         // SSCommand2
    QWidget* m_buttonRow = nullptr;          // mmSlide
    std::array<QPushButton*, 7> m_buttons{}; // by SlideButton
    SlidePanel* m_coStar = nullptr;          // PnlCoStar
    SlidePanel* m_day = nullptr;
    SlidePanel* m_date = nullptr;
    SlidePanel* m_time = nullptr;
    QPushButton* m_exit = nullptr;  // cmdExit
    std::unique_ptr<Timer> m_clock; // Timer3
};

// The slide-show window now open, or null.
SlideWindow* findSlideWindow(const AppContext& context);

} // namespace kestrane
