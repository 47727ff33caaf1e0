# Prints every non-empty row that Python's csv module, strict (a badly quoted field is an error, not a
# guess), reads of the file argv[1] with the delimiter argv[2] and the quote character argv[3] (byte
# values): fields joined by 1F, bytes as in the file. Records ending with LF CR read as a row and an empty
# line.
import csv, io, sys
data = open(sys.argv[1], 'rb').read().decode('latin-1')
rows = csv.reader(io.StringIO(data, newline=''), delimiter=chr(int(sys.argv[2])), quotechar=chr(int(sys.argv[3])),
                  strict=True)
for row in rows:
    if row:
        sys.stdout.buffer.write('\x1f'.join(row).encode('latin-1') + b'\n')
