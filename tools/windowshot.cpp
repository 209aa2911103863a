// Pictures of the program's windows for the README, taken without a display:
//
//   zorlik-windowshot --home DIR [--user sa] [--password 888] [--delay 500]
//                     --shot Tdl=login.png --shot YW=main.png --shot JC_KH=members.png
//
// It logs in through the login dialog, shows the main window at 1366x768 and takes the
// shots in their order. A shot names the login dialog (Tdl, taken before logging in), a
// menu of the menu bar (the picture shows it dropped down), a menu entry (clicked; the
// picture is the modal dialog or new top-level window it opened, else the main window)
// or Tform1 (the main window as it is). Windows a shot opened are closed before the next.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

#include "app/appdatamodule.h"
#include "app/singleinstance.h"
#include "app/ui/backgroundarea.h"
#include "app/ui/mainwindow.h"
#include "store/datamodule.h"
#include "store/passwordhash.h"
#include "store/storeerror.h"

namespace {

constexpr QSize kMainWindowSize(1366, 768);
const QString kLoginShot = QStringLiteral("Tdl");
const QString kMainWindowShot = QStringLiteral("Tform1");

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

struct Shot {
    QString name;
    QString file;
};

bool save(const QPixmap& picture, const QString& file) {
    if (!picture.save(file, "PNG")) {
        err() << "cannot write " << file << Qt::endl;
        return false;
    }
    QTextStream(stdout) << file << Qt::endl;
    return true;
}

// Answers the login dialog that the main window's creation shows; a message box
// on the way (a wrong password, a database error) is reported and ends the login.
class LoginDriver : public QObject {
public:
    LoginDriver(QString user, QString password, std::optional<Shot> shot)
        : user_(std::move(user)), password_(std::move(password)), shot_(std::move(shot)) {
        connect(&timer_, &QTimer::timeout, this, &LoginDriver::poll);
        timer_.start(20);
    }

    bool ok() const { return ok_; }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            err() << "login: " << box->text() << Qt::endl;
            ok_ = false;
            box->done(QMessageBox::Ok);
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog || dialog->objectName() != kLoginShot) {
            return;
        }
        if (tried_) {
            dialog->reject();  // the login failed and said why
            return;
        }
        tried_ = true;
        if (shot_) {
            ok_ = save(dialog->grab(), shot_->file) && ok_;
        }
        dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(user_);
        dialog->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(password_);
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn4"))->click();
    }

    QString user_;
    QString password_;
    std::optional<Shot> shot_;
    QTimer timer_;
    bool tried_ = false;
    bool ok_ = true;
};

// Takes the shots after the login, one after another, then ends the event loop.
class ShotRunner : public QObject {
public:
    ShotRunner(Tform1& window, QList<Shot> shots, int delay)
        : window_(window), shots_(std::move(shots)), delay_(delay) {}

    void start() { QTimer::singleShot(delay_, this, &ShotRunner::next); }

private:
    QMenu* topMenu(const QString& name) const {
        for (QAction* a : window_.menuBar()->actions()) {
            if (a->menu() && a->menu()->objectName() == name) {
                return a->menu();
            }
        }
        return nullptr;
    }

    void next() {
        if (shots_.isEmpty()) {
            QCoreApplication::exit(failures_ == 0 ? 0 : 1);
            return;
        }
        const Shot shot = shots_.takeFirst();
        before_ = QApplication::topLevelWidgets();
        if (!open(shot.name)) {
            err() << "no window, menu or menu entry named " << shot.name << Qt::endl;
            ++failures_;
            QTimer::singleShot(0, this, &ShotRunner::next);
            return;
        }
        // Runs inside the event loop of a modal dialog the entry may have opened.
        QTimer::singleShot(delay_, this, [this, shot] {
            if (!save(picture(shot.name), shot.file)) {
                ++failures_;
            }
            closeWhatOpened();
            QTimer::singleShot(0, this, &ShotRunner::next);
        });
    }

