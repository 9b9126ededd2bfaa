// What a notice is made of, without a window: its colours in every kind of palette, where it
// stands by its target, the one-line text of a copy, and the names of data cells.
#include "ui/common/colour_contrast.h"
#include "ui/common/notice_colours.h"
#include "ui/common/notice_placement.h"
#include "ui/common/notice_text.h"
#include "ui/data_sheet/cell_names.h"

#include <QPalette>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

using namespace quillon;

namespace {

struct PaletteCase {
    const char* name;
    QColor window;
    QColor windowText;
    QColor tipGround;
    QColor tipText;
    bool keepsItsOwn; // every colour of the palette is legible as it stands
};

std::ostream& operator<<(std::ostream& out, const PaletteCase& c) {
    return out << c.name;
}

QPalette paletteOf(const PaletteCase& c) {
    QPalette palette;
    palette.setColor(QPalette::Window, c.window);
    palette.setColor(QPalette::WindowText, c.windowText);
    palette.setColor(QPalette::ToolTipBase, c.tipGround);
    palette.setColor(QPalette::ToolTipText, c.tipText);
    return palette;
}

class NoticeColoursTest : public ::testing::TestWithParam<PaletteCase> {};

TEST_P(NoticeColoursTest, text_and_edge_reach_their_contrast) {
    const PaletteCase& c = GetParam();
    const NoticeColours colours = noticeColours(paletteOf(c));
    EXPECT_EQ(colours.ground, c.tipGround);
    EXPECT_GE(contrastRatio(colours.text, colours.ground), 4.5);
    EXPECT_GE(contrastRatio(colours.edge, c.window), 3.0);
    if (c.keepsItsOwn) {
        EXPECT_EQ(colours.text, c.tipText);
        EXPECT_EQ(colours.edge, c.windowText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, NoticeColoursTest,
    ::testing::Values(
        PaletteCase{"light", QColor(0xef, 0xef, 0xef), Qt::black, QColor(0xff, 0xff, 0xdc),
                    Qt::black, true},
        PaletteCase{"dark", QColor(0x35, 0x35, 0x35), QColor(0xee, 0xee, 0xee),
                    QColor(0x1e, 0x1e, 0x1e), QColor(0xee, 0xee, 0xee), true},
        PaletteCase{"high contrast, light on black", Qt::black, Qt::white, Qt::black, Qt::yellow,
                    true},
        PaletteCase{"high contrast, black on white", Qt::white, Qt::black, Qt::white, Qt::black,
                    true},
        PaletteCase{"tip text lost in its ground", QColor(0xef, 0xef, 0xef), Qt::black,
                    QColor(0x77, 0x77, 0x77), QColor(0x80, 0x80, 0x80), false},
        PaletteCase{"window text faint on the window", QColor(0x77, 0x77, 0x77),
                    QColor(0x88, 0x88, 0x88), QColor(0xff, 0xff, 0xdc), Qt::black, false},
        PaletteCase{"everything one grey", QColor(0x76, 0x76, 0x76), QColor(0x76, 0x76, 0x76),
                    QColor(0x76, 0x76, 0x76), QColor(0x76, 0x76, 0x76), false}),
    [](const ::testing::TestParamInfo<PaletteCase>& palette) {
        std::string name = palette.param.name;
        for (char& letter : name)
            if (!std::isalnum(static_cast<unsigned char>(letter)))
                letter = '_';
        return name;
    });

TEST(ContrastRatio, MeetsTheGuidelinesKnownValues) {
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::white, Qt::black), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(QColor(0x12, 0x34, 0x56), QColor(0x12, 0x34, 0x56)), 1.0);
    // The grey that just passes for text on white.
    EXPECT_NEAR(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
}

// A calculator window of 491 x 417 pixels whose notices keep 26 pixels from its edges; boxes of
// 73 x 19 pixels at the right, 32 pixels apart.
const QRect kRoom(26, 26, 491 - 52, 417 - 52);
constexpr int kPointer = 8;
const QSize kOneLine(260, 22);

QRect box(int row) {
    return {392, 24 + 32 * row, 73, 19};
}

struct PlacementCase {
    const char* name;
    QRect target;
    QSize body;
    QRect avoid;
    NoticeSide side;
    bool clearOfFocus = true; // the focus stays uncovered
    QRect alsoInSight = {};   // a second place to keep in sight, a box holding a value
};

std::ostream& operator<<(std::ostream& out, const PlacementCase& c) {
    return out << c.name;
}

class NoticePlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(NoticePlacementTest, stands_by_the_target_inside_the_room) {
    const PlacementCase& c = GetParam();
    const std::array keep{c.avoid, c.alsoInSight};
    const NoticeSpot spot = placeNotice(c.target, c.body, kPointer, kRoom, keep);
    EXPECT_EQ(int(spot.side), int(c.side));
    EXPECT_EQ(spot.body.size(), c.body);
    EXPECT_TRUE(kRoom.contains(noticeBounds(spot, kPointer)));
    EXPECT_FALSE(spot.body.intersects(c.target));
    if (c.avoid.isValid() && c.clearOfFocus) {
        EXPECT_FALSE(spot.body.intersects(c.avoid));
        EXPECT_FALSE(spot.body.intersects(c.alsoInSight));
    }
    // The pointer reaches from the body's edge to the target's.
    switch (spot.side) {
    case NoticeSide::Below:
        EXPECT_EQ(spot.tip.y(), c.target.bottom() + 1);
        EXPECT_EQ(spot.body.top(), spot.tip.y() + kPointer);
        break;
    case NoticeSide::Above:
        EXPECT_EQ(spot.tip.y(), c.target.top() - 1);
        EXPECT_EQ(spot.body.bottom(), spot.tip.y() - kPointer);
        break;
    case NoticeSide::Left:
        EXPECT_EQ(spot.tip.x(), c.target.left());
        EXPECT_EQ(spot.body.right() + 1 + kPointer, spot.tip.x());
        break;
    }
    const bool alongX = spot.side != NoticeSide::Left;
    const int tip = alongX ? spot.tip.x() : spot.tip.y();
    const int from = alongX ? spot.body.left() : spot.body.top();
    const int to = alongX ? spot.body.right() : spot.body.bottom();
    EXPECT_GT(tip, from);
    EXPECT_LT(tip, to);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, NoticePlacementTest,
    ::testing::Values(
        PlacementCase{"under_a_box_at_the_right_edge", box(1), kOneLine, {}, NoticeSide::Below},
        PlacementCase{"under_even_with_the_focus_in_the_box", box(1), kOneLine, box(1),
                      NoticeSide::Below},
        PlacementCase{"over_when_the_focus_is_in_the_box_below", box(2), kOneLine, box(3),
                      NoticeSide::Above},
        PlacementCase{"left_when_the_first_box_has_no_room_above", box(0), kOneLine, box(1),
                      NoticeSide::Left},
        PlacementCase{"over_when_the_foot_of_the_window_is_near",
                      QRect(392, 370, 73, 19),
                      kOneLine,
                      {},
                      NoticeSide::Above},
        PlacementCase{"under_a_cell_at_the_left_pushed_into_the_room",
                      QRect(16, 60, 60, 20),
                      kOneLine,
                      {},
                      NoticeSide::Below},
        PlacementCase{"a_grid_with_the_focus_does_not_move_it", QRect(40, 40, 200, 100), kOneLine,
                      QRect(30, 30, 250, 150), NoticeSide::Below, false},
        PlacementCase{"left_when_values_stand_above_and_below", box(1), kOneLine, box(0),
                      NoticeSide::Left, true, box(2)},
        PlacementCase{"covers_the_focus_when_no_side_is_free", box(0), QSize(430, 22), box(1),
                      NoticeSide::Below, false}));

TEST(NoticePlacement, TooTallForAnySideEndsWhereTheRoomEnds) {
    const NoticeSpot spot = placeNotice(box(5), QSize(420, 340), kPointer, kRoom, {});
    EXPECT_EQ(int(spot.side), int(NoticeSide::Below));
    EXPECT_EQ(spot.body.bottom(), kRoom.bottom());
    EXPECT_GE(spot.body.top(), kRoom.top() + kPointer);
}

struct CopiedCase {
    const char* clipboard;
    const char* shown;
};

class CopiedNoticeTextTest : public ::testing::TestWithParam<CopiedCase> {};

TEST_P(CopiedNoticeTextTest, puts_the_summary_on_one_line) {
    EXPECT_EQ(copiedNoticeText(GetParam().clipboard).toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Summaries, CopiedNoticeTextTest,
    ::testing::Values(CopiedCase{"t(18)=2.236, p=.0382", "Copied: t(18)=2.236, p=.0382"},
                      CopiedCase{"t(9)=1.5\r\np=.1\r\n", "Copied: t(9)=1.5 p=.1"},
                      CopiedCase{"first\r\n\r\nsecond", "Copied: first second"},
                      CopiedCase{"lf only\nand cr\rtoo", "Copied: lf only and cr too"},
                      CopiedCase{"  padded  ", "Copied: padded"},
                      CopiedCase{"X\xc2\xb2(2)=4.929", "Copied: X\xc2\xb2(2)=4.929"}));

struct CellNameCase {
    int row;
    int column;
    const char* heading;
    const char* name;
};

class CellNameTest : public ::testing::TestWithParam<CellNameCase> {};

TEST_P(CellNameTest, names_row_and_heading) {
    const CellNameCase& c = GetParam();
    EXPECT_EQ(cellAccessibleName(c.row, c.column, QString::fromUtf8(c.heading)).toStdString(),
              c.name);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellNameTest,
                         ::testing::Values(CellNameCase{3, 2, "SD", "Row 3, SD"},
                                           CellNameCase{1, 1, "Var. 1", "Row 1, Var. 1"},
                                           CellNameCase{3, 2, "B", "Row 3, Column B"},
                                           CellNameCase{100, 26, "Z", "Row 100, Column Z"},
                                           // The sample size column of a group is not column N.
                                           CellNameCase{2, 3, "N", "Row 2, N"},
                                           CellNameCase{7, 1, "", "Row 7"}));

} // namespace
