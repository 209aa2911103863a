#pragma once

#include "widgets/ui/masterlistwindow.h"

class MemberCodeColumn;

// 会员级别: the bands of total points and the discount factor of each.
class TBM_KHJB : public MasterListWindow {
    Q_OBJECT

public:
    explicit TBM_KHJB(const Database& db, QWidget* parent = nullptr);

private:
    MemberCodeColumn* codeRules_ = nullptr;
};
