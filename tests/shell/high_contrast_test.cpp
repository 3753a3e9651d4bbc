// Every text of every window and panel stays readable under a dark and a high-contrast palette:
// the styled windows either set a whole colour pair or leave both colours to the palette.
#include "walked_program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kestrane;
using namespace kestrane::test;

namespace {

double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette p(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    p.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    p.setColor(QPalette::ButtonText, QColor(0xf0, 0xf0, 0xf0));
    p.setColor(QPalette::Base, QColor(0x14, 0x14, 0x14));
    return p;
}

QPalette highContrastPalette()
{
    QPalette p(Qt::black, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x00, 0xff, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

QString textOf(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    return {};
}

void setTextOf(QWidget* w, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        box->setTitle(text);
}

// The strongest contrast between the text's pixels and what stands there without the text: the
// cores of the letters, as the eye reads them.
double textContrast(QWidget* w)
{
    QWidget* window = w->window();
    const QRect area(w->mapTo(window, QPoint()), w->size());
    const QString text = textOf(w);
    const QImage with = window->grab(area).toImage();
    setTextOf(w, QString());
    const QImage without = window->grab(area).toImage();
    setTextOf(w, text);
    double best = 0;
    for (int y = 0; y < std::min(with.height(), without.height()); ++y)
        for (int x = 0; x < std::min(with.width(), without.width()); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, contrast(with.pixel(x, y), without.pixel(x, y)));
    return best;
}

// The texts of the surface, each with its contrast.
QStringList poorTexts(const Surface& surface)
{
    Program program;
    QStringList poor;
    const bool ran = whileOpen(program, surface, [&poor](QWidget* area) {
        if (!area) {
            poor << u"did not open"_qs;
            return;
        }
        for (QWidget* w : area->findChildren<QWidget*>()) {
            // A disabled control may recede, as it does on every desktop.
            if (!w->isVisible() || !w->isEnabled() || w->window() != area->window() ||
                textOf(w).trimmed().isEmpty())
                continue;
            // Below 3 to 1 even large type is hard to read.
            if (const double ratio = textContrast(w); ratio < 3.0)
                poor << u"%1 '%2' %3:1"_qs.arg(w->objectName(), textOf(w).left(30)).arg(ratio, 0, 'f', 2);
        }
    });
    EXPECT_TRUE(ran) << surface.name;
    return poor;
}

} // namespace

class HighContrast : public ::testing::TestWithParam<int>
{
};

TEST_P(HighContrast, NoTextOfAnyWindowOrPanelFadesIntoItsBackground)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(GetParam() == 0 ? darkPalette() : highContrastPalette());
    for (const Surface& surface : surfaces()) {
        const QStringList poor = poorTexts(surface);
        EXPECT_TRUE(poor.isEmpty()) << surface.name << ":\n  " << poor.join(u"\n  "_qs).toStdString();
    }
    QApplication::setPalette(before);
}

INSTANTIATE_TEST_SUITE_P(Palettes, HighContrast, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "Dark" : "HighContrast"; });
