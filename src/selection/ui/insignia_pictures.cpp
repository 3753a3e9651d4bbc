// The five insignia pictures over the photograph: loaders, toggle buttons, click to hide and
// the copy to the clipboard.
#include "selection/ui/year_page.h"

#include "common/category_table.h"
#include "common/error_reporter.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "selection/insignia.h"
#include "state/app_context.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>

namespace kestrane {

namespace {

// Top-left of `widget` in the coordinates of `parent` (they need not share a parent).
QPoint origin(const QWidget* widget, const QWidget* parent)
{
    return parent ? parent->mapFromGlobal(widget->mapToGlobal(QPoint(0, 0))) : widget->pos();
}

} // namespace

PendingPicture YearPage::prepareInsignia(Insignia picture) const
{
    ShownPicture* shown = shownInsignia(picture);
    if (!shown)
        return {};
    return shown->prepare(m_context.state.disc.cdRoot + insigniaFile(picture, selectionKey()));
}

bool YearPage::showInsignia(Insignia picture, ErrorCode errorCode, PendingPicture&& pending)
{
    QLabel* label = m_w.picture(picture);
    ShownPicture* shown = shownInsignia(picture);
    if (!label || !shown)
        return false;
    setErrorCode(m_context, errorCode);
    if (picture == kScriptPicture)
        label->hide();
    QSize size;
    if (!shown->show(std::move(pending), &size)) {
        report(m_context, errorCode);
        return false;
    }
    // The clip art keeps its designed place and size; its toggle button decides its visibility.
    if (picture == kClipArtPicture)
        return true;
    label->resize(size);
    if (m_w.image4 && m_w.frame1) {
        const QWidget* parent = label->parentWidget();
        const QRect photo(origin(m_w.image4, parent), m_w.image4->size());
        const int frameTop = origin(m_w.frame1, parent).y();
        label->move(insigniaPosition(picture, photo, frameTop, size, label->pos()));
    }
    label->raise();
    label->show();
    return true;
}

void YearPage::toggleInsignia(Insignia picture)
{
    if (selectionKey() == QStringView(kNoSelection))
        return;
    QLabel* label = m_w.picture(picture);
    if (!label)
        return;
    const InsigniaInfo& info = insigniaInfo(picture);
    // The clip art keeps the selection's code rather than the key's third and fourth characters:
    // those would turn the ZR-1 page's browser to the 1990 photographs and leave other
    // categories' browsers with no photograph at all.
    if (label->isHidden()) {
        if (loadInsignia(picture, info.buttonCode) && picture == kClipArtPicture) {
            label->raise();
            label->show();
        }
    } else {
        label->hide();
    }
    bringYearButtonToFront(yearButtonAfter(m_context.state.selection.currentYearButton));
}

void YearPage::pictureClicked(Insignia picture)
{
    if (QLabel* label = m_w.picture(picture))
        label->hide();
    bringYearButtonToFront(yearButtonAfter(m_context.state.selection.currentYearButton));
}

void YearPage::pictureMouseDown(Insignia picture, Qt::MouseButton button)
{
    AppState& state = m_context.state;
    if (button != Qt::RightButton) {
        state.selection.lastMouseButton = u" "_qs;
        return;
    }
    state.selection.lastMouseButton = u"2"_qs;
    QLabel* label = m_w.picture(picture);
    if (label)
        label->setFocus(Qt::MouseFocusReason);
    CopyPictureToClipboard(label);
}

void YearPage::CopyPictureToClipboard(QWidget* active)
{
    AppState& state = m_context.state;
    if (state.selection.lastMouseButton != u"2")
        return;
    MessageBoxRequest question;
    question.text = u"Would you like to copy this image to the Windows Clipboard?"_qs;
    question.title = QString::fromUtf16(kAppTitle);
    question.buttons = MsgButtons::YesNo;
    question.icon = MsgIcon::Question;
    state.errors.lastQuestionAnswer = Flag(m_context.platform.dialogs->messageBox(question));
    if (state.errors.lastQuestionAnswer != MsgYes || !active)
        return;
    Clipboard& clipboard = *m_context.platform.clipboard;
    clipboard.clear();
    if (auto* label = qobject_cast<QLabel*>(active))
        clipboard.setImage(label->pixmap().toImage());
    else if (auto* line = qobject_cast<QLineEdit*>(active))
        clipboard.setText(line->text());
    else if (auto* combo = qobject_cast<QComboBox*>(active))
        clipboard.setText(combo->currentText());
    else if (auto* list = qobject_cast<QListWidget*>(active); list && list->currentItem())
        clipboard.setText(list->currentItem()->text());
}

} // namespace kestrane
