#include "photos/ui/photo_panel.h"

#include "photos/photo_browser.h"
#include "photos/photo_catalogue.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "selection/category_table.h"
#include "selection/picture_file.h"
#include "selection/ui/year_page.h"
#include "selection/year_keys.h"
#include "shell/error_reporter.h"
#include "shell/ui/rich_text_box.h"
#include "shell/ui/spin_button.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>

namespace kestrane {

namespace {

constexpr char16_t kShowNames[] = u"Show File &Names";
constexpr char16_t kHideNames[] = u"Hide File &Names";

} // namespace

PhotoPanel::PhotoPanel(AppContext& context, YearPage& page)
    : m_context(context)
    , m_page(page)
{
    const PageWidgets& w = m_page.widgets();
    if (w.image4)
        w.image4->installEventFilter(this);
    if (w.panPhoto)
        w.panPhoto->installEventFilter(this);
    if (w.txtFile)
        w.txtFile->installEventFilter(this);
    if (w.rtbDetails)
        connect(w.rtbDetails, &RichTextBox::clicked, this, &PhotoPanel::detailsClicked);
    if (w.mnuNames)
        connect(w.mnuNames, &QAction::triggered, this, &PhotoPanel::fileNamesTriggered);
    if (auto* spin = qobject_cast<SpinButton*>(w.spinButton1)) {
        connect(spin, &SpinButton::spinUp, this, &PhotoPanel::NextPhoto);
        connect(spin, &SpinButton::spinDown, this, &PhotoPanel::PreviousPhoto);
    }
}

PhotoPanel::~PhotoPanel() = default;

bool PhotoPanel::loadPhoto(const QString& path)
{
    QLabel* image4 = m_page.widgets().image4;
    if (!image4)
        return false;
    const QImage image = readPicture(*m_context.platform.fileSystem, path);
    if (image.isNull())
        return false;
    image4->setPixmap(QPixmap::fromImage(image));
    image4->show();
    return true;
}

void PhotoPanel::showFileName(const QString& name)
{
    if (QLineEdit* txtFile = m_page.widgets().txtFile)
        txtFile->setText(name);
}

bool PhotoPanel::showPhotograph(int index)
{
    AppState& state = m_context.state;
    const QString path = state.photoFiles.value(index);
    if (!loadPhoto(path))
        return false;
    setCaption(m_page.widgets().panPhoto, state.photoNumbers.value(index));
    if (state.fileNamesFlag)
        showFileName(photoFileName(path).left(12));
    state.currentPhoto = path;
    return true;
}

void PhotoPanel::frontAfterStep()
{
    const FrontButton front = frontButtonForCode(m_context.state.categoryCode);
    // 2000..2002 also make sure the button after theirs is usable.
    if (front.enable)
        if (QAbstractButton* button = m_page.widgets().yearButton(front.button))
            button->setEnabled(true);
    m_page.bringYearButtonToFront(front.button);
}

void PhotoPanel::afterStep()
{
    frontAfterStep();
    if (RichTextBox* details = m_page.widgets().rtbDetails; details && !details->isHidden())
        ShowPhotoDescription();
    SyncSaverButtons();
}

bool PhotoPanel::nothingSelectedYet()
{
    if (m_page.selectionKey() != QStringView(kNoSelection))
        return false;
    // Before the first selection a step only offers the first year button.
    if (QAbstractButton* first = m_page.widgets().yearButton(1))
        first->setEnabled(true);
    m_page.bringYearButtonToFront(1);
    return true;
}

void PhotoPanel::NextPhoto()
{
    AppState& state = m_context.state;
    if (nothingSelectedYet())
        return;
    const std::optional<int> j = stepNext(state);
    if (!j)
        return;
    state.currentErrorCode = u"ER012"_qs;
    if (!showPhotograph(*j)) {
        ErrorReporter(m_context);
        return;
    }
    state.shownIndex = qint16(*j);
    afterStep();
}

void PhotoPanel::PreviousPhoto()
{
    AppState& state = m_context.state;
    if (nothingSelectedYet())
        return;
    const std::optional<int> i = stepPrevious(state);
    if (!i)
        return;
    state.currentErrorCode = u"ER011"_qs;
    if (!showPhotograph(*i)) {
        ErrorReporter(m_context);
        return;
    }
    finishPreviousStep(state, *i);
    afterStep();
}

void PhotoPanel::ShowPhotoDescription()
{
    AppState& state = m_context.state;
    const PageWidgets& w = m_page.widgets();
    if (!w.rtbDetails)
        return;
    state.currentErrorCode = u"ER002"_qs;
    state.documentPath = photoDescriptionPath(state.cdRoot, state.currentPhoto, m_page.selectionKey());
    if (!w.rtbDetails->setFileName(state.documentPath)) {
        ErrorReporter(m_context);
        return;
    }
    // The box's right edge stands 10 pixels inside cmdAd's, its top 8 below the photograph's.
    QAbstractButton* ad = w.pageButton(kAd);
    QWidget* parent = w.rtbDetails->parentWidget();
    if (ad && w.image4 && parent) {
        const QPoint adPos = parent->mapFromGlobal(ad->mapToGlobal(QPoint(0, 0)));
        const QPoint photoPos = parent->mapFromGlobal(w.image4->mapToGlobal(QPoint(0, 0)));
        w.rtbDetails->move(adPos.x() + ad->width() - w.rtbDetails->width() - 10, photoPos.y() + 8);
    }
}

void PhotoPanel::SyncSaverButtons()
{
    AppState& state = m_context.state;
    const FileSystem& fs = *m_context.platform.fileSystem;
    const QString desc = caption(m_page.widgets().pageButton(kDesc));
    state.saverPhotoPath = saverPhotoCandidate(fs.programFolder(), m_page.selectionKey(), desc, state.currentPhoto);
    // A candidate without a file name would name the folder itself: it is in no play list.
    const bool listed = !state.saverPhotoPath.endsWith(u'\\') && fs.exists(state.saverPhotoPath);
    state.saverAddEnabled = !listed;
    state.saverRemoveEnabled = listed;
    Q_EMIT saverButtonsChanged();
}

void PhotoPanel::tourClick()
{
    AppState& state = m_context.state;
    const PageWidgets& w = m_page.widgets();
    if (m_context.platform.screen)
        m_context.platform.screen->setBusy(true);
    if (w.rtbDetails)
        w.rtbDetails->hide();
    state.yearClickFlag = kTrue;
    const TourStep step = tourStep(m_page.selectionKey(), state.currentYearButton);
    m_page.bringYearButtonToFront(step.frontBefore);
    if (step.categoryPage) {
        m_page.showCategoryPage(step.key);
    } else {
        m_page.setSelectionKey(step.key);
        m_page.SelectKey();
    }
    m_page.bringYearButtonToFront(step.frontAfter);
    m_page.resetAfterSelection(step.yearButton);
    state.lastStepNext = kFalse;
    state.lastStepBack = kFalse;
    if (m_context.platform.screen)
        m_context.platform.screen->setBusy(false);
}

void PhotoPanel::panPhotoDoubleClicked()
{
    LoadPhotoArray(m_context);
    if (m_context.platform.app && m_context.platform.app->endRequested())
        return;
    NextPhoto();
}

void PhotoPanel::detailsClicked()
{
    if (RichTextBox* details = m_page.widgets().rtbDetails)
        details->hide();
    m_page.bringYearButtonToFront(yearButtonAfter(m_context.state.currentYearButton));
}

void PhotoPanel::fileNamesTriggered()
{
    AppState& state = m_context.state;
    const PageWidgets& w = m_page.widgets();
    if (m_page.selectionKey() == QStringView(kNoSelection))
        return;
    if (state.fileNamesFlag == kFalse) {
        state.fileNamesFlag = kTrue;
        if (w.mnuNames)
            w.mnuNames->setText(QString::fromUtf16(kHideNames));
        if (w.txtFile) {
            w.txtFile->setText(photoFileName(state.currentPhoto));
            w.txtFile->show();
            w.txtFile->raise();
        }
    } else {
        fileNameClicked();
    }
}

void PhotoPanel::fileNameClicked()
{
    const PageWidgets& w = m_page.widgets();
    m_context.state.fileNamesFlag = kFalse;
    if (w.mnuNames)
        w.mnuNames->setText(QString::fromUtf16(kShowNames));
    if (w.txtFile)
        w.txtFile->hide();
}

bool PhotoPanel::eventFilter(QObject* watched, QEvent* event)
{
    const PageWidgets& w = m_page.widgets();
    const QEvent::Type type = event->type();
    if (watched == w.image4 && type == QEvent::MouseButtonPress) {
        // The right button belongs to the play-list window.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return false;
        tourClick();
        return true;
    }
    if (watched == w.panPhoto && type == QEvent::MouseButtonDblClick) {
        panPhotoDoubleClicked();
        return true;
    }
    if (watched == w.txtFile && type == QEvent::MouseButtonPress) {
        fileNameClicked();
        return true;
    }
    return false;
}

} // namespace kestrane
