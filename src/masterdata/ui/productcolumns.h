#pragma once

#include <QList>
#include <QStringList>

#include "widgets/gridcolumn.h"

// The product grid of the product window, captions as the staff know them.
QList<GridColumn> productWindowColumns();

// The grid of both product pickers; the barcode hidden or shown.
QList<GridColumn> productPickerColumns(bool barcodeShown);

// The fields the filter box of the product lists looks in.
QStringList productFilterFields();
