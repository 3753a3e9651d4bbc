#include "periphery/ui/illustrated_panel.h"

#include "common/control_names.h"
#include "common/error_reporter.h"
#include "common/ui/accessible_controls.h"
#include "common/ui/window_registry.h"
#include "documents/menu_catalogue.h"
#include "documents/ui/menu_documents_controller.h"
#include "periphery/illustrated_series.h"
#include "platform/services.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>

namespace kestrane {

namespace {

constexpr QRect kPicture1Geometry(48, 8, 536, 40);
constexpr QRect kPenrowGeometry(596, 12, 92, 28);
constexpr QRect kCloseGeometry(696, 12, 88, 28);

// Picture1: the series' title as a painted banner.
QPixmap seriesBanner(QSize size)
{
    QPixmap banner(size);
    QPainter p(&banner);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(0x3a, 0x31, 0x2b));
    shade.setColorAt(1, QColor(0x24, 0x1f, 0x1b));
    p.fillRect(banner.rect(), shade);
    p.fillRect(QRect(0, size.height() - 3, size.width(), 3), QColor(0xa1, 0x1d, 0x19));
    QFont title(u"DejaVu Serif"_qs);
    title.setItalic(true);
    title.setBold(true);
    title.setPixelSize(size.height() * 9 / 20);
    p.setFont(title);
    p.setPen(QColor(0xf0, 0xe1, 0xbe));
    p.drawText(banner.rect().adjusted(12, 0, -12, -3), Qt::AlignVCenter | Qt::AlignLeft,
               u"Penrow: The Illustrated Kestrane Series"_qs);
    return banner;
}

// The small picture on each index button.
QIcon pictureIcon()
{
    QPixmap icon(14, 12);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4b, 0x52, 0x5b), 1));
    p.setBrush(QColor(0xcf, 0xe0, 0xf0));
    p.drawRect(QRectF(0.5, 0.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x8f, 0x5a));
    p.drawPolygon(QPolygonF({QPointF(1, 11), QPointF(5, 5), QPointF(8, 9), QPointF(10, 7), QPointF(13, 11)}));
    p.setBrush(QColor(0xe8, 0xb8, 0x3a));
    p.drawEllipse(QPointF(10, 3.5), 1.6, 1.6);
    return QIcon(icon);
}

} // namespace

IllustratedSeries::IllustratedSeries(AppContext& context, const MainWindowControls& controls,
                                     WavePlayer* narration)
    : m_context(context), m_w(controls), m_narration(narration), m_viewer(context, controls.form)
{
    buildPanel();
    if (QAction* item = m_w.menuItem(names::mnuPenrow))
        connect(item, &QAction::triggered, this, &IllustratedSeries::mnuPenrowClick);
    for (int n = 0; n < names::kPenrowButtonCount; ++n)
        if (QAbstractButton* button = m_w.command1[size_t(n)])
            connect(button, &QAbstractButton::clicked, this, [this, n] { command1Click(n); });
}

void IllustratedSeries::buildPanel()
{
    QWidget* panel = m_w.ssPnlPenrow;
    if (!panel)
        return;
    m_picture1 = new QLabel(panel);
    m_picture1->setObjectName(names::name(names::Picture1));
    m_picture1->setGeometry(kPicture1Geometry);
    m_picture1->setPixmap(seriesBanner(kPicture1Geometry.size()));
    m_picture1->setAccessibleName(u"Penrow: The Illustrated Kestrane Series"_qs);

    m_ssCommand7 = new QPushButton(u"Penrow"_qs, panel);
    m_ssCommand7->setObjectName(names::name(names::SSCommand7));
    m_ssCommand7->setToolTip(u"About the illustrated series"_qs);
    m_ssCommand7->setGeometry(kPenrowGeometry);
    m_ssCommand8 = new QPushButton(u"Close"_qs, panel);
    m_ssCommand8->setObjectName(names::name(names::SSCommand8));
    m_ssCommand8->setGeometry(kCloseGeometry);
    connect(m_ssCommand7, &QPushButton::clicked, this, &IllustratedSeries::SSCommand7Click);
    connect(m_ssCommand8, &QPushButton::clicked, this, &IllustratedSeries::SSCommand8Click);
    closeOnEscape(panel, m_ssCommand8);

    const QIcon icon = pictureIcon();
    for (int n = 0; n < names::kPenrowButtonCount; ++n) {
        QAbstractButton* button = m_w.command1[size_t(n)];
        if (button)
            button->setIcon(icon);
        QLabel* label = m_w.label12[size_t(n)];
        if (!label || n < 1)
            continue;
        // With its button as buddy a label shows a doubled ampersand as one, as the index did.
        label->setText(illustrationLabel(n));
        label->setBuddy(button);
        if (button)
            button->setAccessibleName(u"Illustration "_qs + QString::number(n) + u": "_qs +
                                      illustrationTitle(n).replace(u"&&"_qs, u"&"_qs));
    }
}

void IllustratedSeries::mnuPenrowClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    QWidget* panel = m_w.ssPnlPenrow;
    if (!panel)
        return;
    const int frameWidth = m_w.frame1 ? m_w.frame1->width() : panel->parentWidget()->width();
    panel->setGeometry(penrowPanelLeft(frameWidth), 0, periphery::kPanelWidth, periphery::kPanelHeight);
    panel->raise();
    panel->show();
    if (m_ssCommand8)
        m_ssCommand8->raise();
}

void IllustratedSeries::command1Click(int n)
{
    AppState& state = m_context.state;
    Screen& screen = *m_context.platform.screen;
    setErrorCode(m_context, periphery::kErrIllustration);
    screen.setBusy(true);
    const QString path = state.disc.cdRoot + periphery::kOverSizeFolder.toString() + illustrationFile(n);
    const bool shown = m_viewer.showPicture(path, periphery::kSeriesCaption.toString());
    screen.setBusy(false);
    if (!shown)
        reportTrapped(m_context, periphery::kErrIllustration);
}

void IllustratedSeries::SSCommand7Click()
{
    if (const CatalogueEntry* entry = catalogueEntry(names::SSCommand7))
        OpenCatalogueEntry({m_context, m_w.form, m_narration}, *entry);
}

void IllustratedSeries::SSCommand8Click()
{
    if (m_w.ssPnlPenrow)
        m_w.ssPnlPenrow->hide();
}

} // namespace kestrane
