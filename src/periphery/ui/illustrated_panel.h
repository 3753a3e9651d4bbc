#pragma once

#include "common/ui/main_window_controls.h"
#include "periphery/ui/scroll_viewer.h"

#include <QObject>

class QLabel;
class QPushButton;

namespace kestrane {

class WavePlayer;

// The illustrated series on Form1: mnuPenrow shows the index panel SSpnlPenrow, which this fills
// (its banner Picture1, the captions of Label12(1..53), SSCommand7 "Penrow" and SSCommand8
// "Close"); Command1(n) opens illustration n in the large-image viewer, which it owns.
class IllustratedSeries : public QObject
{
    Q_OBJECT

public:
    IllustratedSeries(AppContext& context, const MainWindowControls& controls, WavePlayer* narration);

    LargeImageViewer& viewer() { return m_viewer; }

    void mnuPenrowClick();
    void command1Click(int n);
    void SSCommand7Click();
    void SSCommand8Click();

    QLabel* picture1() const { return m_picture1; }
    QPushButton* ssCommand7() const { return m_ssCommand7; }
    QPushButton* ssCommand8() const { return m_ssCommand8; }

private:
    void buildPanel();

    AppContext& m_context;
    MainWindowControls m_w;
    WavePlayer* m_narration = nullptr;
    LargeImageViewer m_viewer;
    QLabel* m_picture1 = nullptr;
    QPushButton* m_ssCommand7 = nullptr;
    QPushButton* m_ssCommand8 = nullptr;
};

} // namespace kestrane
