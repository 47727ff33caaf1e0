# Prints what dbfread, with its own parsers and the code page the file
# announces, reads of the dBASE file argv[1], then the rows of argv[2], the
# CSV that LibreOffice Calc saved of the same file: numbers shown as the
# program shows them (decimal comma, the declared decimals), cells by tabs.
import csv, sys, dbfread
t = dbfread.DBF(sys.argv[1])
h = t.header
lines = [f'{h.headerlen} {h.recordlen} {h.numrecords} {t.encoding}',
         ' '.join(f'{f.name}:{f.type}{f.length}.{f.decimal_count}' for f in t.fields)]
def shown(value, decimals):
    return value if decimals is None else f'{float(value):.{decimals}f}'.replace('.', ',')
kinds = [f.decimal_count if f.type == 'N' else None for f in t.fields]
lines += ['\t'.join(shown(v, k) for v, k in zip(r.values(), kinds)) for r in t]
with open(sys.argv[2], newline='', encoding='utf-8') as f:
    rows = list(csv.reader(f, delimiter=';'))
kinds = [int(c.split(',')[3]) if c.split(',')[1] == 'N' else None for c in rows[0]]  # GESAMTPKT,N,8,2
lines += ['\t'.join(shown(v, k) for v, k in zip(r, kinds)) for r in rows[1:]]
sys.stdout.buffer.write(('\n'.join(lines) + '\n').encode())
