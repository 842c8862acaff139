#!/usr/bin/env python3
"""Workbooks made by another tool than the one under test, for the payroll sheet tests.

    xlsx_fixtures.py make FOLDER   writes the workbooks below into FOLDER
    xlsx_fixtures.py inspect FILE  prints how FILE looks to openpyxl, one fact a line
"""
import html
import io
import re
import sys
import zipfile
from pathlib import Path

from openpyxl import Workbook, load_workbook

HEADER = ["工号", "姓名", "月份", "收入", "专项扣除", "部门"]
ROWS = [
    ["E01", "张三", 1, 20000, 2000.5, "财务部"],
    ["E01", "张三", 2, 20000.25, None, "财务部"],
    [1002, "李四", 1, "8000", 1000, None],
]


def payroll_workbook():
    book = Workbook()
    sheet = book.active
    sheet.title = "工资"
    sheet.append(HEADER)
    for row in ROWS:
        sheet.append(row)
    # A row further down, after two empty ones: its number is the one the spreadsheet shows.
    sheet.cell(row=7, column=1, value="E03")
    sheet.cell(row=7, column=3, value=1)
    sheet.cell(row=7, column=4, value="八千")
    book.create_sheet("说明").append(["这张工作表不是工资表"])
    return book


def save(book, path):
    book.save(path)
    return path


def rewrite(source, target, change):
    """Copies a workbook, passing each part's bytes through change(name, data)."""
    with zipfile.ZipFile(source) as zin, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as zout:
        for item in zin.infolist():
            data = change(item.filename, zin.read(item.filename))
            if data is not None:
                zout.writestr(item, data)


def shared_strings(source, target):
    """The same workbook with every text cell shared (openpyxl writes them inline), the second
    employee's name as two rich-text runs with a phonetic reading that is not part of the
    text."""
    texts = []

    def cell(match):
        attributes, text = match.group(1), html.unescape(match.group(2))
        if text not in texts:
            texts.append(text)
        return '<c%s t="s"><v>%d</v></c>' % (attributes, texts.index(text))

    def entry(text):
        if text == "李四":
            return '<si><r><t>李</t></r><r><t>四</t></r><rPh sb="0" eb="1"><t>リ</t></rPh></si>'
        return "<si><t>%s</t></si>" % html.escape(text, quote=False)

    def change(name, data):
        text = data.decode()
        if name == "xl/worksheets/sheet1.xml":
            return re.sub(r'<c([^>]*?) t="inlineStr"><is><t>([^<]*)</t></is></c>', cell, text).encode()
        if name == "xl/_rels/workbook.xml.rels":
            return text.replace("</Relationships>", '<Relationship Id="rIdS" Type="http://schemas.'
                                'openxmlformats.org/officeDocument/2006/relationships/sharedStrings"'
                                ' Target="sharedStrings.xml"/></Relationships>').encode()
        if name == "[Content_Types].xml":
            return text.replace("</Types>", '<Override PartName="/xl/sharedStrings.xml" ContentType='
                                '"application/vnd.openxmlformats-officedocument.spreadsheetml.'
                                'sharedStrings+xml"/></Types>').encode()
        return data

    rewrite(source, target, change)
    with zipfile.ZipFile(target, "a", zipfile.ZIP_DEFLATED) as z:
        z.writestr("xl/sharedStrings.xml", '<sst xmlns="http://schemas.openxmlformats.org/'
                   'spreadsheetml/2006/main" count="%d" uniqueCount="%d">%s</sst>'
                   % (len(texts), len(texts), "".join(entry(t) for t in texts)))


def make(folder):
    folder = Path(folder)
    inline = save(payroll_workbook(), folder / "inline.xlsx")
    shared = folder / "shared.xlsx"
    shared_strings(inline, shared)

    (folder / "notzip.xlsx").write_text("工号,月份,收入\nE01,1,100\n", encoding="utf-8")
    with zipfile.ZipFile(folder / "noworksheet.xlsx", "w") as z:
        z.writestr("readme.txt", "no workbook in here")

    def cut(name, data):
        return data[: len(data) // 2] if name == "xl/worksheets/sheet1.xml" else data

    rewrite(shared, folder / "truncated.xlsx", cut)

    # The worksheet's compressed bytes damaged in the middle: the archive's directory is whole.
    raw = bytearray((folder / "shared.xlsx").read_bytes())
    with zipfile.ZipFile(io.BytesIO(bytes(raw))) as z:
        info = z.getinfo("xl/worksheets/sheet1.xml")
    name_length = int.from_bytes(raw[info.header_offset + 26: info.header_offset + 28], "little")
    extra_length = int.from_bytes(raw[info.header_offset + 28: info.header_offset + 30], "little")
    start = info.header_offset + 30 + name_length + extra_length
    middle = start + info.compress_size // 2
    raw[middle: middle + 16] = b"\xff" * 16
    (folder / "damaged.xlsx").write_bytes(bytes(raw))


def inspect(path):
    sheet = load_workbook(path).worksheets[0]
    print("freeze=%s" % sheet.freeze_panes)
    print("header_bold=%s" % all(c.font.b for c in sheet[1]))
    for c in sheet[2]:
        print("%s=%s:%s:%s" % (sheet.cell(1, c.column).value, c.data_type, c.value, c.number_format))


if __name__ == "__main__":
    {"make": make, "inspect": inspect}[sys.argv[1]](sys.argv[2])
