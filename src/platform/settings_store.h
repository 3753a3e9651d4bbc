#pragma once

#include <QString>

namespace kestrane {

// The per-user settings store: application name, section, key; values are text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& app, const QString& section, const QString& key,
                          const QString& defaultValue) const = 0;
    virtual void setValue(const QString& app, const QString& section, const QString& key,
                          const QString& value) = 0;
    virtual void remove(const QString& app, const QString& section, const QString& key) = 0;
};

} // namespace kestrane
