#include "documents/ui/advertisements_controller.h"

#include "common/error_reporter.h"
#include "common/ui/window_registry.h"
#include "documents/advertisements.h"
#include "documents/picture_viewer.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <QAbstractButton>

namespace kestrane {

Advertisements::Advertisements(AppContext& context, const MainWindowControls& controls, PictureViewer* viewer)
    : m_context(context), m_w(controls), m_viewer(viewer)
{
    if (QAbstractButton* ad = m_w.pageButton(kAd))
        connect(ad, &QAbstractButton::clicked, this, &Advertisements::cmdAdClick);
    if (QAbstractButton* brochure = m_w.pageButton(kBrochure))
        connect(brochure, &QAbstractButton::clicked, this, &Advertisements::cmdBrochureClick);
}

void Advertisements::prepare()
{
    if (m_viewer)
        m_viewer->unload();
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    m_context.platform.screen->setBusy(true);
}

void Advertisements::sorry(const QString& text)
{
    MessageBoxRequest box;
    box.text = text;
    box.title = QString::fromUtf16(kBoxTitle);
    box.icon = MsgIcon::Exclamation;
    m_context.platform.screen->setBusy(false);
    m_context.platform.dialogs->messageBox(box);
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
}

void Advertisements::cmdAdClick()
{
    AppState& state = m_context.state;
    prepare();
    setErrorCode(m_context, documents::kErrAdvertisement);
    const QString key = state.selection.selectionKey;
    if (hasNoAdvertisement(key)) {
        sorry(noAdvertisementText());
        return;
    }
    const AdvertisementChoice choice = advertisementFor(key, state.documents.documentCaption);
    state.documents.documentPath = choice.file;
    state.documents.documentPath = state.disc.cdRoot + documents::kAdsFolder.toString() + choice.file;
    const bool shown = m_viewer && m_viewer->showPicture(state.documents.documentPath, choice.caption);
    // The pointer is back before any box, so that the box is not answered under an hourglass.
    m_context.platform.screen->setBusy(false);
    if (!shown)
        reportTrapped(m_context, documents::kErrAdvertisement);
}

void Advertisements::cmdBrochureClick()
{
    AppState& state = m_context.state;
    prepare();
    const QString key = state.selection.selectionKey;
    state.documents.documentPath =
        state.disc.cdRoot + documents::kBrochuresFolder.toString() + brochureFile(key);
    const bool shown = m_viewer && m_viewer->showPicture(state.documents.documentPath, brochureCaption(key));
    if (!shown) {
        sorry(noBrochureText());
        return;
    }
    m_context.platform.screen->setBusy(false);
}

} // namespace kestrane
