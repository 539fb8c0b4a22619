// The handlers against a fake view that, like the toolkit, runs a box's change
// handler at once when code sets Text1..Text3 or Text6 to a different text.

#include "window/handlers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using window::ControlId;

class FakeView : public window::View {
  public:
    FakeView() : handlers(*this) {}

    std::u16string text(ControlId box) const override
    {
        const auto found = texts.find(box);
        return found == texts.end() ? std::u16string() : found->second;
    }

    void setText(ControlId box, std::u16string_view text) override
    {
        if (this->text(box) == text)
            return;
        texts[box] = std::u16string(text);
        log.emplace_back(u"set " + name(box));
        switch (box) {
        case ControlId::FirstDigit:
            handlers.firstDigitChanged();
            break;
        case ControlId::SecondDigit:
            handlers.secondDigitChanged();
            break;
        case ControlId::ThirdDigit:
            handlers.thirdDigitChanged();
            break;
        case ControlId::TwoLineText:
            handlers.twoLineTextChanged();
            break;
        default:
            break;
        }
    }

    // Typed over the whole text, which the focus selected: it always notifies.
    void typeOver(ControlId box, std::u16string_view text) override
    {
        texts.erase(box);
        setText(box, text);
    }

    void setDescription(ControlId control, std::u16string_view description) override
    {
        descriptions[control] = description;
    }

    void setFocus(ControlId control) override
    {
        focus = control;
        log.push_back(u"focus " + name(control));
    }

    void showMessage(std::u16string_view message) override
    {
        log.push_back(u"message " + std::u16string(message));
    }

    void clearClipboard() override
    {
        clipboard.clear();
        log.emplace_back(u"clear clipboard");
    }

    void setClipboardText(std::u16string_view text) override
    {
        clipboard = text;
        log.push_back(u"clipboard " + clipboard);
    }

    // Typing into a box: the text changes, then the handler runs.
    void type(ControlId box, std::u16string_view text)
    {
        setText(box, this->text(box) + std::u16string(text));
    }

    static std::u16string name(ControlId id)
    {
        const std::string ascii = window::specOf(id).name;
        return {ascii.begin(), ascii.end()};
    }

    window::Handlers handlers;
    std::map<ControlId, std::u16string> texts, descriptions;
    ControlId focus = ControlId::FirstDigit;
    std::u16string clipboard = u"held before";
    std::vector<std::u16string> log;
};

using Log = std::vector<std::u16string>;

TEST(HandlersTest, TypingMovesTheFocusAlongTheChain)
{
    FakeView view;
    view.type(ControlId::FirstDigit, u"1");
    EXPECT_EQ(view.focus, ControlId::SecondDigit);
    view.type(ControlId::SecondDigit, u"2");
    EXPECT_EQ(view.focus, ControlId::ThirdDigit);
    view.type(ControlId::ThirdDigit, u"3");
    EXPECT_EQ(view.focus, ControlId::Calculate);
}

TEST(HandlersTest, DeletingATextAlsoMovesTheFocus)
{
    FakeView view;
    view.texts[ControlId::SecondDigit] = u"5";
    view.setText(ControlId::SecondDigit, u"");
    EXPECT_EQ(view.focus, ControlId::ThirdDigit);
}

TEST(HandlersTest, CalculateWritesTheFourResultBoxesInOrderThenFocusesCopy)
{
    FakeView view;
    view.texts = {{ControlId::FirstDigit, u"1"},
                  {ControlId::SecondDigit, u"2"},
                  {ControlId::ThirdDigit, u"3"}};
    view.handlers.calculateClicked();
    EXPECT_EQ(view.text(ControlId::FirstSet), u"4590182");
    EXPECT_EQ(view.text(ControlId::SecondSet), u"4590736");
    EXPECT_EQ(view.text(ControlId::TwoLineText), u"4590182.3\r\n4590736.3");
    EXPECT_EQ(view.text(ControlId::SharedDigits), u"4590");
    EXPECT_EQ(view.log,
              (Log{u"set Text4", u"set Text5", u"set Text6", u"set Text7", u"focus Command3"}));
    EXPECT_EQ(view.descriptions[ControlId::Copy], u"4 5 9 0 1 8 2 点 3，4 5 9 0 7 3 6 点 3");
}

