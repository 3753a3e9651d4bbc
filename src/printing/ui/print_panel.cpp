#include "printing/ui/print_panel.h"

#include "common/control_names.h"
#include "common/ui/accessible_controls.h"
#include "common/ui/rich_text_box.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kestrane {

namespace {

struct BoxDesign
{
    const char16_t* caption;
    bool shown;
};

// Check1(0..7); 2, 5, 6 and 7 are never shown.
constexpr std::array<BoxDesign, 8> kBoxes = {{
    {u" Cover", true},
    {u" Introduction", true},
    {u" Clip art", false},
    {u" Description", true},
    {u" Details", true},
    {u" Engines", false},
    {u" Options", false},
    {u" Colors", false},
}};

QPushButton* makeButton(QWidget* parent, const char16_t* name, const char16_t* caption, const QRect& at)
{
    auto* button = new QPushButton(QString::fromUtf16(caption), parent);
    button->setObjectName(names::name(name));
    button->setGeometry(at);
    return button;
}

} // namespace

PrintPanelControls buildPrintPanel(QFrame* panel, const std::array<QListWidget*, 2>& lists,
                                   const FileSystem& fs)
{
    PrintPanelControls c;
    c.panel = panel;
    c.list1 = lists;

    c.label3 = new QLabel(u"Print Kestrane Booklet"_qs, panel);
    c.label3->setObjectName(names::name(names::Label3));
    QFont title = c.label3->font();
    title.setPointSizeF(title.pointSizeF() * 1.3);
    title.setBold(true);
    c.label3->setFont(title);
    c.label3->setAlignment(Qt::AlignCenter);
    c.label3->setGeometry(16, 10, 428, 28);

    c.text2 = new QLabel(
        u"Choose the information you would like to print.\nThen select the years to include in the booklet."_qs,
        panel);
    c.text2->setObjectName(names::name(names::Text2));
    c.text2->setAlignment(Qt::AlignCenter);
    c.text2->setGeometry(16, 42, 428, 40);

    c.frame2 = new QGroupBox(u" By year "_qs, panel);
    c.frame2->setObjectName(names::name(names::Frame2));
    c.frame2->setGeometry(16, 160, 210, 84);

    for (size_t i = 0; i < kBoxes.size(); ++i) {
        const bool inFrame = i == 3 || i == 4;
        auto* box = new QCheckBox(QString::fromUtf16(kBoxes[i].caption),
                                  inFrame ? c.frame2 : static_cast<QWidget*>(panel));
        box->setObjectName(names::indexed(names::Check1, int(i)));
        if (inFrame)
            box->setGeometry(14, i == 3 ? 24 : 52, 180, 22);
        else if (i < 2)
            box->setGeometry(30, 100 + int(i) * 28, 180, 22);
        box->setVisible(kBoxes[i].shown);
        c.check1[i] = box;
    }

    const char16_t* listCaptions[] = {u"From", u"To"};
    for (size_t i = 0; i < lists.size(); ++i) {
        QListWidget* list = lists[i];
        if (!list)
            continue;
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setGeometry(250 + int(i) * 100, 110, 90, 160);
        auto* caption = new QLabel(QString::fromUtf16(listCaptions[i]), panel);
        caption->setGeometry(250 + int(i) * 100, 88, 90, 20);
        caption->setBuddy(list);
    }

    c.cmdPrint = makeButton(panel, names::cmdPrint, kPrintCaption, {16, 284, 100, 30});
    c.ssCommand9 = makeButton(panel, names::SSCommand9, u"Clear", {126, 284, 100, 30});
    c.cmdOK = makeButton(panel, names::cmdOK, kCancelCaption, {344, 284, 100, 30});

    c.picture3 = new QLabel(panel);
    c.picture3->setObjectName(names::name(names::Picture3));
    c.picture3->hide();

    c.rtbText = new RichTextBox(fs, panel);
    c.rtbText->setObjectName(names::name(names::rtbText));
    c.rtbText->setGeometry(16, 250, 210, 28);
    c.rtbText->hide();
    closeOnEscape(panel, c.cmdOK);
    return c;
}

void resetPrintPanel(const PrintPanelControls& c)
{
    for (QCheckBox* box : c.check1) {
        if (box)
            box->setChecked(false);
    }
    for (QListWidget* list : c.list1) {
        if (!list)
            continue;
        list->setCurrentRow(0);
        list->clearSelection();
    }
    if (c.cmdPrint) {
        c.cmdPrint->setEnabled(false);
        c.cmdPrint->setText(QString::fromUtf16(kPrintCaption));
    }
    if (c.cmdOK)
        c.cmdOK->setText(QString::fromUtf16(kCancelCaption));
}

void updatePrintButton(const PrintPanelControls& c)
{
    if (!c.cmdPrint)
        return;
    c.cmdPrint->setEnabled(false);
    for (const QCheckBox* box : c.check1) {
        if (box && box->isChecked()) {
            c.cmdPrint->setEnabled(true);
            return;
        }
    }
}

QString selectedYear(const QListWidget* list)
{
    if (!list)
        return {};
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

} // namespace kestrane
