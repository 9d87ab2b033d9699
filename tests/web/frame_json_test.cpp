#include "platform/web/frame_json.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameJson, WhatThePageNeedsAsJsonWithItsTextsEscaped) {
    FrameRecord record;
    record.kind = ScreenKind::Shop;
    record.lines = {"Получен предмет \"Бензопила\".", "tab\there \\ end", ""};
    record.menu.column = 32;
    record.menu.left = 29;
    record.menu.right = 77;
    record.menu.rows = {36, 38};
    record.menu.choices = {"Угу", "Неа"};
    record.menu.highlighted = 1;
    record.spoken.news = {"2 из 2: Неа."};
    EXPECT_EQ(
        frameJson(record),
        R"({"kind":"shop","lines":["Получен предмет \"Бензопила\".","tab\u0009here \\ end",""],)"
        R"("actions":[],"menu":{"column":32,"left":29,"right":77,"rows":[36,38],)"
        R"("choices":["Угу","Неа"],"highlighted":1,"capacity":5},"over":false,)"
        R"("news":["2 из 2: Неа."]})");
}

}  // namespace
