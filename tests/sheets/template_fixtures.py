#!/usr/bin/env python3
"""Declaration templates and the payroll sheet they are filled from, made by openpyxl.

    template_fixtures.py make FOLDER   writes into FOLDER:
        sheet.xlsx            a computed payroll sheet of March (E3's March row is at fault)
        template.xlsx         an import template whose titles are shared strings, as Excel saves
        template-inline.xlsx  the same with every text an inline string, as openpyxl writes
        template-bare.xlsx    the same without the sample rows: the header is the last row
        template-formulas.xlsx  the inline one with formulas in its sample rows, a used range to
                              column P and row 9, and a calculation chain (which openpyxl does
                              not write) naming the formulas' cells
        template-chainsheet.xlsx  the inline one whose relationship of the calculation chain
                              names its worksheet, as a hostile file may
        noheader.xlsx         a workbook whose rows name no column of a template
        notabook.xlsx         a text file under a workbook's name
        bomb.xlsx             the template with a part that inflates to 40 MiB
        manyparts.xlsx        the template with 4097 parts
    template_fixtures.py dump FILE     prints each worksheet's name as "[name]" and then each cell
                                       that is not empty as "A1=repr(value)", with the header's
                                       bold as "A2.bold=True" and number formats other than
                                       General as "D3.format=@"
    template_fixtures.py check FILE TEMPLATE
                                       prints what a filled template must hold together: its
                                       calculation chain, relationships and content types naming
                                       parts it lacks, each worksheet's dimension, the parts
                                       changed from TEMPLATE, whether the relationships and
                                       content types changed beyond the calculation chain's
                                       entries, and whether openpyxl loads it
"""
import re
import sys
import zipfile
from pathlib import Path

from openpyxl import Workbook, load_workbook
from openpyxl.styles import Font

SHEET_HEADER = ["工号", "姓名", "证件类型", "证件号码", "月份", "收入", "免税收入",
                "基本养老保险费", "基本医疗保险费", "失业保险费", "住房公积金", "其他扣除", "备注",
                "全年一次性奖金", "奖金计税方式", "子女教育"]
# E1 deducts children's education each month. E1's March bonus is taxed on its own, declared apart; E2's is merged, so in its 本期收入.
SHEET_ROWS = [
    ["E1", "张三", "居民身份证", "110101199001011234", 2, 20000, 500, 1600, 400, 100, 1200, 100, None,
     None, None, 2000],
    ["E1", "张三", "居民身份证", "110101199001011234", 3, 20000, 500, 1600, 400, 100, 1200, 100, "补发",
     36000, None, 2000],
    ["E2", "李四", "护照", "000123", 3, 9000, None, 720, 180, 45, 540, None, None, 1000, "并入", None],
    ["E3", "王五", "居民身份证", "110101198505055678", 3, "abc", None, None, None, None, None, None, None,
     None, None, None],
    ["E3", "王五", "居民身份证", "110101198505055678", 4, 9000, None, None, None, None, None, None, None,
     None, None, None],
]

TEMPLATE_HEADER = ["工号", "*姓名", "*证件类型", "*证件号码", "本期收入", "本期免税收入",
                   "基本养老保险费", "基本医疗保险费", "失业保险费", "住房公积金",
                   "累计子女教育", "其他", "准予扣除的捐赠额", "备注"]


def sheet_workbook():
    book = Workbook()
    sheet = book.active
    sheet.title = "工资"
    sheet.append(SHEET_HEADER)
    for row in SHEET_ROWS:
        sheet.append(row)
    return book


def template_workbook(samples=True):
    book = Workbook()
    notes = book.active
    notes.title = "填表说明"
    notes["A1"] = "请按表头填写，证件号码按文本填写"
    data = book.create_sheet("正常工资薪金所得")
    data["A1"] = "正常工资薪金所得（2026年3月）"
    data.merge_cells("A1:D1")
    for column, title in enumerate(TEMPLATE_HEADER, start=1):
        cell = data.cell(row=2, column=column, value=title)
        cell.font = Font(bold=True)
    if not samples:
        return book
    # A sample row the client ships, to be replaced: 证件号码 formatted as text.
    for column, value in enumerate(["示例", "某某", "居民身份证", "000000000000000000", 1, 0],
                                   start=1):
        data.cell(row=3, column=column, value=value)
    data["D3"].number_format = "@"
    data["A4"] = "示例2"
    return book


