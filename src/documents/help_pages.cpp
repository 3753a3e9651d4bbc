#include "documents/help_pages.h"

#include "state/app_state.h"

namespace kestrane {

QString helpCaption(const QString& pageTitle)
{
    const QString help = QString::fromUtf16(kAppTitle) + u" Help"_qs;
    return pageTitle.isEmpty() ? help : help + u" - "_qs + pageTitle;
}

QString helpMissingText(const QString& helpFolder)
{
    return u"The help of the Kestrane Omnivar could not be found."_qs + u"\r\n\r\n"_qs +
           u"It belongs in the folder "_qs + helpFolder + u". Install the program again to restore it."_qs;
}

} // namespace kestrane
