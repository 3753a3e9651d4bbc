#include "common/year_keys.h"

#include "common/category_table.h"

namespace kestrane {

QString yearKeyForButton(int button)
{
    if (button < 1 || button > kYearButtonCount)
        return {};
    if (button >= 47)
        return u"200"_qs + QString::number(button - 47);
    const int year = button + 52 < 83 ? button + 52 : button + 53;
    return u"19"_qs + QString::number(year);
}

int yearButtonForKey(QStringView key)
{
    bool ok = false;
    const int year = key.size() == 4 ? key.toInt(&ok) : 0;
    if (!ok || year < 1953 || year > 2002 || year == 1983)
        return 0;
    return year < 1983 ? year - 1952 : year - 1953;
}

bool isYearKey(QStringView key)
{
    return yearButtonForKey(key) != 0;
}

QString normaliseCode(const QString& code)
{
    if (code.startsWith(u'0'))
        return u"A"_qs + code.mid(1);
    return code;
}

QString codeForKey(const QString& key)
{
    if (const CategoryRow* row = findCategory(key))
        return QString::fromUtf16(row->code);
    return normaliseCode(key.mid(2, 2));
}

FrontButton frontButtonForCode(const QString& code)
{
    if (code == u"A0")
        return {48, true};
    if (code == u"A1")
        return {49, true};
    if (code == u"A2")
        return {1, true};
    if (code > u"99")
        return {1, false};
    const int value = code.toInt();
    const int button = code < u"84" ? value - 51 : value - 52;
    // Codes that stand for no year (read from a key that is no title) fall back to button 1.
    if (button < 1 || button > kYearButtonCount)
        return {1, false};
    return {button, false};
}

} // namespace kestrane
