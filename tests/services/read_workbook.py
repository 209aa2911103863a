"""Prints a workbook written by the export as JSON, read with an independent reader:
xlrd for .xls, openpyxl for .xlsx (the Debian packages python3-xlrd, python3-openpyxl)."""
import datetime
import json
import sys


def iso(value):
    if isinstance(value, datetime.datetime):
        if value.time() == datetime.time(0, 0):
            return value.date().isoformat()
        return value.isoformat()
    if isinstance(value, (datetime.date, datetime.time)):
        return value.isoformat()
    return value


def read_xls(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    cells = []
    for r in range(sheet.nrows):
        row = []
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            xf = book.xf_list[cell.xf_index]
            value = cell.value
            if cell.ctype == xlrd.XL_CELL_EMPTY or cell.ctype == xlrd.XL_CELL_BLANK:
                value = None
            elif cell.ctype == xlrd.XL_CELL_DATE:
                t = xlrd.xldate_as_tuple(value, book.datemode)
                value = iso(datetime.time(*t[3:]) if t[:3] == (0, 0, 0)
                            else datetime.datetime(*t))
            b = xf.border
            row.append({
                "value": value,
                "format": book.format_map[xf.format_key].format_str,
                "bordered": all(s == 1 for s in (b.left_line_style, b.right_line_style,
                                                  b.top_line_style, b.bottom_line_style)),
            })
        cells.append(row)
    font = book.font_list[book.xf_list[sheet.cell(0, 0).xf_index].font_index]
    return {
        "cells": cells,
        "merged": [[r0, r1 - 1, c0, c1 - 1] for r0, r1, c0, c1 in sheet.merged_cells],
        "titleFont": [font.name, font.height // 20],
        "titleCentred": book.xf_list[sheet.cell(0, 0).xf_index].alignment.hor_align == 2,
        "widths": [sheet.colinfo_map[c].width / 256 if c in sheet.colinfo_map else 0
                   for c in range(sheet.ncols)],
    }


def read_xlsx(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells = []
    for row in sheet.iter_rows(min_row=1, max_row=sheet.max_row, max_col=sheet.max_column):
        out = []
        for cell in row:
            b = cell.border
            fmt = cell.number_format
            out.append({
                "value": iso(cell.value),
                "format": fmt,
                "bordered": all(s.style == "thin" for s in (b.left, b.right, b.top, b.bottom)),
            })
        cells.append(out)
    merged = []
    for rng in sheet.merged_cells.ranges:
        merged.append([rng.min_row - 1, rng.max_row - 1, rng.min_col - 1, rng.max_col - 1])
    a1 = sheet.cell(1, 1)
    widths = []
    for c in range(1, sheet.max_column + 1):
        letter = openpyxl.utils.get_column_letter(c)
        dim = sheet.column_dimensions.get(letter)
        widths.append(dim.width if dim is not None and dim.width else 0)
    return {
        "cells": cells,
        "merged": merged,
        "titleFont": [a1.font.name, int(a1.font.sz)],
        "titleCentred": a1.alignment.horizontal == "center",
        "widths": widths,
    }


if __name__ == "__main__":
    file = sys.argv[1]
    result = read_xlsx(file) if file.lower().endswith(".xlsx") else read_xls(file)
    json.dump(result, sys.stdout, ensure_ascii=False)
