#include "cli/servicecommands.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQueryModel>

#include "services/lunarcalendar.h"
#include "services/pinyin.h"
#include "services/serviceerror.h"
#include "services/tcovexcel.h"
#include "store/datamodule.h"
#include "store/schema.h"
#include "store/storeerror.h"

namespace {

constexpr int kBadArguments = 2;

int lunar(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QDate date = arguments.size() == 1
                           ? QDate::fromString(arguments.first(), QStringLiteral("yyyy-MM-dd"))
                           : QDate();
    if (!date.isValid()) {
        err << QStringLiteral("用法：zorlik-cli lunar YYYY-MM-DD（例如 2023-03-22）") << '\n';
        return kBadArguments;
    }
    out << LunarMonthDay(date) << '\n';
    return 0;
}

bool openHome(TDM_CS& dm, QTextStream& err) {
    if (dm.home().isNew()) {
        err << QStringLiteral("程序目录不存在或为空：") << dm.home().root() << '\n';
        return false;
    }
    dm.openConnection(false);
    return true;
}

int pinyin(const QStringList& arguments, const ProgramHome& home, QTextStream& out,
           QTextStream& err) {
    if (arguments.size() != 1) {
        err << QStringLiteral("用法：zorlik-cli pinyin 文字 [--home DIR]") << '\n';
        return kBadArguments;
    }
    TDM_CS dm(home);
    if (!openHome(dm, err)) {
        return 1;
    }
    PinyinDictionary dictionary(dm.connection());
    out << PinyinInitials(dictionary, arguments.first()) << '\n';
    return 0;
}

CellFormat formatOf(ColumnType type) {
    switch (type) {
        case ColumnType::Text:
            return CellFormat::Text;
        case ColumnType::Decimal:
            return CellFormat::Decimal;
        case ColumnType::Date:
            return CellFormat::Date;
        case ColumnType::Integer:
            return CellFormat::Integer;
        case ColumnType::Bool:
            break;
    }
    return CellFormat::None;
}

int exportTable(const QStringList& arguments, const ProgramHome& home, QTextStream& out,
                QTextStream& err) {
    const TableDef* table = arguments.size() == 2 ? Schema::table(arguments[0]) : nullptr;
    if (table == nullptr) {
        if (arguments.size() == 2) {
            err << QStringLiteral("没有这个数据表：") << arguments[0] << '\n';
        }
        err << QStringLiteral("用法：zorlik-cli export-table 表名 文件.xls|文件.xlsx [--home DIR]")
            << '\n';
        return kBadArguments;
    }
    TDM_CS dm(home);
    if (!openHome(dm, err)) {
        return 1;
    }
    QStringList names;
    QHash<int, CellFormat> formats;
    for (const ColumnDef& column : table->columns) {
        formats.insert(static_cast<int>(names.size()), formatOf(column.type));
        names.append(column.name);
    }
    QSqlQueryModel model;
    model.setQuery(
        QStringLiteral("select %1 from %2").arg(names.join(QStringLiteral(", ")), table->name),
        dm.connection().handle());
    if (model.lastError().isValid()) {
        throw StoreError::fromSql(table->name, model.lastError());
    }
    for (int c = 0; c < names.size(); ++c) {
        model.setHeaderData(c, Qt::Horizontal, names[c]);
    }
    TCovExcel writer;
    writer.setDataSet(&model);
    writer.setFileName(arguments[1]);
    writer.setTitle(table->description.isEmpty() ? table->name : table->description);
    writer.setTitleFont(QStringLiteral("黑体"), 18);
    writer.setColumnFormats(formats);
    writer.WriteWorkbook();
    out << QStringLiteral("已导出 %1 行到 %2").arg(model.rowCount()).arg(arguments[1]) << '\n';
    return 0;
}

}  // namespace

namespace ServiceCommands {

std::optional<int> run(const QString& command, const QStringList& arguments,
                       const ProgramHome& home, QTextStream& out, QTextStream& err) {
    try {
        if (command == QLatin1String("lunar")) {
            return lunar(arguments, out, err);
        }
        if (command == QLatin1String("pinyin")) {
            return pinyin(arguments, home, out, err);
        }
        if (command == QLatin1String("export-table")) {
            return exportTable(arguments, home, out, err);
        }
    } catch (const StoreError& e) {
        err << e.message() << '\n';
        return 1;
    } catch (const ServiceError& e) {
        err << e.message() << '\n';
        return 1;
    }
    return std::nullopt;
}

QString usage() {
    return QStringLiteral(
        "lunar YYYY-MM-DD：农历月日；pinyin 文字：拼音简码；export-table 表名 文件：导出数据表");
}

}  // namespace ServiceCommands
