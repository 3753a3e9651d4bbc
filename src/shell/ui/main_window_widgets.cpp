// Form1's controls: the photo area, the year buttons, Frame1 with the page buttons, and the
// hidden panels that other subsystems fill.
#include "shell/ui/main_window.h"

#include "common/control_names.h"
#include "common/page_buttons.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/spin_button.h"
#include "shell/ui/main_window_parts.h"
#include "shell/ui/picture_label.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <array>

namespace kestrane {

namespace {

struct InsigniaDesign
{
    Insignia picture;
    const char16_t* name;
    const char16_t* accessibleName;
    QSize designSize;
};

constexpr std::array<InsigniaDesign, 5> kInsignia = {{
    {kClipArtPicture, names::PicClipArt, u"Clip art", {270, 172}},
    {kScriptPicture, names::picScript, u"Script lettering", {240, 72}},
    {kFrontEmblem, names::picEmblem, u"Nose emblem", {112, 112}},
    {kRearEmblem, names::picEmbRear, u"Rear emblem", {135, 82}},
    {kSideEmblem, names::picEmbSide, u"Side emblem", {150, 52}},
}};

QFrame* makePanel(QWidget* parent, const char16_t* name, QSize size)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(names::name(name));
    panel->setProperty("panel", true);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->resize(size);
    panel->hide();
    return panel;
}

} // namespace

void MainWindow::setupWidgets()
{
    m_page = new QWidget(this);
    m_page->setObjectName(u"page"_qs);
    setCentralWidget(m_page);
    setupPhotoArea();
    setupFrame();
    setupHiddenPanels();

    MainWindowControls& c = m_controls;
    c.form = this;
    c.page = m_page;
    c.panYear = m_panYear;
    c.panPhoto = m_panPhoto;
    c.image4 = m_photo;
    c.frame1 = m_frame;
    c.spinButton1 = m_spin;
    c.txtFile = m_txtFile;
    c.rtbDetails = m_details;
    c.cmdExit = m_exit;
}

void MainWindow::setupPhotoArea()
{
    m_photo = new PictureLabel(m_page);
    m_photo->setObjectName(names::name(names::Image4));
    m_photo->setToolTip(u"Click the Right mouse button to copy photo or add to Screen Saver"_qs);
    m_photo->setAccessibleName(u"Photograph"_qs);

    for (const InsigniaDesign& picture : kInsignia) {
        auto* label = new PictureLabel(m_page);
        label->setObjectName(names::name(picture.name));
        label->setProperty("insignia", true);
        label->setAccessibleName(QString::fromUtf16(picture.accessibleName));
        label->setToolTip(u"Click to hide, click the Right mouse button to copy"_qs);
        label->resize(picture.designSize);
        label->hide();
        m_insignia << label;
        m_controls.setPicture(picture.picture, label);
    }

    m_panYear = new CaptionPanel(m_page);
    m_panYear->setObjectName(names::name(names::panYear));
    m_panYear->setText(names::name(names::panYear));
    m_panYear->setPrompt(names::name(names::panYear), u"Choose a model year"_qs);
    m_panYear->setAlignment(Qt::AlignCenter);
    // Named by its caption: a name of its own would hide the selection from a screen reader.
    m_panYear->setAccessibleDescription(u"Selection"_qs);

    // Shown with the first selection.
    m_panPhoto = new QLabel(m_page);
    m_panPhoto->setObjectName(names::name(names::panPhoto));
    m_panPhoto->setAlignment(Qt::AlignCenter);
    m_panPhoto->setToolTip(u"Photograph number; double-click to reload the photographs"_qs);
    m_panPhoto->hide();

    m_spin = new SpinButton(m_page);
    m_spin->setObjectName(names::name(names::SpinButton1));
    m_spin->setAccessibleName(u"Previous or next photograph"_qs);
    m_spin->upButton()->setToolTip(u"Next photograph"_qs);
    m_spin->downButton()->setToolTip(u"Previous photograph"_qs);
    m_spin->hide();

    m_txtFile = new QLineEdit(m_page);
    m_txtFile->setObjectName(names::name(names::txtFile));
    m_txtFile->setReadOnly(true);
    m_txtFile->setAccessibleName(u"File name"_qs);
    m_txtFile->hide();

    m_yearGrid = new QWidget(m_page);
    m_yearGrid->setObjectName(u"yearButtons"_qs);
    for (int i = 1; i <= names::kYearButtonCount; ++i) {
        auto* button = new QPushButton(yearKeyForButton(i), m_yearGrid);
        button->setObjectName(names::indexed(names::cmdYR, i));
        button->setProperty("year", true);
        m_yearButtons << button;
        m_controls.yearButtons[size_t(i)] = button;
    }

    m_details = new RichTextBox(*m_context.platform.fileSystem, m_page);
    m_details->setObjectName(names::name(names::rtbDetails));
    m_details->setAccessibleName(u"Photograph description"_qs);
    m_details->resize(329, 106);
    m_details->hide();
}

