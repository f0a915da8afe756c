#include "http/cookie_text.h"

#include <gtest/gtest.h>

#include "http/text_between.h"

TEST(TextBetweenTest, FindsTheTextBetweenTheFirstMarkersFromStart) {
    EXPECT_EQ(textBetween("a\"b\"c", "#引号", "#引号"), "b");
    EXPECT_EQ(textBetween("k=v; k=w;", "k=", ";"), "v");
    EXPECT_EQ(textBetween("k=v; k=w;", "k=", ";", 4), "w");
    EXPECT_EQ(textBetween("ab", "a", "b"), "");
    EXPECT_EQ(textBetween("K=v;", "k=", ";"), "");
    EXPECT_EQ(textBetween("K=v;", "k=", ";", 0, true), "v");
    EXPECT_EQ(textBetween("no markers", "x", ";"), "");
    EXPECT_EQ(textBetween("k=v", "k=", ";"), "");
}

TEST(CookieTextTest, ResponseCookiesKeepNameAndValueOnly) {
    EXPECT_EQ(extractResponseCookies("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n"), "");
    EXPECT_EQ(extractResponseCookies("HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n"
                                     "Set-Cookie:  b = 2 ; path=/\r\n"),
              "a=1; b = 2");
    EXPECT_EQ(
        extractResponseCookies("Set-Cookie: sid=new; path=/\r\n"
                               "Set-Cookie: tmp=deleted; expires=Thu, 01-Jan-1970 00:00:01 GMT"),
        "sid=new; tmp=deleted");
    EXPECT_EQ(extractResponseCookies("X-Set-Cookie-Note: x; y\r\nSet-Cookie: a=1"), "; a=1");
    EXPECT_EQ(
        extractResponseCookies("Access-Control-Expose-Headers: Set-Cookie\r\nSet-Cookie: a=1"),
        "; a=1");
}

TEST(CookieTextTest, MergeReplacesByNameAndDropsDeletedOnes) {
    Text cookies = "sid=old; lang=en";
    Text fresh = "sid=new; tmp=deleted";
    EXPECT_EQ(mergeCookies(cookies, fresh), "sid=new; lang=en");
    EXPECT_EQ(cookies, "sid=new; lang=en");
    EXPECT_EQ(fresh, "sid=new;tmp=deleted");

    const struct {
        Text cookies;
        Text fresh;
        Text merged;
    } cases[] = {
        {"a=1; b=2", "", "a=1; b=2"},      {"", "c=3", "c=3"},
        {"a=1; a=9", "b=2", "b=2; a=1"},   {"x=deleted; y=1", "", "y=1"},
        {"sid=1", "sid=1;sid=1", "sid=1"}, {"sid=1", "sid=2;sid=3", "sid=2; sid=3"},
        {"v=a b　c", "", "v=abc"},         {"", "", ""},
    };
    for (auto c : cases) {
        EXPECT_EQ(mergeCookies(c.cookies, c.fresh), c.merged) << c.cookies << " + " << c.fresh;
    }
}

TEST(CookieTextTest, PiecesAndNames) {
    EXPECT_EQ(cookieName(" sid = 1"), "sid");
    EXPECT_EQ(cookieName("flag"), "flag");
    EXPECT_EQ(cookieName("=v"), "");
    EXPECT_TRUE(cookieListHasName({"a=1", "b=2"}, "b"));
    EXPECT_FALSE(cookieListHasName({"a=1", "bb=2"}, "b"));
    EXPECT_EQ(indexOfText({"a", "b", "b"}, "b"), 2);
    EXPECT_EQ(indexOfText({"a"}, "A"), -1);
    EXPECT_EQ(removeDuplicatePieces("a=1; a=2; a=1", "; "), "a=1; a=2");
    EXPECT_EQ(removeDuplicatePieces("", "; "), "");
}
