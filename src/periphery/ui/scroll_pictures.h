#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace kestrane {

// picChild: the full-size picture inside the viewer's viewport. It paints only the part of the
// picture that a paint event exposes, 1:1, so scrolling costs what it uncovers. A left press
// that moves pans the picture; one that does not is a click.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }
    // The pointer says whether the picture can be dragged.
    void setPannable(bool pannable);

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void clicked();
    void dragged(QPoint delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    bool m_pannable = false;
    bool m_leftDown = false;
    bool m_panning = false;
    QPoint m_pressAt;
    QPoint m_lastAt;
};

// Image1: the picture stretched to the control's size for the whole-screen view. The stretched
// copy is made when the control is first painted at a new size, never while it is hidden.
class StretchedPicture : public QWidget
{
    Q_OBJECT

public:
    explicit StretchedPicture(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    QImage m_stretched;
};

} // namespace kestrane
