#include "core/numeric/numeric.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

struct ParseCase {
  const char* name;
  const char* text;
  char separator;
  double expected;
};

const ParseCase kAccepted[] = {
    {"plain integer", "5", '.', 5},
    {"blanks around", " 5 ", '.', 5},
    {"tabs around", "\t5\t", '.', 5},
    {"plus sign", "+5", '.', 5},
    {"minus sign", "-5", '.', -5},
    {"exponent", "1e3", '.', 1000},
    {"upper exponent", "1.5E3", '.', 1500},
    {"negative exponent", "2e-3", '.', 0.002},
    {"exponent with plus", "2e+3", '.', 2000},
    {"no integer digits", ".5", '.', 0.5},
    {"no fraction digits", "5.", '.', 5},
    {"leading zeros", "007", '.', 7},
    {"initial pressure", "0.1013", '.', 0.1013},
    {"nearest double", "0.1", '.', 0.1},
    {"comma locale", "12,5", ',', 12.5},
    {"full stop in comma locale", "0.1013", ',', 0.1013},
    {"underflow to zero", "1e-400", '.', 0},
    {"negative underflow", "-1e-400", '.', -0.0},
    {"smallest subnormal", "4.9e-324", '.', 4.9406564584124654e-324},
    {"subnormal", "1e-310", '.', 1e-310},
    {"largest double", "1.7976931348623157e308", '.', std::numeric_limits<double>::max()},
    {"full-width digits", "１２．５", '.', 12.5},
    {"full-width minus", "－３", '.', -3},
    {"full-width plus", "＋３", '.', 3},
    {"full-width exponent", "１ｅ３", '.', 1000},
    {"full-width upper exponent", "１Ｅ３", '.', 1000},
    {"ideographic full stop", "１２。５", '.', 12.5},
    {"ideographic space", "\u3000５\u3000", '.', 5},
    {"mixed widths", "1２.5", '.', 12.5},
    {"many digits", "3.14159265358979323846264338327950288", '.', 3.141592653589793},
    {"zero", "0", '.', 0},
    {"huge exponent of zero", "0e999999999999", '.', 0},
    {"comma with exponent and blanks", "  -1,5e2  ", ',', -150},
    {"comma underflow", "-1,0e-400", ',', -0.0},
    {"full-width comma", "１２，５", ',', 12.5},
    {"full-width with blanks", " ５ ", '.', 5},
    {"leading zeros below one", "0.000000000000000000001e-300", '.', 1e-321},
    {"integer digits before a tiny exponent", "100000000000000000000e-330", '.', 1e-310},
    {"underflow with integer digits", "10e-325", '.', 0},
    {"underflow after leading zeros", "0.0000000001e-320", '.', 0},
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseAccepts : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseAccepts, GivesTheNearestDouble) {
  const ParseCase& c = GetParam();
  const double v = ParseNumber(c.text, c.separator);
  EXPECT_EQ(v, c.expected) << c.text;
  EXPECT_EQ(std::signbit(v), std::signbit(c.expected)) << c.text;
  const ReadNumber read = TryParseNumber(c.text, c.separator);
  EXPECT_FALSE(read.failure) << c.text;
  EXPECT_EQ(std::memcmp(&read.value, &v, sizeof v), 0) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Forms, ParseAccepts, ::testing::ValuesIn(kAccepted), [](const auto& info) {
  std::string n = info.param.name;
  for (char& ch : n)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n;
});

struct RejectCase {
  const char* text;
  char separator;
  Kind kind;
};

