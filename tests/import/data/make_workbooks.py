#!/usr/bin/python3
# Writes the test workbooks once; the tests read the files committed beside
# this script and need neither writer. The same rows in three files:
#   plata-openpyxl.xlsx   written by openpyxl (python3-openpyxl)
#   plata-calc.xlsx       the same saved again by LibreOffice Calc
#   plata-calc.ods        likewise, as OpenDocument
# Run: python3 make_workbooks.py && soffice --headless --convert-to xlsx:"Calc MS Excel 2007 XML" \
#        --outdir calc plata-openpyxl.xlsx && soffice --headless --convert-to ods --outdir calc \
#        plata-openpyxl.xlsx, then move calc/plata-openpyxl.* to plata-calc.*
import datetime
import openpyxl

book = openpyxl.Workbook()
sheet = book.active
sheet.title = "Plata"
sheet.append(["Licen broj", "Maticen broj", "Prezime", "Ime", "Period od", "Period do",
              "Casovi", "Iznos", "Boleduvanje", "Sifra na staz"])
# Numbers as numbers (identifiers that lost their leading zeros), dates as dates.
sheet.append([189, 101980450008, "Петровски", "Петар", datetime.date(2003, 1, 1),
              datetime.date(2003, 12, 31), 2088, 12345.5, None, 0])
# Identifiers and periods kept as text.
sheet.append(["1111111181", "2305853450009", "Jovanovska", "Ana", "0101", "3112", 2088,
              150000, 16, None])
sheet.append([])
sheet.append([267, 3112704450021, "Илиевски", "Марко", 1501, 1403, 340, 20000.75, 0, None])
for row in sheet.iter_rows(min_row=2, min_col=5, max_col=6):
    for cell in row:
        if isinstance(cell.value, datetime.date):
            cell.number_format = "DD.MM.YYYY"
notes = book.create_sheet("Beleski")
notes.append(["Ova ne e prviot list", 1, 2, 3])
book.save("plata-openpyxl.xlsx")
