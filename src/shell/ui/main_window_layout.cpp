// Form1's look: the style sheet, the fonts, and the page layout recomputed on every resize.
// The photograph stays 8 pixels in from the top left and keeps 4:3, the year buttons fill the
// column to its right, Frame1 takes the rest below the photograph.
#include "shell/ui/main_window.h"

#include "common/control_names.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/spin_button.h"
#include "shell/ui/main_window_parts.h"
#include "shell/ui/picture_label.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace kestrane {

namespace {

constexpr int kMargin = 8;  // the photograph's left and top; the emblem rules count on it
constexpr int kColumns = 5; // year buttons per row, page buttons per row
constexpr int kYearRows = 10;
constexpr double kDesignWidth = 800;
constexpr double kDesignHeight = 575; // an 800 by 600 screen less the menu bar

const char* kStyle = R"(
QWidget#page { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b3037, stop:1 #1a1d22); }
QLabel#Image4 { background: #0b0d0f; border: 1px solid #4b525b; }
QLabel[insignia="true"] { background: transparent; border: none; }
QLabel#panYear { color: #ffffff; border: 1px solid #d24a43; border-radius: 4px; padding: 0 4px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #b8231f, stop:1 #7a1411); }
QLabel#panPhoto { color: #f4c84f; background: #0f1215; border: 1px solid #4b525b; border-radius: 3px; }
QLineEdit#txtFile { color: #e9ebee; background: #0f1215; border: 1px solid #4b525b; border-radius: 3px;
    padding: 0 4px; }
