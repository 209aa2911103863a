#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include "store/inifile.h"

class QAction;
class QLabel;
class QPushButton;
class QTimer;
class BackgroundArea;
class ClickableLabel;
class TDM_CS;
class TGGQX;
class TGY;
class Tggmm;

// The main window. Creating it runs the login; loggedIn() tells whether the
// program goes on. Every close request asks about the backups.
class Tform1 : public QMainWindow {
    Q_OBJECT

public:
    // Throws StoreError when Default.ini cannot be read.
    Tform1(TDM_CS& dataModule, bool createDefaultDatabase, QWidget* parent = nullptr);
    ~Tform1() override;

    bool loggedIn() const { return loggedIn_; }

    // The action of a menu entry by its name ("YW_SKD"); the windows built
    // later connect to it.
    QAction* menuAction(const QString& name) const;
    BackgroundArea* clientArea() const { return Image2; }

    // Enables the entries of menus 1 to 4 for the current operator.
    void SetupQX();
    // Shows the company name and background picture; false when the chosen
    // picture cannot be read.
    bool loadCompany();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTitleStrip();
    QWidget* buildButtonBar();
    void buildStatusBar();
    void connectMenuEntries();
    bool FormCloseQuery();
    void Timer1Timer();

    void XT_SJClick();
    void XT_QXClick();
    void XT_MMClick();
    void BZ_GYClick();

    IniFile ini_;
    bool loggedIn_ = false;
    bool shownOnce_ = false;

    QHash<QString, QAction*> actions_;
    QList<QList<QAction*>> menuPositions_;  // [menu][position], menus 1..5

    QLabel* Label1 = nullptr;
    ClickableLabel* Image1 = nullptr;
    BackgroundArea* Image2 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QLabel* statusCredit_ = nullptr;
    QLabel* statusOperator_ = nullptr;
    QLabel* statusClock_ = nullptr;
    QTimer* Timer1 = nullptr;

    QPointer<TGGQX> GGQX_;
    QPointer<TGY> GY_;
    QPointer<Tggmm> ggmm_;
};