const RejectCase kRejected[] = {
    {"", '.', Kind::NotANumber},
    {"   ", '.', Kind::NotANumber},
    {"abc", '.', Kind::NotANumber},
    {".", '.', Kind::NotANumber},
    {"+", '.', Kind::NotANumber},
    {"-.", '.', Kind::NotANumber},
    {"1.2.3", '.', Kind::NotANumber},
    {"1,2.3", ',', Kind::NotANumber},
    {"1,000", '.', Kind::NotANumber},
    {"1 000", '.', Kind::NotANumber},
    {"0x10", '.', Kind::NotANumber},
    {"$5", '.', Kind::NotANumber},
    {"¥5", '.', Kind::NotANumber},
    {"inf", '.', Kind::NotANumber},
    {"nan", '.', Kind::NotANumber},
    {"infinity", '.', Kind::NotANumber},
    {"1e", '.', Kind::NotANumber},
    {"1e+", '.', Kind::NotANumber},
    {"e5", '.', Kind::NotANumber},
    {"+-5", '.', Kind::NotANumber},
    {"- 5", '.', Kind::NotANumber},
    {"5-", '.', Kind::NotANumber},
    {"(5)", '.', Kind::NotANumber},
    {"5kg", '.', Kind::NotANumber},
    {"1e3.5", '.', Kind::NotANumber},
    {"\xff", '.', Kind::NotANumber},
    {"5\n", '.', Kind::NotANumber},
    {"1E400", '.', Kind::Overflow},
    {"-1E400", '.', Kind::Overflow},
    {"1.7976931348623159e308", '.', Kind::Overflow},
    {"1e999999999999999999999", '.', Kind::Overflow},
    {"1,5e400", ',', Kind::Overflow},
    {"0.0000000001e400", '.', Kind::Overflow},
    {"５kg", '.', Kind::NotANumber},
    {"１２，５", '.', Kind::NotANumber},
    {"１ｅ４００", '.', Kind::Overflow},
};

TEST(ParseNumber, RejectsTextThatIsNotANumberAndValuesBeyondTheRange) {
  for (const RejectCase& c : kRejected) {
    try {
      ParseNumber(c.text, c.separator);
      ADD_FAILURE() << "accepted \"" << c.text << "\"";
    } catch (const CalcFailure& failure) {
      EXPECT_EQ(failure.kind(), c.kind) << c.text;
    }
    EXPECT_EQ(TryParseNumber(c.text, c.separator).failure, c.kind) << c.text;
    try {
      ParseInput(c.text, "flow", c.separator);
      ADD_FAILURE() << "accepted \"" << c.text << "\"";
    } catch (const CalcFailure& failure) {
      EXPECT_EQ(failure.kind(), c.kind) << c.text;
      EXPECT_EQ(failure.input(), "flow") << c.text;
      EXPECT_EQ(failure.cause(), "") << c.text;
    }
  }
}

// Digits with one separator take a quicker path than other numbers; it must give
// from_chars's double to the bit, up to the edges of where it applies: 19 digits,
// a significand of 2^53 and 22 fraction digits.
TEST(ParseNumber, ReadsShortDecimalsAsFromCharsDoes) {
  std::mt19937_64 random(25);
  std::uniform_int_distribution<int> length(1, 24);
  std::uniform_int_distribution<int> digit(0, 9);
  const char* const kEdges[] = {"9007199254740992",
                                "9007199254740993",
                                "9007199254740991.5",
                                "1234567890123456789",
                                "12345678901234567890",
                                "0.0000000000000000000001",
                                "0.00000000000000000000001",
                                "00000000000000000001",
                                ".5",
                                "5."};
  std::vector<std::string> texts(std::begin(kEdges), std::end(kEdges));
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    const int digits = length(random);
    for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + digit(random));
    text.insert(static_cast<std::size_t>(digit(random) * digits / 9), 1, '.');
    if (text != ".") texts.push_back(text);
  }
  for (const std::string& text : texts) {
    double expected = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(result.ptr, text.data() + text.size()) << text;
    for (const char separator : {'.', ','}) {
      std::string typed = text;
      if (separator == ',') std::replace(typed.begin(), typed.end(), '.', ',');
      const double value = ParseNumber(typed, separator);
      ASSERT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << typed;
      const double negative = ParseNumber("-" + typed, separator);
      ASSERT_EQ(negative, -expected) << typed;
      ASSERT_TRUE(std::signbit(negative)) << typed;
    }
  }
}

TEST(ParseNumber, EmbeddedNulIsNotANumber) {
  const std::string text("5\0", 2);
  EXPECT_THROW(ParseNumber(text), CalcFailure);
}

