#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "store/inifile.h"
#include "store/storeerror.h"

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

const QByteArray kSample =
    "; workstation settings\r\n"
    "[DL]\r\n"
    "User = sa\r\n"
    "mm=\"123\"\r\n"
    "srtx=T\r\n"
    "\r\n"
    "[xsd]\r\n"
    "; print settings\r\n"
    "yl=T\r\n"
    "yl=F\r\n"
    "\r\n"
    "[dl]\r\n"
    "cs=99\r\n";

}  // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;

private slots:
    void init() {
        path_ = dir_.filePath(QStringLiteral("Default.ini"));
        QFile::remove(path_);
    }

    void readsWithoutRegardToCase_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as written") << "DL"
                                    << "User"
                                    << "sa";
        QTest::newRow("other case") << "dl"
                                    << "USER"
                                    << "sa";
        QTest::newRow("quotes dropped") << "dl"
                                        << "mm"
                                        << "123";
        QTest::newRow("first of two keys") << "XSD"
                                           << "yl"
                                           << "T";
        QTest::newRow("only the first section counts") << "dl"
                                                       << "cs"
                                                       << "default";
        QTest::newRow("missing key") << "dl"
                                     << "bcmm"
                                     << "default";
        QTest::newRow("missing section") << "dbdz"
                                         << "sfdz"
                                         << "default";
        QTest::newRow("comment is no key") << "xsd"
                                           << "; print settings"
                                           << "default";
    }
    void readsWithoutRegardToCase() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeBytes(path_, kSample);
        const IniFile ini(path_);
        QCOMPARE(ini.readString(section, key, QStringLiteral("default")), expected);
    }

    void missingFileReadsAsDefaults() {
        const IniFile ini(path_);
        QCOMPARE(ini.readString(QStringLiteral("dl"), QStringLiteral("user"), QStringLiteral("sa")),
                 QStringLiteral("sa"));
        QCOMPARE(ini.readInteger(QStringLiteral("dl"), QStringLiteral("cs"), 0), 0);
        QVERIFY(!QFile::exists(path_));
    }

    void readIntegerFallsBackOnText() {
        writeBytes(path_, "[dl]\ncs=abc\nn=12\n");
        const IniFile ini(path_);
        QCOMPARE(ini.readInteger(QStringLiteral("dl"), QStringLiteral("cs"), 5), 5);
        QCOMPARE(ini.readInteger(QStringLiteral("dl"), QStringLiteral("n"), 5), 12);
    }

    void readsGbkAndUtf8_data() {
        QTest::addColumn<QByteArray>("bytes");
        QStringEncoder gbk("GBK");
        QVERIFY(gbk.isValid());
        const QString text = QStringLiteral("[dxqf]\nT_SRLR=祝您生日快乐\n");
        QTest::newRow("gbk") << QByteArray(gbk.encode(text));
        QTest::newRow("utf-8") << text.toUtf8();
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF" + text.toUtf8());
    }
    void readsGbkAndUtf8() {
        QFETCH(QByteArray, bytes);
        writeBytes(path_, bytes);
        const IniFile ini(path_);
        QCOMPARE(ini.readString(QStringLiteral("DXQF"), QStringLiteral("t_srlr"), QString()),
                 QStringLiteral("祝您生日快乐"));
    }

    void writeKeepsEveryOtherLine() {
        writeBytes(path_, kSample);
        IniFile ini(path_);
        ini.writeString(QStringLiteral("dl"), QStringLiteral("USER"), QStringLiteral("张三"));
        QByteArray expected = kSample;
        expected.replace("User = sa", "User = 张三");
        QCOMPARE(QString::fromUtf8(readBytes(path_)), QString::fromUtf8(expected));
        QCOMPARE(ini.readString(QStringLiteral("dl"), QStringLiteral("user"), QString()),
                 QStringLiteral("张三"));
    }

    void writeAddsKeysAndSections() {
        writeBytes(path_, "[dl]\nuser=sa\n\n[xsd]\nyl=T\n");
        IniFile ini(path_);
        ini.writeString(QStringLiteral("DL"), QStringLiteral("cs"), QStringLiteral("1"));
        ini.writeString(QStringLiteral("dbdz"), QStringLiteral("sfdz"), QStringLiteral("F"));
        QCOMPARE(readBytes(path_),
                 QByteArray("[dl]\nuser=sa\ncs=1\n\n[xsd]\nyl=T\n\n[dbdz]\nsfdz=F\n"));
    }

    void writeCreatesAMissingFileOwnerOnly() {
        IniFile ini(path_);
        ini.writeInteger(QStringLiteral("dl"), QStringLiteral("cs"), 3);
        QCOMPARE(readBytes(path_), QByteArray("[dl]\ncs=3\n"));
        QCOMPARE(QFile::permissions(path_) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
    }

    void writeRereadsTheFileFirst() {
        IniFile first(path_);
        IniFile second(path_);
        first.writeString(QStringLiteral("dl"), QStringLiteral("user"), QStringLiteral("a"));
        second.writeString(QStringLiteral("dl"), QStringLiteral("mm"), QStringLiteral("b"));
        const IniFile reread(path_);
        QCOMPARE(reread.readString(QStringLiteral("dl"), QStringLiteral("user"), QString()),
                 QStringLiteral("a"));
        QCOMPARE(reread.readString(QStringLiteral("dl"), QStringLiteral("mm"), QString()),
                 QStringLiteral("b"));
    }

    void writeRewritesAGbkFileAsUtf8() {
        QStringEncoder gbk("GBK");
        writeBytes(path_, gbk.encode(QStringLiteral("[dc]\ntlj=a\n[dxqf]\nts=您好\n")));
        IniFile ini(path_);
        ini.writeString(QStringLiteral("dc"), QStringLiteral("tlj"), QStringLiteral("b"));
        QCOMPARE(QString::fromUtf8(readBytes(path_)),
                 QStringLiteral("[dc]\ntlj=b\n[dxqf]\nts=您好\n"));
    }

    void unwritableFolderIsReported() {
        // A regular file where the folder should be: even root cannot write there.
        const QString notAFolder = dir_.filePath(QStringLiteral("blocker"));
        writeBytes(notAFolder, "x");
        IniFile ini(notAFolder + QStringLiteral("/Default.ini"));
        QVERIFY_THROWS_EXCEPTION(
            StoreError,
            ini.writeString(QStringLiteral("dl"), QStringLiteral("user"), QStringLiteral("sa")));
        QCOMPARE(readBytes(notAFolder), QByteArray("x"));
    }

    void unreadableFileIsReported() {
        const QString folder = dir_.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY_THROWS_EXCEPTION(StoreError, IniFile{folder});
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
