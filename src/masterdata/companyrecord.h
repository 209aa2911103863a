#pragma once

#include <QString>

#include <optional>

class Database;

// The one row of BM_GSXX as the company window shows it, every field as text.
struct CompanyRecord {
    QString GSMC;
    QString DH;
    QString DZ;
    QString LOG;  // background picture, relative to the program folder unless absolute
    QString BF;   // backup folder, ending with "/"
    QString MR_GHS;
    QString MR_GHSMC;
    QString MR_KH;
    QString MR_KHMC;
    QString QXTS;
    QString QXSJ;
    QString XJF;
    QString TZK;  // "0.00"; "1.00" while the row holds none
};

namespace Company {

// The fields in the column order of BM_GSXX, TZK last.
inline constexpr QString CompanyRecord::*kFields[] = {
    &CompanyRecord::GSMC,     &CompanyRecord::DH,    &CompanyRecord::DZ,
    &CompanyRecord::LOG,      &CompanyRecord::BF,    &CompanyRecord::MR_GHS,
    &CompanyRecord::MR_GHSMC, &CompanyRecord::MR_KH, &CompanyRecord::MR_KHMC,
    &CompanyRecord::QXTS,     &CompanyRecord::QXSJ,  &CompanyRecord::XJF,
    &CompanyRecord::TZK,
};

inline constexpr int kMaxPointsAmount = 10000;

// The row as stored, or an empty record (TZK "1.00") while the table is empty.
CompanyRecord load(const Database& db);

// Why the record cannot be stored, or nothing when it can.
std::optional<QString> inputError(const CompanyRecord& record);

// Writes the row, creating it in an empty table. Throws AppError on input
// that inputError refuses and StoreError when the database fails; nothing is
// written then.
void save(const Database& db, const CompanyRecord& record);

enum class PointsAmountCheck { Ok, NotInteger, OutOfRange };
// The amount of spending that earns one point: a whole number from 0 to 10000.
PointsAmountCheck checkPointsAmount(const QString& text);
inline const QString kPointsAmountMessage =
    QStringLiteral("“消费多少元积一分”请输入0至10000之间的整数！");

// The folder with "/" at its end; an empty text stays empty.
QString withTrailingSeparator(const QString& folder);

// The background picture as stored: relative to the program folder when the
// file lies inside it, else its full path, so a picture kept elsewhere is
// still found at the next start.
QString pictureName(const QString& programFolder, const QString& chosenFile);

// The name of the member or supplier with this code, for the default customer
// and supplier boxes.
std::optional<QString> memberName(const Database& db, const QString& code);
std::optional<QString> supplierName(const Database& db, const QString& code);

}  // namespace Company
