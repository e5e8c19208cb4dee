#include "game/CCaseTable.h"

#include <array>
#include <vector>

namespace {

struct COperatorGroup {
    char m_cFirst;
    char m_cSecond;
    std::vector<int> m_cases;
};

struct COrderGroup {
    int m_nSlot[4];
    std::vector<int> m_cases;
};

// Both tables are kept in the grouped form players see in the hint
// documentation; the flat per-case array (entry k - 1 for case k) is built
// from them once.
const std::vector<COperatorGroup>& OperatorGroups() {
    static const std::vector<COperatorGroup> groups = {
        {'+', '+', {1}},
        {'*', '*', {2}},
        {'-', '-', {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {'/', '/', {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}},
        {'*', '+', {27, 28, 29}},
        {'+', '*', {30, 31, 32}},
        {'+', '-', {33, 36, 37, 40, 41, 44}},
        {'-', '+', {34, 35, 38, 39, 42, 43}},
        {'+', '/', {45, 49, 51, 54, 55, 56}},
        {'/', '+', {46, 47, 48, 50, 52, 53}},
        {'-', '*', {57, 58, 60, 61, 63, 64}},
        {'*', '-', {59, 62, 65, 66, 67, 68}},
        {'*', '/', {69, 73, 75, 78, 79, 80}},
        {'/', '*', {70, 71, 72, 74, 76, 77}},
        {'/', '-', {81, 82, 83, 84, 87, 88, 89, 90, 93, 94, 95, 96}},
        {'-', '/', {85, 86, 91, 92, 97, 98, 99, 100, 101, 102, 103, 104}},
    };
    return groups;
}

const std::vector<COrderGroup>& OrderGroups() {
    static const std::vector<COrderGroup> groups = {
        {{0, 1, 2, 3}, {1, 2, 4, 24, 29, 42, 44, 50, 54, 64, 68, 74, 78, 88, 99}},
        {{0, 1, 3, 2}, {3, 15, 31, 33, 45, 59, 69, 85, 90}},
        {{1, 2, 0, 3}, {5, 16, 27, 34, 36, 46, 58, 70, 79, 81, 104}},
        {{1, 2, 3, 0}, {6, 21, 37, 51, 62, 75, 83, 98}},
        {{2, 0, 3, 1}, {7, 23, 32, 41, 49, 65, 73, 92, 95}},
        {{2, 0, 1, 3}, {8, 22, 28, 38, 40, 52, 61, 67, 76, 93, 101}},
        {{1, 0, 3, 2}, {9, 19, 63, 86, 96}},
        {{1, 0, 2, 3}, {10, 26, 43, 53, 77, 94, 100}},
        {{2, 1, 3, 0}, {11, 25, 30, 89, 97}},
        {{2, 1, 0, 3}, {12, 18, 35, 48, 56, 57, 66, 72, 87, 103}},
        {{0, 2, 3, 1}, {13, 17, 84, 91}},
        {{0, 2, 1, 3}, {14, 20, 39, 47, 55, 60, 71, 80, 82, 102}},
    };
    return groups;
}

const std::array<CCaseEntry, kCases>& Table() {
    static const std::array<CCaseEntry, kCases> table = [] {
        std::array<CCaseEntry, kCases> t{};
        for (const COperatorGroup& group : OperatorGroups()) {
            for (int k : group.m_cases) {
                t[k - 1].m_cFirst = group.m_cFirst;
                t[k - 1].m_cSecond = group.m_cSecond;
            }
        }
        for (const COrderGroup& group : OrderGroups()) {
            for (int k : group.m_cases) {
                for (int slot = 0; slot < 4; ++slot) t[k - 1].m_nSlot[slot] = group.m_nSlot[slot];
            }
        }
        return t;
    }();
    return table;
}

// Writes the two rows with the given operand texts; the first row's result
// appears in the second row as the first row in parentheses.
std::string Compose(const CCaseEntry& e, const std::string (&names)[3]) {
    const std::string first = names[e.m_nSlot[0]] + " " + e.m_cFirst + " " + names[e.m_nSlot[1]];
    auto operand = [&](int slot) {
        return e.m_nSlot[slot] == 3 ? "(" + first + ")" : names[e.m_nSlot[slot]];
    };
    return operand(2) + " " + e.m_cSecond + " " + operand(3);
}

}  // namespace

std::optional<CCaseEntry> CCaseTable::Entry(int nCase) {
    if (!IsCase(nCase)) return std::nullopt;
    return Table()[nCase - 1];
}

std::string CCaseTable::ShapeText(int nCase) {
    const std::optional<CCaseEntry> entry = Entry(nCase);
    if (!entry) return "";
    const std::string names[3] = {"a", "b", "c"};
    return Compose(*entry, names);
}

std::string CCaseTable::ExpressionText(int nCase, int a, int b, int c) {
    const std::optional<CCaseEntry> entry = Entry(nCase);
    if (!entry) return "";
    const std::string names[3] = {std::to_string(a), std::to_string(b), std::to_string(c)};
    return Compose(*entry, names);
}
