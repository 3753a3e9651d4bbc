#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace kestrane {

// frmHelp: the program's own help, a modeless window with a text browser over the installed HTML
// pages and buttons for the contents page, back, forward and close. It stays above the main
// window and goes with it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

    // Shows the window at the contents page (a host path), raising it when it is already open.
    void showContents(const QString& contentsFile);

    QTextBrowser* browser() const { return m_browser; }
    QPushButton* contentsButton() const { return m_contents; }
    QPushButton* backButton() const { return m_back; }
    QPushButton* forwardButton() const { return m_forward; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setupWidgets();
    void pageChanged();

    QWidget* m_owner = nullptr;
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_contents = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_close = nullptr;
    QUrl m_home;
};

} // namespace kestrane
