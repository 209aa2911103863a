#include "print/reporttemplate.h"

namespace Report {

QPageLayout PageSetup::layout() const {
    return QPageLayout(QPageSize(paper), orientation, margins, QPageLayout::Millimeter);
}

const ReportBand* ReportTemplate::band(BandKind kind) const {
    for (const ReportBand& b : bands) {
        if (b.kind == kind) {
            return &b;
        }
    }
    return nullptr;
}

QString bandKindName(BandKind kind) {
    switch (kind) {
        case BandKind::ReportTitle:
            return QStringLiteral("报表标题");
        case BandKind::PageHeader:
            return QStringLiteral("页眉");
        case BandKind::ColumnHeader:
            return QStringLiteral("列标题");
        case BandKind::MasterData:
            return QStringLiteral("主数据");
        case BandKind::PageFooter:
            return QStringLiteral("页脚");
        case BandKind::Summary:
            return QStringLiteral("汇总");
    }
    return {};
}

}  // namespace Report
