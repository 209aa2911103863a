#include "services/xlsworkbook.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

#include "services/compounddocument.h"
#include "services/serviceerror.h"

namespace {

constexpr int kMaxRecordData = 8224;

// Cell formats (XF) after the 15 style formats and the default cell format.
constexpr quint16 kTitleXf = 16;
constexpr quint16 kFirstTableXf = 17;  // + CellFormat
constexpr quint16 kFirstCustomFormat = 164;
constexpr std::array<CellFormat, 6> kTableFormats{CellFormat::None,    CellFormat::Date,
                                                  CellFormat::Time,    CellFormat::Decimal,
                                                  CellFormat::Integer, CellFormat::Text};

quint16 tableXf(CellFormat format) {
    return kFirstTableXf + static_cast<quint16>(format);
}

// Number format index of a format; 0 is General.
quint16 numberFormatIndex(CellFormat format) {
    return format == CellFormat::None ? 0 : kFirstCustomFormat + static_cast<quint16>(format) - 1;
}

class Bytes {
public:
    void u8(quint8 v) { data_.append(static_cast<char>(v)); }
    void u16(quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        data_.append(b, 2);
    }
    void u32(quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        data_.append(b, 4);
    }
    void f64(double v) {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        char b[8];
        qToLittleEndian(bits, b);
        data_.append(b, 8);
    }
    void utf16(const QString& text) {
        for (const QChar c : text) {
            u16(c.unicode());
        }
    }
    // Length-prefixed text, always stored as UTF-16.
    void shortString(const QString& text) {
        u8(static_cast<quint8>(text.size()));
        u8(1);
        utf16(text);
    }
    void longString(const QString& text) {
        u16(static_cast<quint16>(text.size()));
        u8(1);
        utf16(text);
    }
    const QByteArray& data() const { return data_; }
    qsizetype size() const { return data_.size(); }

private:
    QByteArray data_;
};

void record(QByteArray& out, quint16 id, const QByteArray& data) {
    char head[4];
    qToLittleEndian(id, head);
    qToLittleEndian(static_cast<quint16>(data.size()), head + 2);
    out.append(head, 4);
    out.append(data);
}

QByteArray bof(quint16 kind) {
    Bytes b;
    b.u16(0x0600);
    b.u16(kind);
    b.u16(0x0DBB);
    b.u16(0x07CC);
    b.u32(0);
    b.u32(0x00000006);
    return b.data();
}

QByteArray font(const QString& name, int points) {
    Bytes b;
    b.u16(static_cast<quint16>(points * 20));
    b.u16(0);
    b.u16(0x7FFF);
    b.u16(400);
    b.u16(0);
    b.u8(0);
    b.u8(0);
    b.u8(1);  // default character set: the reader picks one that has the glyphs
    b.u8(0);
    b.shortString(name.left(255));
    return b.data();
}

// fStyle marks the 15 style formats; a cell format names the attributes it sets.
QByteArray xf(quint16 fontIndex, quint16 numberFormat, bool style, quint8 alignment,
              bool bordered) {
    Bytes b;
    b.u16(fontIndex);
    b.u16(numberFormat);
    b.u16(style ? 0xFFF5 : 0x0001);
    b.u8(alignment);
    b.u8(0);
    b.u8(0);
    b.u8(style ? 0x00 : 0xF8);
    constexpr quint32 thin = 1;
    constexpr quint32 black = 8;
    if (bordered) {
        b.u32(thin | thin << 4 | thin << 8 | thin << 12 | black << 16 | black << 23);
        b.u32(black | black << 7);
    } else {
        b.u32(0);
        b.u32(0);
    }
    b.u16(0x40 | 0x41 << 7);
    return b.data();
}

constexpr quint8 kBottom = 2 << 4;
constexpr quint8 kCentred = 2 | 1 << 4;

// The shared string table, split into CONTINUE records where it grows past
// the record limit; a string split there goes on with its flag byte repeated.
void stringTable(QByteArray& out, const QList<QString>& strings, quint32 uses) {
    QList<QByteArray> parts;
    Bytes first;
    first.u32(uses);
    first.u32(static_cast<quint32>(strings.size()));
    QByteArray current = first.data();
    for (const QString& text : strings) {
        if (current.size() + 5 > kMaxRecordData) {
            parts.append(current);
            current.clear();
        }
        Bytes head;
        head.u16(static_cast<quint16>(text.size()));
        head.u8(1);
        current.append(head.data());
        qsizetype done = 0;
        while (done < text.size()) {
            const qsizetype room = (kMaxRecordData - current.size()) / 2;
            if (room == 0) {
                parts.append(current);
                current = QByteArray(1, '\x01');
                continue;
            }
            const qsizetype take = std::min(room, text.size() - done);
            Bytes chars;
            chars.utf16(text.mid(done, take));
            current.append(chars.data());
            done += take;
        }
    }
    parts.append(current);
    record(out, 0x00FC, parts.first());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        record(out, 0x003C, parts[i]);
    }
}

}  // namespace

XlsWorkbook::XlsWorkbook(QString fileName) : fileName_(std::move(fileName)) {}

quint32 XlsWorkbook::stringIndex(const QString& text) {
    ++stringUses_;
    const auto found = stringIds_.constFind(text);
    if (found != stringIds_.constEnd()) {
        return *found;
    }
    const auto id = static_cast<quint32>(strings_.size());
    strings_.append(text);
    stringIds_.insert(text, id);
    return id;
}

void XlsWorkbook::writeTitle(const QString& title, int columns, const QString& fontName,
                             int fontSize) {
    titleFontName_ = fontName;
    titleFontSize_ = fontSize;
    titleColumns_ = columns;
    for (int c = 0; c < columns; ++c) {
        writeCell(0, c, c == 0 ? SheetCell::ofText(title) : SheetCell{}, CellFormat::None);
    }
}

