#pragma once

#include "documents/picture_viewer.h"
#include "state/app_context.h"

class QWidget;

namespace kestrane {

class ScrollWindow;

// Opens pictures in frmScroll, for the illustrated series and, through the PictureViewer port, for
// the advertisement and brochure buttons. The picture is decoded before the viewer loads, so a
// picture that cannot be read leaves no half-made window and the main window as it was.
class LargeImageViewer : public PictureViewer
{
public:
    LargeImageViewer(AppContext& context, QWidget* owner);

    void unload() override;
    bool showPicture(const QString& discPath, const QString& caption) override;

    // The viewer now loaded, or null.
    ScrollWindow* window() const;

private:
    AppContext& m_context;
    QWidget* m_owner = nullptr;
};

} // namespace kestrane
