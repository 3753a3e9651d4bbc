#include "photos/ui/photo_panel.h"

#include "common/category_table.h"
#include "common/error_reporter.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/spin_button.h"
#include "common/year_keys.h"
#include "photos/photo_browser.h"
#include "photos/photo_catalogue.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace kestrane {

namespace {

constexpr char16_t kShowNames[] = u"Show File &Names";
constexpr char16_t kHideNames[] = u"Hide File &Names";

} // namespace

PhotoPanel::PhotoPanel(AppContext& context, const MainWindowControls& controls)
    : m_context(context), m_w(controls)
{
    const MainWindowControls& w = m_w;
    if (w.image4) {
        w.image4->installEventFilter(this);
        m_photo = new ShownPicture(*context.platform.fileSystem, w.image4);
    }
    if (w.panPhoto)
        w.panPhoto->installEventFilter(this);
    if (w.txtFile)
        w.txtFile->installEventFilter(this);
    if (w.rtbDetails)
        connect(w.rtbDetails, &RichTextBox::clicked, this, &PhotoPanel::detailsClicked);
    if (w.mnuNames)
        connect(w.mnuNames, &QAction::triggered, this, &PhotoPanel::fileNamesTriggered);
    if (w.spinButton1) {
        connect(w.spinButton1, &SpinButton::spinUp, this, &PhotoPanel::NextPhoto);
        connect(w.spinButton1, &SpinButton::spinDown, this, &PhotoPanel::PreviousPhoto);
    }
}

PhotoPanel::~PhotoPanel() = default;

PendingPicture PhotoPanel::preparePhoto(const QString& path) const
{
    return m_photo ? m_photo->prepare(path) : PendingPicture{};
}

bool PhotoPanel::showPhoto(PendingPicture&& photo)
{
    if (!m_photo || !m_photo->show(std::move(photo)))
        return false;
    m_w.image4->show();
    return true;
}

void PhotoPanel::showFileName(const QString& name)
{
    if (QLineEdit* txtFile = m_w.txtFile)
        txtFile->setText(name);
}

bool PhotoPanel::showPhotograph(int index)
{
    AppState& state = m_context.state;
    const QString path = state.photos.photoFiles.value(index);
    if (!loadPhoto(path))
        return false;
    setCaption(m_w.panPhoto, state.photos.photoNumbers.value(index));
    if (state.selection.fileNamesFlag)
        showFileName(pictureFileName(path).left(12));
    state.photos.currentPhoto = path;
    return true;
}

void PhotoPanel::frontAfterStep()
{
    const FrontButton front = frontButtonForCode(m_context.state.selection.categoryCode);
    // 2000..2002 also make sure the button after theirs is usable.
    if (front.enable)
        if (QAbstractButton* button = m_w.yearButton(front.button))
            button->setEnabled(true);
    Q_EMIT yearButtonToFront(front.button);
}

void PhotoPanel::afterStep()
{
    frontAfterStep();
    if (RichTextBox* details = m_w.rtbDetails; details && !details->isHidden())
        ShowPhotoDescription();
    SyncSaverButtons();
}

bool PhotoPanel::nothingSelectedYet()
{
    if (m_context.state.selection.selectionKey != QStringView(kNoSelection))
        return false;
    // Before the first selection a step only offers the first year button.
    if (QAbstractButton* first = m_w.yearButton(1))
        first->setEnabled(true);
    Q_EMIT yearButtonToFront(1);
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
    if (!showPhotograph(*j)) {
        report(m_context, ErrorCode::ER012);
        return;
    }
    state.photos.shownIndex = qint16(*j);
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
    if (!showPhotograph(*i)) {
        report(m_context, ErrorCode::ER011);
        return;
    }
    finishPreviousStep(state, *i);
    afterStep();
}

void PhotoPanel::ShowPhotoDescription()
{
    AppState& state = m_context.state;
    const MainWindowControls& w = m_w;
    if (!w.rtbDetails)
        return;
    state.documents.documentPath = photoDescriptionPath(state.disc.cdRoot, state.photos.currentPhoto,
                                                        m_context.state.selection.selectionKey);
    if (!w.rtbDetails->setFileName(state.documents.documentPath)) {
        report(m_context, ErrorCode::ER002);
        return;
    }
    placeDetailsBox(w);
}

void PhotoPanel::SyncSaverButtons()
{
    AppState& state = m_context.state;
    const FileSystem& fs = *m_context.platform.fileSystem;
    const QString desc = caption(m_w.pageButton(kDesc));
    state.saver.saverPhotoPath = saverPhotoCandidate(
        fs.programFolder(), m_context.state.selection.selectionKey, desc, state.photos.currentPhoto);
    // A candidate without a file name would name the folder itself: it is in no play list.
    const bool listed = !state.saver.saverPhotoPath.endsWith(u'\\') && fs.exists(state.saver.saverPhotoPath);
    state.saver.saverAddEnabled = !listed;
    state.saver.saverRemoveEnabled = listed;
    Q_EMIT saverButtonsChanged();
}

void PhotoPanel::tourClick()
{
    AppState& state = m_context.state;
    const MainWindowControls& w = m_w;
    if (m_context.platform.screen)
        m_context.platform.screen->setBusy(true);
    if (w.rtbDetails)
        w.rtbDetails->hide();
    state.selection.yearClickFlag = kTrue;
    const TourStep step = tourStep(m_context.state.selection.selectionKey, state.selection.currentYearButton);
    Q_EMIT tourStepTaken(step);
    state.photos.lastStepNext = kFalse;
    state.photos.lastStepBack = kFalse;
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
    if (RichTextBox* details = m_w.rtbDetails)
        details->hide();
    Q_EMIT yearButtonToFront(yearButtonAfter(m_context.state.selection.currentYearButton));
}

void PhotoPanel::fileNamesTriggered()
{
    AppState& state = m_context.state;
    const MainWindowControls& w = m_w;
    if (m_context.state.selection.selectionKey == QStringView(kNoSelection))
        return;
    if (state.selection.fileNamesFlag == kFalse) {
        state.selection.fileNamesFlag = kTrue;
        if (w.mnuNames)
            w.mnuNames->setText(QString::fromUtf16(kHideNames));
        if (w.txtFile) {
            w.txtFile->setText(pictureFileName(state.photos.currentPhoto));
            w.txtFile->show();
            w.txtFile->raise();
        }
    } else {
        fileNameClicked();
    }
}

void PhotoPanel::fileNameClicked()
{
    const MainWindowControls& w = m_w;
    m_context.state.selection.fileNamesFlag = kFalse;
    if (w.mnuNames)
        w.mnuNames->setText(QString::fromUtf16(kShowNames));
    if (w.txtFile)
        w.txtFile->hide();
}

bool PhotoPanel::eventFilter(QObject* watched, QEvent* event)
{
    const MainWindowControls& w = m_w;
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
