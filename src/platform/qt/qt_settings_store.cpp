#include "platform/qt/qt_settings_store.h"

#include <QSettings>

namespace kestrane {

namespace {

QString keyPath(const QString& section, const QString& key)
{
    return section + u'/' + key;
}

} // namespace

QString QtSettingsStore::value(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue) const
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, app);
    return settings.value(keyPath(section, key), defaultValue).toString();
}

void QtSettingsStore::setValue(const QString& app, const QString& section, const QString& key,
                               const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app);
    settings.setValue(keyPath(section, key), value);
}

void QtSettingsStore::remove(const QString& app, const QString& section, const QString& key)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app);
    settings.remove(keyPath(section, key));
}

} // namespace kestrane
