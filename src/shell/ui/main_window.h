#pragma once

#include "state/app_context.h"

#include <QMainWindow>

#include <functional>

class QFrame;
class QPushButton;

namespace kestrane {

struct MainWindowSizing;

// Form1: the main window and the only long-lived window.
class MainWindow : public QMainWindow, public MainWindowPort
{
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load sequence: unloads the splash and restores the placement.
    void load(const std::function<void()>& unloadSplash);
    // The splash timer's sizing for a screen that is not the optimum one.
    void applyStartupSizing(const MainWindowSizing& sizing);
    void fillYearLists(const QStringList& entries);

    void bringYearButtonToFront(int index) override;
    void setMainWindowEnabled(bool enabled) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& m_context;
    QFrame* m_frame = nullptr;
    QPushButton* m_exit = nullptr;
};

} // namespace kestrane
