#include "cli/democommand.h"

#include <QDate>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "services/pinyin.h"
#include "store/database.h"
#include "store/datamodule.h"
#include "store/decimal2.h"
#include "store/passwordhash.h"
#include "store/storeerror.h"
#include "store/transaction.h"

namespace {

// Rows every new database is delivered with; they do not count as data.
struct FilledTable {
    const char* table;
    const char* deliveredCondition;
};
const FilledTable kDemoTables[] = {
    {"BM_KH", "BM <> '999'"}, {"BM_KHJB", nullptr},      {"BM_SPLB", nullptr},
    {"BM_SP", nullptr},       {"BM_TXLB", nullptr},      {"BM_TX", nullptr},
    {"BM_YG", "BM <> '000'"}, {"BM_GHS", "BM <> '001'"}, {"BM_XM", nullptr},
    {"BM_JFSP", nullptr},     {"xsd_zb", nullptr},
};

const QString kDemoPassword = QStringLiteral("123456");

QVariant money(std::int64_t yuan) {
    return QVariant::fromValue(Decimal2::fromUnits(yuan));
}

QVariant factor(std::int64_t hundredths) {
    return QVariant::fromValue(Decimal2::fromCents(hundredths));
}

// What already holds rows, as "BM_KH（12 行）".
QStringList tablesWithData(const Database& db) {
    QStringList found;
    for (const FilledTable& t : kDemoTables) {
        QString sql = QStringLiteral("select count(*) from %1").arg(QString::fromLatin1(t.table));
        if (t.deliveredCondition) {
            sql += QStringLiteral(" where ") + QString::fromLatin1(t.deliveredCondition);
        }
        const qlonglong rows = db.value(sql).toLongLong();
        if (rows > 0) {
            found << QStringLiteral("%1（%2 行）").arg(QString::fromLatin1(t.table)).arg(rows);
        }
    }
    return found;
}

// An EAN-13 code from twelve digits and its check digit.
QString ean13(const QString& twelve) {
    int sum = 0;
    for (int i = 0; i < 12; ++i) {
        sum += twelve[i].digitValue() * (i % 2 ? 3 : 1);
    }
    return twelve + QString::number((10 - sum % 10) % 10);
}

void insertCompany(const Database& db) {
    db.exec(QStringLiteral("update BM_GSXX set GSMC = ?, DH = ?, DZ = ?, XJF = ?, QXTS = ?"),
            {QStringLiteral("Zorlik婚纱摄影（演示）"), QStringLiteral("0571-88886666"),
             QStringLiteral("杭州市西湖区文三路 88 号"), 10, 15});
}

struct Level {
    const char* code;
    const char* name;
    int discount;  // hundredths
    int fromPoints;
    int toPoints;  // 0: no upper end
    const char* priceLevel;
};
const Level kLevels[] = {
    {"01", "普通会员", 100, 0, 1000, "原价"},     {"02", "银卡会员", 95, 1000, 3000, "售价一"},
    {"03", "金卡会员", 90, 3000, 8000, "售价二"}, {"04", "钻石会员", 85, 8000, 20000, "售价三"},
    {"05", "至尊会员", 80, 20000, 0, "售价四"},
};

void insertLevels(const Database& db) {
    for (const Level& l : kLevels) {
        db.exec(QStringLiteral("insert into BM_KHJB (BM, MC, ZK, QJF, ZJF) values (?, ?, ?, ?, ?)"),
                {QString::fromUtf8(l.code), QString::fromUtf8(l.name), factor(l.discount),
                 money(l.fromPoints), money(l.toPoints)});
    }
}

void insertMembers(const Database& db, PinyinDictionary& pinyin) {
    const QStringList surnames =
        QStringLiteral("王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 林 罗 高")
            .split(QLatin1Char(' '));
    const QStringList givenNames =
        QStringLiteral(
            "晓 婷 静 丽 敏 强 伟 芳 娜 磊 洋 艳 勇 军 杰 娟 涛 明 超 秀英 "
            "欣怡 子涵 雨桐 思远 浩然 梓萱 佳琪 俊杰 嘉怡 宇轩")
            .split(QLatin1Char(' '));
    const QDate joined(2024, 3, 1);
    const QDate firstWedding(2026, 5, 1);
    for (int i = 0; i < 60; ++i) {
        const QString name =
            surnames[i % surnames.size()] + givenNames[(i * 7) % givenNames.size()];
        const Level& level = kLevels[i % 10 < 4 ? 0 : i % 10 < 7 ? 1 : i % 10 < 9 ? 2 : 3 + i % 2];
        const int points = level.fromPoints + (i * 137) % 900;
        const int redeemed = i % 6 == 0 ? 200 : 0;
        db.exec(
            QStringLiteral("insert into BM_KH (BM, MC, KH, XB, DH, SR, HQ, RQ, JP, JG, JB, ZK, "
                           "ZJF, DXJF, SYJF, LJXF, ZHQK, ZHYE, TSJ, DZ) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0')),
             name,
             QStringLiteral("VIP%1").arg(8001 + i),
             i % 3 == 0 ? "男" : "女",
             QStringLiteral("13%1%2").arg(5 + i % 5).arg((i * 7919 + 1234567) % 100000000, 8, 10,
                                                         QLatin1Char('0')),
             QDate(1988 + i % 10, 1 + i % 12, 1 + (i * 3) % 28),
             firstWedding.addDays(i * 5),
             joined.addDays(i * 11),
             PinyinInitials(pinyin, name),
             QString::fromUtf8(level.priceLevel),
             QString::fromUtf8(level.name),
             factor(level.discount),
             money(points),
             money(redeemed),
             money(points - redeemed),
             money(points * 10),
             money(0),
             money(i % 4 == 0 ? 2000 : 0),
             true,
             QStringLiteral("杭州市")});
    }
}

struct Category {
    const char* code;
    const char* name;
    const char* pointsRule;
};
const Category kCategories[] = {
    {"01", "摄影套餐", "10"}, {"02", "婚纱礼服", "10"}, {"03", "化妆造型", "20"},
    {"04", "相册相框", "10"}, {"05", "场地布置", "20"}, {"06", "婚礼跟拍", "10"},
};

struct Product {
    int category;  // index into kCategories
    const char* name;
    const char* unit;
    int price;  // retail price in yuan
    int stock;  // counted in stock when above 0
};
const Product kProducts[] = {
    {0, "韩式唯美婚纱照", "套", 3999, 0},
    {0, "法式浪漫婚纱照", "套", 5999, 0},
    {0, "中式古典婚纱照", "套", 4599, 0},
    {0, "海景旅拍套餐", "套", 8999, 0},
    {0, "森系外景套餐", "套", 6599, 0},
    {0, "简约室内套餐", "套", 2999, 0},
    {0, "全家福套餐", "套", 1299, 0},
    {0, "情侣写真套餐", "套", 1999, 0},
    {1, "蕾丝拖尾婚纱", "件", 2800, 0},
    {1, "齐地婚纱租赁", "次", 800, 0},
    {1, "秀禾服租赁", "次", 1200, 0},
    {1, "男士礼服租赁", "次", 600, 0},
    {1, "伴娘服", "件", 380, 20},
    {1, "头纱", "件", 160, 35},
    {1, "新娘手捧花", "束", 260, 0},
    {1, "婚鞋", "双", 420, 12},
    {2, "新娘跟妆（全天）", "次", 1880, 0},
    {2, "新娘晨妆", "次", 880, 0},
    {2, "伴娘妆", "次", 280, 0},
    {2, "妈妈妆", "次", 380, 0},
    {2, "发饰套装", "套", 198, 40},
    {2, "造型更换", "次", 200, 0},
    {3, "水晶相册 12 寸", "本", 1280, 15},
    {3, "实木相框 24 寸", "个", 680, 25},
    {3, "放大照 36 寸", "张", 560, 0},
    {3, "迷你相册", "本", 260, 30},
    {3, "摆台 7 寸", "个", 120, 60},
    {3, "电子相册 U 盘", "个", 199, 50},
    {3, "精修加片", "张", 50, 0},
    {4, "鲜花拱门", "套", 2600, 0},
    {4, "路引花柱", "组", 880, 0},
    {4, "签到台布置", "套", 680, 0},
    {4, "舞台背景", "套", 3800, 0},
    {4, "气球布置", "套", 580, 0},
    {4, "桌花", "个", 120, 0},
    {5, "婚礼摄影（双机位）", "场", 2999, 0},
    {5, "婚礼摄像（微电影）", "场", 4999, 0},
    {5, "航拍", "场", 1500, 0},
    {5, "主持人", "场", 2200, 0},
    {5, "婚礼督导", "场", 1200, 0},
};

// Each price level one step lower than the one before, in whole yuan.
std::int64_t levelPrice(int retail, int level) {
    static const int percent[] = {100, 95, 90, 88, 85, 80};
    return (std::int64_t(retail) * percent[level] + 50) / 100;
}

void insertCatalogue(const Database& db, PinyinDictionary& pinyin) {
    for (const Category& c : kCategories) {
        db.exec(QStringLiteral("insert into BM_SPLB (BM, MC, JFGZ) values (?, ?, ?)"),
                {QString::fromUtf8(c.code), QString::fromUtf8(c.name),
                 QString::fromUtf8(c.pointsRule)});
    }
    int sequence[std::size(kCategories)] = {};
    int n = 0;
    for (const Product& p : kProducts) {
        const Category& c = kCategories[p.category];
        const QString code =
            QString::fromUtf8(c.code) +
            QStringLiteral("%1").arg(++sequence[p.category], 4, 10, QLatin1Char('0'));
        const QString name = QString::fromUtf8(p.name);
        const std::int64_t cost = (std::int64_t(p.price) * 45 + 50) / 100;
        const bool counted = p.stock > 0;
        db.exec(
            QStringLiteral("insert into BM_SP (BM, MC, MJ, SLHS, TXM, DW, TDZ, TJF, KCSL, CBJJ, "
                           "KCJE, JJ, LSJ, SJ1, SJ2, SJ3, SJ4, SJ5, JP, LB, JFGZ) values "
                           "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {code,
             name,
             money(0),
             counted,
             ean13(QStringLiteral("6923%1").arg(100000 + n * 37, 8, 10, QLatin1Char('0'))),
             QString::fromUtf8(p.unit),
             true,
             true,
             money(p.stock),
             money(counted ? cost : 0),
             money(counted ? cost * p.stock : 0),
             money(cost),
             money(levelPrice(p.price, 0)),
             money(levelPrice(p.price, 1)),
             money(levelPrice(p.price, 2)),
             money(levelPrice(p.price, 3)),
             money(levelPrice(p.price, 4)),
             money(levelPrice(p.price, 5)),
             PinyinInitials(pinyin, name),
             QString::fromUtf8(c.code),
             QString::fromUtf8(c.pointsRule)});
        ++n;
    }
}

void insertPackageSeries(const Database& db) {
    struct Row {
        const char* series;
        const char* product;
        int quantity;
    };
    db.exec(QStringLiteral("insert into BM_TXLB (BM, MC) values (?, ?), (?, ?)"),
            {QStringLiteral("01"), QStringLiteral("经典婚礼全包"), QStringLiteral("02"),
             QStringLiteral("轻奢婚纱照套系")});
    const Row rows[] = {
        {"01", "060001", 1}, {"01", "060002", 1}, {"01", "050001", 1}, {"01", "030001", 1},
        {"01", "060004", 1}, {"02", "010002", 1}, {"02", "040001", 1}, {"02", "040002", 2},
    };
    for (const Row& r : rows) {
        QSqlQuery product = db.exec(QStringLiteral("select MC, LSJ from BM_SP where BM = ?"),
                                    {QString::fromUtf8(r.product)});
        product.next();
        db.exec(QStringLiteral("insert into BM_TX (BM, MC, SL, DJ, LB) values (?, ?, ?, ?, ?)"),
                {QString::fromUtf8(r.product), product.value(0).toString(), money(r.quantity),
                 QVariant::fromValue(Decimal2::fromVariant(product.value(1))),
                 QString::fromUtf8(r.series)});
    }
}

void insertEmployees(const Database& db) {
    struct Employee {
        const char* code;
        const char* name;
        const char* login;  // empty: not an operator
        const char* department;
        const char* menuRights;  // QX1..QX4 alike; "" allows every entry, "null" none
        const char* otherRights;
    };
    const Employee employees[] = {
        {"001", "林婉清", "lin", "店长", "", "QX-10,11,12,13,14,15,16,17,18,"},
        {"002", "周小雅", "zhou", "前台", "", "QX-10,15,"},
        {"003", "陈志远", "", "摄影部", "null", "QX-"},
        {"004", "吴思琪", "", "化妆部", "null", "QX-"},
        {"005", "何俊杰", "", "摄像部", "null", "QX-"},
        {"006", "许嘉怡", "", "设计部", "null", "QX-"},
    };
    const QString hash = PasswordHash::make(kDemoPassword);
    int n = 0;
    for (const Employee& e : employees) {
        const QString login = QString::fromUtf8(e.login);
        const QString rights = QString::fromUtf8(e.menuRights);
        db.exec(QStringLiteral("insert into BM_YG (BM, MC, DLMC, MM, ZW, DH, QX1, QX2, QX3, QX4, "
                               "QXQT) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {QString::fromUtf8(e.code), QString::fromUtf8(e.name),
                 login.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(login),
                 login.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(hash),
                 QString::fromUtf8(e.department), QStringLiteral("1860571%1").arg(1001 + n++),
                 rights, rights, rights, rights, QString::fromUtf8(e.otherRights)});
    }
}

void insertSuppliersAndItems(const Database& db) {
    db.exec(QStringLiteral("insert into BM_GHS (BM, MC, LXR, DH, DZ) values "
                           "(?, ?, ?, ?, ?), (?, ?, ?, ?, ?), (?, ?, ?, ?, ?)"),
            {"002", "金彩相册制品厂", "黄经理", "0579-85551234", "义乌市工业园区", "003",
             "花样年华鲜花批发", "刘小姐", "13957112345", "杭州市花鸟市场", "004", "丽人婚纱礼服",
             "郑先生", "0512-66778899", "苏州市虎丘婚纱城"});
    db.exec(QStringLiteral("insert into BM_XM (BM, MC, SZ) values (?, ?, ?), (?, ?, ?), "
                           "(?, ?, ?), (?, ?, ?), (?, ?, ?), (?, ?, ?)"),
            {"01", "场地租金", true, "02", "水电费", true, "03", "员工工资", true, "04", "广告费",
             true, "11", "押金收入", false, "12", "其他收入", false});
}

void insertPointsGoods(const Database& db) {
    db.exec(QStringLiteral("insert into BM_JFSP (BM, MC, XH, DW, KCSL, JF) values "
                           "(?, ?, ?, ?, ?, ?), (?, ?, ?, ?, ?, ?), (?, ?, ?, ?, ?, ?), "
                           "(?, ?, ?, ?, ?, ?)"),
            {"J001", "定制情侣抱枕",   "40cm", "个", money(30),  money(500),
             "J002", "水晶摆台",       "6 寸", "个", money(20),  money(800),
             "J003", "精修照片 10 张", "",     "套", money(100), money(300),
             "J004", "结婚纪念日写真", "",     "次", money(10),  money(2000)});
}

}  // namespace

