#pragma once

#include "periphery/about_info.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kestrane {

struct AppContext;

// frmAbout: the about box, a fixed-size tool window shown modally over the main window. It exists
// only while it is shown: the first reference loads it, SSCommand1 unloads it.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    // The Load event: enters the registry, centres the box on `mainWindow` (may be null) and fills
    // the maker's panels from `info`.
    AboutWindow(AppContext& context, const AboutInfo& info, QWidget* mainWindow);
    ~AboutWindow() override;

    QLabel* panel(const char16_t* name) const;
    QPushButton* closeButton() const { return m_close; }
    QPushButton* webButton() const { return m_web; }

    // SSCommand1: closes and unloads the box.
    void closeClicked();
    // SSCommand2: the maker's site in the browser.
    void webClicked();

    void done(int result) override;

private:
    void setupWidgets();
    void centreOn(const QWidget* mainWindow);

    AppContext& m_context;
    AboutInfo m_info;
    QPushButton* m_close = nullptr;
    QPushButton* m_web = nullptr;
    bool m_unloaded = false;
};

} // namespace kestrane
