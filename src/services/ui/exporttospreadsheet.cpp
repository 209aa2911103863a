#include "services/ui/exporttospreadsheet.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

#include "app/rights.h"
#include "app/session.h"
#include "services/serviceerror.h"
#include "services/tcovexcel.h"

namespace {

const QString kXlsFilter = QStringLiteral("Excel files (*.xls)");
const QString kXlsxFilter = QStringLiteral("Excel 工作簿 (*.xlsx)");
constexpr int kRowsBeforeProgress = 2000;

// The hourglass goes away on every path out.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

QString askFileName(QWidget* parent, const QString& title) {
    QFileDialog dialog(parent, QStringLiteral("另存为"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({kXlsFilter, kXlsxFilter});
    dialog.selectFile(title);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString file = dialog.selectedFiles().front();
    const QString suffix = dialog.selectedNameFilter() == kXlsxFilter ? QStringLiteral(".xlsx")
                                                                      : QStringLiteral(".xls");
    if (!file.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive) &&
        !file.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        file += suffix;
    }
    return file;
}

}  // namespace

void ExportToSpreadsheet(QWidget* parent, QAbstractItemModel* dataSet, const QList<int>& columns,
                         const QString& title, const QString& fontName, int fontSize) {
    if (!HasOtherRight(session().SetupRights, QStringLiteral("18"))) {
        QMessageBox::information(parent, QStringLiteral("提示"), QStringLiteral("您没有导出权！"));
        return;
    }
    const QString file = askFileName(parent, title);
    if (file.isEmpty() || !dataSet) {
        return;
    }
    TCovExcel writer;
    writer.setDataSet(dataSet);
    writer.setFileName(file);
    writer.setTitle(title);
    writer.setTitleFont(fontName, fontSize);
    writer.setColumnOrder(columns);
    QProgressDialog progress(QStringLiteral("正在导出……"), QString(), 0, dataSet->rowCount(),
                             parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(dataSet->rowCount() > kRowsBeforeProgress ? 300 : 60000);
    writer.setProgress([&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
    });
    try {
        BusyCursor busy;
        writer.WriteWorkbook();
    } catch (const ServiceError& e) {
        progress.reset();
        QMessageBox::warning(parent, QStringLiteral("提示"), e.message());
    }
}