QPushButton { color: #1a1d22; border: 1px solid #858d96; border-radius: 3px; padding: 1px 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfe, stop:0.55 #e2e6ea, stop:1 #c9cfd6); }
QPushButton:hover { border-color: #d23b34;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dde2e7); }
QPushButton:pressed { background: #b4bcc5; }
QPushButton:focus { border: 2px solid #e0463e; padding: 0 2px; }
QPushButton:disabled { color: #79818a; border-color: #464d55; background: #343a41; }
QPushButton#cmdExit { color: #ffffff; border-color: #5b0f0c;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #cf3a33, stop:1 #8c1713); }
QPushButton#cmdExit:hover { background: #d8443c; }
QPushButton#cmdExit:focus { border: 2px solid #ffffff; padding: 0 2px; }
QFrame#Frame1 { border-top: 2px solid #a11d19;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #333941, stop:1 #23272d); }
QLabel[heading="true"] { color: #aab2bb; }
QLabel#brand { color: #d9dde2; }
SpinButton QToolButton { border: 1px solid #858d96; border-radius: 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfe, stop:1 #c9cfd6); }
SpinButton QToolButton:pressed { background: #b4bcc5; }
SpinButton QToolButton:focus { border: 2px solid #e0463e; }
QFrame[panel="true"] { background: #dde1e6; border: 2px solid #f4f6f8; border-right-color: #8d959e;
    border-bottom-color: #8d959e; }
QFrame[panel="true"] QLabel, QFrame[panel="true"] QRadioButton, QFrame[panel="true"] QCheckBox,
    QFrame[panel="true"] QGroupBox { color: #1a1d22; }
QFrame[panel="true"] QRadioButton:disabled, QFrame[panel="true"] QCheckBox:disabled { color: #6b737c; }
QMenuBar { color: #1a1d22; background: #eceef1; border-bottom: 1px solid #b9c0c7; spacing: 1px; }
QMenuBar::item { color: #1a1d22; padding: 3px 3px; background: transparent; }
QMenuBar::item:selected { background: #a11d19; color: #ffffff; }
)";

// What Image4 shows before the first selection.
void paintWelcome(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0x1d, 0x22, 0x29));
    sky.setColorAt(1, QColor(0x07, 0x08, 0x0a));
    painter.fillRect(area, sky);
    const double h = area.height();
    painter.setPen(QPen(QColor(0xa1, 0x1d, 0x19), std::max(2.0, h / 150)));
    const double y = area.top() + h * 0.56;
    painter.drawLine(QPointF(area.left() + area.width() * 0.2, y),
                     QPointF(area.right() - area.width() * 0.2, y));

    QFont title(u"DejaVu Serif"_qs);
    title.setItalic(true);
    title.setPixelSize(std::max(12, int(h * 0.085)));
    painter.setFont(title);
    painter.setPen(QColor(0xec, 0xee, 0xf1));
    painter.drawText(QRectF(area.left(), area.top() + h * 0.30, area.width(), h * 0.16), Qt::AlignCenter,
                     u"The Kestrane Omnivar"_qs);
    QFont year(u"DejaVu Sans"_qs);
    year.setBold(true);
    year.setPixelSize(std::max(10, int(h * 0.065)));
    year.setLetterSpacing(QFont::PercentageSpacing, 130);
    painter.setFont(year);
    painter.setPen(QColor(0xd8, 0x3a, 0x33));
    painter.drawText(QRectF(area.left(), area.top() + h * 0.43, area.width(), h * 0.12), Qt::AlignCenter,
                     u"2002"_qs);
    QFont hint(u"DejaVu Sans"_qs);
    hint.setPixelSize(std::max(9, int(h * 0.032)));
    painter.setFont(hint);
    painter.setPen(QColor(0x9c, 0xa4, 0xad));
    painter.drawText(QRectF(area.left(), area.top() + h * 0.60, area.width(), h * 0.08), Qt::AlignCenter,
                     u"Choose a model year, or a category from the menus"_qs);
}

QFont scaledFont(const QFont& base, double points, bool bold)
{
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

void MainWindow::applyStyle()
{
    setStyleSheet(QString::fromLatin1(kStyle));
    m_photo->setBackdrop(paintWelcome);
    m_brand->setText(
        u"<span style=\"font-family:'DejaVu Serif'; font-style:italic;\">The Kestrane Omnivar</span>"
        "&nbsp;&nbsp;<span style=\"color:#d83a33; font-weight:bold;\">2002</span>"_qs);
}

// Thirteen items share the menu bar: a narrower face keeps them all in view at 800 pixels.
void MainWindow::fitMenuBar()
{
    QFont menuFont = font();
    menuFont.setFamilies({u"Liberation Sans"_qs, u"Arimo"_qs, u"Nimbus Sans"_qs, menuFont.family()});
    menuFont.setPointSizeF(width() < 1000 ? 8.25 : 9.5);
    if (menuBar()->font() != menuFont)
        menuBar()->setFont(menuFont);
}

void MainWindow::layoutPage()
{
    const int pageWidth = m_page->width();
    const int pageHeight = m_page->height();
    const double s = std::clamp(std::min(pageWidth / kDesignWidth, pageHeight / kDesignHeight), 0.75, 2.2);
    auto px = [s](double design) { return qRound(design * s); };

    if (std::abs(s - m_fontScale) > 0.02) {
        m_fontScale = s;
        const QFont base = font();
        for (QPushButton* button : std::as_const(m_yearButtons))
            button->setFont(scaledFont(base, 9 * s, true));
        for (QPushButton* button : std::as_const(m_pageButtons))
            button->setFont(scaledFont(base, 8.5 * s, false));
        for (QLabel* heading : std::as_const(m_groupHeadings))
            heading->setFont(scaledFont(base, 7.5 * s, true));
        m_exit->setFont(scaledFont(base, 10 * s, true));
        m_panYear->setFont(scaledFont(base, 15 * s, true));
        m_panPhoto->setFont(scaledFont(base, 11 * s, true));
        m_txtFile->setFont(scaledFont(base, 9 * s, false));
        m_brand->setFont(scaledFont(base, 11 * s, false));
    }

    // The photograph, as large as the column and Frame1 leave it, in 4:3.
    const int gap = px(6);
    const int maxWidth = pageWidth - 3 * kMargin - px(236);
    const int maxHeight = pageHeight - px(146) - kMargin - 1;
    const int photoWidth = std::max(160, std::min(maxWidth, maxHeight * 4 / 3));
    const int photoHeight = photoWidth * 3 / 4;
    m_photo->setGeometry(kMargin, kMargin, photoWidth, photoHeight);
    const int frameTop = kMargin + photoHeight + 1;
    m_frame->setGeometry(0, frameTop, pageWidth, std::max(0, pageHeight - frameTop));

    // The column: selection, photograph number and arrows, then the year buttons.
    const int columnX = kMargin + photoWidth + kMargin + 2;
    const int columnWidth = std::max(120, pageWidth - columnX - kMargin);
    const int captionHeight = px(40);
    m_panYear->setGeometry(columnX, kMargin, columnWidth, captionHeight);
    const int rowY = kMargin + captionHeight + gap;
    const int rowHeight = px(28);
    m_panPhoto->setGeometry(columnX, rowY, px(50), rowHeight);
    m_spin->setGeometry(columnX + px(50) + gap, rowY, px(44), rowHeight);
    const int fileX = columnX + px(94) + 2 * gap;
    m_txtFile->setGeometry(fileX, rowY, columnX + columnWidth - fileX, rowHeight);

    const int gridTop = rowY + rowHeight + gap;
    m_yearGrid->setGeometry(columnX, gridTop, columnWidth, kMargin + photoHeight - gridTop);
    const int cellGap = px(4);
    for (int i = 0; i < m_yearButtons.size(); ++i) {
        const int row = i / kColumns;
        const int column = i % kColumns;
        const int x0 = column * (m_yearGrid->width() + cellGap) / kColumns;
        const int x1 = (column + 1) * (m_yearGrid->width() + cellGap) / kColumns - cellGap;
        const int y0 = row * (m_yearGrid->height() + cellGap) / kYearRows;
        const int y1 = (row + 1) * (m_yearGrid->height() + cellGap) / kYearRows - cellGap;
        m_yearButtons[i]->setGeometry(x0, y0, x1 - x0, y1 - y0);
    }

    // Frame1: three rows of page buttons under the photograph, brand and Exit under the column.
    const int frameHeight = m_frame->height();
    const int buttonHeight = std::clamp((frameHeight - 2 * px(10) - 2 * gap) / 3, px(24), px(40));
    const int rowsTop = std::max(px(6), (frameHeight - 3 * buttonHeight - 2 * gap) / 2);
    const int headingWidth = px(72);
    const int gridLeft = kMargin + headingWidth;
    const int gridWidth = kMargin + photoWidth - gridLeft;
    auto columnLeft = [&](int c) { return gridLeft + c * (gridWidth + gap) / kColumns; };
    for (int row = 0; row < m_groupHeadings.size(); ++row)
        m_groupHeadings[row]->setGeometry(kMargin, rowsTop + row * (buttonHeight + gap), headingWidth - gap,
                                          buttonHeight);
    for (const form1::PageButton& cell : form1::kPageButtons) {
        QPushButton* button = m_pageButtons.value(names::name(cell.name));
        const int left = columnLeft(cell.column);
        const int right = columnLeft(cell.column + cell.span) - gap;
        button->setGeometry(left, rowsTop + cell.row * (buttonHeight + gap), right - left, buttonHeight);
    }
    const int exitTop = rowsTop + 2 * (buttonHeight + gap);
    m_exit->setGeometry(columnX, exitTop, columnWidth, buttonHeight);
    m_brand->setGeometry(columnX, rowsTop, columnWidth, exitTop - gap - rowsTop);

    placeOverlays();
}

// The pictures over the photograph and the description box, by the rules of the year page.
void MainWindow::placeOverlays()
{
    const QRect photo = m_photo->geometry();
    const int frameTop = m_frame->y();
    QLabel* clip = m_insignia[0];
    const QSize clipSize(photo.width() * 2 / 5, photo.height() * 2 / 5);
    clip->setGeometry(photo.right() - clipSize.width() - 12, photo.top() + 12, clipSize.width(),
                      clipSize.height());
    QLabel* script = m_insignia[1];
    script->move(photo.left() + 1, photo.top() + 50);
    QLabel* front = m_insignia[2];
    front->move(photo.width() - front->width() + 8, frameTop - front->height() - 1);
    QLabel* rear = m_insignia[3];
    rear->move(photo.left() + 1, frameTop - rear->height() - 1);
    QLabel* side = m_insignia[4];
    side->move(photo.width() - side->width(), frameTop - side->height() - 1);

    placeDetailsBox(m_controls);
}

} // namespace kestrane
