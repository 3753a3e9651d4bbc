#include "platform/registry_value.h"

#include "platform/settings_store.h"

#include <QRegularExpression>

namespace kestrane {

namespace {

// What the store answers for a value it does not hold: a noncharacter, which no stored text has.
const QString& absentValue()
{
    static const QString absent(QChar(0xFFFF));
    return absent;
}

constexpr QStringView kNumberPrefix = u"dword:";

// "hex:01,02" or "hex(7):...": bytes of a type the program does not convert.
bool isRawBytes(const QString& stored)
{
    static const QRegularExpression raw(u"^hex(\\([0-9a-f]+\\))?:"_qs,
                                        QRegularExpression::CaseInsensitiveOption);
    return raw.match(stored).hasMatch();
}

} // namespace

bool GetRegistryValue(const SettingsStore& store, const QString& rootKey, const QString& keyPath,
                      const QString& valueName, QString& value)
{
    // The store separates its levels with "/"; the registry's key paths use "\".
    QString section = keyPath;
    section.replace(u'\\', u'/');
    const QString stored = store.value(rootKey, section, valueName, absentValue());
    if (stored == absentValue()) {
        value.clear();
        return false;
    }

    if (stored.startsWith(kNumberPrefix, Qt::CaseInsensitive)) {
        // Eight hexadecimal digits, the most significant byte first. Each byte keeps both of its
        // digits, so that 256 does not read as 16.
        const QStringView digits = QStringView(stored).mid(kNumberPrefix.size()).trimmed();
        bool ok = false;
        const quint32 number = digits.size() <= 8 ? digits.toUInt(&ok, 16) : 0;
        if (!ok) {
            value.clear();
            return false;
        }
        value = QString::number(number);
        return true;
    }
    if (isRawBytes(stored))
        return true;

    const qsizetype zero = stored.indexOf(QChar(0));
    value = zero < 0 ? stored : stored.left(zero);
    return true;
}

} // namespace kestrane