def shared_strings(source, target):
    """Rewrites every inline-string cell of the workbook at source (openpyxl writes them so) as
    a shared string, as Excel saves them, adding the part of the shared strings."""
    shared = []

    def share(match):
        attributes, text = match.group(1), match.group(2)
        shared.append(text)
        attributes = attributes.replace(' t="inlineStr"', ' t="s"')
        return f"<c{attributes}><v>{len(shared) - 1}</v></c>"

    with zipfile.ZipFile(source) as zin, \
            zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as zout:
        parts = {item.filename: zin.read(item.filename).decode() for item in zin.infolist()}
        for name in sorted(parts):
            if name.startswith("xl/worksheets/"):
                parts[name] = re.sub(r'<c([^>]*t="inlineStr"[^>]*)><is><t>(.*?)</t></is></c>',
                                     share, parts[name])
        items = "".join(f"<si><t>{text}</t></si>" for text in shared)
        parts["xl/sharedStrings.xml"] = (
            '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
            f'count="{len(shared)}" uniqueCount="{len(shared)}">{items}</sst>')
        parts["[Content_Types].xml"] = parts["[Content_Types].xml"].replace(
            "</Types>", '<Override PartName="/xl/sharedStrings.xml" ContentType="application/'
            'vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>')
        parts["xl/_rels/workbook.xml.rels"] = parts["xl/_rels/workbook.xml.rels"].replace(
            "</Relationships>", '<Relationship Id="rIdShared" Type="http://schemas.'
            'openxmlformats.org/officeDocument/2006/relationships/sharedStrings" '
            'Target="sharedStrings.xml"/></Relationships>')
        for name, text in parts.items():
            zout.writestr(name, text.encode())


CALC_CHAIN_TYPE = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain"
CALC_CHAIN_RELATIONSHIP = f'<Relationship Id="rIdChain" Type="{CALC_CHAIN_TYPE}" Target="calcChain.xml"/>'
CALC_CHAIN_OVERRIDE = ('<Override PartName="/xl/calcChain.xml" ContentType="application/'
                       'vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>')


def with_chain_naming_the_sheet(source, target):
    with zipfile.ZipFile(source) as zin, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as zout:
        for item in zin.infolist():
            data = zin.read(item.filename)
            if item.filename == "xl/_rels/workbook.xml.rels":
                data = data.replace(b"</Relationships>", CALC_CHAIN_RELATIONSHIP.replace(
                    "calcChain.xml", "worksheets/sheet2.xml").encode() + b"</Relationships>")
            zout.writestr(item, data)


def with_calc_chain(target):
    """The template with formulas in its sample rows and cells out to P9, and the calculation
    chain Excel saves beside such formulas."""
    book = template_workbook()
    data = book["正常工资薪金所得"]
    data["F3"] = "=E3*0.1"
    data["G3"] = "=E3-F3"
    data["E4"] = "=SUM(E3:E3)"
    data["P9"] = "样例结束"
    book.save(target)
    with zipfile.ZipFile(target) as zin:
        parts = {item.filename: zin.read(item.filename) for item in zin.infolist()}
    chain = "".join(f'<c r="{cell}" i="2"/>' for cell in ("F3", "G3", "E4"))
    parts["xl/calcChain.xml"] = (
        '<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
        f"{chain}</calcChain>").encode()
    parts["xl/_rels/workbook.xml.rels"] = parts["xl/_rels/workbook.xml.rels"].replace(
        b"</Relationships>", CALC_CHAIN_RELATIONSHIP.encode() + b"</Relationships>")
    parts["[Content_Types].xml"] = parts["[Content_Types].xml"].replace(
        b"</Types>", CALC_CHAIN_OVERRIDE.encode() + b"</Types>")
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as zout:
        for name, data in parts.items():
            zout.writestr(name, data)


