#pragma once
// The main window: start-up sequence, the two button panels, wallpapers, user mode.
#include "process_lock.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace minori {

class TfStartLog;

struct MainWindowOptions {
    int startWaitMs = 3000;      // the splash stays at least this long after creation
    bool showSplash = true;
};

class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(const MainWindowOptions &options = {}, QWidget *parent = nullptr);
    ~TfMain() override;

    // State for tests and the program entry.
    bool started() const { return started_; }
    bool administratorMode() const;
    int userMode() const;
    void setUserMode(int index);
    QPushButton *button(const QString &caption, bool advancedPanel = false) const;
    QWidget *beginnerPanel() const { return panelBigner_; }
    QWidget *advancedPanel() const { return panelAdvans_; }
    QLabel *beginnerPicture() const { return imageBigner_; }
    QLabel *advancedPicture() const { return imageAdvanc_; }
    QTimer *closeTimer() const { return closeTimer_; }
    QTimer *autoOpenTimer() const { return autoOpenTimer_; }
    QPushButton *designButton() const { return buttonDesign_; }
    QPushButton *designingButton() const { return buttonDesigning_; }

    // Wallpaper commands of slot 1 (beginner) and 2 (advanced).
    void useNewWallpaper(int slot, const QString &file);
    void usePreviousWallpaper(int slot);
    void useNoWallpaper(int slot);

    // Opens a registered screen with the main window hidden meanwhile (unless it stays).
    void openFromButton(const QString &caption);
    void showManual();
    void showAbout();

signals:
    void startupFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formShow();
    void firstShow();
    void buildPanels();
    QPushButton *addButton(QWidget *panel, class QLayout *layout, const QString &caption, bool advanced);
    void applyUserMode();
    void loadWallpapers();
    void setPicture(int slot, const QString &file);
    void wallpaperMenu(int slot, const QPoint &pos);
    void refreshButtonStates();

    MainWindowOptions options_;
    bool started_ = false;
    bool firstShow_ = true;
    bool closingStepsAllowed_ = true;
    QElapsedTimer sinceCreation_;
    ProcessLock lock_;
    TfStartLog *splash_ = nullptr;
    QWidget *basePanel_ = nullptr;
    QWidget *panelBigner_ = nullptr;
    QWidget *panelAdvans_ = nullptr;
    QLabel *imageBigner_ = nullptr;
    QLabel *imageAdvanc_ = nullptr;
    QButtonGroup *radioGroupUserMode_ = nullptr;
    QPushButton *buttonDesign_ = nullptr;
    QPushButton *buttonDesigning_ = nullptr;
    QPushButton *buttonExit_ = nullptr;
    QTimer *closeTimer_ = nullptr;
    QTimer *autoOpenTimer_ = nullptr;
    QMap<QString, QPushButton *> beginnerButtons_;
    QMap<QString, QPushButton *> advancedButtons_;
};

} // namespace minori
