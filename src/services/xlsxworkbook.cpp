#include "services/xlsxworkbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <cstdio>

#include "services/serviceerror.h"

XlsxWorkbook::XlsxWorkbook(QString fileName) : fileName_(std::move(fileName)) {
    const QFileInfo target(fileName_);
    QTemporaryFile part(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!target.absoluteDir().exists() || !part.open()) {
        throw ServiceError(QStringLiteral("无法写入文件：%1").arg(fileName_));
    }
    partName_ = part.fileName();
    part.setAutoRemove(false);
    part.close();

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    options.tmpdir = const_cast<char*>(tmpdir.constData());
    workbook_ = workbook_new_opt(QFile::encodeName(partName_).constData(), &options);
    if (workbook_ != nullptr) {
        sheet_ = workbook_add_worksheet(workbook_, nullptr);
    }
    if (sheet_ == nullptr) {
        QFile::remove(partName_);
        throw ServiceError(QStringLiteral("无法创建工作簿：%1").arg(fileName_));
    }
}

XlsxWorkbook::~XlsxWorkbook() {
    if (workbook_ != nullptr) {
        // Not finished: drop the half-written file.
        workbook_close(workbook_);
        QFile::remove(partName_);
    }
}

void XlsxWorkbook::check(int error, const char* what) const {
    if (error != LXW_NO_ERROR) {
        throw ServiceError(QStringLiteral("写入工作簿失败（%1）：%2")
                               .arg(QString::fromUtf8(what), QString::fromUtf8(lxw_strerror(
                                                                 static_cast<lxw_error>(error)))));
    }
}

void XlsxWorkbook::writeTitle(const QString& title, int columns, const QString& fontName,
                              int fontSize) {
    lxw_format* format = workbook_add_format(workbook_);
    format_set_font_name(format, fontName.toUtf8().constData());
    format_set_font_size(format, fontSize);
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    const QByteArray text = title.toUtf8();
    if (columns > 1) {
        check(worksheet_merge_range(sheet_, 0, 0, 0, static_cast<lxw_col_t>(columns - 1),
                                    text.constData(), format),
              "title");
    } else {
        check(worksheet_write_string(sheet_, 0, 0, text.constData(), format), "title");
    }
}

lxw_format* XlsxWorkbook::formatFor(CellFormat format) {
    const int key = static_cast<int>(format);
    if (lxw_format* found = formats_.value(key)) {
        return found;
    }
    lxw_format* created = workbook_add_format(workbook_);
    format_set_border(created, LXW_BORDER_THIN);
    const QString code = FormatCode(format);
    if (!code.isEmpty()) {
        format_set_num_format(created, code.toUtf8().constData());
    }
    formats_.insert(key, created);
    return created;
}

void XlsxWorkbook::writeCell(int row, int column, const SheetCell& cell, CellFormat format) {
    lxw_format* f = formatFor(format);
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    switch (cell.kind) {
        case SheetCell::Kind::Blank:
            check(worksheet_write_blank(sheet_, r, c, f), "cell");
            break;
        case SheetCell::Kind::Number:
            check(worksheet_write_number(sheet_, r, c, cell.number, f), "cell");
            break;
        case SheetCell::Kind::Text:
            check(worksheet_write_string(sheet_, r, c, cell.text.toUtf8().constData(), f), "cell");
            break;
    }
}

void XlsxWorkbook::setColumnWidth(int column, int characters) {
    const auto c = static_cast<lxw_col_t>(column);
    check(worksheet_set_column(sheet_, c, c, characters, nullptr), "width");
}

void XlsxWorkbook::finish() {
    const lxw_error error = workbook_close(workbook_);
    workbook_ = nullptr;
    if (error != LXW_NO_ERROR) {
        QFile::remove(partName_);
        check(error, "save");
    }
    if (std::rename(QFile::encodeName(partName_).constData(),
                    QFile::encodeName(fileName_).constData()) != 0) {
        QFile::remove(partName_);
        throw ServiceError(QStringLiteral("无法写入文件：%1").arg(fileName_));
    }
    // The temporary file was private; an export is an ordinary document.
    QFile::setPermissions(fileName_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
