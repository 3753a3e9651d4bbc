#pragma once

#include "platform/settings_store.h"

namespace kestrane {

// QSettings in the user's configuration folder, one file per application name.
class QtSettingsStore : public SettingsStore
{
public:
    QString value(const QString& app, const QString& section, const QString& key,
                  const QString& defaultValue) const override;
    void setValue(const QString& app, const QString& section, const QString& key,
                  const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;
};

} // namespace kestrane
