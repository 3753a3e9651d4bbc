#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>

namespace kestrane::saver {

// What the screen saver draws: the photograph scaled to fit with a black border, the one before
// fading out under it for a moment, or a short message when there is nothing to show.
class SaverCanvas : public QObject
{
    Q_OBJECT

public:
    explicit SaverCanvas(QObject* parent = nullptr);

    void showPhoto(const QImage& image);
    void showMessage(const QString& message);

    // The whole screen at `size`.
    QImage frame(QSize size) const;
    bool fading() const { return m_fade.isActive(); }

    static constexpr int kFadeMs = 600;
    static constexpr int kFadeStepMs = 40;

Q_SIGNALS:
    void changed();

private:
    void step();

    QImage m_current;
    QImage m_previous;
    QString m_message;
    QTimer m_fade;
    int m_fadeStep = 0;
};

// The placement of a picture of `picture` size scaled to fit `area`, centred.
QRect fitted(QSize picture, QSize area);

} // namespace kestrane::saver
