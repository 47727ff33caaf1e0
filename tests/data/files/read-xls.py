# Prints what xlrd reads of the Excel file argv[1]: its BIFF version and
# encoding, then each row's cells by tabs; a cell never written shows as "-".
import os, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], logfile=open(os.devnull, 'w'))
sheet = book.sheet_by_index(0)
lines = [f'{book.biff_version} {book.encoding}']
for r in range(sheet.nrows):
    lines.append('\t'.join(c.value if c.ctype == xlrd.XL_CELL_TEXT else '-' for c in sheet.row(r)))
sys.stdout.buffer.write(('\n'.join(lines) + '\n').encode())