TEST(HandlersTest, CalculateWithNoBranchWritesEmptySets)
{
    FakeView view;
    view.texts = {{ControlId::FirstDigit, u"12"}, {ControlId::SecondDigit, u"345"},
                  {ControlId::ThirdDigit, u"6"},  {ControlId::FirstSet, u"old"},
                  {ControlId::SecondSet, u"old"}, {ControlId::SharedDigits, u"old"}};
    view.handlers.calculateClicked();
    EXPECT_EQ(view.text(ControlId::FirstSet), u"");
    EXPECT_EQ(view.text(ControlId::SecondSet), u"");
    EXPECT_EQ(view.text(ControlId::TwoLineText), u".3\r\n.3");
    EXPECT_EQ(view.text(ControlId::SharedDigits), u"");
    EXPECT_EQ(view.focus, ControlId::Copy);
}

// Every way Calculate can stop early: one message, no box written.
TEST(HandlersTest, CalculateThatStopsEarlyWritesNothing)
{
    struct Row {
        const char *name;
        std::u16string_view text1, text2, text3;
        std::u16string_view message;
        ControlId focus; // the box it then selects
    };
    const std::u16string nines(400, u'9');
    const Row rows[] = {
        {"secondBoxEmpty", u"1", u"", u"3", window::MissingInputMessage, ControlId::FirstDigit},
        {"onlySpaces", u"  ", u"2", u"3", window::MissingInputMessage, ControlId::FirstDigit},
        {"emptyBeatsLetter", u"a", u"2", u"", window::MissingInputMessage, ControlId::FirstDigit},
        {"letter", u"a", u"2", u"3", window::TypeMismatchMessage, ControlId::FirstDigit},
        {"letterInLastBox", u"1", u"2", u"x", window::TypeMismatchMessage, ControlId::ThirdDigit},
        {"hugeNumber", u"1", nines, u"3", window::OverflowMessage, ControlId::SecondDigit},
        {"sixteenBitOverflow", u"400000", u"400000", u"400000", window::OverflowMessage,
         ControlId::FirstDigit},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FakeView view;
        view.texts = {{ControlId::FirstDigit, std::u16string(row.text1)},
                      {ControlId::SecondDigit, std::u16string(row.text2)},
                      {ControlId::ThirdDigit, std::u16string(row.text3)},
                      {ControlId::FirstSet, u"a"},
                      {ControlId::SecondSet, u"b"},
                      {ControlId::TwoLineText, u"c"},
                      {ControlId::SharedDigits, u"d"}};
        const auto before = view.texts;
        view.focus = ControlId::Calculate;
        view.handlers.calculateClicked();

        EXPECT_EQ(view.texts, before);
        EXPECT_EQ(view.log, (Log{u"message " + std::u16string(row.message),
                                 u"focus " + FakeView::name(row.focus)}));
        EXPECT_EQ(view.focus, row.focus);
    }
}

TEST(HandlersTest, ClearEmptiesEveryBoxAndEndsInText1)
{
    const ControlId boxes[] = {
        ControlId::FirstDigit, ControlId::SecondDigit, ControlId::ThirdDigit,  ControlId::FirstSet,
        ControlId::SecondSet,  ControlId::TwoLineText, ControlId::SharedDigits};
    FakeView view;
    for (const ControlId box : boxes)
        view.texts[box] = u"x";
    view.focus = ControlId::Clear;
    view.handlers.clearClicked();

    for (const ControlId box : boxes)
        EXPECT_EQ(view.text(box), u"") << window::specOf(box).name;
    // Each emptied draw box moves the focus on, nested, before the next box.
    EXPECT_EQ(view.log, (Log{u"set Text1", u"focus Text2", u"set Text2", u"focus Text3",
                             u"set Text3", u"focus Command1", u"set Text4", u"set Text5",
                             u"set Text6", u"set Text7", u"focus Text1"}));
    EXPECT_EQ(view.focus, ControlId::FirstDigit);
    EXPECT_EQ(view.descriptions[ControlId::Copy], u"");
}

