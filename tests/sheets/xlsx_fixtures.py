#!/usr/bin/env python3
"""Workbooks made by another tool than the one under test, for the payroll sheet tests.

    xlsx_fixtures.py make FOLDER     writes the workbooks below into FOLDER
    xlsx_fixtures.py hostile FOLDER  writes workbooks that pass a limit or mislead
    xlsx_fixtures.py bombs FOLDER    writes small workbooks that inflate to hundreds of megabytes
    xlsx_fixtures.py xml FOLDER      writes workbooks whose worksheet XML takes the forms XML
                                     allows (and a few it does not), as other programs write them
    xlsx_fixtures.py inspect FILE    prints how FILE looks to openpyxl, one fact a line
    xlsx_fixtures.py dump FILE       prints every worksheet of FILE, a line for its name and one
                                     for each row, the cells as openpyxl reads them joined by |
                                     (a line break in a cell as \\n)
"""
import datetime
import html
import io
import os
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


def clerk_workbook():
    """A payroll as a clerk keeps it: the company's title merged over the columns and a blank row
    above the header, amounts typed with separators and the yuan sign or formatted as currency,
    months written as 1月, as a date shown 2026-02 and as 2026年3月, and one of another year."""
    book = Workbook()
    sheet = book.active
    sheet["A1"] = "某某公司2026年工资表"
    sheet.merge_cells("A1:E1")
    rows = [
        ["工号", "姓名", "月份", "收入", "专项扣除"],
        ["E01", "张三", "1月", "15,000.00", "¥1,500.00"],
        ["E01", "张三", datetime.date(2026, 2, 1), "￥15,000", 1500],
        ["E01", "张三", "2026年3月", 15000, "1,500"],
        ["E02", "李四", "2026-01", "8,000.5", None],
        ["E03", "王五", "2025-12", 8000, None],
    ]
    for r, row in enumerate(rows, start=3):
        for c, value in enumerate(row, start=1):
            if value is not None:
                sheet.cell(row=r, column=c, value=value)
    sheet["C5"].number_format = "yyyy-mm"
    sheet["E5"].number_format = '"¥"#,##0.00'
    sheet["D6"].number_format = '"¥"#,##0.00'
    return book


def parts_workbook():
    """A payroll under a title, on a worksheet of its own name, with the insurance in its four
    parts, a column the program does not read, a totals row, and an employee at fault whose cells
    are typed as a clerk types them."""
    book = Workbook()
    sheet = book.active
    sheet.title = "2026年工资"
    sheet.append(["某某公司2026年工资表"])
    sheet.append(["工号", "姓名", "月份", "应发工资", "基本养老保险费", "基本医疗保险费",
                  "失业保险费", "住房公积金", "专项附加扣除", "部门"])
    sheet.append(["A1", "甲", 1, 20000, 1600, 400, 0, 0, 3000, "财务"])
    sheet.append(["E2", "乙", "1月", "¥19,000.00", 0, 0, 0, 0, 0, "销售"])
    sheet.append(["E2", "乙", "2月", "abc", 0, 0, 0, 0, 0, "销售"])
    sheet.append([None, "合计", None, 39000, 1600, 400, 0, 0, 3000, None])
    return book


def make(folder):
    folder = Path(folder)
    save(parts_workbook(), folder / "parts.xlsx")
    save(clerk_workbook(), folder / "clerk.xlsx")
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


PARTS = {
    "[Content_Types].xml": '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/></Types>',
    "_rels/.rels": '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
    'officeDocument" Target="xl/workbook.xml"/></Relationships>',
    "xl/workbook.xml": '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
    'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>'
    '<sheet name="S" sheetId="1" r:id="rId1"/></sheets></workbook>',
}
REL = '<Relationship Id="%s" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/%s" Target="%s"/>'
HEADER_ROW = '<row r="1">%s</row>' % "".join(
    '<c t="inlineStr"><is><t>%s</t></is></c>' % t for t in ("工号", "月份", "收入"))