    bool open(const QString& name) {
        if (name == kMainWindowShot) {
            return true;
        }
        if (QMenu* menu = topMenu(name)) {
            window_.menuBar()->setActiveAction(menu->menuAction());
            return true;
        }
        QAction* entry = window_.menuAction(name);
        if (!entry) {
            return false;
        }
        // Posted: an entry that shows a modal dialog returns only once it is closed.
        QTimer::singleShot(0, entry, &QAction::trigger);
        return true;
    }

    QPixmap picture(const QString& name) const {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            return modal->grab();
        }
        if (QWidget* opened = openedWindow()) {
            return opened->grab();
        }
        QPixmap picture = window_.grab();
        if (QMenu* menu = topMenu(name); menu && menu->isVisible()) {
            QPainter painter(&picture);
            painter.drawPixmap(window_.mapFromGlobal(menu->geometry().topLeft()), menu->grab());
        }
        return picture;
    }

    // A window of its own that the last entry opened (an on-top tool window).
    QWidget* openedWindow() const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w != &window_ && !qobject_cast<QMenu*>(w) &&
                !before_.contains(w)) {
                return w;
            }
        }
        return nullptr;
    }

    void closeWhatOpened() {
        for (int i = 0; i < 5; ++i) {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                break;
            }
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
        while (QWidget* opened = openedWindow()) {
            opened->close();
            opened->hide();
        }
        window_.menuBar()->setActiveAction(nullptr);
        for (QAction* a : window_.menuBar()->actions()) {
            if (a->menu()) {
                a->menu()->hide();
            }
        }
        window_.clientArea()->closeAllSubWindows();
    }

    Tform1& window_;
    QList<Shot> shots_;
    int delay_;
    QWidgetList before_;
    int failures_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorlik"));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Saves PNG pictures of the program's windows."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("home"), QStringLiteral("The program home."), QStringLiteral("DIR")},
        {QStringLiteral("user"), QStringLiteral("Login name (sa)."), QStringLiteral("NAME"),
         QStringLiteral("sa")},
        {QStringLiteral("password"), QStringLiteral("Login password."), QStringLiteral("TEXT"),
         QString::fromLatin1(PasswordHash::kDefaultPassword)},
        {QStringLiteral("delay"), QStringLiteral("Milliseconds a window gets to settle (500)."),
         QStringLiteral("MS"), QStringLiteral("500")},
        {QStringLiteral("shot"), QStringLiteral("Tdl, Tform1, a menu or a menu entry, and a file."),
         QStringLiteral("NAME=FILE")},
    });
    parser.process(app);

    if (!parser.isSet(QStringLiteral("home"))) {
        err() << "--home DIR is required" << Qt::endl;
        return 2;
    }
    std::optional<Shot> loginShot;
    QList<Shot> shots;
    for (const QString& value : parser.values(QStringLiteral("shot"))) {
        const qsizetype eq = value.indexOf(QLatin1Char('='));
        if (eq <= 0 || eq == value.size() - 1) {
            err() << "--shot wants NAME=FILE, not " << value << Qt::endl;
            return 2;
        }
        const Shot shot{value.left(eq), value.mid(eq + 1)};
        if (shot.name == kLoginShot) {
            loginShot = shot;
        } else {
            shots.append(shot);
        }
    }

    const ProgramHome home(parser.value(QStringLiteral("home")));
    const bool newHome = home.isNew();
    const SingleInstance instance(home.root());
    if (!instance.acquired()) {
        err() << "the program is running on " << home.root() << Qt::endl;
        return 1;
    }
    TDM_CS dataModule(home);
    setDM_CS(&dataModule);
    try {
        home.createLayout();
        std::unique_ptr<Tform1> window;
        bool loginOk = false;
        {
            const LoginDriver login(parser.value(QStringLiteral("user")),
                                    parser.value(QStringLiteral("password")), loginShot);
            window = std::make_unique<Tform1>(dataModule, newHome);
            loginOk = login.ok();
        }
        if (!window->loggedIn() || !loginOk) {
            return 1;
        }
        window->setWindowState(Qt::WindowNoState);
        window->resize(kMainWindowSize);
        window->show();
        ShotRunner runner(*window, shots, parser.value(QStringLiteral("delay")).toInt());
        runner.start();
        return QApplication::exec();
    } catch (const StoreError& e) {
        err() << e.message() << Qt::endl;
        return 1;
    }
}
