#pragma once

#include <QStringList>

// The expressions a designer offers for a print kind: the fields of its
// header and lines tables, the company record, variables and page values.
namespace FieldCatalog {

QStringList expressionsForKind(const QString& kind);

}  // namespace FieldCatalog
