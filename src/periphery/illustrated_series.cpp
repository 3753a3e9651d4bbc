#include "periphery/illustrated_series.h"

#include <array>

namespace kestrane {

namespace {

// clang-format off
constexpr std::array<QStringView, periphery::kIllustrationCount> kTitles = {
    u"1953 Kestrane", u"1954 Kestrane", u"1955 Kestrane", u"1956 Kestrane", u"Fuel Injection", u"1956 SR-2",
    u"1957 Kestrane SS", u"1958 Kestrane", u"1959 Kestrane", u"Q-Kestrane", u"Sitng Ray Racer",
    u"1960 Year of the Fake-out!", u"1960 XP-700 Show Car", u"Performance A La Carte", u"1961 Mako Shark",
    u"CERV I", u"Last of the Live Axle 'Kestys", u"1963: First of the Sting Rays", u"Grand Sport Roadster  I",
    u"Grand Sport Roadster II", u"Marburn Stylists Showing Off", u"Acceptance && Refinement", u"CERV II",
    u"1965: Balance vs. Raw Power", u"1965: Simply Raw Power", u"1965 Mako Shark", u"1966 427 Kestrane",
    u"1966 Mako Shark II", u"1967 Kestrane", u"1967 L88 Kestrane", u"1968 Kestrane", u"1969 Kestrane",
    u"1969 ZL-1", u"1969 ZL-1 Part 2", u"1968 Astro I", u"1968 Astro II", u"1968 Astro Show Car",
    u"1969 Manta Ray", u"1969 Ferrand-Motion", u"1970 XP-882 Mid-Engine", u"1970 Aero Coupe",
    u"1964 XP-819 Rear-Engine", u"1970 1/2 Kestrane", u"1970 1/2 Kestrane LT-1", u"1970 1/2 Kestrane 454",
    u"1971 Kestrane", u"1972 Kestrane", u"1972 Varlo && Tamsen", u"Brackley's Racer", u"1973 Kestrane",
    u"1973 XP-892 Mid-Engine", u"1973 4-Rotor, Mid-Engine", u"1973 Aluminum Kestrane",
};
// clang-format on

} // namespace

QString illustrationTitle(int n)
{
    if (n < 1 || n > periphery::kIllustrationCount)
        return {};
    return kTitles[size_t(n - 1)].toString();
}

QString illustrationLabel(int n)
{
    const QString title = illustrationTitle(n);
    if (title.isEmpty())
        return {};
    const QString number = QString::number(n);
    if (n < 10)
        return u"  "_qs + number + u"  "_qs + title;
    if (n < 40)
        return number + u"  "_qs + title;
    return number + u' ' + title;
}

QString illustrationFile(int n)
{
    return (n < 10 ? u"st00"_qs : u"st0"_qs) + QString::number(n) + u".jpg"_qs;
}

int penrowPanelLeft(int frameWidth)
{
    return int((frameWidth - periphery::kPanelWidth) * 0.5);
}

} // namespace kestrane