void XlsWorkbook::writeCell(int row, int column, const SheetCell& cell, CellFormat format) {
    if (row >= MaxSheetRows(SheetFileType::Xls) || column > 255) {
        throw ServiceError(QStringLiteral(".xls 文件最多 65536 行、256 列。"));
    }
    rows_ = std::max(rows_, row + 1);
    columns_ = std::max(columns_, column + 1);
    const quint16 xfIndex = row == 0 ? kTitleXf : tableXf(format);
    Bytes b;
    b.u16(static_cast<quint16>(row));
    b.u16(static_cast<quint16>(column));
    b.u16(xfIndex);
    switch (cell.kind) {
        case SheetCell::Kind::Blank:
            record(cells_, 0x0201, b.data());
            break;
        case SheetCell::Kind::Number:
            b.f64(cell.number);
            record(cells_, 0x0203, b.data());
            break;
        case SheetCell::Kind::Text:
            // A cell holds at most 32,767 characters.
            b.u32(stringIndex(cell.text.left(32767)));
            record(cells_, 0x00FD, b.data());
            break;
    }
}

void XlsWorkbook::setColumnWidth(int column, int characters) {
    widths_.insert(column, characters);
}

QByteArray XlsWorkbook::globals(quint32 sheetOffset) const {
    QByteArray out;
    record(out, 0x0809, bof(0x0005));
    {
        Bytes b;
        b.u16(1200);  // UTF-16
        record(out, 0x0042, b.data());
    }
    {
        Bytes b;
        for (quint16 v : {0, 0, 0x4000, 0x2000, 0x0038, 0, 0, 1, 0x0258}) {
            b.u16(v);
        }
        record(out, 0x003D, b.data());
    }
    // Fonts 0 to 3 are the defaults; index 4 is never used, so the title is 5.
    for (int i = 0; i < 4; ++i) {
        record(out, 0x0031, font(QStringLiteral("宋体"), 11));
    }
    record(out, 0x0031,
           font(titleFontName_.isEmpty() ? QStringLiteral("宋体") : titleFontName_,
                titleFontSize_ > 0 ? titleFontSize_ : 11));
    for (const CellFormat format : kTableFormats) {
        if (format == CellFormat::None) {
            continue;
        }
        Bytes b;
        b.u16(numberFormatIndex(format));
        b.longString(FormatCode(format));
        record(out, 0x041E, b.data());
    }
    for (int i = 0; i < 15; ++i) {
        record(out, 0x00E0, xf(0, 0, true, kBottom, false));
    }
    record(out, 0x00E0, xf(0, 0, false, kBottom, false));
    record(out, 0x00E0, xf(5, 0, false, kCentred, false));
    for (const CellFormat format : kTableFormats) {
        record(out, 0x00E0, xf(0, numberFormatIndex(format), false, kBottom, true));
    }
    {
        Bytes b;
        b.u16(0x8000);
        b.u8(0);
        b.u8(0xFF);
        record(out, 0x0293, b.data());
    }
    {
        Bytes b;
        b.u32(sheetOffset);
        b.u8(0);
        b.u8(0);
        b.shortString(QStringLiteral("Sheet1"));
        record(out, 0x0085, b.data());
    }
    stringTable(out, strings_, stringUses_);
    record(out, 0x000A, {});
    return out;
}

QByteArray XlsWorkbook::sheetStream() const {
    QByteArray out;
    record(out, 0x0809, bof(0x0010));
    {
        Bytes b;
        b.u32(0);
        b.u32(static_cast<quint32>(rows_));
        b.u16(0);
        b.u16(static_cast<quint16>(columns_));
        b.u16(0);
        record(out, 0x0200, b.data());
    }
    for (auto it = widths_.constBegin(); it != widths_.constEnd(); ++it) {
        Bytes b;
        b.u16(static_cast<quint16>(it.key()));
        b.u16(static_cast<quint16>(it.key()));
        b.u16(static_cast<quint16>(std::clamp(it.value(), 1, 255) * 256));
        b.u16(15);
        b.u16(0);
        b.u16(0);
        record(out, 0x007D, b.data());
    }
    if (titleColumns_ > 0) {
        // The title row is as tall as its font needs.
        Bytes b;
        b.u16(0);
        b.u16(0);
        b.u16(static_cast<quint16>(titleColumns_));
        b.u16(static_cast<quint16>(std::max(titleFontSize_, 11) * 20 * 3 / 2));
        b.u16(0);
        b.u16(0);
        b.u16(0x0140);
        b.u16(0x000F);
        record(out, 0x0208, b.data());
    }
    out.append(cells_);
    {
        Bytes b;
        b.u16(0x06B6);
        b.u16(0);
        b.u16(0);
        b.u32(0x40);
        b.u16(0);
        b.u16(0);
        b.u32(0);
        record(out, 0x023E, b.data());
    }
    if (titleColumns_ > 1) {
        Bytes b;
        b.u16(1);
        b.u16(0);
        b.u16(0);
        b.u16(0);
        b.u16(static_cast<quint16>(titleColumns_ - 1));
        record(out, 0x00E5, b.data());
    }
    record(out, 0x000A, {});
    return out;
}

void XlsWorkbook::finish() {
    // The sheet's position is part of the globals, whose size does not depend on it.
    const auto sheetOffset = static_cast<quint32>(globals(0).size());
    QByteArray stream = globals(sheetOffset);
    stream.append(sheetStream());
    WriteCompoundDocument(fileName_, QStringLiteral("Workbook"), std::move(stream));
}
