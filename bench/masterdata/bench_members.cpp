// The member window and the member picker over 100,000 members: the window's
// first rows painted, one filter keystroke, and the picker opened.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "masterdata/ui/memberpicker.h"
#include "masterdata/ui/memberwindow.h"
#include "store/database.h"
#include "store/datamodule.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

namespace {

constexpr int kMembers = 100000;
constexpr int kRuns = 5;

struct Figures {
    double median, min, max;
};

// Each run gets a fresh setup outside the timing; the first run warms up.
Figures measure(const std::function<void()>& setup, const std::function<void()>& work,
                const std::function<void()>& teardown) {
    std::vector<double> ms;
    for (int i = 0; i <= kRuns; ++i) {
        setup();
        QElapsedTimer t;
        t.start();
        work();
        const double elapsed = double(t.nsecsElapsed()) / 1e6;
        teardown();
        if (i > 0) {
            ms.push_back(elapsed);
        }
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void showAndWait(QWidget* w) {
    w->show();
    if (!QTest::qWaitForWindowExposed(w)) {
        std::fprintf(stderr, "window not exposed\n");
    }
    QCoreApplication::processEvents();
}

void print(const char* operation, Figures f) {
    std::printf("%-34s %10.1f %10.1f %10.1f\n", operation, f.median, f.min, f.max);
}

void fill(const Database& db) {
    const QString surnames = QStringLiteral("张王李赵刘陈杨黄周吴徐孙马朱胡郭何高林罗");
    db.transact([&] {
        for (int i = 1; i <= kMembers; ++i) {
            db.exec(QStringLiteral("insert into BM_KH (BM, MC, KH, DH, JP, JB, RQ, ZK, JG, ZJF, "
                                   "SYJF, ZHYE) values (?, ?, ?, ?, ?, ?, ?, 1, '原价', ?, ?, 0)"),
                    {QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')),
                     QString(surnames[i % surnames.size()]) + QStringLiteral("客户%1").arg(i),
                     QStringLiteral("K%1").arg(i),
                     QStringLiteral("139%1").arg(i * 37 % 100000000, 8, 10, QLatin1Char('0')),
                     QStringLiteral("KH%1").arg(i),
                     i % 3 ? QStringLiteral("银卡") : QStringLiteral("金卡"),
                     QDate(2020, 1, 1).addDays(i % 2000), i % 500, i % 500});
        }
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    const ProgramHome home(dir.filePath(QStringLiteral("home")));
    home.createLayout();
    TDM_CS dataModule(home);
    dataModule.openConnection(true);
    const Database& db = dataModule.connection();
    fill(db);
    std::printf("%d members, SQLite\n", kMembers);
    std::printf("%-34s %10s %10s %10s\n", "operation", "median ms", "min ms", "max ms");

    TBM_KH* window = nullptr;
    Txzkh* picker = nullptr;
    const auto nothing = [] {};
    const auto openWindow = [&] {
        window = new TBM_KH(db);
        window->resize(1200, 700);
        showAndWait(window);
    };
    const auto closeWindow = [&] {
        delete window;
        window = nullptr;
    };
    const auto openWindowFiltered = [&] {
        openWindow();
        window->filterBox()->setText(QStringLiteral("客户"));
        QCoreApplication::processEvents();
    };
    int keystroke = 0;
    const auto typeOneMore = [&] {
        // One more character narrows 100,000 matching rows down to a few thousand.
        QTest::keyClick(window->filterBox(), char('1' + keystroke++ % 9));
        window->grid()->view()->viewport()->repaint();
    };
    const auto openPicker = [&] {
        picker = new Txzkh(db, QString());
        showAndWait(picker);
    };
    const auto closePicker = [&] {
        delete picker;
        picker = nullptr;
    };
    print("member window: first rows shown", measure(nothing, openWindow, closeWindow));
    print("member window: filter keystroke", measure(openWindowFiltered, typeOneMore, closeWindow));
    print("member picker: opened", measure(nothing, openPicker, closePicker));
    return 0;
}
