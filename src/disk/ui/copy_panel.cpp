#include "disk/ui/copy_panel.h"

#include "common/control_names.h"
#include "common/ui/accessible_controls.h"
#include "disk/copy_rules.h"
#include "disk/ui/flood_gauge.h"
#include "disk/ui/panel_art.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kestrane {

CopyPanelControls buildCopyPanel(QFrame* panel)
{
    CopyPanelControls c;
    if (!panel)
        return c;
    c.panel = panel;
    panel->setAccessibleName(u"Copy to hard drive"_qs);

    c.label2 = new QLabel(panel);
    c.label2->setObjectName(names::name(names::Label2));
    c.label2->setAlignment(Qt::AlignCenter);
    QFont heading = c.label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.15);
    c.label2->setFont(heading);
    c.label2->setGeometry(10, 10, 400, 26);

    c.picture = new QLabel(panel);
    c.picture->setObjectName(u"copyPicture"_qs);
    c.picture->setGeometry(14, 46, 56, 56);
    c.picture->setPixmap(copyPanelPicture(c.picture->size()));

    c.label1 = new QLabel(QString::fromUtf16(kCopyingFile), panel);
    c.label1->setObjectName(names::name(names::Label1));
    c.label1->setGeometry(84, 44, 200, 20);

    c.text1 = new QLineEdit(panel);
    c.text1->setObjectName(names::name(names::Text1));
    c.text1->setReadOnly(true);
    c.text1->setFocusPolicy(Qt::NoFocus);
    c.text1->setAccessibleName(u"File being copied"_qs);
    c.text1->setGeometry(84, 66, 320, 22);
    // Form1 is disabled while it copies: what the panel says must stay readable all the same.
    for (QWidget* text :
         {static_cast<QWidget*>(c.label2), static_cast<QWidget*>(c.label1), static_cast<QWidget*>(c.text1)}) {
        QPalette palette = text->palette();
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
            palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
        text->setPalette(palette);
    }

    c.gauge = new FloodGauge(panel);
    c.gauge->setObjectName(names::name(names::ProgressGuage));
    c.gauge->setAccessibleName(u"This file"_qs);
    c.gauge->setToolTip(u"This file"_qs);
    c.gauge->setGeometry(84, 100, 320, 20);

    c.gauge2 = new FloodGauge(panel);
    c.gauge2->setObjectName(names::name(names::ProgressGuage2));
    c.gauge2->setAccessibleName(u"All files"_qs);
    c.gauge2->setToolTip(u"All files"_qs);
    c.gauge2->setGeometry(84, 128, 320, 20);

    c.cmdCopy = new QPushButton(panel);
    c.cmdCopy->setObjectName(names::name(names::cmdCopy));
    c.cmdCopy->setGeometry(98, 166, 110, 30);

    c.cmdCancel = new QPushButton(u"Cancel"_qs, panel);
    c.cmdCancel->setObjectName(names::name(names::cmdCancel));
    c.cmdCancel->setGeometry(218, 166, 110, 30);
    closeOnEscape(panel, c.cmdCancel);
    return c;
}

} // namespace kestrane