def make(folder):
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    sheet_workbook().save(folder / "sheet.xlsx")
    template_workbook().save(folder / "template-inline.xlsx")
    shared_strings(folder / "template-inline.xlsx", folder / "template.xlsx")
    template_workbook(samples=False).save(folder / "template-bare.xlsx")
    with_calc_chain(folder / "template-formulas.xlsx")
    with_chain_naming_the_sheet(folder / "template-inline.xlsx", folder / "template-chainsheet.xlsx")
    book = Workbook()
    book.active.append(["部门", "人数"])
    book.active.append(["财务部", 3])
    book.save(folder / "noheader.xlsx")
    (folder / "notabook.xlsx").write_text("工号,姓名\n")
    with zipfile.ZipFile(folder / "template.xlsx") as zin:
        for name, extra in (("bomb.xlsx", {"xl/media/big.bin": 1}),
                            ("manyparts.xlsx", {f"xl/media/{n}.txt": 0 for n in range(4097)})):
            with zipfile.ZipFile(folder / name, "w", zipfile.ZIP_DEFLATED) as zout:
                for item in zin.infolist():
                    zout.writestr(item, zin.read(item.filename))
                for part, big in extra.items():
                    zout.writestr(part, bytes(40 * 1024 * 1024) if big else b"x")


def dump(path):
    book = load_workbook(path)
    for sheet in book.worksheets:
        print(f"[{sheet.title}]")
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                print(f"{cell.coordinate}={cell.value!r}")
                if cell.font is not None and cell.font.b:
                    print(f"{cell.coordinate}.bold=True")
                if cell.number_format != "General":
                    print(f"{cell.coordinate}.format={cell.number_format}")
        for merged in sheet.merged_cells.ranges:
            print(f"merged={merged}")


def check(path, template):
    with zipfile.ZipFile(path) as filled, zipfile.ZipFile(template) as given:
        names = set(filled.namelist())
        print("calcChain:", ", ".join(n for n in sorted(names) if "calcchain" in n.lower()) or "none")
        dangling = []
        for rels in sorted(n for n in names if n.endswith(".rels")):
            base = rels.replace("_rels/", "").removesuffix(".rels").rsplit("/", 1)
            folder = base[0] + "/" if len(base) == 2 else ""
            for target, mode in re.findall(r'Target="([^"]*)"(?:[^>]*TargetMode="([^"]*)")?',
                                           filled.read(rels).decode()):
                part = target.lstrip("/") if target.startswith("/") else folder + target
                if mode != "External" and part not in names:
                    dangling.append(f"{rels}→{target}")
        print("relationships to no part:", ", ".join(dangling) or "none")
        overrides = re.findall(r'PartName="/([^"]*)"', filled.read("[Content_Types].xml").decode())
        print("content types of no part:",
              ", ".join(o for o in overrides if o not in names) or "none")
        for name in sorted(n for n in names if n.startswith("xl/worksheets/") and n.endswith(".xml")):
            found = re.search(r'<dimension ref="([^"]*)"', filled.read(name).decode())
            print(f"dimension of {name}:", found.group(1) if found else "none")
        print("changed:", ", ".join(n for n in sorted(names)
                                    if n not in given.namelist() or filled.read(n) != given.read(n)))
        rels = given.read("xl/_rels/workbook.xml.rels").decode().replace(CALC_CHAIN_RELATIONSHIP, "")
        types = given.read("[Content_Types].xml").decode().replace(CALC_CHAIN_OVERRIDE, "")
        print("relationships and content types otherwise as given:",
              filled.read("xl/_rels/workbook.xml.rels").decode() == rels and
              filled.read("[Content_Types].xml").decode() == types)
    book = load_workbook(path)
    print("openpyxl loads:", ", ".join(sheet.title for sheet in book.worksheets))


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "make":
        make(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "dump":
        dump(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == "check":
        check(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
