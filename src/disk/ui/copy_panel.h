#pragma once

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrane {

class FloodGauge;

// pnlProgress's controls, built into the frame Form1 hands over.
struct CopyPanelControls
{
    QFrame* panel = nullptr;
    QLabel* label2 = nullptr;     // heading
    QLabel* label1 = nullptr;     // "Copying file:"
    QLineEdit* text1 = nullptr;   // the file being copied
    FloodGauge* gauge = nullptr;  // ProgressGuage: the current file
    FloodGauge* gauge2 = nullptr; // ProgressGuage2: the whole job
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* picture = nullptr;
};

CopyPanelControls buildCopyPanel(QFrame* panel);

} // namespace kestrane
