# Prints every row the csv module reads of argv[1] in the encoding argv[2],
# cells joined by tabs. Empty rows are dropped: the records end with LF CR,
# and the CR alone reads as an empty row.
import csv, sys
with open(sys.argv[1], newline='', encoding=sys.argv[2]) as f:
    for row in csv.reader(f, delimiter=';', quotechar='"', strict=True):
        if row:
            sys.stdout.buffer.write(('\t'.join(row) + '\n').encode())
