#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "VkBasis.h"

TEST(Basis, TimeToText) {
  struct Case { int32_t t; bool hundredths; const char* want; };
  const Case cases[] = {
      {0, true, "0:00,00"},       {0, false, "0:00,0"},        {59999, true, "9:59,99"},
      {60000, true, "10:00,0"},   {6543, true, "1:05,43"},     {6543, false, "1:05,4"},
      {72345, true, "12:03,4"},   {72345, false, "12:03,4"},   {599999, true, "99:59,9"},
      {600000, true, "100:00,"},  {600000, false, "100:00,"},  {6000000, true, "1000:00"},
      {99, true, "0:00,99"},      {905, true, "0:09,05"},      {-6543, true, "-1:05,4"},
      {std::numeric_limits<int32_t>::max(), true, "357913:"},
  };
  for (const Case& c : cases) EXPECT_EQ(TimeToText(c.t, c.hundredths), c.want) << c.t;
  EXPECT_EQ(TimeToText(std::numeric_limits<int32_t>::min(), true).size(), 7u);
}

TEST(Basis, TextToTime) {
  struct Case { const char* s; int32_t want; };
  const Case cases[] = {
      {"1:05,43", 6543}, {"1:05,4", 6540},   {"12:03,45", 72340}, {"12:03,4", 72340}, {"0:00,00", 0},
      {"9:59,99", 59999}, {"1:05", 0},        {"", 0},             {"1:05,", 0},       {"1:05,43999", 6543},
      // Two-digit minutes cut to 6 characters: the missing tenths count 0.
      {"12:03,", 72300},
      // Characters that are not digits count 0, so nothing comes out negative.
      {"1:0a,4", 6040},  {" :05,4", 540},    {"-1:00,0", 6000},   {"1:05,-9", 6509},  {"ab:cd,e", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToTime(c.s), c.want) << '"' << c.s << '"';
  // Round trip; two-digit minutes and the tenths option keep only the tenths.
  for (int32_t t = 0; t < 600000; t += t < 60000 ? 7 : 97) {
    ASSERT_EQ(TextToTime(TimeToText(t, true)), t < 60000 ? t : t - t % 10) << t;
    ASSERT_EQ(TextToTime(TimeToText(t, false)), t - t % 10) << t;
  }
}

TEST(Basis, PointsAndStatusTexts) {
  struct Case { int32_t p; int decimals; const char* want; };
  const Case points[] = {
      {12345, 0, "123"}, {12345, 1, "123,4"}, {12345, 2, "123,45"}, {5, 2, "0,05"},   {5, 1, "0,0"},
      {199, 1, "1,9"},   {0, 2, "0,00"},      {100, 2, "1,00"},     {12345, 3, "123,45"}, {-250, 2, "-2,50"},
  };
  for (const Case& c : points) EXPECT_EQ(PointsToText(c.p, c.decimals), c.want) << c.p << "/" << c.decimals;
  EXPECT_EQ(PointsOrCodeToText(12345, 1), "123,4");

  // A negative value is a code; in points it is stored times 100.
  const std::pair<int32_t, const char*> codes[] = {
      {-1, "disq."}, {-2, "n.a."}, {-3, "n.a."}, {-4, "ausg."}, {-5, "####"},
      {-6, "----"},  {-100, "n.er."}, {-7, ""},  {-99, ""},
  };
  for (auto [code, want] : codes) {
    EXPECT_EQ(std::tuple(CodeToText(code), IntOrCodeToText(code), PointsOrCodeToText(code * 100, 2)),
              std::tuple(want, want, want))
        << code;
  }
  // -50 / 100 is code 0.
  EXPECT_EQ(std::tuple(CodeToText(0), IntOrCodeToText(7), IntOrCodeToText(0), PointsOrCodeToText(-50, 2),
                       VkBasis::ZeroPad("7", 3)),
            std::tuple("", "7", "0", "", "007"));
}

TEST(Basis, ClockTexts) {
  for (auto [hhmm, text] : {std::pair{935, "09:35"}, {2400, "24:00"}, {0, "00:00"}, {1405, "14:05"}})
    EXPECT_EQ(ClockToText(hhmm), text);
  struct Case { const char* s; int32_t want; };
  const Case cases[] = {
      {"xx:35", 35}, {"09:yy", 900}, {"", 0}, {"12", 1200}, {"12:3", 1203},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToClock(c.s), c.want) << '"' << c.s << '"';
  for (int32_t hhmm = 0; hhmm <= 2400; hhmm += (hhmm % 100 == 59 ? 41 : 1))
    ASSERT_EQ(TextToClock(ClockToText(hhmm)), hhmm);
}
