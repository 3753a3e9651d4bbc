#pragma once

#include <QRect>
#include <QString>

#include <array>

namespace kestrane {

// One sound of pnlSound: the label lblSound(index) beside the button SSCommand2(index), and
// its file in the disc's "\wav\" folder. Some labels name another car than the file does; the
// pairs are as the disc was made.
struct SoundRow
{
    const char16_t* label;
    const char16_t* file;
};

inline constexpr std::array<SoundRow, 29> kSounds = {{
    {u"Backfiring", u"backfrng.wav"},
    {u"Car Door", u"car_door.wav"},
    {u"Car Horns", u"carhorns.wav"},
    {u"Traffic", u"horns.wav"},
    {u"Police Car", u"cop-car.wav"},
    {u"Taxi Horns", u"taxi.wav"},
    {u"Sport Car", u"sportcar.wav"},
    {u"18 Wheeler", u"18wheelr.wav"},
    {u"Race Car Takeoff", u"peel-out.wav"},
    {u"At the Track", u"Track2.wav"},
    {u"Race Car Passby", u"nascar.wav"},
    {u"Race Car 1", u"racecar.wav"},
    {u"Race Car 2", u"indy-car.wav"},
    {u"Motorcycle", u"mcycle.wav"},
    {u"Batmobile", u"batmoble.wav"},
    {u"Mustang", u"62kesty.wav"},
    {u"Camaro", u"63kesty.wav"},
    {u"Car Starting", u"kesstart.wav"},
    {u"Passby", u"passby.wav"},
    {u"Kestrane C5", u"kestrane.wav"},
    {u"ZR-1 Starting", u"zr1start.wav"},
    {u"Motorcycle 2", u"motorcyc2.wav"},
    {u"Hot Rod", u"hot_rod.wav"},
    {u"Red Light", u"red_lght.wav"},
    {u"Mustang Mach I", u"porche.wav"},
    {u"Ford Cobra", u"stealth.wav"},
    {u"Stuck on Ice", u"stuck.wav"},
    {u"Rev n' Run", u"revnrun.wav"},
    {u"Going By", u"goingby.wav"},
}};

inline constexpr char16_t kSoundBoardHeading[] = u"Automobile Sound Effects";

// Where a button stands on the board: its column 0..2 (indexes 0..12, 13..20, 21..28) and its
// row within the column, from the top.
struct SoundCell
{
    int column;
    int row;
};
SoundCell soundCell(int index);

// CD root + "\wav\" + the file of the row.
QString soundPath(const QString& cdRoot, int index);

inline constexpr int kSoundPanelWidth = 543;
inline constexpr int kSoundPanelHeight = 401;

// Where mnuSound puts pnlSound in the main window's pixels: 5 below the top of the photograph,
// centred on the screen's width. A main window narrower than the screen keeps the whole panel
// (and its Close button) inside its page.
QRect soundPanelGeometry(int photoTop, int screenWidthPixels, int pageWidth);

} // namespace kestrane
