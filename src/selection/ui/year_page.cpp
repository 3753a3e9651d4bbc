#include "selection/ui/year_page.h"

#include "common/category_table.h"
#include "common/control_names.h"
#include "common/ui/window_registry.h"
#include "common/year_keys.h"
#include "photos/ui/photo_panel.h"
#include "platform/services.h"
#include "selection/insignia.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>

#include <algorithm>

namespace kestrane {

namespace {

// The key codes of the year buttons' keyboard: comma and full stop step the photographs.
bool isComma(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Comma || e->key() == Qt::Key_Less;
}
bool isFullStop(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Period || e->key() == Qt::Key_Greater;
}

} // namespace

YearPage::YearPage(AppContext& context, const MainWindowControls& controls)
    : QObject(nullptr), m_context(context), m_w(controls)
{
    m_photos = std::make_unique<PhotoPanel>(context, m_w);
    connect(m_photos.get(), &PhotoPanel::yearButtonToFront, this, &YearPage::bringYearButtonToFront);
    connect(m_photos.get(), &PhotoPanel::tourStepTaken, this, &YearPage::showTourStep);
    for (size_t i = 0; i < kInsigniaInfo.size(); ++i)
        if (QLabel* label = m_w.picture(kInsigniaInfo[i].picture))
            // Only the clip art is shown smaller than its file; the others take their own size.
            m_insignia[i] = new ShownPicture(*context.platform.fileSystem, label,
                                             kInsigniaInfo[i].picture == kClipArtPicture);
    connectControls();
}

ShownPicture* YearPage::shownInsignia(Insignia picture) const
{
    for (size_t i = 0; i < kInsigniaInfo.size(); ++i)
        if (kInsigniaInfo[i].picture == picture)
            return m_insignia[i];
    return nullptr;
}

void YearPage::showTourStep(const TourStep& step)
{
    bringYearButtonToFront(step.frontBefore);
    if (step.categoryPage) {
        showCategoryPage(step.key);
    } else {
        setSelectionKey(step.key);
        SelectKey();
    }
    bringYearButtonToFront(step.frontAfter);
    resetAfterSelection(step.yearButton);
}

YearPage::~YearPage() = default;

QString YearPage::selectionKey() const
{
    return m_context.state.selection.selectionKey;
}

void YearPage::setSelectionKey(const QString& key)
{
    m_context.state.selection.selectionKey = key;
    setCaption(m_w.panYear, key);
}

void YearPage::bringYearButtonToFront(int index)
{
    if (m_context.mainWindow)
        m_context.mainWindow->bringYearButtonToFront(index);
    else if (QAbstractButton* button = m_w.yearButton(index))
        button->raise();
}

void YearPage::setButtonsEnabled(PageButtons buttons, bool enabled)
{
    for (const PageButtonName& entry : kPageButtonNames)
        if (buttons & entry.button)
            if (QAbstractButton* b = m_w.pageButton(entry.button))
                b->setEnabled(enabled);
}

void YearPage::setBusy(bool busy)
{
    if (m_context.platform.screen)
        m_context.platform.screen->setBusy(busy);
}

void YearPage::resetAfterSelection(int yearButton)
{
    AppState& state = m_context.state;
    state.photos.photoCursor = 0;
    setCaption(m_w.panPhoto, u"1"_qs);
    state.slides.slideCounter1 = 0;
    state.slides.slideCounter2 = 0;
    state.selection.currentYearButton = qint16(yearButton);
}

void YearPage::closeSelectionWindows()
{
    WindowRegistry* windows = m_context.windows;
    if (!windows || m_keepWindows == KeepWindows::All)
        return;
    if (m_keepWindows != KeepWindows::SlideShow)
        windows->closeIfShown(WindowRegistry::SlideShow);
    windows->closeIfShown(WindowRegistry::Reader);
}

void YearPage::connectControls()
{
    for (int i = 1; i <= kYearButtonCount; ++i) {
        QAbstractButton* button = m_w.yearButton(i);
        if (!button)
            continue;
        connect(button, &QAbstractButton::clicked, this, [this, i] { yearButtonClicked(i); });
        button->installEventFilter(this);
    }
    for (const InsigniaInfo& info : kInsigniaInfo) {
        const Insignia picture = info.picture;
        if (QAbstractButton* button = m_w.pageButton(info.button))
            connect(button, &QAbstractButton::clicked, this, [this, picture] { toggleInsignia(picture); });
        if (QLabel* label = m_w.picture(picture))
            label->installEventFilter(this);
    }
    for (const CategoryRow& row : categoryTable()) {
        if (row.menu == CategoryMenu::None)
            continue;
        if (QAction* action = m_w.menuItem(row.menuItem))
            connect(action, &QAction::triggered, this, [this, &row] { categoryMenuTriggered(row); });
    }
    m_w.form->installEventFilter(this);
    if (auto* main = qobject_cast<QMainWindow*>(m_w.form); main && main->centralWidget())
        main->centralWidget()->installEventFilter(this);
    // The illustrated-series panel: a click on a label presses the button on its row.
    for (QLabel* label : m_w.label12)
        if (label)
            label->installEventFilter(this);
}

bool YearPage::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;

    if (type == QEvent::KeyPress) {
        const auto found = std::find(m_w.yearButtons.begin() + 1, m_w.yearButtons.end(), widget);
        if (found == m_w.yearButtons.end())
            return false;
        const int index = int(found - m_w.yearButtons.begin());
        auto* key = static_cast<QKeyEvent*>(event);
        if (isComma(key)) {
            m_photos->PreviousPhoto();
            return true;
        }
        if (isFullStop(key)) {
            m_photos->NextPhoto();
            return true;
        }
        // Before the first year click Space selects the year itself; afterwards the button's
        // own click does.
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat() &&
            m_context.state.selection.yearClickFlag == kFalse) {
            yearButtonClicked(index);
            return true;
        }
        return false;
    }

    for (const InsigniaInfo& info : kInsigniaInfo) {
        if (widget != m_w.picture(info.picture))
            continue;
        // A picture hidden by the page loads its file again before it shows: keep no copy meanwhile.
        if (type == QEvent::Hide && widget->isHidden()) {
            if (ShownPicture* shown = shownInsignia(info.picture))
                shown->clear();
            return false;
        }
        // Only mouse events may be read as such; the picture gets every other kind too.
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonPress) {
            pictureMouseDown(info.picture, mouse->button());
            return true;
        }
        if (type == QEvent::MouseButtonRelease) {
            if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
                pictureClicked(info.picture);
            return true;
        }
        return false;
    }

    if (widget == m_w.form && type == QEvent::WindowDeactivate) {
        windowDeactivated();
        return false;
    }
    if (type == QEvent::MouseButtonPress && (widget == m_w.form || widget->parentWidget() == m_w.form)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // Only a press on the bare window (or between the year buttons), not on a control.
        const QWidget* hit = widget->childAt(mouse->position().toPoint());
        if (!hit || hit->metaObject() == &QWidget::staticMetaObject)
            windowBackgroundClicked();
        return false;
    }

    if (const auto label = std::find(m_w.label12.begin(), m_w.label12.end(), widget);
        label != m_w.label12.end()) {
        if (type == QEvent::MouseButtonPress)
            return true;
        if (type == QEvent::MouseButtonRelease) {
            if (QAbstractButton* button = m_w.command1[size_t(label - m_w.label12.begin())])
                button->click();
            return true;
        }
    }
    return false;
}

} // namespace kestrane
