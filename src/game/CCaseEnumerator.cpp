#include "game/CCaseEnumerator.h"

#include <cstdint>
#include <limits>

namespace {

// Values travel as 64-bit integers so that no operation of two 32-bit
// operands overflows; kNone marks "no result" and spreads through the rest
// of a shape.
using V = std::int64_t;
constexpr V kNone = std::numeric_limits<V>::min();

inline V Fit(V v) {
    return v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max() ? kNone : v;
}
inline V Add(V x, V y) {
    return x == kNone || y == kNone ? kNone : Fit(x + y);
}
inline V Sub(V x, V y) {
    return x == kNone || y == kNone ? kNone : Fit(x - y);
}
inline V Mul(V x, V y) {
    return x == kNone || y == kNone ? kNone : Fit(x * y);
}
inline V Div(V x, V y) {
    if (x == kNone || y == kNone || y == 0 || x % y != 0) return kNone;
    return Fit(x / y);
}
inline bool Negative(V r) {
    return r != kNone && r < 0;
}

class CWriter {
public:
    explicit CWriter(CCaseResults& results) : m_results(results) {}
    void Put(int nCase, V v) {
        if (v != kNone) m_results[nCase - 1] = static_cast<int>(v);
    }
    // Stores v unless the first-row result r is negative and the rule drops it.
    void PutUnlessNegative(int nCase, V r, V v, bool bDropNegative) {
        if (!(bDropNegative && Negative(r))) Put(nCase, v);
    }

private:
    CCaseResults& m_results;
};

void SubtractionOnly(CWriter& w, const COperatorSet& ops, bool bPositiveOnly, V a, V b, V c) {
    const bool drop = bPositiveOnly || ops.m_bAdd;
    const V ab = Sub(a, b), bc = Sub(b, c), ca = Sub(c, a);
    const V ba = Sub(b, a), cb = Sub(c, b), ac = Sub(a, c);
    w.PutUnlessNegative(3, ab, Sub(ab, c), drop);
    w.PutUnlessNegative(4, ab, Sub(c, ab), drop);
    w.PutUnlessNegative(5, bc, Sub(a, bc), drop);
    w.PutUnlessNegative(6, bc, Sub(bc, a), drop);
    w.PutUnlessNegative(7, ca, Sub(ca, b), drop);
    w.PutUnlessNegative(8, ca, Sub(b, ca), drop);
    // b - a only in games without addition, and never negative.
    if (!ops.m_bAdd) {
        w.PutUnlessNegative(9, ba, Sub(ba, c), true);
        w.PutUnlessNegative(10, ba, Sub(c, ba), true);
    }
    w.PutUnlessNegative(11, cb, Sub(cb, a), drop);
    w.PutUnlessNegative(12, cb, Sub(a, cb), drop);
    w.PutUnlessNegative(13, ac, Sub(ac, b), drop);
    w.PutUnlessNegative(14, ac, Sub(b, ac), drop);
}

void DivisionOnly(CWriter& w, V a, V b, V c) {
    w.Put(15, Div(Div(a, b), c));
    w.Put(16, Div(a, Div(b, c)));
    w.Put(17, Div(Div(a, c), b));
    w.Put(18, Div(a, Div(c, b)));
    w.Put(19, Div(Div(b, a), c));
    w.Put(20, Div(b, Div(a, c)));
    w.Put(21, Div(Div(b, c), a));
    w.Put(22, Div(b, Div(c, a)));
    w.Put(23, Div(Div(c, a), b));
    w.Put(24, Div(c, Div(a, b)));
    w.Put(25, Div(Div(c, b), a));
    w.Put(26, Div(c, Div(b, a)));
}

void AddMultiply(CWriter& w, V a, V b, V c) {
    w.Put(27, Add(a, Mul(b, c)));
    w.Put(28, Add(b, Mul(c, a)));
    w.Put(29, Add(c, Mul(a, b)));
    w.Put(30, Mul(Add(c, b), a));
    w.Put(31, Mul(Add(a, b), c));
    w.Put(32, Mul(Add(c, a), b));
}

void AddSubtract(CWriter& w, bool bPositiveOnly, V a, V b, V c) {
    const bool drop = bPositiveOnly;
    const V bc = Sub(b, c), cb = Sub(c, b), ca = Sub(c, a);
    const V ac = Sub(a, c), ab = Sub(a, b), ba = Sub(b, a);
    w.Put(33, Sub(Add(a, b), c));
    w.PutUnlessNegative(34, bc, Add(a, bc), drop);
    w.PutUnlessNegative(35, cb, Add(a, cb), drop);
    w.Put(36, Sub(a, Add(b, c)));
    w.Put(37, Sub(Add(b, c), a));
    w.PutUnlessNegative(38, ca, Add(b, ca), drop);
    w.PutUnlessNegative(39, ac, Add(b, ac), drop);
    w.Put(40, Sub(b, Add(c, a)));
    w.Put(41, Sub(Add(c, a), b));
    w.PutUnlessNegative(42, ab, Add(c, ab), drop);
    w.PutUnlessNegative(43, ba, Add(c, ba), drop);
    w.Put(44, Sub(c, Add(a, b)));
}

void AddDivide(CWriter& w, V a, V b, V c) {
    w.Put(45, Div(Add(a, b), c));
    w.Put(46, Add(a, Div(b, c)));
    w.Put(47, Add(b, Div(a, c)));
    w.Put(48, Add(a, Div(c, b)));
    w.Put(49, Div(Add(c, a), b));
    w.Put(50, Add(c, Div(a, b)));
    w.Put(51, Div(Add(b, c), a));
    w.Put(52, Add(b, Div(c, a)));
    w.Put(53, Add(c, Div(b, a)));
    w.Put(54, Div(c, Add(a, b)));
    w.Put(55, Div(b, Add(a, c)));
    w.Put(56, Div(a, Add(c, b)));
}

void SubtractMultiply(CWriter& w, V a, V b, V c) {
    w.Put(57, Mul(a, Sub(c, b)));
    w.Put(58, Mul(a, Sub(b, c)));
    w.Put(59, Sub(Mul(a, b), c));
    w.Put(60, Mul(b, Sub(a, c)));
    w.Put(61, Mul(b, Sub(c, a)));
    w.Put(62, Sub(Mul(b, c), a));
    w.Put(63, Mul(Sub(b, a), c));
    w.Put(64, Mul(c, Sub(a, b)));
    w.Put(65, Sub(Mul(c, a), b));
    w.Put(66, Sub(a, Mul(c, b)));
    w.Put(67, Sub(b, Mul(c, a)));
    w.Put(68, Sub(c, Mul(a, b)));
}

void MultiplyDivide(CWriter& w, V a, V b, V c) {
    w.Put(69, Div(Mul(a, b), c));
    w.Put(70, Mul(a, Div(b, c)));
    w.Put(71, Mul(b, Div(a, c)));
    w.Put(72, Mul(a, Div(c, b)));
    w.Put(73, Div(Mul(c, a), b));
    w.Put(74, Mul(c, Div(a, b)));
    w.Put(75, Div(Mul(b, c), a));
    w.Put(76, Mul(b, Div(c, a)));
    w.Put(77, Mul(c, Div(b, a)));
    w.Put(78, Div(c, Mul(a, b)));
    w.Put(79, Div(a, Mul(b, c)));
    w.Put(80, Div(b, Mul(a, c)));
}

void SubtractDivide(CWriter& w, V a, V b, V c) {
    w.Put(81, Sub(a, Div(b, c)));
    w.Put(82, Sub(b, Div(a, c)));
    w.Put(83, Sub(Div(b, c), a));
    w.Put(84, Sub(Div(a, c), b));
    w.Put(85, Div(Sub(a, b), c));
    w.Put(86, Div(Sub(b, a), c));
    w.Put(87, Sub(a, Div(c, b)));
    w.Put(88, Sub(c, Div(a, b)));
    w.Put(89, Sub(Div(c, b), a));
    w.Put(90, Sub(Div(a, b), c));
    w.Put(91, Div(Sub(a, c), b));
    w.Put(92, Div(Sub(c, a), b));
    w.Put(93, Sub(b, Div(c, a)));
    w.Put(94, Sub(c, Div(b, a)));
    w.Put(95, Sub(Div(c, a), b));
    w.Put(96, Sub(Div(b, a), c));
    w.Put(97, Div(Sub(c, b), a));
    w.Put(98, Div(Sub(b, c), a));
    w.Put(99, Div(c, Sub(a, b)));
    w.Put(100, Div(c, Sub(b, a)));
    w.Put(101, Div(b, Sub(c, a)));
    w.Put(102, Div(b, Sub(a, c)));
    w.Put(103, Div(a, Sub(c, b)));
    w.Put(104, Div(a, Sub(b, c)));
}

}  // namespace

CCaseResults CCaseEnumerator::Enumerate(const COperatorSet& ops, bool bPositiveOnly, int a, int b,
                                        int c) {
    CCaseResults results;
    CWriter w(results);
    if (ops.m_bAdd) w.Put(1, Add(c, Add(a, b)));
    if (ops.m_bMultiply) w.Put(2, Mul(c, Mul(a, b)));
    if (ops.m_bSubtract) SubtractionOnly(w, ops, bPositiveOnly, a, b, c);
    if (ops.m_bDivide) DivisionOnly(w, a, b, c);
    if (ops.m_bAdd && ops.m_bMultiply) AddMultiply(w, a, b, c);
    if (ops.m_bAdd && ops.m_bSubtract) AddSubtract(w, bPositiveOnly, a, b, c);
    if (ops.m_bAdd && ops.m_bDivide) AddDivide(w, a, b, c);
    if (ops.m_bSubtract && ops.m_bMultiply) SubtractMultiply(w, a, b, c);
    if (ops.m_bMultiply && ops.m_bDivide) MultiplyDivide(w, a, b, c);
    if (ops.m_bSubtract && ops.m_bDivide) SubtractDivide(w, a, b, c);
    return results;
}