TEST(HandlersTest, ClearOfEmptyBoxesRaisesNoChange)
{
    FakeView view;
    view.handlers.clearClicked();
    EXPECT_EQ(view.log, (Log{u"focus Text1"}));
}

TEST(HandlersTest, CopyClearsTheClipboardThenPutsText6OnIt)
{
    FakeView view;
    view.texts[ControlId::TwoLineText] = u"4590182.3\r\n4590736.3";
    view.handlers.copyClicked();
    EXPECT_EQ(view.log, (Log{u"clear clipboard", u"clipboard 4590182.3\r\n4590736.3"}));
    EXPECT_EQ(view.clipboard, u"4590182.3\r\n4590736.3");

    FakeView empty;
    empty.handlers.copyClicked();
    EXPECT_EQ(empty.log, (Log{u"clear clipboard", u"clipboard "}));
    EXPECT_EQ(empty.clipboard, u"");
}

TEST(HandlersTest, PastedDrawIsThreeDigitsApart)
{
    // clang-format off
    const std::pair<std::u16string_view, std::u16string_view> rows[] = {
        {u"456", u"456"},     {u"4 5 6", u"456"},       {u"\t4,5,6\r\n", u"456"},
        {u"４５６", u"456"},  {u"4，5、6", u"456"},     {u"4 - 5 －6", u"456"},
        {u"\u30004\u00A05\u20036\u3000", u"456"},      {u"0\n0\n0", u"000"},
        {u"45", u""},         {u"4567", u""},           {u",456", u"456"},
        {u"456,", u"456"},    {u"4.5.6", u"456"},       {u"4 5 a", u""},
        {u"+456", u"456"},    {u"", u""},               {u"٤٥٦", u""},
        {u"４５Ａ", u""},     {u"5/8/2", u"582"},       {u"[5,8,2]", u"582"},
        {u"5，8，2。", u"582"},                          {u"开奖号码：5 8 2", u"582"},
        {u"2024335期 5 8 2", u"582"},                   {u"第2024335期 582 和值15", u"582"},
        {u"和值15", u""},     {u"2024335", u""},        {u"1 2 3 4", u""},
        {u"12 5 8 2", u"582"},                          {u"5 8 2 试机号 1 3 6。", u""},
        {u"2024335期 582\n2024336期 136", u""},         {u"582a", u"582"},
        {u"０９９", u"099"},  {u"5 期 8 2", u""},        {u"5 8 12 4", u""},
    };
    // clang-format on
    for (const auto &[pasted, draw] : rows)
        EXPECT_EQ(window::pastedDraw(pasted).value_or(u""), draw)
            << std::string(pasted.begin(), pasted.end());
}

TEST(HandlersTest, SpokenTextSaysEachCharacter)
{
    const auto spaced = [](std::size_t count, char16_t digit) {
        std::u16string text(2 * count - 1, u' ');
        for (std::size_t i = 0; i < count; ++i)
            text[2 * i] = digit;
        return text;
    };
    const std::pair<std::u16string, std::u16string> rows[] = {
        {u"", u""},
        {u".3\r\n.3", u"点 3，点 3"},
        {u"12\n3\r4", u"1 2，3，4"},
        {u"a\U0001F600b", u"a \U0001F600 b"},
        {u"\uD7FF\U00010000\U0010FFFD", u"\uD7FF \U00010000 \U0010FFFD"}, // the pairs' bounds
        {std::u16string(100, u'7'), spaced(64, u'7') + u"……"},
        {std::u16string(63, u'1') + u"\U0001F600", spaced(63, u'1') + u"……"}, // not half of it
    };
    for (const auto &[text, spoken] : rows)
        EXPECT_EQ(window::spokenText(text), spoken) << text.size();
}

} // namespace
