// The one main window: six stacked pages and the navigation buttons that switch them.
// A thin shell; the pages are widgets of their own and the state lives in the core.
#pragma once

#include <QWidget>

class QPushButton;
class QStackedWidget;

namespace korvex {

struct Korvex;
enum class Page;
class ConfigEditorPage;
class HandbookViewer;
class OptionsPage;
class MacroDialogPage;
class ModLauncherPage;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Korvex& app);

    void ShowCentred();
    void SyncFromCore();

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* AddNavigationButton(const QString& caption, const char* name, const char* hint, int top);
    void ConnectNavigation(QPushButton* button, Page page);
    void ShowHandbook();

    Korvex& app_;
    QStackedWidget* pages_;
    ConfigEditorPage* configEditor_;
    OptionsPage* options_;
    MacroDialogPage* macroDialog_;
    ModLauncherPage* modLauncher_;
    HandbookViewer* handbook_;
    bool centred_ = false;
};

}  // namespace korvex
