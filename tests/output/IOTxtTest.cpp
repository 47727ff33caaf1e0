#include <gtest/gtest.h>

#include <string>

#include "IOTXT.h"
#include "WriterTestSupport.h"

using writer_test::Text;

// Names are cut to 30 characters, values to 255 and their width; 129
// columns at most. A record longer than one stream write (129 columns of
// 255 quote characters, quoted: 129 * 512 bytes) arrives whole.
TEST(IOTxt, CutsTheColumnLimitAndTheLongestRecord) {
  TIOTxt w;
  w.WriteRecord();  // no columns and no stream: nothing happens
  std::string want;
  for (int i = 0; i < TIOTxt::kMaxColumns; ++i) {
    ASSERT_TRUE(w.AddColumn(std::string(i == 0 ? 45 : 1, 'N'), 255)) << i;
    w.SetValue(i, std::string(300, '"'));
    want += (i ? ";\"" : "\"") + std::string(510, '"') + "\"";
  }
  EXPECT_FALSE(w.AddColumn("EXTRA", 1));
  EXPECT_EQ(std::tuple(w.ColumnCount(), w.ColumnName(0), w.Value(0)),
            std::tuple(129, std::string(30, 'N'), std::string(255, '"')));
  TYrMemoryStream s;
  w.SetStream(&s);
  w.QuoteFields = true;
  w.WriteRecord();
  EXPECT_EQ(s.FirstError, 0);
  EXPECT_TRUE(Text(s) == want + "\n\r") << "size " << s.Data().size();
}
