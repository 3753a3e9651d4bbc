// The selection: SelectKey, the page refresh and every way a key is chosen.
#include "selection/ui/year_page.h"

#include "common/category_table.h"
#include "common/error_reporter.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/spin_button.h"
#include "common/year_keys.h"
#include "photos/photo_browser.h"
#include "photos/photo_catalogue.h"
#include "photos/ui/photo_panel.h"
#include "platform/file_system.h"
#include "selection/insignia.h"
#include "selection/page_setup.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

#include <exception>

namespace kestrane {

void YearPage::SelectKey()
{
    AppState& state = m_context.state;
    const QString key = selectionKey();
    if (QAbstractButton* desc = m_w.pageButton(kDesc))
        desc->setText(QString::fromUtf16(kDescription));
    if (m_w.mnuNames)
        m_w.mnuNames->setEnabled(true);
    if (m_w.rtbDetails)
        m_w.rtbDetails->hide();
    state.photos.skipFirstMatch = kTrue;
    state.photos.lastStepNext = kFalse;
    state.photos.lastStepBack = kFalse;
    state.selection.categoryCode = key.mid(2, 2);

    // The photograph decodes while the page refresh loads the insignia.
    const CategoryRow* category = findCategory(key);
    const std::optional<int> first =
        findFirstPhoto(state, normaliseCode(category ? QString::fromUtf16(category->code) : key.mid(2, 2)));
    PendingPicture photo;
    if (first)
        photo = m_photos->preparePhoto(state.photos.photoFiles.at(*first));

    RefreshYearPage();

    QAbstractButton* stats = m_w.pageButton(kStats);
    if (stats)
        stats->setText(QString::fromUtf16(kStatistics));
    if (m_w.mnuWeb)
        m_w.mnuWeb->setText(QString::fromUtf16(kDefaultWeb));
    if (const CategoryRow* row = findCategory(key)) {
        state.selection.categoryCode = QString::fromUtf16(row->code);
        if (stats)
            stats->setText(QString::fromUtf16(row->selectStats));
        if (m_w.mnuWeb)
            m_w.mnuWeb->setText(QString::fromUtf16(row->webCaption));
    } else {
        state.selection.categoryCode = key.mid(2, 2);
    }
    state.selection.categoryCode = normaliseCode(state.selection.categoryCode);

    if (!first) {
        report(m_context, ErrorCode::ER023);
        if (m_w.image4)
            m_w.image4->hide();
    } else {
        state.photos.currentPhoto = state.photos.photoFiles.at(*first);
        if (state.selection.fileNamesFlag && m_w.txtFile)
            m_photos->showFileName(pictureFileName(state.photos.currentPhoto).left(12));
        // A photograph that cannot be read ends the selection quietly; the page is already set,
        // and the previous selection's photograph must not stand for the new one.
        if (!m_photos->showPhoto(std::move(photo))) {
            if (m_w.image4)
                m_w.image4->hide();
            return;
        }
        state.photos.shownIndex = qint16(*first);
    }
    m_photos->SyncSaverButtons();
}

void YearPage::CategoryButtonSetup()
{
    for (QWidget* w : {static_cast<QWidget*>(m_w.spinButton1), static_cast<QWidget*>(m_w.panPhoto),
                       static_cast<QWidget*>(m_w.panYear)})
        if (w)
            w->show();
    setButtonsEnabled(kAllPageButtons & ~kDesc, true);
    const ButtonSetup setup = categoryButtonSetup(selectionKey());
    setButtonsEnabled(setup.disabled, false);
    for (const InsigniaInfo& info : kInsigniaInfo)
        if (setup.hide & info.picture)
            if (QLabel* label = m_w.picture(info.picture))
                label->hide();
    if (setup.statsDetails)
        if (QAbstractButton* stats = m_w.pageButton(kStats))
            stats->setText(QString::fromUtf16(kDetails));
}

void YearPage::RefreshYearPage()
{
    AppState& state = m_context.state;
    state.slides.slideShowRunning = kFalse;
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
    setButtonsEnabled(kDesc, true);
    const QString key = selectionKey();
    if (key == QStringView(kNoSelection))
        return;

    CategoryButtonSetup();
    const RefreshPlan plan = planRefresh(key);
    setButtonsEnabled(plan.setup.disabled, false);
    state.selection.categoryCode = plan.categoryCode;

    const FileSystem& fs = *m_context.platform.fileSystem;
    // Every picture that shows decodes at once (and beside the photograph a selection is
    // reading); they are put on the page, and their errors reported, in the page's order.
    std::array<PendingPicture, kInsigniaRefreshOrder.size()> pending;
    for (size_t i = 0; i < kInsigniaRefreshOrder.size(); ++i) {
        const Insignia picture = kInsigniaRefreshOrder[i];
        QLabel* label = m_w.picture(picture);
        if (!label || (label->isHidden() && !plan.hideAll))
            continue;
        // A file named from the title's characters is on few discs: shown where it is there,
        // otherwise the picture goes quietly rather than with an error.
        const bool missing =
            (plan.hideInstead & picture) && !fs.exists(state.disc.cdRoot + insigniaFile(picture, key));
        if (plan.hideAll || missing)
            label->hide();
        else
            pending[i] = prepareInsignia(picture);
    }
    for (size_t i = 0; i < kInsigniaRefreshOrder.size(); ++i)
        if (pending[i].image.valid())
            showInsignia(kInsigniaRefreshOrder[i], insigniaInfo(kInsigniaRefreshOrder[i]).loaderCode,
                         std::move(pending[i]));

    for (int i = 1; i <= kYearButtonCount; ++i)
        if (QAbstractButton* button = m_w.yearButton(i))
            button->setEnabled(true);
    closeSelectionWindows();
}

void YearPage::yearButtonClicked(int index)
{
    AppState& state = m_context.state;
    state.selection.yearClickFlag = kTrue;
    setBusy(true);
    if (m_w.rtbDetails)
        m_w.rtbDetails->hide();
    setSelectionKey(yearKeyForButton(index));
    SelectKey();
    bringYearButtonToFront(yearButtonAfter(index));
    resetAfterSelection(index);
    setBusy(false);
}

void YearPage::windowBackgroundClicked()
{
    AppState& state = m_context.state;
    if (state.disc.initialSelectionFlag != kTrue)
        return;
    state.disc.initialSelectionFlag = kFalse;
    setBusy(true);
    if (QAbstractButton* second = m_w.yearButton(2))
        second->setEnabled(true);
    bringYearButtonToFront(2);
    setSelectionKey(u"1953"_qs);
    SelectKey();
    // Year button 1 stands for the page just shown; a category enables it again.
    if (QAbstractButton* first = m_w.yearButton(1))
        first->setEnabled(false);
    bringYearButtonToFront(2);
    resetAfterSelection(1);
    setBusy(false);
}

void YearPage::windowDeactivated()
{
    if (m_context.state.slides.slideShowRunning != kTrue)
        return;
    if (selectionKey() != QStringView(kNoSelection) && m_w.image4)
        m_w.image4->show();
    // The window that took the focus (a reader opening after a show) must not be closed by it.
    m_keepWindows = KeepWindows::All;
    RefreshYearPage();
    m_keepWindows = KeepWindows::None;
}

bool YearPage::takeSlide(const QString& key, int photoIndex)
{
    AppState& state = m_context.state;
    m_keepWindows = KeepWindows::SlideShow;
    // The page ends as the menu item or year button of that key would leave it.
    if (const CategoryRow* row = findCategory(key); row && row->menu != CategoryMenu::None) {
        categoryMenuTriggered(*row);
    } else {
        setSelectionKey(key);
        SelectKey();
        state.selection.currentYearButton = qint16(yearButtonForKey(key));
        bringYearButtonToFront(yearButtonAfter(state.selection.currentYearButton));
    }
    m_keepWindows = KeepWindows::None;
    if (photoIndex < 1 || photoIndex > state.photos.photoCount) {
        setCaption(m_w.panPhoto, u"1"_qs);
        return true;
    }
    const QString path = state.photos.photoFiles.at(photoIndex);
    if (!m_photos->loadPhoto(path))
        return false;
    state.photos.currentPhoto = path;
    state.photos.shownIndex = qint16(photoIndex);
    setCaption(m_w.panPhoto, state.photos.photoNumbers.value(photoIndex));
    if (state.selection.fileNamesFlag)
        m_photos->showFileName(pictureFileName(path).left(12));
    m_photos->SyncSaverButtons();
    return true;
}

void YearPage::categoryMenuTriggered(const CategoryRow& row)
{
    switch (row.menu) {
    case CategoryMenu::Own:
        ownCategoryMenu(row);
        break;
    case CategoryMenu::Shared:
        showCategoryPage(QString::fromUtf16(row.title));
        break;
    case CategoryMenu::Specialty:
        specialtyMenu(row);
        break;
    case CategoryMenu::None:
        break;
    }
}

void YearPage::ownCategoryMenu(const CategoryRow& row)
{
    const QString item = QString::fromUtf16(row.menuItem);
    const bool museum = item.startsWith(u"mnuMus");
    try {
        bringYearButtonToFront(yearButtonAfter(m_context.state.selection.currentYearButton));
        if (m_w.rtbDetails)
            m_w.rtbDetails->hide();
        setSelectionKey(QString::fromUtf16(row.title));
        SelectKey();
        setButtonsEnabled(row.disabled, false);
        if (museum)
            if (QAbstractButton* stats = m_w.pageButton(kStats))
                stats->setText(QString::fromUtf16(kDetails));
        resetAfterSelection(0);
    } catch (const std::exception&) {
        report(m_context, museum                 ? ErrorCode::ER009
                          : item == u"mnuTopTen" ? ErrorCode::ER054
                                                 : ErrorCode::ER058);
    }
}

void YearPage::specialtyMenu(const CategoryRow& row)
{
    setSelectionKey(QString::fromUtf16(row.title));
    SelectKey();
    resetAfterSelection(0);
    if (QAbstractButton* first = m_w.yearButton(1))
        first->setEnabled(true);
    bringYearButtonToFront(1);
}

void YearPage::showCategoryPage(const QString& title)
{
    setSelectionKey(title);
    setBusy(true);
    SelectKey();
    resetAfterSelection(0);
    setButtonsEnabled(kTheNine, false);
    if (QAbstractButton* stats = m_w.pageButton(kStats))
        stats->setText(QString::fromUtf16(kDetails));
    const CategoryPageStates states = categoryPageStates(title);
    setButtonsEnabled(states.disable, false);
    setButtonsEnabled(states.enable, true);
    if (m_w.rtbDetails)
        m_w.rtbDetails->hide();
    setBusy(false);
    if (QAbstractButton* first = m_w.yearButton(1))
        first->setEnabled(true);
    bringYearButtonToFront(1);
}

} // namespace kestrane
