#include <set>
#include <string>

#include <gtest/gtest.h>

#include "formatting/FieldDescriptions.h"
#include "formatting/FormatSettings.h"
#include "formatting/LinePreviewTable.h"

namespace dorvane::formatting {
namespace {

TEST(FormatSettings, OpensWithTheMainWindowsValues) {
    FormatSettings s;
    EXPECT_EQ(s.Combo7, "调整到页面宽度");
    EXPECT_EQ(s.Combo13, "指定宽度");  // a prompt, not a number
    EXPECT_EQ(s.Combo6, "左缩进");
    for (std::string_view name : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo8",
                                  "Combo9", "Combo10", "Combo11", "Combo12", "Combo14",
                                  "Combo15", "Combo16", "Combo17", "Combo18", "Combo19",
                                  "Combo20"})
        EXPECT_EQ(s.Get(name), "不变") << name;
    EXPECT_EQ(s.Check2, 1);
    EXPECT_EQ(s.Check3 + s.Check4 + s.Check5 + s.Check6, 0);
    for (int group = 1; group <= 3; ++group) {
        EXPECT_EQ(s.LineStyle(group), "1");
        EXPECT_EQ(s.LineWidth(group), "8");
        EXPECT_EQ(s.PreviewBox(group), nullptr);
    }
}

TEST(FormatSettings, GetAndSetByName) {
    FormatSettings s;
    s.Set("Combo8", " 0.60 ");  // kept untrimmed
    EXPECT_EQ(s.Combo8, " 0.60 ");
    s.Set("Check3", "1");
    EXPECT_EQ(s.Check3, 1);
    EXPECT_EQ(s.Get("Check3"), "1");
    s.Set("LineStyle2", "");
    EXPECT_EQ(s.Get("LineStyle2"), "");
    EXPECT_EQ(s.Get("Combo21"), std::nullopt);

    EXPECT_THROW(s.Set("combo8", "0.5"), SettingError);  // names are case-sensitive
    EXPECT_THROW(s.Set("Check1", "1"), SettingError);
    EXPECT_THROW(s.Set("Check2", "2"), SettingError);
    EXPECT_THROW(s.Set("Check2", "true"), SettingError);
    EXPECT_EQ(s.Check2, 1);  // a refused value changes nothing

    EXPECT_EQ(FormatSettings::FieldNames().size(), 31u);
}

TEST(FieldDescriptions, EveryControlDescribedOnceInItsFrame) {
    std::set<std::string_view> seen;
    for (const auto& frame : Frames())
        for (std::string_view name : frame.fields) {
            EXPECT_TRUE(seen.insert(name).second) << name;
            const FieldDescription* d = FindFieldDescription(name);
            ASSERT_NE(d, nullptr) << name;
            EXPECT_EQ(d->frame, frame.caption);
            EXPECT_TRUE(FormatSettings::IsField(name));
        }
    EXPECT_EQ(seen.size(), 25u);  // Combo1..Combo20, Check2..Check6
    ASSERT_EQ(Frames().size(), 4u);
    EXPECT_EQ(Frames()[0].caption, "表格设置");
    EXPECT_EQ(Frames()[3].caption, "表外文字排版");

    for (const auto& d : FieldDescriptions()) {
        if (d.kind != FieldKind::List || d.name == "Combo6" || d.name == "Combo13") continue;
        ASSERT_FALSE(d.entries.empty()) << d.name;
        EXPECT_EQ(d.entries.front(), kUnchanged) << d.name;
        bool opensWithEntry = false;
        for (auto e : d.entries) opensWithEntry |= e == d.opening;
        EXPECT_TRUE(opensWithEntry) << d.name;
    }
}

TEST(FieldDescriptions, CaptionsKeepTheirExactSpacing) {
    EXPECT_EQ(FindFieldDescription("Combo8")->label, "行    高");
    EXPECT_EQ(FindFieldDescription("Combo8")->toolTip, "厘米  可以选择或直接输入");
    EXPECT_EQ(FindFieldDescription("Combo9")->label, "标 题 行");
    EXPECT_EQ(FindFieldDescription("Check3")->caption, "  包含特殊表格（预览中看不到线条的表格）");
    EXPECT_EQ(FindFieldDescription("Check2")->caption, " 跨页显示标题行");
    EXPECT_EQ(FindFieldDescription("Check4")->caption, "");
    EXPECT_EQ(FindFieldDescription("Check4")->label, "数字加千分位符号");
    EXPECT_TRUE(FindFieldDescription("Check5")->toolTip.ends_with("有效。\r\n"));
    EXPECT_EQ(FindFieldDescription("Combo11")->entries.back(), "数字居右,其他居中");
}

TEST(FieldDescriptions, InitialisationOrderNamesEveryFieldButTwoSwitches) {
    const auto& order = InitialisationOrder();
    std::set<std::string_view> named(order.begin(), order.end());
    EXPECT_EQ(named.size(), order.size());
    for (std::string_view name : FormatSettings::FieldNames())
        EXPECT_EQ(named.count(name), name == "Check4" || name == "Check6" ? 0u : 1u) << name;
    EXPECT_EQ(order.front(), "LineStyle1");
    EXPECT_EQ(order[6], "Combo1");
    EXPECT_EQ(order[19], "Check2");
    EXPECT_EQ(order.back(), "Combo20");
}

TEST(LinePreviewTable, NineteenDistinctPicturesFoundByExactIdentity) {
    auto library = LinePreviewTable();
    ASSERT_EQ(library.size(), 19u);
    std::set<const LinePicture*> distinct;
    for (const auto& p : library) {
        distinct.insert(&p);
        EXPECT_EQ(p.identity, "Form4." + std::string(p.name) + ".Picture");
        EXPECT_EQ(FindLinePictureByIdentity(p.identity), &p);
        EXPECT_EQ(FindLinePictureByName(p.name), &p);
    }
    EXPECT_EQ(distinct.size(), 19u);
    EXPECT_EQ(FindLinePictureByName("Picture3"), nullptr);
    EXPECT_EQ(FindLinePictureByName("Picture19"), nullptr);
    EXPECT_EQ(FindLinePictureByIdentity("form4.picture9.picture"), nullptr);
    EXPECT_EQ(FindLinePictureByIdentity("Form4.Picture9.Picture "), nullptr);
    EXPECT_EQ(FindLinePictureByIdentity(""), nullptr);

    const LinePicture* none = FindLinePictureByName("Picture24");
    EXPECT_EQ(none->StyleCode(1), "0");
    EXPECT_EQ(none->StyleCode(2), "");
    EXPECT_EQ(none->StyleCode(3), "0");
    EXPECT_EQ(none->widthName, "");
    EXPECT_EQ(FindLinePictureByName("Picture20")->StyleCode(2), "7");
    EXPECT_EQ(FindLinePictureByName("Picture20")->widthCode, "12");
}

TEST(LinePicks, GroupsHoldTheirOptionsInFrameOrder) {
    EXPECT_EQ(LinePicks().size(), 53u);
    EXPECT_EQ(LinePicksOfGroup(1).size(), 19u);
    EXPECT_EQ(LinePicksOfGroup(2).size(), 19u);
    EXPECT_EQ(LinePicksOfGroup(3).size(), 15u);  // no double lines inside
    EXPECT_EQ(LinePicksOfGroup(2).front().option, "Option38");
    EXPECT_EQ(LinePicksOfGroup(2).back().option, "Option20");
    EXPECT_EQ(LinePicksOfGroup(3).back().option, "Option57");

    const LinePick* o31 = FindLinePick("Option31");  // group 2, dotted 1/4 pt
    ASSERT_NE(o31, nullptr);
    EXPECT_EQ(o31->group, 2);
    EXPECT_EQ(o31->picture, FindLinePictureByName("Picture9"));
    EXPECT_EQ(o31->StyleCode(), "2");
    EXPECT_EQ(o31->WidthCode(), "2");
    EXPECT_EQ(FindLinePick("Option52")->picture, FindLinePictureByName("Picture15"));
    for (std::string_view missing : {"Option0", "Option53", "Option56", "Option58"})
        EXPECT_EQ(FindLinePick(missing), nullptr) << missing;
}

TEST(LinePicks, PickSetsPreviewAndFieldsOfItsGroupOnly) {
    FormatSettings s;
    ApplyLinePick(s, *FindLinePick("Option18"));  // double 1 1/2 pt
    ApplyLinePick(s, *FindLinePick("Option19"));  // no line
    EXPECT_EQ(s.LineStyle1, "0");
    EXPECT_EQ(s.LineWidth1, "12");  // a no-line pick keeps the width
    EXPECT_EQ(s.Picture21, FindLinePictureByName("Picture24"));
    ApplyLinePick(s, *FindLinePick("Option2"));
    EXPECT_EQ(s.LineStyle1, "1");
    EXPECT_EQ(s.LineWidth1, "4");

    ApplyLinePick(s, *FindLinePick("Option20"));  // group 2, no line
    EXPECT_EQ(s.LineStyle2, "");
    EXPECT_EQ(s.LineWidth2, "8");

    FormatSettings before = s;
    ApplyLinePick(s, *FindLinePick("Option49"));  // inside, dotted 1 pt
    EXPECT_EQ(s.LineStyle3, "2");
    EXPECT_EQ(s.LineWidth3, "8");
    EXPECT_EQ(s.Picture23, FindLinePictureByName("Picture12"));
    before.LineStyle3 = s.LineStyle3;
    before.LineWidth3 = s.LineWidth3;
    before.Picture23 = s.Picture23;
    EXPECT_EQ(s, before);
}

}  // namespace
}  // namespace dorvane::formatting
