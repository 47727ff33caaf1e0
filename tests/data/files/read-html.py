# Prints what a browser's parser makes of the HTML page argv[1]: the title
# and each table row's cells by tabs (a row ends at its TR tag; the blank
# behind each cell dropped).
import sys
from html.parser import HTMLParser
class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.out, self.cells, self.title = [], [], False
    def handle_starttag(self, tag, attrs):
        if tag == 'th':
            self.cells.append('')
        elif tag == 'tr' and self.cells:
            self.out.append('ROW\t' + '\t'.join(c[:-1] if c.endswith(' ') else c for c in self.cells))
            self.cells = []
        self.title = tag == 'title'
    def handle_endtag(self, tag):
        self.title = False
    def handle_data(self, data):
        if self.cells:
            self.cells[-1] += data
        elif self.title:
            self.out.append('TITLE\t' + data)
p = Page()
p.feed(open(sys.argv[1], encoding='ascii').read())
sys.stdout.buffer.write(''.join(l + '\n' for l in p.out).encode())
