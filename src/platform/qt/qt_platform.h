#pragma once

#include "platform/platform.h"

#include <memory>

namespace kestrane {

// Owns the Qt implementations of every platform service and hands them out as a Platform.
class QtPlatform
{
public:
    QtPlatform();
    ~QtPlatform();
    Platform& platform() { return m_platform; }

private:
    struct Services;
    std::unique_ptr<Services> m_services;
    Platform m_platform;
};

} // namespace kestrane
