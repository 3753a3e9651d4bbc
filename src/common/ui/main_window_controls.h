#pragma once

#include "common/control_names.h"
#include "common/page_buttons.h"

#include <QHash>
#include <QString>

#include <array>
#include <bit>

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QLineEdit;
class QMainWindow;
class QWidget;

namespace kestrane {

class RichTextBox;
class SpinButton;

// Typed pointers to the controls of Form1 that other subsystems drive. The main window fills it
// while it creates its controls and hands it to the controllers; nothing looks a control up by
// name. A control the window lacks stays null and is skipped.
struct MainWindowControls
{
    QMainWindow* form = nullptr;
    QWidget* page = nullptr; // the parent of every positioned control
    QLabel* panYear = nullptr;
    QLabel* panPhoto = nullptr;
    QLabel* image4 = nullptr;
    QWidget* frame1 = nullptr;
    SpinButton* spinButton1 = nullptr;
    QLineEdit* txtFile = nullptr;
    RichTextBox* rtbDetails = nullptr;
    QAction* mnuNames = nullptr;
    QAction* mnuWeb = nullptr;
    QAbstractButton* cmdSlide = nullptr;
    QAbstractButton* cmdExit = nullptr;
    QWidget* pnlSound = nullptr; // empty: the sound board builds its controls into it
    std::array<QAbstractButton*, names::kYearButtonCount + 1> yearButtons{}; // 1..49; 0 unused
    std::array<QAbstractButton*, kPageButtonNames.size()> pageButtons{};     // order of kPageButtonNames
    std::array<QLabel*, 5> pictures{};                                       // by the bit of Insignia
    // SSpnlPenrow, the frame that the illustrated series fills.
    QWidget* ssPnlPenrow = nullptr;
    // The illustrated-series panel: Command1(0..53) and Label12(1..53).
    std::array<QAbstractButton*, names::kPenrowButtonCount> command1{};
    std::array<QLabel*, names::kPenrowButtonCount> label12{};
    // The print panel's frame and its year lists List1(0) and List1(1); the printing subsystem
    // builds the rest of the panel into the frame.
    QFrame* pnlPrint = nullptr;
    std::array<QListWidget*, 2> list1{};
    // The hidden panels that the disk subsystem fills: copying and the screen-saver installation.
    QFrame* pnlProgress = nullptr;
    QFrame* pnlSSaver = nullptr;
    // Every menu item by its name, as the menu table created it.
    QHash<QString, QAction*> menuItems;

    QAbstractButton* yearButton(int index) const
    {
        return index >= 1 && index < int(yearButtons.size()) ? yearButtons[size_t(index)] : nullptr;
    }
    QAbstractButton* pageButton(PageButton button) const
    {
        for (size_t i = 0; i < kPageButtonNames.size(); ++i)
            if (kPageButtonNames[i].button == button)
                return pageButtons[i];
        return nullptr;
    }
    QLabel* picture(Insignia picture) const { return pictures[size_t(std::countr_zero(unsigned(picture)))]; }
    void setPicture(Insignia picture, QLabel* label)
    {
        pictures[size_t(std::countr_zero(unsigned(picture)))] = label;
    }
    QAction* menuItem(const char16_t* name) const { return menuItems.value(QString::fromUtf16(name)); }
};

// rtbDetails inside the photograph's top right corner: its right edge 10 pixels inside cmdAd's,
// its top 8 below the photograph's, at its design size.
void placeDetailsBox(const MainWindowControls& controls);

// Caption of a panel or label, whatever its class: its "text" property.
void setCaption(QWidget* widget, const QString& text);
QString caption(const QWidget* widget);

} // namespace kestrane
