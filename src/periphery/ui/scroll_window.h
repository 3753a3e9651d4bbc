#pragma once

#include "state/app_context.h"

#include <QImage>
#include <QWidget>

class QPushButton;
class QScrollBar;

namespace kestrane {

class PictureBox;
class StretchedPicture;

// frmScroll: the large-image viewer. It fills the screen's available area; the picture (picChild)
// lies at full size in a viewport (picParent) with a scroll bar on each side and the close button
// SSCommand1 in the corner between them. Advertisements and brochures also have a whole-screen
// view (Image1), which a click on the picture switches to and a click on Image1 leaves. A right
// press on the picture, SSCommand1 or Escape closes it. While it is open the main window is
// disabled; closing it enables the main window and restores the year button.
//
// Beyond the scroll bars, the mouse wheel scrolls (Shift or a sideways wheel across), the arrow,
// page and Home/End keys scroll, and dragging the picture pans it.
class ScrollWindow : public QWidget
{
    Q_OBJECT

public:
    // The Load event: the main window is disabled and the viewer enters the registry.
    ScrollWindow(AppContext& context, QWidget* owner);
    ~ScrollWindow() override;

    // Hides the scroll bars, puts the picture at full size into picChild at the viewport's origin
    // and into Image1 (620 pixels wide, picChild's height); the layout shows the bars again.
    void setPicture(const QImage& picture, const QString& discPath);
    QString picturePath() const { return m_path; }
    // Shows the viewer over the screen's available area.
    void showFillingScreen();
    // Closes and forgets the viewer: its Unload runs now.
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    QScrollBar* hScroll1() const { return m_hScroll; }
    QScrollBar* vScroll1() const { return m_vScroll; }
    QWidget* picParent() const { return m_viewport; }
    PictureBox* picChild() const { return m_picture; }
    StretchedPicture* image1() const { return m_stretched; }
    QPushButton* closeButton() const { return m_close; }
    bool isWholeScreen() const;

    // The handlers, also reached by the controls.
    void picChildClicked();
    void image1Clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupWidgets();
    // The Resize event: viewport, scroll bars and their rules.
    void layoutViewport();
    void scrollPictureTo(int left, int top);
    void panBy(QPoint delta);
    void setScrollingViewVisible(bool visible);

    AppContext& m_context;
    QScrollBar* m_hScroll = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QWidget* m_viewport = nullptr;
    PictureBox* m_picture = nullptr;
    StretchedPicture* m_stretched = nullptr;
    QPushButton* m_close = nullptr;
    QString m_path;
    bool m_unloaded = false;
};

} // namespace kestrane
