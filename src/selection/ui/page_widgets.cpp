#include "selection/ui/page_widgets.h"

#include "selection/insignia.h"
#include "shell/control_names.h"
#include "shell/ui/rich_text_box.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

namespace kestrane {

PageWidgets PageWidgets::find(QWidget* form)
{
    using namespace names;
    PageWidgets w;
    w.form = form;
    w.panYear = form->findChild<QWidget*>(name(names::panYear));
    w.panPhoto = form->findChild<QWidget*>(name(names::panPhoto));
    w.image4 = form->findChild<QLabel*>(name(names::Image4));
    w.frame1 = form->findChild<QWidget*>(name(names::Frame1));
    w.spinButton1 = form->findChild<QWidget*>(name(names::SpinButton1));
    w.txtFile = form->findChild<QLineEdit*>(name(names::txtFile));
    w.rtbDetails = form->findChild<RichTextBox*>(name(names::rtbDetails));
    w.mnuNames = form->findChild<QAction*>(name(names::mnuNames));
    w.mnuWeb = form->findChild<QAction*>(name(names::mnuWeb));
    for (int i = 1; i <= kYearButtonCount; ++i)
        w.yearButtons[size_t(i)] = form->findChild<QAbstractButton*>(indexed(cmdYR, i));
    for (size_t i = 0; i < kPageButtonNames.size(); ++i)
        w.pageButtons[i] = form->findChild<QAbstractButton*>(QString::fromUtf16(kPageButtonNames[i].name));
    for (size_t i = 0; i < kInsigniaInfo.size(); ++i)
        w.pictures[i] = form->findChild<QLabel*>(QString::fromUtf16(kInsigniaInfo[i].pictureName));
    return w;
}

QAbstractButton* PageWidgets::yearButton(int index) const
{
    return index >= 1 && index < int(yearButtons.size()) ? yearButtons[size_t(index)] : nullptr;
}

QAbstractButton* PageWidgets::pageButton(PageButton button) const
{
    for (size_t i = 0; i < kPageButtonNames.size(); ++i)
        if (kPageButtonNames[i].button == button)
            return pageButtons[i];
    return nullptr;
}

QLabel* PageWidgets::picture(Insignia picture) const
{
    for (size_t i = 0; i < kInsigniaInfo.size(); ++i)
        if (kInsigniaInfo[i].picture == picture)
            return pictures[i];
    return nullptr;
}

void setCaption(QWidget* widget, const QString& text)
{
    if (widget)
        widget->setProperty("text", text);
}

QString caption(const QWidget* widget)
{
    return widget ? widget->property("text").toString() : QString();
}

} // namespace kestrane
