#pragma once

#include <memory>

#include "widgets/ui/masterlistwindow.h"

class QComboBox;
class QLineEdit;
class MemberCodeColumn;
class PinyinDictionary;

// 会员资料: every member but the walk-in customer, edited in the grid and
// written by 保存; the counts per level, the members who joined lately and
// the regeneration of the pinyin initials.
class TBM_KH : public MasterListWindow {
    Q_OBJECT

public:
    explicit TBM_KH(const Database& db, QWidget* parent = nullptr);
    ~TBM_KH() override;

    QComboBox* countBox() const { return countBox_; }
    QLineEdit* dayBox() const { return dayBox_; }

    // "查询": the members who joined in the days of the day box.
    void showRecentMembers();
    // "简拼[&J]": the initials of every row from its name, pending until saved.
    void regenerateInitials();

signals:
    // The operator holds the right and asks to correct this member's points.
    void pointsCorrectionRequested(const QString& memberCode);

private:
    void refreshCounts();
    void correctPoints();

    const Database& db_;
    MemberCodeColumn* codeRules_ = nullptr;
    std::unique_ptr<PinyinDictionary> pinyin_;
    QComboBox* countBox_ = nullptr;
    QLineEdit* dayBox_ = nullptr;
};
