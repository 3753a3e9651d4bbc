#include "shell/ui/splash_window.h"

#include "shell/ui/splash_art.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace kestrane {

namespace {

// Client area 9600 by 6975 twips at 15 twips per pixel.
constexpr QSize kClientSize(640, 465);
constexpr int kTimerInterval = 5000;

} // namespace

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(u"Form2"_qs);
    setWindowTitle(u"The Kestrane Omnivar 2002"_qs);
    setFixedSize(kClientSize);

    m_panel = new QFrame(this);
    m_panel->setObjectName(u"SSPanel1"_qs);
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setLineWidth(2);
    m_panel->setGeometry(rect());

    m_image = new QLabel(m_panel);
    m_image->setObjectName(u"Image1"_qs);
    m_image->setAccessibleName(u"The Kestrane Omnivar"_qs);
    const QRect inner = m_panel->contentsRect();
    m_image->setGeometry(inner);
    m_image->setPixmap(QPixmap::fromImage(drawSplashPicture(inner.size(), devicePixelRatioF())));

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_qs);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::timerFired);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::unload()
{
    m_timer->stop();
    hide();
}

void SplashWindow::startTimer()
{
    m_timer->start(kTimerInterval);
}

} // namespace kestrane
