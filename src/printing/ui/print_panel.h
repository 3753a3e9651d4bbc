#pragma once

#include <QString>

#include <array>

class QAbstractButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QWidget;

namespace kestrane {

class FileSystem;
class RichTextBox;

// The controls of the print panel pnlPrint. Check1 elements 2, 5, 6 and 7 exist but are never
// shown and stay unchecked.
struct PrintPanelControls
{
    QFrame* panel = nullptr;
    QLabel* label3 = nullptr;
    QLabel* text2 = nullptr;
    std::array<QCheckBox*, 8> check1{};
    QGroupBox* frame2 = nullptr;
    std::array<QListWidget*, 2> list1{};
    QAbstractButton* cmdPrint = nullptr;
    QAbstractButton* cmdOK = nullptr;
    QAbstractButton* ssCommand9 = nullptr;
    QLabel* picture3 = nullptr;
    RichTextBox* rtbText = nullptr;
};

inline constexpr char16_t kPrintCaption[] = u"Print";
inline constexpr char16_t kPrintAgainCaption[] = u"Print Again";
inline constexpr char16_t kCancelCaption[] = u"Cancel";
inline constexpr char16_t kExitCaption[] = u"Exit";

// Builds the panel's controls into `panel`, around the two year lists that the main window made.
PrintPanelControls buildPrintPanel(QFrame* panel, const std::array<QListWidget*, 2>& lists,
                                   const FileSystem& fs);

// Clear: every box unchecked, no year selected in either list, Print disabled and captioned
// "Print", cmdOK captioned "Cancel".
void resetPrintPanel(const PrintPanelControls& controls);

// Print is enabled exactly while a box is checked.
void updatePrintButton(const PrintPanelControls& controls);

// The selected item of a year list, empty when it has none.
QString selectedYear(const QListWidget* list);

} // namespace kestrane
