#pragma once

#include <array>

namespace kestrane {

struct AppContext;

// A desktop's system-information tool: a program on the search path and the argument that opens
// its overview (null when it needs none).
struct SystemInfoTool
{
    const char16_t* program;
    const char16_t* argument;
};

// Tried in this order; the first one found is started.
inline constexpr std::array<SystemInfoTool, 3> kSystemInfoTools{{
    {u"kinfocenter", nullptr},
    {u"gnome-control-center", u"info-overview"},
    {u"hardinfo", nullptr},
}};

// Where a tool of the user's own choice is registered: the program's settings, section and key.
inline constexpr char16_t kSystemInfoSection[] = u"System Information";
inline constexpr char16_t kSystemInfoPathKey[] = u"Path";

inline constexpr char16_t kSystemInfoUnavailable[] = u"System Information Is Unavailable At This Time";

// mnuSysInfo: starts the system-information tool registered in the settings; else the first of
// kSystemInfoTools on the search path. None, or a tool that does not start: the unavailable
// message (OK, application title). Returns whether a tool was started.
bool StartSystemInformation(AppContext& context);

} // namespace kestrane
