#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace kestrane {

// A picture control of the slide show. Stretched, it shows its picture as large as its rectangle
// allows, keeping the proportions, centred; not stretched, its owner sizes it to the picture.
// Presses and clicks are left to the window.
class SlideImage : public QWidget
{
    Q_OBJECT

public:
    explicit SlideImage(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }
    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    QPixmap m_scaled; // the picture at the size it was last painted
    bool m_stretch = true;
};

// A 3-D panel of the slide show whose caption is its text; a click on it is reported.
class SlidePanel : public QLabel
{
    Q_OBJECT

public:
    explicit SlidePanel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kestrane
