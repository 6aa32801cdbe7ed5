#include "board/hole_table.h"
#include "board/navigation.h"
#include "sound/run_time_error.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tintineables {
namespace {

bool OnCross(int x, int y) {
    return x >= 1 && x <= 7 && y >= 1 && y <= 7 && ((x >= 3 && x <= 5) || (y >= 3 && y <= 5));
}

TEST(HoleTable, NumbersTheCrossRowByRowFromTheBottom) {
    int expected = 1;
    for (int y = 1; y <= 7; ++y) {
        for (int x = 1; x <= 7; ++x) {
            if (OnCross(x, y)) {
                const Hole& hole = HoleByNumber(expected);
                EXPECT_EQ(hole.number, expected);
                EXPECT_EQ(hole.x, x) << "hole " << expected;
                EXPECT_EQ(hole.y, y) << "hole " << expected;
                EXPECT_EQ(HoleNumberAt(x, y), expected);
                ++expected;
            } else {
                EXPECT_EQ(HoleNumberAt(x, y), NoHole) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(expected, 34);
    EXPECT_EQ(HoleByNumber(CentreHole).x, 4);
    EXPECT_EQ(HoleByNumber(CentreHole).y, 4);
    EXPECT_THROW(HoleByNumber(0), RunTimeError);
    EXPECT_THROW(HoleByNumber(34), RunTimeError);
}

TEST(HoleTable, EveryNeighbourIsTheAdjacentCellAndEveryStepWalksBack) {
    const int dx[] = {-1, 0, 1, 0};
    const int dy[] = {0, 1, 0, -1};
    const int opposite[] = {2, 3, 0, 1};
    int steps = 0;
    int edges = 0;
    std::map<int, int> holesByEdgeCount;
    for (const Hole& hole : HoleTable) {
        int holeEdges = 0;
        for (int d = 0; d < 4; ++d) {
            const int target = hole.neighbour[static_cast<std::size_t>(d)];
            const int nx = hole.x + dx[d];
            const int ny = hole.y + dy[d];
            if (target == NoHole) {
                EXPECT_FALSE(OnCross(nx, ny)) << "hole " << hole.number << " direction " << d;
                ++edges;
                ++holeEdges;
            } else {
                EXPECT_EQ(target, HoleNumberAt(nx, ny)) << "hole " << hole.number;
                EXPECT_EQ(HoleByNumber(target).neighbour[static_cast<std::size_t>(opposite[d])],
                          hole.number)
                    << "step " << hole.number << " -> " << target << " does not walk back";
                ++steps;
            }
        }
        ++holesByEdgeCount[holeEdges];
    }
    EXPECT_EQ(steps, 104);
    EXPECT_EQ(edges, 28);
    EXPECT_EQ(holesByEdgeCount[2], 8);
    EXPECT_EQ(holesByEdgeCount[1], 12);
    EXPECT_EQ(holesByEdgeCount[0], 13);
    EXPECT_EQ(holesByEdgeCount.size(), 3u);
}

struct NavigationCase {
    int hole;
    KeyCode key;
    NavigationStep::Kind kind;
    int target;
};

TEST(Navigate, FollowsTheMapAtTheCornersOfTheCross) {
    using K = NavigationStep::Kind;
    const NavigationCase cases[] = {
        {1, Key::Up, K::MoveTo, 4}, // directly above on screen
        {1, Key::Down, K::Edge, 0},          {1, Key::Left, K::Edge, 0},
        {1, Key::Right, K::MoveTo, 2},       {4, Key::Left, K::Edge, 0}, // (2,2) is no hole
        {13, Key::Right, K::Edge, 0},                                    // no wrap to hole 14
        {17, Key::Left, K::MoveTo, 16},      {17, Key::Up, K::MoveTo, 24},
        {17, Key::Right, K::MoveTo, 18},     {17, Key::Down, K::MoveTo, 10},
        {21, Key::Up, K::Edge, 0},           {33, Key::Right, K::Edge, 0},
        {8, Key::Up, K::MoveTo, 15},         {1, Key::Space, K::NotAnArrow, 0},
        {1, Key::Control, K::NotAnArrow, 0}, {1, Key::Escape, K::NotAnArrow, 0},
        {1, 13, K::NotAnArrow, 0}, // Enter
        {1, 'A', K::NotAnArrow, 0},          {1, Key::F2, K::NotAnArrow, 0},
    };
    for (const NavigationCase& c : cases) {
        const NavigationStep step = Navigate(c.hole, c.key);
        EXPECT_EQ(step.kind, c.kind) << "hole " << c.hole << " key " << c.key;
        if (c.kind == K::MoveTo) {
            EXPECT_EQ(step.targetHole, c.target) << "hole " << c.hole << " key " << c.key;
        }
    }
}

} // namespace
} // namespace tintineables
