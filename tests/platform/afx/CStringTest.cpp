#include "platform/afx/CString.h"

#include "platform/afx/res/StringLookup.h"
#include "tests/platform/afx/AfxTest.h"

#include <string>
#include <unordered_set>

namespace {

using CStringTest = hb::afx::test::AfxTest;

TEST_F(CStringTest, FormatFollowsPrintf) {
    CString s;
    s.Format("%5d|%-5d|%05d|%+d", 42, 42, 42, 42);
    EXPECT_EQ(s, "   42|42   |00042|+42");
    s.Format("%.3f|%8.2f|%-8.1f|%g", 3.14159, 2.5, -1.25, 0.0001);
    EXPECT_EQ(s, "3.142|    2.50|-1.2    |0.0001");
    // Fixed-width names: cut to 16 and padded to 16.
    s.Format("[%-16.16s][%-16.16s]", "A name much longer than sixteen", "short");
    EXPECT_EQ(s, "[A name much long][short           ]");
    s.Format("%08X|%x|%#x|%lu", 0xBEEFu, 255u, 255u, 4000000000ul);
    EXPECT_EQ(s, "0000BEEF|ff|0xff|4000000000");
    s.Format("%c%c|%%|%s", 'O', 'K', "");
    EXPECT_EQ(s, "OK|%|");
    s.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(s.GetLength(), 5000);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());

    CString log("VFO");
    log.AppendFormat(" %d,%s", 3, "AM");
    EXPECT_EQ(log, "VFO 3,AM");
}

TEST_F(CStringTest, OutOfRangeArgumentsClamp) {
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
    EXPECT_EQ(CString("abc", -1), "");
    EXPECT_EQ(CString('-', -3), "");
    CString s("abc");
    EXPECT_EQ(s[std::size_t{2}], 'c');
    EXPECT_EQ(s.GetAt(3), '\0');
    EXPECT_EQ(s.GetAt(-1), '\0');
    s.SetAt(7, 'x');
    EXPECT_EQ(s, "abc");

    const CString h("Halbridge");
    EXPECT_EQ(h.Left(-2), "");
    EXPECT_EQ(h.Left(99), "Halbridge");
    EXPECT_EQ(h.Right(5), "ridge");
    EXPECT_EQ(h.Right(-1), "");
    EXPECT_EQ(h.Mid(4, 2), "ri");
    EXPECT_EQ(h.Mid(7, 10), "ge");
    EXPECT_EQ(h.Mid(9), "");
    EXPECT_EQ(h.Mid(20, 3), "");
    EXPECT_EQ(h.Mid(-3, 2), "Ha");
    EXPECT_EQ(h.Mid(2, -1), "");
    EXPECT_EQ(CString("1,2;3").SpanIncluding("0123456789"), "1");
    EXPECT_EQ(CString("abc").SpanExcluding(",;"), "abc");
}

TEST_F(CStringTest, SearchReturnsMinusOneWhenNotFound) {
    const CString s("A1,A2,A3");
    EXPECT_EQ(s.Find(',', 3), 5);
    EXPECT_EQ(s.Find(',', 6), -1);
    EXPECT_EQ(s.Find(',', 100), -1);
    EXPECT_EQ(s.Find(',', -5), 2);
    EXPECT_EQ(s.Find("A", 1), 3);
    EXPECT_EQ(s.Find("B"), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.Find(static_cast<LPCSTR>(nullptr)), -1);
    EXPECT_EQ(s.ReverseFind(','), 5);
    EXPECT_EQ(s.ReverseFind(';'), -1);
    EXPECT_EQ(s.FindOneOf(";,"), 2);
    EXPECT_EQ(s.FindOneOf("xyz"), -1);
    EXPECT_EQ(CString().Find('a'), -1);
}

TEST_F(CStringTest, TrimRemovesWhiteSpaceOrTheGivenCharacters) {
    EXPECT_EQ(CString(" \t value \r\n").Trim(), "value");
    EXPECT_EQ(CString("  left ").TrimLeft(), "left ");
    EXPECT_EQ(CString("0012.500").TrimRight('0'), "0012.5");
    EXPECT_EQ(CString("-=name=-").Trim("=-"), "name");
    EXPECT_EQ(CString("-=name=-").TrimLeft("=-"), "name=-");
    EXPECT_EQ(CString("    ").Trim(), "");
}

TEST_F(CStringTest, EditingMembersReturnCountsAndLengths) {
    CString s("a.b.c");
    EXPECT_EQ(s.Replace('.', ','), 2);
    EXPECT_EQ(s.Replace("a,", "xx"), 1);
    EXPECT_EQ(s, "xxb,c");
    EXPECT_EQ(s.Replace("", "y"), 0);
    EXPECT_EQ(s.Replace("x", static_cast<LPCSTR>(nullptr)), 2);
    EXPECT_EQ(s, "b,c");
    CString overlap("aaaa");
    EXPECT_EQ(overlap.Replace("aa", "a"), 2);
    EXPECT_EQ(overlap, "aa");

    CString r("banana");
    EXPECT_EQ(r.Remove('a'), 3);
    EXPECT_EQ(r.Insert(1, 'a'), 4);
    EXPECT_EQ(r.Insert(99, "!"), 5);
    EXPECT_EQ(r.Insert(-4, ">"), 6);
    EXPECT_EQ(r, ">bann!");
    EXPECT_EQ(r.Delete(1, 2), 4);
    EXPECT_EQ(r.Delete(3, 99), 3);
    EXPECT_EQ(r.Delete(10), 3);
    EXPECT_EQ(r.Delete(-2, 1), 2);
    EXPECT_EQ(r, "nn");

    CString c("Scan List");
    EXPECT_EQ(c.MakeUpper(), "SCAN LIST");
    EXPECT_EQ(c.MakeLower().MakeReverse(), "tsil nacs");
}

TEST_F(CStringTest, ComparisonsAndConcatenation) {
    const CString a("Alpha");
    EXPECT_LT(a.Compare("Beta"), 0);
    EXPECT_GT(a.Compare(nullptr), 0);
    EXPECT_EQ(a.CompareNoCase("ALPHA"), 0);
    EXPECT_TRUE("Alpha" == a);
    EXPECT_TRUE(a != CString("alpha"));
    EXPECT_TRUE(a > "Aaa");

    CString s = a + " & " + CString("Beta");
    s += '!';
    s += static_cast<LPCSTR>(nullptr);
    EXPECT_EQ('<' + s + '>', "<Alpha & Beta!>");
    const std::unordered_set<CString> set{CString("x"), CString("x"), CString("y")};
    EXPECT_EQ(set.size(), 2u);
}

TEST_F(CStringTest, BufferAccess) {
    CString s("abc");
    std::snprintf(s.GetBuffer(10), 11, "%s", "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "0123456789");
    s.GetBuffer(2)[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "012");
    LPSTR buffer = s.GetBufferSetLength(5);
    buffer[3] = 'x';
    s.ReleaseBuffer(4);
    EXPECT_EQ(s, "012x");
    s.ReleaseBuffer(100);
    EXPECT_EQ(s, "012x");
}

TEST_F(CStringTest, LoadStringGoesThroughTheLookup) {
    CString s("before");
    EXPECT_FALSE(s.LoadString(27745));
    hb::afx::SetStringLookup(
        [](UINT id) { return id == 27745 ? std::optional<std::string>("VFO 1") : std::nullopt; });
    EXPECT_FALSE(s.LoadString(1));
    EXPECT_EQ(s, "before");
    EXPECT_TRUE(s.LoadString(27745));
    EXPECT_EQ(s, "VFO 1");
}

} // namespace
