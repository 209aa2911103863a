#include "print/ui/previewwindow.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "print/pdfoutput.h"
#include "print/printerror.h"
#include "print/ui/printeroutput.h"

namespace {

constexpr double kScreenDpi = 96.0;

}  // namespace

PreviewWindow::PreviewWindow(Report::ReportTemplate report, Report::ReportData data,
                             QString pictureDir, QWidget* parent)
    : QDialog(parent),
      report_(std::move(report)),
      data_(std::move(data)),
      pictureDir_(std::move(pictureDir)) {
    setWindowTitle(QStringLiteral("打印预览"));
    auto* bar = new QToolBar(this);
    const auto add = [&](const QString& text, const QKeySequence& key, auto slot) {
        QAction* a = bar->addAction(text, this, slot);
        a->setShortcut(key);
        a->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        return a;
    };
    add(QStringLiteral("放大"), QKeySequence::ZoomIn, [this] { setZoom(zoom_ * 1.25); });
    add(QStringLiteral("缩小"), QKeySequence::ZoomOut, [this] { setZoom(zoom_ / 1.25); });
    add(QStringLiteral("100%"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1.0); });
    bar->addSeparator();
    add(QStringLiteral("首页"), QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { showPage(0); });
    add(QStringLiteral("上一页"), QKeySequence(Qt::Key_PageUp), [this] { showPage(page_ - 1); });
    pageBox_ = new QSpinBox(bar);
    pageBox_->setMinimum(1);
    bar->addWidget(pageBox_);
    pageTotal_ = new QLabel(bar);
    bar->addWidget(pageTotal_);
    add(QStringLiteral("下一页"), QKeySequence(Qt::Key_PageDown), [this] { showPage(page_ + 1); });
    add(QStringLiteral("末页"), QKeySequence(Qt::CTRL | Qt::Key_End),
        [this] { showPage(pageCount() - 1); });
    bar->addSeparator();
    add(QStringLiteral("查找"), QKeySequence::Find, [this] { askFind(); });
    add(QStringLiteral("页面设置"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
        [this] { pageSetup(); });
    add(QStringLiteral("打印"), QKeySequence::Print, [this] { printWithDialog(); });
    add(QStringLiteral("保存PDF"), QKeySequence::Save, [this] { askSaveAsPdf(); });
    add(QStringLiteral("关闭"), QKeySequence(Qt::Key_Escape), [this] { reject(); });

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    pageView_ = new QLabel;
    scroll_->setWidget(pageView_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(scroll_);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(available.width() * 4 / 5, available.height() * 9 / 10);
    }
    relayout();
}

int PreviewWindow::pageCount() const {
    return static_cast<int>(rendered_.pages.size());
}

void PreviewWindow::relayout() {
    rendered_ = Report::layoutReport(report_, data_, pictureDir_);
    pageBox_->setMaximum(std::max(1, pageCount()));
    pageTotal_->setText(QStringLiteral(" / %1 页 ").arg(pageCount()));
    showPage(std::min(page_, pageCount() - 1));
}

void PreviewWindow::showPage(int page) {
    page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    page_ = page;
    const QSignalBlocker block(pageBox_);
    pageBox_->setValue(page + 1);
    const QSizeF mm = rendered_.layout.fullRect(QPageLayout::Millimeter).size();
    const double dpi = kScreenDpi * zoom_;
    QImage image(QSize(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    Report::paintPage(painter, rendered_, page);
    painter.end();
    pageView_->setPixmap(QPixmap::fromImage(image));
    pageView_->resize(image.size());
}

void PreviewWindow::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    showPage(page_);
}

bool PreviewWindow::findText(const QString& words) {
    if (words.isEmpty()) {
        return false;
    }
    const bool again = words == lastFind_;
    lastFind_ = words;
    for (int step = again ? 1 : 0; step <= pageCount(); ++step) {
        const int p = (page_ + step) % std::max(1, pageCount());
        for (const Report::PlacedObject& o : rendered_.pages[p].objects) {
            if (o.text.contains(words, Qt::CaseInsensitive)) {
                showPage(p);
                return true;
            }
        }
    }
    return false;
}

void PreviewWindow::saveAsPdf(const QString& path) {
    PdfOutput::write(rendered_, path);
}

void PreviewWindow::askFind() {
    bool ok = false;
    const QString words =
        QInputDialog::getText(this, QStringLiteral("查找"), QStringLiteral("查找内容："),
                              QLineEdit::Normal, lastFind_, &ok);
    if (ok && !words.isEmpty() && !findText(words)) {
        QMessageBox::information(this, QStringLiteral("提示"),
                                 QStringLiteral("没有找到“%1”").arg(words));
    }
}

void PreviewWindow::askSaveAsPdf() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存为PDF"),
                                                report_.name + QStringLiteral(".pdf"),
                                                QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    try {
        saveAsPdf(path);
    } catch (const PrintError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
}

void PreviewWindow::printWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(rendered_.layout);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    try {
        PrinterOutput::print(rendered_, printer);
    } catch (const PrintError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
}

void PreviewWindow::pageSetup() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report_.page.layout());
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QPageLayout chosen = printer.pageLayout();
    report_.page.paper = chosen.pageSize().id();
    report_.page.orientation = chosen.orientation();
    relayout();
}
