#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QKeyEvent>

#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "widgets/integer_edit.h"
#include "widgets/integer_edit_core.h"

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

TEST(IntegerEditCore, ReadsDecimalIntegersAndEverythingElseAsZero) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"", 0},
      {"0", 0},
      {"007", 7},
      {"123", 123},
      {"-45", -45},
      {"+7", 7},
      {"2147483647", kInt32Max},
      {"2147483648", 0},
      {"-2147483648", kInt32Min},
      {"-2147483649", 0},
      {"99999999999999999999", 0},
      {"12a", 0},
      {"abc", 0},
      {"-", 0},
      {" 5", 0},
      {"5 ", 0},
      {"--5", 0},
      {"$1F", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(integer_edit::readValue(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
  }
}

TEST(IntegerEditCore, LimitsApplyOnlyWhileInForce) {
  const IntegerLimits both{.minValue = 0, .maxValue = 300, .hasMinValue = true, .hasMaxValue = true};
  const IntegerLimits maxOnly{.minValue = 0, .maxValue = 300, .hasMinValue = false, .hasMaxValue = true};
  const IntegerLimits none{.minValue = 0, .maxValue = 300};
  const struct {
    const IntegerLimits* limits;
    std::int32_t in;
    std::int32_t out;
  } cases[] = {
      {&both, 500, 300},    {&both, -5, 0},    {&both, 120, 120}, {&maxOnly, -5, -5},
      {&maxOnly, 301, 300}, {&none, 500, 500}, {&none, -5, -5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.limits->limit(c.in), c.out) << c.in;
  }
}

TEST(IntegerEditCore, TypedCharacters) {
  // The window's settings: MinValue 0, both limits in force, MaxValue the media length.
  const IntegerLimits noMedia{.minValue = 0, .maxValue = 0, .hasMinValue = true, .hasMaxValue = true};
  const IntegerLimits media{.minValue = 0, .maxValue = 300000, .hasMinValue = true, .hasMaxValue = true};
  const IntegerLimits unlimited{};
  const IntegerLimits negative{.minValue = -10, .maxValue = 100, .hasMinValue = true, .hasMaxValue = true};
  const IntegerLimits minFive{.minValue = 5, .maxValue = 100, .hasMinValue = true, .hasMaxValue = true};
  const struct {
    const char* name;
    const IntegerLimits* limits;
    const char* text;
    int selStart;
    int selLength;
    int cursor;
    char ch;
    bool accepted;
  } cases[] = {
      {"no media: a digit other than 0", &noMedia, "0", 0, 0, 1, '5', false},
      {"no media: leading zeros", &noMedia, "0", 0, 0, 1, '0', true},
      {"no media: zero into an empty box", &noMedia, "", 0, 0, 0, '0', true},
      {"media: fifth zero", &media, "3000", 0, 0, 4, '0', true},
      {"media: the length itself", &media, "30000", 0, 0, 5, '0', true},
      {"media: past the length", &media, "300000", 0, 0, 6, '0', false},
      {"media: minus into an empty box", &media, "", 0, 0, 0, '-', false},
      {"media: minus at the start", &media, "5", 0, 0, 0, '-', false},
      {"media: a letter", &media, "5", 0, 0, 1, 'a', false},
      {"media: a space", &media, "5", 0, 0, 1, ' ', false},
      {"media: a dot", &media, "5", 0, 0, 1, '.', false},
      {"media: digit in the middle", &media, "25", 0, 0, 1, '9', true},
      {"media: digit in the middle past the length", &media, "30000", 0, 0, 1, '9', false},
      {"media: selection replaced, result too large", &media, "299999", 0, 1, 1, '3', false},
      {"media: selection replaced, result fits", &media, "299999", 1, 5, 6, '0', true},
      {"unlimited: lone minus reads 0", &unlimited, "", 0, 0, 0, '-', true},
      {"unlimited: minus not at the caret's start", &unlimited, "5", 0, 0, 1, '-', false},
      {"unlimited: minus replacing a selection from the start", &unlimited, "5", 0, 1, 1, '-', true},
      {"negative bound: minus at the start", &negative, "5", 0, 0, 0, '-', true},
      {"negative bound: below the bound", &negative, "-1", 0, 0, 2, '1', false},
      {"negative bound: at the bound", &negative, "-1", 0, 0, 2, '0', true},
      {"bound above zero: a small first digit", &minFive, "", 0, 0, 0, '1', false},
      {"bound above zero: a large enough first digit", &minFive, "", 0, 0, 0, '7', true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(integer_edit::acceptsTypedChar(QString::fromLatin1(c.text), c.selStart, c.selLength, c.cursor,
                                             QChar::fromLatin1(c.ch), *c.limits),
              c.accepted)
        << c.name;
  }
}

// --- the widget ---------------------------------------------------------------------------------

void sendKey(QWidget& target, int key, const QString& text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(&target, &release);
}

void typeChar(QWidget& target, char c) {
  const int key = c == '-' ? Qt::Key_Minus : (c >= '0' && c <= '9') ? Qt::Key_0 + (c - '0') : Qt::Key_A;
  sendKey(target, key, QString(QChar::fromLatin1(c)));
}

// The edit box as the window sets it up before any media is opened.
struct StartEditBox : ::testing::Test {
  void SetUp() override {
    edit.setMinValue(0);
    edit.setHasMinValue(true);
    edit.setMaxValue(0);
    edit.setHasMaxValue(true);
    edit.setValue(0);
  }
  IntegerEdit edit;
};

TEST_F(StartEditBox, WithoutMediaOnlyZerosGoIn) {
  edit.setValue(500);
  EXPECT_EQ(edit.text(), QStringLiteral("0"));
  edit.setCursorPosition(1);
  typeChar(edit, '5');
  EXPECT_EQ(edit.text(), QStringLiteral("0"));
  typeChar(edit, '0');
  EXPECT_EQ(edit.text(), QStringLiteral("00"));
  sendKey(edit, Qt::Key_Backspace, QStringLiteral("\b"));
  sendKey(edit, Qt::Key_Backspace, QStringLiteral("\b"));
  EXPECT_EQ(edit.text(), QString());
  EXPECT_EQ(edit.value(), 0);
}

TEST_F(StartEditBox, TypingUpToTheMediaLength) {
  edit.setMaxValue(300000);
  EXPECT_EQ(edit.text(), QStringLiteral("0")) << "writing MaxValue leaves the text alone";
  edit.clear();
  for (const char c : std::string("300000")) {
    typeChar(edit, c);
  }
  EXPECT_EQ(edit.text(), QStringLiteral("300000"));
  typeChar(edit, '0');
  typeChar(edit, '-');
  edit.setCursorPosition(0);
  typeChar(edit, '-');
  EXPECT_EQ(edit.text(), QStringLiteral("300000"));
  EXPECT_EQ(edit.value(), 300000);
}

TEST_F(StartEditBox, EnterIsSwallowed) {
  int returns = 0;
  QObject::connect(&edit, &QLineEdit::returnPressed, [&] { ++returns; });
  sendKey(edit, Qt::Key_Return, QStringLiteral("\r"));
  sendKey(edit, Qt::Key_Enter, QStringLiteral("\r"));
  EXPECT_EQ(returns, 0);
  EXPECT_EQ(edit.text(), QStringLiteral("0"));
}

TEST_F(StartEditBox, PastedTextIsNotFilteredAndReadsAsZeroWhenNotANumber) {
  const struct {
    const char* pasted;
    std::int32_t value;
  } cases[] = {{"abc", 0}, {"12345678901", 0}, {"-77", -77}, {"999999", 999999}};
  for (const auto& c : cases) {
    QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
    edit.clear();
    sendKey(edit, Qt::Key_V, QString(), Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.pasted));
    EXPECT_EQ(edit.value(), c.value) << c.pasted;
  }
}

TEST_F(StartEditBox, GreyBoxWithRightAlignedWhiteDigitsAndAFlatBorder) {
  edit.resize(115, 14);
  edit.setMaxValue(300000);
  edit.setValue(7);
  const QImage shot = edit.grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0) & RGB_MASK, 0u) << "one-pixel frame";
  EXPECT_EQ(shot.pixel(2, 7), qRgb(160, 160, 164));
  int leftmostWhite = shot.width();
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      if (qGray(shot.pixel(x, y)) > 230) {
        leftmostWhite = std::min(leftmostWhite, x);
      }
    }
  }
  EXPECT_LT(leftmostWhite, shot.width()) << "the digit is drawn white";
  EXPECT_GT(leftmostWhite, shot.width() / 2) << "and at the right";
}

}  // namespace
