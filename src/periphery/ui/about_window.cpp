#include "periphery/ui/about_window.h"

#include "common/control_names.h"
#include "common/ui/window_registry.h"
#include "periphery/ui/about_art.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWindow>

namespace kestrane {

namespace {

constexpr QSize kClientSize{460, 262};
// Positions inside panAbout, in pixels.
constexpr QRect kPanAbout{6, 6, 448, 250};
constexpr QRect kLogo{12, 12, 74, 74};
constexpr QRect kTitle{96, 12, 256, 44};
constexpr QRect kYear{358, 12, 78, 44};
constexpr QRect kVersion{96, 62, 90, 24};
constexpr QRect kCopyright{192, 62, 244, 24};
constexpr QRect kMakerBlock{12, 98, 424, 88};
constexpr QRect kMark{12, 11, 66, 66};  // inside SSPanel3
constexpr QRect kMaker{90, 6, 326, 76}; // inside SSPanel3
constexpr QRect kButtonBand{12, 194, 424, 44};
constexpr QRect kWebButton{8, 8, 300, 28};    // inside SSPanel5
constexpr QRect kCloseButton{336, 8, 80, 28}; // inside SSPanel5

const char* kStyle = R"(
QDialog#frmAbout { background: #15181c; }
QFrame#panAbout { border: 2px solid; border-color: #68717b #0e1013 #0e1013 #68717b;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #30363e, stop:1 #1d2126); }
QLabel[inset="true"], QFrame[inset="true"] { border: 1px solid; border-color: #0e1013 #59616a #59616a #0e1013;
    background: #171a1e; }
QFrame[raised="true"] { border: 1px solid; border-color: #59616a #0e1013 #0e1013 #59616a;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a2f36, stop:1 #22262b); }
QLabel#SSPanel1 { color: #ffffff; padding-left: 10px; font-family: "DejaVu Serif"; font-style: italic;
    font-size: 23px; }
QLabel#SSPanel4 { color: #e0463e; font-family: "DejaVu Sans"; font-weight: bold; font-size: 24px; }
QLabel#SSPanel6 { color: #f4c84f; font-family: "DejaVu Sans"; font-size: 12px; }
QLabel#SSPanel2 { color: #c9cfd6; font-family: "DejaVu Sans"; font-size: 11px; padding-left: 6px; }
QLabel#panQuoxel { color: #e9ebee; font-family: "DejaVu Sans"; font-size: 13px; background: transparent;
    border: none; }
QLabel#Picture2, QLabel#Image1 { background: transparent; border: none; }
QPushButton { color: #1a1d22; border: 1px solid #858d96; border-radius: 3px; padding: 1px 8px;
    font-family: "DejaVu Sans"; font-size: 12px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfe, stop:0.55 #e2e6ea, stop:1 #c9cfd6); }
QPushButton:hover { border-color: #d23b34;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dde2e7); }
QPushButton:pressed { background: #b4bcc5; }
QPushButton:focus { border: 2px solid #e0463e; padding: 0 7px; }
QPushButton#SSCommand2 { color: #163a73; text-decoration: underline; }
)";

QLabel* makePanel(QWidget* parent, const char16_t* name, const QRect& geometry, const QString& caption,
                  Qt::Alignment alignment)
{
    auto* panel = new QLabel(caption, parent);
    panel->setObjectName(names::name(name));
    panel->setProperty("inset", true);
    panel->setAlignment(alignment);
    panel->setGeometry(geometry);
    return panel;
}

QFrame* makeFrame(QWidget* parent, const char16_t* name, const QRect& geometry, const char* look)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(names::name(name));
    frame->setProperty(look, true);
    frame->setGeometry(geometry);
    return frame;
}

QLabel* makePicture(QWidget* parent, const char16_t* name, const QRect& geometry, const QImage& image,
                    const QString& description)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(names::name(name));
    picture->setGeometry(geometry);
    picture->setPixmap(QPixmap::fromImage(image));
    picture->setAccessibleName(description);
    return picture;
}

} // namespace

AboutWindow::AboutWindow(AppContext& context, const AboutInfo& info, QWidget* mainWindow)
    : m_context(context), m_info(info)
{
    setObjectName(names::name(names::frmAbout));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A window of its own above the main window, so that its style and names stay its own.
    if (mainWindow) {
        create();
        if (QWindow* owner = mainWindow->window()->windowHandle())
            windowHandle()->setTransientParent(owner);
        connect(mainWindow, &QObject::destroyed, this, &QObject::deleteLater);
    }
    setWindowTitle(tr("About The Kestrane Omnivar"));
    setStyleSheet(QString::fromLatin1(kStyle));
    setupWidgets();

    if (m_context.windows)
        m_context.windows->enter(WindowRegistry::About, this);
    centreOn(mainWindow);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::setupWidgets()
{
    setFixedSize(kClientSize);
    const qreal ratio = devicePixelRatioF();

    auto* panAbout = makeFrame(this, names::panAbout, kPanAbout, "raised");
    makePicture(panAbout, names::Picture2, kLogo, drawAboutLogo(kLogo.size(), ratio),
                tr("The Kestrane Omnivar crest"));
    makePanel(panAbout, names::SSPanel1, kTitle, u"Kestrane Omnivar  "_qs, Qt::AlignLeft | Qt::AlignVCenter);
    makePanel(panAbout, names::SSPanel4, kYear, u"2002"_qs, Qt::AlignCenter);
    makePanel(panAbout, names::SSPanel6, kVersion, u"v2002.01"_qs, Qt::AlignCenter);
    makePanel(panAbout, names::SSPanel2, kCopyright, copyrightCaption(m_info),
              Qt::AlignLeft | Qt::AlignVCenter);

    auto* makerBlock = makeFrame(panAbout, names::SSPanel3, kMakerBlock, "inset");
    makePicture(makerBlock, names::Image1, kMark, drawMakerMark(kMark.size(), ratio),
                tr("%1 mark").arg(m_info.makerName));
    auto* maker = new QLabel(makerCaption(m_info), makerBlock);
    maker->setObjectName(names::name(names::panQuoxel));
    maker->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    maker->setGeometry(kMaker);

    auto* band = makeFrame(panAbout, names::SSPanel5, kButtonBand, "raised");
    const QString makerSite = m_info.site(WebSite::Maker);
    m_web = new QPushButton(addressCaption(makerSite), band);
    m_web->setObjectName(names::name(names::SSCommand2));
    m_web->setGeometry(kWebButton);
    m_web->setToolTip(tr("Visit %1 on the web").arg(m_info.makerName));
    m_web->setCursor(Qt::PointingHandCursor);
    m_web->setAutoDefault(false);
    m_close = new QPushButton(tr("OK"), band);
    m_close->setObjectName(names::name(names::SSCommand1));
    m_close->setGeometry(kCloseButton);
    m_close->setDefault(true);
    m_close->setFocus();

    connect(m_close, &QPushButton::clicked, this, &AboutWindow::closeClicked);
    connect(m_web, &QPushButton::clicked, this, &AboutWindow::webClicked);
}

// Centred on the main window, which need not stand at the top left of the screen.
void AboutWindow::centreOn(const QWidget* mainWindow)
{
    if (!mainWindow)
        return;
    const QRect main = mainWindow->frameGeometry();
    const QSize box = frameGeometry().size().expandedTo(size());
    move(main.x() + (main.width() - box.width()) / 2, main.y() + (main.height() - box.height()) / 2);
}

void AboutWindow::closeClicked()
{
    done(QDialog::Accepted);
}

void AboutWindow::webClicked()
{
    openWebAddress(*m_context.platform.processes, m_info.site(WebSite::Maker));
}

void AboutWindow::done(int result)
{
    QDialog::done(result);
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_context.windows)
        m_context.windows->leave(WindowRegistry::About, this);
    deleteLater();
}

} // namespace kestrane
