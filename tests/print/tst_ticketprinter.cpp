#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "print/printerror.h"
#include "print/ticketprinter.h"
#include "store/decimal2.h"
#include "store/inifile.h"

using namespace TicketPrinter;

namespace {

Report::ReportData order(int lines) {
    Report::ReportData d;
    d.header.set(QStringLiteral("ID"), QStringLiteral("2026121100100001"));
    d.header.set(QStringLiteral("KHBM"), QStringLiteral("K001"));
    d.header.set(QStringLiteral("KHMC"), QStringLiteral("Li"));
    d.header.set(QStringLiteral("ZJE"), QVariant::fromValue(Decimal2::fromCents(123450)));
    d.header.set(QStringLiteral("SS"), QVariant::fromValue(Decimal2::fromCents(100000)));
    d.header.set(QStringLiteral("QK"), QStringLiteral("234.5"));
    d.header.set(QStringLiteral("QX"), QStringLiteral("F"));
    d.lines.fields = {QStringLiteral("SPBM"), QStringLiteral("SPMC"), QStringLiteral("SL"),
                      QStringLiteral("DJ"),   QStringLiteral("JE"),   QStringLiteral("BZ")};
    for (int i = 0; i < lines; ++i) {
        d.lines.rows.append(
            {i == 0 ? QStringLiteral("A01") : QStringLiteral("B%1").arg(i),
             QStringLiteral("婚纱照"), QVariant::fromValue(Decimal2::fromCents(i == 0 ? 150 : 200)),
             QVariant::fromValue(Decimal2::fromCents(9900)),
             QVariant::fromValue(Decimal2::fromCents(14850)), QStringLiteral("加急")});
    }
    return d;
}

QString writeTemplate(const QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath(QStringLiteral("xpjlt.piv"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

}  // namespace

class TestTicketPrinter : public QObject {
    Q_OBJECT

private slots:
    void placeholders_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name and total") << "[khmc,10]|[zje,8]"
                                        << "Li        | 1234.50";
        QTest::newRow("product code") << "[spbm]"
                                      << "A01";
        QTest::newRow("unknown name drops brackets and width") << "[xyz,5]"
                                                               << "xyz";
        QTest::newRow("spaces inside brackets") << "[ khbm , 6 ]."
                                                << "K001  .";
        QTest::newRow("quantity shortest") << "[sl]x[dj,7]=[je]"
                                           << "1.5x  99.00=148.50";
        QTest::newRow("text values") << "[id] [qx] [bz] [spmc]"
                                     << "2026121100100001 F 加急 婚纱照";
        QTest::newRow("payments") << "[ss]/[QK]"
                                  << "1000.00/234.50";
        QTest::newRow("names are case-sensitive") << "[qk]"
                                                  << "qk";
        QTest::newRow("too long keeps the start on the left") << "[khbm,2]"
                                                              << "K0";
        QTest::newRow("too long keeps the end on the right") << "[zje,4]"
                                                             << "4.50";
        QTest::newRow("value is not scanned again") << "[czybm]["
                                                    << "[x][";
        QTest::newRow("no closing bracket") << "合计[zje"
                                            << "合计[zje";
    }
    void placeholders() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const Report::ReportData data = order(1);
        const TicketContext context{&data, 0, QStringLiteral("[x]"), QDateTime::currentDateTime()};
        QCOMPARE(ConverString(line, context), expected);
    }

    // Two title lines, one data line per order line, one footer line.
    void ticketHasTheModeBytesAroundEveryLine() {
        QTemporaryDir dir;
        const IniFile ticket(
            writeTemplate(dir,
                          "[Title]\nCount=2\nT0=[khmc]\nT1=---\n[Data]\nCount=1\n"
                          "D0=[spbm,4][je,8]\n[Footer]\nCount=1\nF0=合计[zje,9]\n"));
        const Report::ReportData data = order(3);
        const TicketContext context{&data, 2, QStringLiteral("01"), QDateTime::currentDateTime()};
        const QByteArray bytes = ticketBytes(ticket, context);
        QVERIFY(bytes.startsWith("\x1c\x26"));
        QVERIFY(bytes.endsWith("\x1c\x2e"));
        const QByteArray body = bytes.mid(2, bytes.size() - 4);
        QCOMPARE(body.count("\r\n"), 6);
        const QStringList lines = QString::fromUtf8(body).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(0, 3), (QStringList{QStringLiteral("Li"), QStringLiteral("---"),
                                               QStringLiteral("A01   148.50")}));
        QCOMPARE(lines[3], QStringLiteral("B1    148.50"));
        // The printer's Chinese mode takes GBK: 合计 is BA CF BC C6.
        QVERIFY(body.endsWith("\xba\xcf\xbc\xc6  1234.50\r\n"));
    }

    void missingCountPrintsNothingOfThatSection() {
        QTemporaryDir dir;
        const IniFile ticket(writeTemplate(dir, "[Title]\nT0=never\n[Data]\nCount=1\nD0=[spbm]\n"));
        const Report::ReportData data = order(2);
        const TicketContext context{&data, 0, {}, QDateTime::currentDateTime()};
        QCOMPARE(ticketBytes(ticket, context), QByteArray("\x1c\x26"
                                                          "A01\r\nB1\r\n\x1c\x2e"));
    }

    // tests/fixtures/print/ticket.bin is the ticket of the shipped template for a
    // three-line order; ZORLIK_REGENERATE_FIXTURES=1 tst_ticketprinter writes it anew.
    void shippedTemplateMatchesTheReference() {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("lp0"));
        QFile(device).open(QIODevice::WriteOnly);
        const IniFile ticket(QStringLiteral(ZORLIK_SOURCE "/resources/home/PrintFormat/xpjlt.piv"));
        const Report::ReportData data = order(3);
        const TicketContext context{&data, 0, QStringLiteral("01"),
                                    QDateTime(QDate(2026, 12, 11), QTime(9, 30))};
        PrintXP(ticket, context, device);
        QFile written(device);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.startsWith("\x1c\x26"));
        QFile reference(QStringLiteral(ZORLIK_SOURCE "/tests/fixtures/print/ticket.bin"));
        if (qEnvironmentVariableIsSet("ZORLIK_REGENERATE_FIXTURES")) {
            QVERIFY(reference.open(QIODevice::WriteOnly));
            reference.write(bytes);
            return;
        }
        QVERIFY(reference.open(QIODevice::ReadOnly));
        QCOMPARE(bytes, reference.readAll());
    }

    void unopenablePortIsAnError() {
        QTemporaryDir dir;
        const IniFile ticket(writeTemplate(dir, "[Title]\nCount=1\nT0=x\n"));
        const Report::ReportData data = order(1);
        const TicketContext context{&data, 0, {}, QDateTime::currentDateTime()};
        QVERIFY_THROWS_EXCEPTION(PrintError,
                                 PrintXP(ticket, context, dir.filePath(QStringLiteral("no/lp0"))));
    }
};

QTEST_GUILESS_MAIN(TestTicketPrinter)
#include "tst_ticketprinter.moc"