def inline(text):
    return '<c t="inlineStr"><is><t>%s</t></is></c>' % text


def book(path, rows, target="worksheets/sheet1.xml", extra_rels="", prolog="", parts=None,
         encoding="utf-8", root=("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
               "<sheetData>", "</sheetData></worksheet>")):
    """A workbook whose first worksheet, named by target, is streamed from rows, texts or bytes."""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name, text in dict(PARTS, **(parts or {})).items():
            z.writestr(name, text)
        z.writestr("xl/_rels/workbook.xml.rels",
                   '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                   + REL % ("rId1", "worksheet", target) + extra_rels + "</Relationships>")
        with z.open("xl/worksheets/sheet1.xml", "w") as part:
            part.write(prolog if isinstance(prolog, bytes) else prolog.encode())
            part.write(root[0].encode())
            for chunk in rows:
                part.write(chunk if isinstance(chunk, bytes) else chunk.encode(encoding))
            part.write(root[1].encode())
    return path


def titled(path, titles, rows, income="1"):
    with open(path, "w", encoding="utf-8") as out:
        out.write(",".join(["工号", "月份", "收入"] + ["T%d" % i for i in range(3, titles)]) + "\n")
        out.writelines("E%d,1,%s\n" % (row, income) for row in range(rows))


def bombs(folder):
    """Small files that took gigabytes: workbooks that inflate to hundreds of megabytes (many
    titles over many rows, one text of 400 MB, one row of 20 million cells), CSV of many titles
    and of a quote left open for 64 MB. Made here, so that the tests' own process stays small."""
    folder = Path(folder)
    titled(folder / "titles.csv", 10000, 20000)
    # The same rows under 250 titles and under 3 (every row at fault: nothing is written).
    titled(folder / "sparse.csv", 250, 100000, "x")
    titled(folder / "narrow.csv", 3, 100000, "x")
    with open(folder / "quote.csv", "wb") as out:
        out.write('工号,月份,收入\nE1,1,"1'.encode())
        for _ in range(64):
            out.write(b"x" * (1 << 20))
    many_titles = HEADER_ROW[:-6] + "".join(inline("T%d" % i) for i in range(16384)) + "</row>"
    short_row = "<row><c><v>1</v></c><c><v>1</v></c><c><v>1</v></c></row>"
    book(folder / "titles.xlsx", [many_titles] + [short_row] * 20000)
    book(folder / "rows.xlsx", [many_titles] + [short_row] * 250000)
    text = [HEADER_ROW, '<row><c t="inlineStr"><is><t>'] + [b"a" * (1 << 20)] * 400 + ["</t></is></c></row>"]
    book(folder / "bigtext.xlsx", text)
    book(folder / "cells.xlsx", [HEADER_ROW, "<row>"] + ["<c><v>1</v></c>" * 100000] * 200 + ["</row>"])


def hostile(folder):
    """Workbooks within the inflation limit that pass another, or mislead."""
    folder = Path(folder)
    book(folder / "wide.xlsx", ['<row r="1">%s</row>' % "".join(inline("T%d" % i) for i in range(300))])
    noise = os.urandom(150 * 1024).hex()
    book(folder / "longrun.xlsx", [HEADER_ROW, '<row r="2"><c t="inlineStr"><is><t>%s</t></is></c></row>' % noise])
    book(folder / "deep.xlsx", [HEADER_ROW, '<row r="2"><c><v>' + "<x>" * 70 + "</x>" * 70 + "</v></c></row>"])
    laughs = ('<?xml version="1.0"?><!DOCTYPE worksheet [<!ENTITY a "哈哈哈哈哈哈哈哈哈哈">'
              + "".join('<!ENTITY %s "%s">' % (chr(98 + i), ("&%s;" % chr(97 + i)) * 10) for i in range(8))
              + '<!ENTITY x SYSTEM "file:///etc/passwd">]>')
    book(folder / "laughs.xlsx", [HEADER_ROW, '<row r="2">%s%s%s</row>' % (inline("&i;"), inline("1"), inline("&x;"))],
         prolog=laughs)
    outside = '<?xml version="1.0"?><!DOCTYPE worksheet [<!ENTITY x SYSTEM "file:///etc/passwd">]>'
    book(folder / "entity.xlsx", [HEADER_ROW, '<row r="2">%s%s%s</row>' % (inline("E1"), inline("1"), inline("&x;"))],
         prolog=outside)
    # Targets outside the archive name no part of it.
    book(folder / "escape.xlsx", [HEADER_ROW], target="../../../etc/passwd")
    book(folder / "absolute.xlsx", [HEADER_ROW], target="/etc/passwd")
    book(folder / "nostrings.xlsx", [HEADER_ROW, '<row r="2"><c t="s"><v>0</v></c></row>'],
         extra_rels=REL % ("rId9", "sharedStrings", "sharedStrings.xml"))
    whole = (folder / "wide.xlsx").read_bytes()
    (folder / "cut.xlsx").write_bytes(whole[: len(whole) * 2 // 3])
    (folder / "empty.xlsx").write_bytes(b"")

    typed = Workbook()
    sheet = typed.active
    sheet.append(["工号", "月份", "收入", "入职日期", "在职"])
    sheet.append(["E1", 1, 20000, datetime.date(2024, 1, 1), True])
    sheet.append(["E2", True, 20000, None, None])
    sheet.append(["E3", 1, datetime.date(2024, 1, 1), None, None])
    sheet.append(["E4", 1, True, None, None])
    typed.save(folder / "typed.xlsx")


def xml_forms(folder):
    """One worksheet of three rows under 工号, 姓名, 月份, 收入 in each form; the same names and
    figures whatever the form, so that a reader shows them alike. Then a few that are not XML."""
    folder = Path(folder)
    titles = '<row r="1">%s</row>' % "".join(inline(t) for t in ("工号", "姓名", "月份", "收入"))
    strings = {"xl/sharedStrings.xml": '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/'
               '2006/main"><si><t>E1</t></si><si><r><t>张</t></r><r><rPr><b/></rPr><t>三</t></r>'
               '<rPh sb="0" eb="1"><t>チャン</t></rPh></si><si><t xml:space="preserve"> 李&amp;四 </t></si></sst>'}
    shared_rel = REL % ("rId9", "sharedStrings", "sharedStrings.xml")
    forms = {
        "entities": ['<row r="2">', inline("E&#49;"), inline("A&amp;B&lt;&gt;&quot;&apos;&#x5F20;&#19977;"),
                     '<c><v>1</v></c><c><v>20000.5</v></c></row>'],
        "cdata": ['<row r="2">', inline("<![CDATA[E1]]>"), inline("<![CDATA[李<四>]]>&amp;"),
                  '<c><v><![CDATA[1]]></v></c><c><v>2<![CDATA[0000]]>.5</v></c></row>'],
        "gaps": ['<row r="3"><c r="A3" t="inlineStr"><is><t>E1</t></is></c><c r="D3"><v>20000.5</v></c></row>',
                 '<row r="7"><c r="C7"><v>2</v></c><c r="A7" t="inlineStr"><is><t>E2</t></is></c><c r="B7"/></row>',
                 '<row/><row><c t="inlineStr"><is><t>E3</t></is></c><c/><c><v>3</v></c><c r="AA9"></c></row>'],
        "order": ["<row r='2'><c s=\"0\" t='inlineStr' r=\"B2\"><is><t>王五</t></is></c>",
                  '<c  r = "A2"  t = "inlineStr" ><is><t>E1</t></is></c ><c r="C2" t="n"><v>1</v></c>',
                  '<c t="str" r="D2"><f>1+1</f><v>2</v></c></row >'],
        "lines": ['<row r="2">', inline("E1"), inline("a\r\nb\rc&#13;"), '<c r="C2" t="b"><v>1</v></c>',
                  '<c r="D2\t"><v>1</v></c></row>'],
        "markup": ['<!-- 注释 --><?pendra 忽略?><row r="2"><!-- a --><c><v>1</v><?x?></c>',
                   '<c><is><t>x</t></is><v>2</v></c></row>'],
    }
    for name, rows in forms.items():
        book(folder / (name + ".xlsx"), [titles] + rows)
    book(folder / "shared.xlsx", [titles, '<row r="2"><c t="s"><v>0</v></c><c t="s"><v>1</v></c>'
                                  '<c><v>1</v></c><c t="s"><v>2</v></c></row>'],
         extra_rels=shared_rel, parts=strings)
    book(folder / "bom.xlsx", [titles, '<row r="2">', inline("E1"), '</row>'],
         prolog=b'\xef\xbb\xbf<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n')
    prefixed = ('<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
                'xmlns:r="urn:r"><x:sheetData>', "</x:sheetData></x:worksheet>")
    book(folder / "prefixes.xlsx", [titles.replace("row", "x:row"),
                                    '<x:row x:r="2" r:r="9"><x:c t="inlineStr"><x:is><x:t>E1</x:t></x:is>'
                                    '</x:c></x:row>'], root=prefixed)
    referenced = titles.encode("ascii", "xmlcharrefreplace").decode()
    book(folder / "latin1.xlsx", [referenced, '<row r="2">', inline("E1"), inline("Jos\xe9"), "</row>"],
         prolog='<?xml version="1.0" encoding="ISO-8859-1"?>', encoding="latin-1")
    book(folder / "doctype.xlsx", [titles, '<row r="2">', inline("E1"), inline("&co;"), "</row>"],
         prolog='<?xml version="1.0"?><!DOCTYPE worksheet [<!ENTITY co "有限公司">]>')
    broken = {
        "crossed": '<row r="2"><c><v>1</c></v></row>',
        "undeclared": '<row r="2"><y:c><v>1</v></y:c></row>',
        "twice": '<row r="2" r="3"><c><v>1</v></c></row>',
        "entity": '<row r="2">%s</row>' % inline("&nbsp;"),
        "control": '<row r="2">%s</row>' % inline("a\x01b"),
        "brackets": '<row r="2">%s</row>' % inline("a]]>b"),
        "unclosed": '<row r="2"><c><v>1</v></c>',
        "badref": '<row r="2">%s</row>' % inline("&#0;"),
    }
    for name, row in broken.items():
        book(folder / (name + ".xlsx"), [titles, row])
    book(folder / "utf8.xlsx", [titles, b'<row r="2"><c t="inlineStr"><is><t>\xe5\xbc</t></is></c></row>'])
    book(folder / "after.xlsx", [titles], root=('<worksheet><sheetData>', '</sheetData></worksheet>x'))


def inspect(path):
    sheet = load_workbook(path).worksheets[0]
    print("freeze=%s" % sheet.freeze_panes)
    print("header_bold=%s" % all(c.font.b for c in sheet[1]))
    for c in sheet[2]:
        print("%s=%s:%s:%s" % (sheet.cell(1, c.column).value, c.data_type, c.value, c.number_format))


def dump(path):
    for sheet in load_workbook(path).worksheets:
        print("[%s]" % sheet.title)
        for row in sheet.iter_rows(values_only=True):
            cells = ("" if value is None else str(value).replace("\n", "\\n") for value in row)
            print("|".join(cells))


if __name__ == "__main__":
    commands = {"make": make, "hostile": hostile, "bombs": bombs, "xml": xml_forms, "inspect": inspect,
                "dump": dump}
    commands[sys.argv[1]](sys.argv[2])