namespace CliCommands {

int demo(const ProgramHome& home, QTextStream& out, QTextStream& err) {
    TDM_CS dm(home);
    try {
        home.createLayout();
        dm.openConnection(true);
        const Database& db = dm.connection();
        const QStringList filled = tablesWithData(db);
        if (!filled.isEmpty()) {
            err << QStringLiteral("程序目录中已有数据，演示数据只装入空的账套：")
                << filled.join(QStringLiteral("、")) << '\n';
            return 1;
        }
        PinyinDictionary pinyin(db);
        db.transact([&] {
            insertCompany(db);
            insertLevels(db);
            insertMembers(db, pinyin);
            insertCatalogue(db, pinyin);
            insertPackageSeries(db);
            insertEmployees(db);
            insertSuppliersAndItems(db);
            insertPointsGoods(db);
        });
    } catch (const AppError& e) {
        err << e.message() << '\n';
        return 1;
    }
    out << QStringLiteral("已装入演示数据：") << home.root() << '\n'
        << QStringLiteral("登录：sa（系统管理员，密码 %1），或 lin（店长）、zhou（前台），密码 %2")
               .arg(QString::fromLatin1(PasswordHash::kDefaultPassword), kDemoPassword)
        << '\n';
    return 0;
}

}  // namespace CliCommands
