#pragma once

#include "platform/platform.h"

#include <QString>

#include <memory>

namespace kestrane {

// Owns the Qt implementations of every platform service and hands them out as a Platform.
class QtPlatform
{
public:
    // `discFolder` (the command line's --disc) stands for drive D and replaces the drive map that
    // KESTRANE_DRIVES or the mounted media would give.
    explicit QtPlatform(const QString& discFolder = {});
    ~QtPlatform();
    Platform& platform() { return m_platform; }

private:
    struct Services;
    std::unique_ptr<Services> m_services;
    Platform m_platform;
};

} // namespace kestrane