TEST(ParseInput, TagsAFailedConversionWithItsInput) {
  try {
    ParseInput("x", "throughput");
    FAIL();
  } catch (const CalcFailure& failure) {
    EXPECT_EQ(failure.kind(), Kind::NotANumber);
    EXPECT_EQ(failure.input(), "throughput");
  }
}

TEST(CalcFailure, MessagesNameTheirKind) {
  const std::pair<Kind, const char*> kCases[] = {
      {Kind::NotANumber, "不是数字"},
      {Kind::DivisionByZero, "除数为零"},
      {Kind::Overflow, "溢出"},
      {Kind::InvalidArgument, "无效的参数"},
  };
  for (const auto& [kind, word] : kCases) {
    EXPECT_NE(std::string(CalcFailure(kind).what()).find(word), std::string::npos) << word;
  }
}

// A failure is laid at one input only: the first to be blamed keeps it, and a
// blame that names none leaves the failure as it was.
TEST(CalcFailure, BlameNamesOneInputAndSaysWhatItsValueDid) {
  const CalcFailure bare(Kind::DivisionByZero);
  EXPECT_EQ(bare.message(), "计算中除数为零。");

  const CalcFailure blamed = Blamed(bare, {"efficiency", "泵的效率为零"});
  EXPECT_EQ(blamed.kind(), Kind::DivisionByZero);
  EXPECT_EQ(blamed.input(), "efficiency");
  EXPECT_EQ(blamed.message(), "计算中除数为零。泵的效率为零。");

  EXPECT_EQ(Blamed(blamed, {"flow", "其他"}).input(), "efficiency");
  EXPECT_EQ(Blamed(bare, {}).input(), "");

  Checked c;
  c.div(1, 0);
  try {
    c.check({"velocity", "流速为零"});
    ADD_FAILURE() << "no failure";
  } catch (const CalcFailure& failure) {
    EXPECT_EQ(failure.input(), "velocity");
    EXPECT_EQ(failure.cause(), "流速为零");
  }
  c.div(1, 2);
  EXPECT_NO_THROW(c.check({"velocity", "流速为零"})) << "a blame alone is no failure";
}

struct RoundCase {
  double x;
  int places;
  double expected;
};

TEST(RoundHalfEven, RoundsTiesToEven) {
  const RoundCase kCases[] = {
      {2.5, 0, 2},        {3.5, 0, 4},
      {-2.5, 0, -2},      {-3.5, 0, -4},
      {0.125, 2, 0.12},   {0.375, 2, 0.38},
      {2.4, 0, 2},        {2.6, 0, 3},
      {-2.6, 0, -3},      {179.0625, 1, 179.1},
      {35.82, 1, 35.8},   {0.5, 0, 0},
      {1.5, 0, 2},        {23.84375, 1, 23.8},
      {126.712, 0, 127},  {7.3253, 0, 7},
      {99.99935, 1, 100}, {0.60437, 4, 0.6044},
      {1e300, 2, 1e300},  {4503599627370497.0, 0, 4503599627370497.0},
      {-0.4, 0, 0},       {0.0, 3, 0.0},
  };
  for (const RoundCase& c : kCases) {
    EXPECT_EQ(RoundHalfEven(c.x, c.places), c.expected) << c.x << " to " << c.places;
  }
}

TEST(RoundHalfEven, LeavesValuesItCannotScaleUnchanged) {
  const double big = std::numeric_limits<double>::max();
  EXPECT_EQ(RoundHalfEven(big, 2), big);
  EXPECT_EQ(RoundHalfEven(-big, 4), -big);
  EXPECT_TRUE(std::isinf(RoundHalfEven(std::numeric_limits<double>::infinity(), 1)));
}

struct TextCase {
  double x;
  const char* expected;
};