void MainWindow::setupFrame()
{
    m_frame = new QFrame(m_page);
    m_frame->setObjectName(names::name(names::Frame1));
    for (const char16_t* heading : form1::kGroupHeadings) {
        auto* label = new QLabel(QString::fromUtf16(heading), m_frame);
        label->setProperty("heading", true);
        m_groupHeadings << label;
    }
    for (const form1::PageButton& spec : form1::kPageButtons) {
        auto* button = new QPushButton(QString::fromUtf16(spec.caption), m_frame);
        button->setObjectName(names::name(spec.name));
        button->setProperty("page", true);
        m_pageButtons.insert(button->objectName(), button);
        for (size_t i = 0; i < kPageButtonNames.size(); ++i)
            if (QStringView(kPageButtonNames[i].name) == QStringView(spec.name))
                m_controls.pageButtons[i] = button;
        if (QStringView(spec.name) == QStringView(names::cmdSlide))
            m_controls.cmdSlide = button;
    }
    m_brand = new QLabel(m_frame);
    m_brand->setObjectName(u"brand"_qs);
    m_brand->setAlignment(Qt::AlignCenter);
    m_brand->setTextFormat(Qt::RichText);
    m_exit = new QPushButton(u"Exit"_qs, m_frame);
    m_exit->setObjectName(names::name(names::cmdExit));
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::setupHiddenPanels()
{
    // Print panel: the two year lists are filled once at start-up.
    QFrame* print = makePanel(m_page, names::pnlPrint, {460, 330});
    m_controls.pnlPrint = print;
    for (int i = 0; i < 2; ++i) {
        auto* list = new QListWidget(print);
        list->setObjectName(names::indexed(names::List1, i));
        list->setAccessibleName(i == 0 ? u"First year"_qs : u"Last year"_qs);
        list->setGeometry(250 + i * 100, 110, 90, 160);
        m_yearLists << list;
        m_controls.list1[size_t(i)] = list;
    }

    m_controls.pnlSound = makePanel(m_page, names::pnlSound, {543, 401});
    m_progress = makePanel(m_page, names::pnlProgress, {420, 210});
    m_controls.pnlProgress = m_progress;
    m_controls.pnlSSaver = makePanel(m_page, names::pnlSSaver, {400, 250});

    // Illustrated series: button 0 stands apart at the top, rows 1..53 in three columns.
    QFrame* penrow = makePanel(m_page, names::SSpnlPenrow, {800, 560});
    m_controls.ssPnlPenrow = penrow;
    auto* first = new QPushButton(penrow);
    first->setObjectName(names::indexed(names::Command1, 0));
    first->setAccessibleName(u"Illustration 0"_qs);
    first->setToolTip(first->accessibleName());
    first->setGeometry(16, 12, 24, 20);
    m_controls.command1[0] = first;
    for (int n = 1; n < names::kPenrowButtonCount; ++n) {
        const int column = (n - 1) / 20;
        const int row = (n - 1) % 20;
        const QPoint at(16 + column * 264, 56 + row * 24);
        auto* button = new QPushButton(penrow);
        button->setObjectName(names::indexed(names::Command1, n));
        button->setAccessibleName(u"Illustration "_qs + QString::number(n));
        button->setToolTip(button->accessibleName());
        button->setGeometry(at.x(), at.y(), 24, 20);
        m_controls.command1[size_t(n)] = button;
        auto* label = new QLabel(penrow);
        label->setObjectName(names::indexed(names::Label12, n));
        label->setGeometry(at.x() + 30, at.y(), 226, 20);
        m_controls.label12[size_t(n)] = label;
    }
}

} // namespace kestrane
