// Export of 100,000 rows x 10 columns to .xlsx (and of the 65,534 rows an
// .xls holds), against libxlsxwriter
// writing the same cells directly, and the pinyin initials of 100,000 names.
#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <xlsxwriter.h>

#include "services/pinyin.h"
#include "services/tcovexcel.h"
#include "store/datamodule.h"

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 10;
constexpr int kRuns = 5;

QString textAt(int row, int column) {
    return QStringLiteral("客户%1-%2").arg(row).arg(column);
}
double numberAt(int row, int column) {
    return (row * 31 + column * 7) % 100000 / 100.0;
}

// Even columns text, odd columns money; values are made on the fly.
class Rows : public QAbstractTableModel {
public:
    explicit Rows(int rows) : rows_(rows) {}
    int rowCount(const QModelIndex& = {}) const override { return rows_; }
    int columnCount(const QModelIndex& = {}) const override { return kColumns; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole) {
            return {};
        }
        if (index.column() % 2 == 0) {
            return textAt(index.row(), index.column());
        }
        return numberAt(index.row(), index.column());
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole) {
            return QStringLiteral("列%1").arg(section + 1);
        }
        return {};
    }

private:
    int rows_;
};

void baselineXlsx(const QString& file) {
    lxw_workbook* book = workbook_new(file.toUtf8().constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* money = workbook_add_format(book);
    format_set_num_format(money, "0.00");
    format_set_border(money, LXW_BORDER_THIN);
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@");
    format_set_border(text, LXW_BORDER_THIN);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (c % 2 == 0) {
                worksheet_write_string(sheet, r + 2, c, textAt(r, c).toUtf8().constData(), text);
            } else {
                worksheet_write_number(sheet, r + 2, c, numberAt(r, c), money);
            }
        }
    }
    workbook_close(book);
}

struct Figures {
    double median, min, max;
};

Figures measure(const std::function<void()>& work) {
    work();  // warm-up
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void print(const char* operation, const char* size, Figures f, double baseline = 0) {
    std::printf("%-28s %-18s %10.1f %10.1f %10.1f", operation, size, f.median, f.min, f.max);
    if (baseline > 0) {
        std::printf(" %8.2fx", f.median / baseline);
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("%-28s %-18s %10s %10s %10s %9s\n", "operation", "data", "median ms", "min ms",
                "max ms", "ratio");

    const QString baseFile = dir.filePath(QStringLiteral("baseline.xlsx"));
    const Figures base = measure([&] { baselineXlsx(baseFile); });
    print("libxlsxwriter direct", "100000 x 10", base);
    const auto exportTime = [&](int count, const QString& file) {
        Rows rows(count);
        return measure([&] {
            TCovExcel writer;
            writer.setDataSet(&rows);
            writer.setFileName(file);
            writer.setTitle(QStringLiteral("会员资料"));
            writer.setTitleFont(QStringLiteral("黑体"), 18);
            writer.WriteWorkbook();
        });
    };
    print("export .xlsx", "100000 x 10", exportTime(kRows, dir.filePath("export.xlsx")),
          base.median);
    print("export .xls", "65534 x 10", exportTime(65534, dir.filePath("export.xls")));

    const ProgramHome home(dir.filePath(QStringLiteral("home")));
    home.createLayout();
    TDM_CS dataModule(home);
    dataModule.openConnection(true);
    const Database& db = dataModule.connection();
    // Names from level one and beyond it, so the table is consulted too.
    const QString pool = QStringLiteral(
        "张王李赵刘陈杨黄周吴徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘蒋蔡余杜叶程苏魏"
        "吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万"
        "钱严覃武戴莫孔向汤迅褣亍鬯");
    QStringList names;
    for (int i = 0; i < kRows; ++i) {
        names << QString(pool[i % pool.size()]) + pool[(i * 7) % pool.size()] +
                     pool[(i * 13) % pool.size()];
    }
    const Figures p = measure([&] {
        PinyinDictionary dictionary(db);
        for (const QString& n : names) {
            PinyinInitials(dictionary, n);
        }
    });
    print("pinyin initials", "100000 names", p);
    return 0;
}