TEST(NumberText, WritesShortestTextOfFifteenDigits) {
  const TextCase kCases[] = {
      {2, "2"},
      {5, "5"},
      {12.5, "12.5"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {1.0 / 30.0, "3.33333333333333E-02"},
      {0.0001, "0.0001"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E+15"},
      {1.5e-16, "1.5E-16"},
      {1e-15, "0.000000000000001"},
      {0.1 + 0.2, "0.3"},
      {0, "0"},
      {-0.0, "0"},
      {-958.5, "-958.5"},
      {742, "742"},
      {1e100, "1E+100"},
      {-2.5e-300, "-2.5E-300"},
      {4.9406564584124654e-324, "4.94065645841247E-324"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
      {999999999999999.4, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {0.1234567890123456, "0.123456789012346"},
      {100.05, "100.05"},
  };
  for (const TextCase& c : kCases) EXPECT_EQ(NumberText(c.x), c.expected) << c.x;
}

TEST(NumberText, UsesTheLocaleSeparator) {
  EXPECT_EQ(NumberText(12.5, ','), "12,5");
  EXPECT_EQ(NumberText(1.5e-16, ','), "1,5E-16");
}

int SignificantDigits(const std::string& text) {
  int digits = 0;
  bool leading = true;
  for (char ch : text) {
    if (ch == 'E') break;
    if (ch < '0' || ch > '9') continue;
    if (leading && ch == '0') continue;
    leading = false;
    ++digits;
  }
  return digits;
}

TEST(NumberText, RoundTripsThroughParseNumberForRandomDoubles) {
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-330, 307);
  for (int i = 0; i < 200000; ++i) {
    double x;
    if (i % 2 == 0) {
      x = mantissa(random) * std::pow(10.0, exponent(random));
    } else {
      const std::uint64_t bits = random();
      std::memcpy(&x, &bits, sizeof x);
      // The 15-digit text of the top of the range lies beyond the largest double.
      if (!std::isfinite(x) || std::fabs(x) > 1.79769313486231e308) continue;
    }
    for (char separator : {'.', ','}) {
      const std::string text = NumberText(x, separator);
      ASSERT_LE(SignificantDigits(text), 15) << text;
      ASSERT_EQ(NumberText(ParseNumber(text, separator), separator), text) << x;
    }
  }
}

TEST(NumberText, AgreesWithFromCharsOnTheValueItWrites) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> any(-1e6, 1e6);
  for (int i = 0; i < 20000; ++i) {
    const double x = any(random);
    const std::string text = NumberText(x);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << text;
  }
}

// Short decimals such as 0.1 or 179.1 take a quicker path than other doubles;
// both must give the 15-digit rounding that to_chars computes.
TEST(NumberText, GivesTheFifteenDigitRoundingOfShortDecimalsAndOthers) {
  std::mt19937_64 random(11);
  std::uniform_int_distribution<std::int64_t> whole(1, 999'999'999'999'999);
  std::uniform_int_distribution<int> places(0, 18);
  for (int i = 0; i < 50000; ++i) {
    double x = 0;
    if (i % 2 == 0) {
      x = static_cast<double>(whole(random)) / std::pow(10.0, places(random));
    } else {
      const std::uint64_t bits = random();
      std::memcpy(&x, &bits, sizeof x);
      if (!std::isfinite(x) || x == 0 || std::fabs(x) > 1.79769313486231e308) continue;
    }
    std::array<char, 40> buf{};
    const char* end =
        std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific, 14)
            .ptr;
    double expected = 0;
    std::from_chars(buf.data(), end, expected);
    const std::string text = NumberText(x);
    double shown = 0;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    ASSERT_EQ(shown, expected) << text << " for "
                               << std::string_view(buf.data(),
                                                   static_cast<std::size_t>(end - buf.data()));
  }
}

struct ArithmeticCase {
  const char* name;
  double (*statement)(Checked&);
  bool fails;
  Kind kind;
};

const ArithmeticCase kStatements[] = {
    {"one divided by zero", [](Checked& c) { return c.div(1, 0); }, true, Kind::DivisionByZero},
    {"zero divided by zero", [](Checked& c) { return c.div(0, 0); }, true, Kind::Overflow},
    {"one over one over zero", [](Checked& c) { return c.div(1, c.div(1, 0)); }, true,
     Kind::DivisionByZero},
    {"product beyond range", [](Checked& c) { return c.mul(1e200, 1e200); }, true, Kind::Overflow},
    {"sum beyond range", [](Checked& c) { return c.add(1.7e308, 1.7e308); }, true, Kind::Overflow},
    {"difference beyond range", [](Checked& c) { return c.sub(-1.7e308, 1.7e308); }, true,
     Kind::Overflow},
    {"quotient beyond range", [](Checked& c) { return c.div(1e300, 1e-300); }, true,
     Kind::Overflow},
    {"infinity minus infinity",
     [](Checked& c) { return c.sub(c.mul(1e300, 1e300), c.mul(1e300, 1e300)); }, true,
     Kind::Overflow},
    {"division by zero wins over overflow",
     [](Checked& c) { return c.add(c.mul(1e300, 1e300), c.div(1, 0)); }, true,
     Kind::DivisionByZero},
    {"underflow passes", [](Checked& c) { return c.mul(1e-300, 1e-300); }, false, Kind::Overflow},
    {"inexact passes", [](Checked& c) { return c.div(1, 3); }, false, Kind::Overflow},
    {"zero to a negative power", [](Checked& c) { return c.pow(0, -1); }, true,
     Kind::DivisionByZero},
    {"power beyond range", [](Checked& c) { return c.pow(10, 400); }, true, Kind::Overflow},
    {"negative base whole power", [](Checked& c) { return c.pow(-2, 3); }, false, Kind::Overflow},
    {"square root of zero", [](Checked& c) { return c.pow(0, 0.5); }, false, Kind::Overflow},
};

TEST(Checked, ReportsTheConditionsOfAStatement) {
  for (const ArithmeticCase& row : kStatements) {
    Checked c;
    row.statement(c);
    if (!row.fails) {
      EXPECT_NO_THROW(c.check()) << row.name;
      continue;
    }
    try {
      c.check();
      ADD_FAILURE() << row.name << " passed";
    } catch (const CalcFailure& failure) {
      EXPECT_EQ(failure.kind(), row.kind) << row.name;
    }
  }
}

TEST(Checked, ClearsConditionsAfterACheck) {
  Checked c;
  c.div(1, 0);
  EXPECT_THROW(c.check(), CalcFailure);
  c.mul(2, 3);
  EXPECT_NO_THROW(c.check());
}

TEST(Checked, DomainFailuresAreRaisedAtTheCall) {
  const std::pair<const char*, double (*)(Checked&)> kCases[] = {
      {"log of zero", [](Checked& c) { return c.log(0); }},
      {"log of a negative number", [](Checked& c) { return c.log(-1); }},
      {"square root of a negative number", [](Checked& c) { return c.pow(-4, 0.5); }},
      {"negative base, fractional power", [](Checked& c) { return c.pow(-2, 1.5); }},
  };
  for (const auto& [name, call] : kCases) {
    Checked c;
    try {
      call(c);
      ADD_FAILURE() << name;
    } catch (const CalcFailure& failure) {
      EXPECT_EQ(failure.kind(), Kind::InvalidArgument) << name;
    }
  }
}

TEST(Concat, JoinsTextsAndShownNumbersInOrder) {
  EXPECT_EQ(Concat({"蒸发量=", ShownNumber(3.75), "吨/小时"}), "蒸发量=3.75吨/小时");
  EXPECT_EQ(Concat({"d=", ShownNumber(1.5e-16, ','), "", "mm"}), "d=1,5E-16mm");
  EXPECT_EQ(Concat({ShownNumber(-0.0), ShownNumber(std::nan("")),
                    ShownNumber(-std::numeric_limits<double>::infinity())}),
            "0NaN-Inf");
  EXPECT_EQ(Concat({}), "");
}

TEST(JoinLines, JoinsWithCarriageReturnLineFeedAndNoneAfterTheLast) {
  EXPECT_EQ(JoinLines({"a", "b", "c"}), "a\r\nb\r\nc");
  EXPECT_EQ(JoinLines({"a"}), "a");
  EXPECT_EQ(JoinLines({}), "");
}

}  // namespace
}  // namespace vapentis
