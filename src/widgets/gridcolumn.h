#pragma once

#include <QString>
#include <QStringList>

// What a grid shows under a column.
enum class FooterKind {
    None,
    Text,      // footerText as it stands ("合 计：")
    RowCount,  // footerText with %1 replaced by the number of rows ("合计:(%1条)")
    Sum,       // the column's sum, two places
};

// One column of a list or document grid: which field of the model, how it is
// captioned and edited, and what its footer shows.
struct GridColumn {
    QString field;  // the model's column name, matched without regard to case
    QString caption;
    bool readOnly = false;
    bool hidden = false;  // present in the model, not shown and not exported
    bool money = false;   // shown with two places
    QStringList pickList;
    FooterKind footer = FooterKind::None;
    QString footerText;
};

// A plain column; the caller sets whatever else it needs.
inline GridColumn gridColumn(QString field, QString caption) {
    GridColumn c;
    c.field = std::move(field);
    c.caption = std::move(caption);
    return c;
}
