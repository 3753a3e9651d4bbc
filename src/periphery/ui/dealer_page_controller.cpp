#include "periphery/ui/dealer_page_controller.h"

#include "common/error_reporter.h"
#include "common/picture_file.h"
#include "common/ui/spin_button.h"
#include "documents/document_names.h"
#include "periphery/dealer_page.h"
#include "platform/file_system.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace kestrane {

DealerPage::DealerPage(AppContext& context, const MainWindowControls& controls)
    : m_context(context), m_w(controls)
{
    if (QAction* item = m_w.menuItem(names::mnuDalworth))
        connect(item, &QAction::triggered, this, &DealerPage::mnuDalworthClick);
}

void DealerPage::mnuDalworthClick()
{
    if (m_w.mnuWeb)
        m_w.mnuWeb->setText(dealer::kWebCaption.toString());
    if (m_w.mnuNames) {
        m_w.mnuNames->setText(dealer::kShowNamesCaption.toString());
        m_w.mnuNames->setEnabled(false);
    }
    // The caption now offers to show the names: the flag has to say they are hidden, or the
    // first use of the item after the next selection would hide them again instead.
    m_context.state.selection.fileNamesFlag = kFalse;
    if (m_w.txtFile)
        m_w.txtFile->hide();
    ShowDealerPage();
}

bool DealerPage::ShowDealerPage()
{
    AppState& state = m_context.state;
    const FileSystem& fs = *m_context.platform.fileSystem;
    setErrorCode(m_context, dealer::kErrDealerPage);
    state.documents.documentPath = dealerDocumentPath(state.disc.cdRoot);
    state.documents.documentCaption = documents::kDealerCaption.toString();
    if (fs.dir(state.documents.documentPath).isEmpty()) {
        report(m_context, dealer::kErrDealerPage);
        return false;
    }
    // Read before anything changes, so that a picture that cannot be read leaves the page whole.
    const QImage picture = readPicture(fs, dealerPicturePath(state.disc.cdRoot));
    if (picture.isNull()) {
        reportTrapped(m_context, dealer::kErrDealerPage);
        return false;
    }

    for (QLabel* insignia : m_w.pictures)
        if (insignia)
            insignia->hide();
    state.selection.selectionKey = documents::kDealerKey.toString();
    if (m_w.panYear)
        setCaption(m_w.panYear, state.selection.selectionKey);
    if (QLabel* photo = m_w.image4) {
        photo->setPixmap(QPixmap::fromImage(picture));
        photo->show();
    }
    for (QWidget* w : {static_cast<QWidget*>(m_w.panPhoto), static_cast<QWidget*>(m_w.panYear),
                       static_cast<QWidget*>(m_w.spinButton1)})
        if (w)
            w->hide();

    if (QAbstractButton* desc = m_w.pageButton(kDesc))
        desc->setText(dealer::kGreeting.toString());
    setButtonsEnabled(dealer::kDisabledButtons, false);
    setButtonsEnabled(dealer::kEnabledButtons, true);
    Q_EMIT photoChanged();
    return true;
}

void DealerPage::setButtonsEnabled(PageButtons buttons, bool enabled)
{
    for (const PageButtonName& entry : kPageButtonNames)
        if (buttons & entry.button)
            if (QAbstractButton* button = m_w.pageButton(entry.button))
                button->setEnabled(enabled);
}

} // namespace kestrane
