// A 1,000-line order and a 1,000-row table report rendered to PDF, and the
// preview's first page on screen for the same order.
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "print/pdfoutput.h"
#include "print/reportrenderer.h"
#include "print/tablereport.h"
#include "print/templatefile.h"
#include "print/ui/previewwindow.h"
#include "store/decimal2.h"

namespace {

constexpr int kLines = 1000;
constexpr int kRuns = 7;

Report::ReportData order(int lines) {
    Report::ReportData d;
    d.header.set(QStringLiteral("ID"), QStringLiteral("2026121100100001"));
    d.header.set(QStringLiteral("RQ"), QDate(2026, 12, 11));
    d.header.set(QStringLiteral("KHMC"), QStringLiteral("李小红"));
    d.header.set(QStringLiteral("ZJE"), QVariant::fromValue(Decimal2::fromCents(880000)));
    d.company.set(QStringLiteral("GSMC"), QStringLiteral("幸福婚纱摄影"));
    d.lines.fields = {QStringLiteral("SPBM"), QStringLiteral("SPMC"), QStringLiteral("XH"),
                      QStringLiteral("DW"),   QStringLiteral("SL"),   QStringLiteral("DJ"),
                      QStringLiteral("JE"),   QStringLiteral("BZ")};
    for (int i = 0; i < lines; ++i) {
        d.lines.rows.append({QStringLiteral("%1").arg(10000 + i),
                             QStringLiteral("婚纱相册%1").arg(i), QStringLiteral("12寸"),
                             QStringLiteral("本"),
                             QVariant::fromValue(Decimal2::fromUnits(1 + i % 3)),
                             QVariant::fromValue(Decimal2::fromCents(12800)),
                             QVariant::fromValue(Decimal2::fromCents(12800 * (1 + i % 3))),
                             QStringLiteral("加急")});
    }
    return d;
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

void print(const char* operation, const char* size, Figures f) {
    std::printf("%-28s %-18s %10.1f %10.1f %10.1f\n", operation, size, f.median, f.min, f.max);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("%-28s %-18s %10s %10s %10s\n", "operation", "data", "median ms", "min ms",
                "max ms");

    const Report::ReportTemplate form =
        TemplateFile::load(QStringLiteral(":/home/PrintFormat/xsd.zrt"));
    const Report::ReportData lines = order(kLines);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    int pages = 0;
    print("order form to PDF", "1000 lines", measure([&] {
              const Report::RenderedReport r = Report::layoutReport(form, lines);
              pages = static_cast<int>(r.pages.size());
              PdfOutput::write(r, pdf);
          }));

    Report::ReportTable table = lines.lines;
    table.captions = {QStringLiteral("商品编码"), QStringLiteral("商品名称"),
                      QStringLiteral("型号"),     QStringLiteral("单位"),
                      QStringLiteral("数量"),     QStringLiteral("单价"),
                      QStringLiteral("金额"),     QStringLiteral("备注")};
    TableReport::Options options;
    options.title = QStringLiteral("婚礼订单明细");
    const TableReport::BoundTable list = TableReport::build(options, table);
    print("table report to PDF", "1000 x 8",
          measure([&] { PdfOutput::write(Report::layoutReport(list.report, list.data), pdf); }));

    print("preview first page", "1000 lines", measure([&] {
              PreviewWindow preview(form, lines, {});
              preview.show();
              QCoreApplication::processEvents();
          }));

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("order form pages: %d; peak RSS: %.1f MB\n", pages, usage.ru_maxrss / 1024.0);
    return 0;
}
