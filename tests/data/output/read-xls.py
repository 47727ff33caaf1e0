# Prints what python3-xlrd reads of the Excel file argv[1], told the encoding argv[2] or (empty) finding the
# CODEPAGE record: the BIFF version and the encoding it used, then every non-empty cell as
# "row col type value".
import os, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], encoding_override=sys.argv[2] or None, logfile=open(os.devnull, 'w'))
print('biff', book.biff_version, book.encoding, flush=True)
sheet = book.sheet_by_index(0)
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype != xlrd.XL_CELL_EMPTY:
            sys.stdout.buffer.write(f'{r} {c} {cell.ctype} {cell.value}\n'.encode())
