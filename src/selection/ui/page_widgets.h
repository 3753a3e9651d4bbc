#pragma once

#include "selection/page_buttons.h"

#include <QString>

#include <array>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QWidget;

namespace kestrane {

class RichTextBox;

// The controls of Form1 that the year page and the photo browser drive, found by objectName.
// Any control the window lacks stays null and is skipped.
struct PageWidgets
{
    QWidget* form = nullptr;
    QWidget* panYear = nullptr;
    QWidget* panPhoto = nullptr;
    QLabel* image4 = nullptr;
    QWidget* frame1 = nullptr;
    QWidget* spinButton1 = nullptr;
    QLineEdit* txtFile = nullptr;
    RichTextBox* rtbDetails = nullptr;
    QAction* mnuNames = nullptr;
    QAction* mnuWeb = nullptr;
    std::array<QAbstractButton*, 50> yearButtons{};   // 1..49; 0 unused
    std::array<QAbstractButton*, 12> pageButtons{};   // in the order of kPageButtonNames
    std::array<QLabel*, 5> pictures{};                // in the order of kInsigniaInfo

    static PageWidgets find(QWidget* form);

    QAbstractButton* yearButton(int index) const;
    QAbstractButton* pageButton(PageButton button) const;
    QLabel* picture(Insignia picture) const;
};

// Caption of a panel or label, whatever its class: its "text" property.
void setCaption(QWidget* widget, const QString& text);
QString caption(const QWidget* widget);

} // namespace kestrane
