#include "game/CArithmetic.h"

#include <cstdint>
#include <limits>

namespace {

CArithmeticResult Checked(std::int64_t value) {
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return {EArithmeticOutcome::Overflow, 0};
    }
    return {EArithmeticOutcome::Ok, static_cast<int>(value)};
}

}  // namespace

CArithmeticResult CArithmetic::Apply(char op, int x, int y) {
    // 64 bits hold every result of two 32-bit operands, so nothing here can
    // overflow before the range check (INT_MIN / -1 included).
    const std::int64_t lx = x;
    const std::int64_t ly = y;
    switch (op) {
        case '+':
            return Checked(lx + ly);
        case '-':
            return Checked(lx - ly);
        case '*':
            return Checked(lx * ly);
        case '/':
            if (y == 0) return {EArithmeticOutcome::DivisionByZero, 0};
            if (lx % ly != 0) return {EArithmeticOutcome::Fraction, 0};
            return Checked(lx / ly);
        default:
            return {EArithmeticOutcome::UnknownOperator, 0};
    }
}

const char* CArithmetic::RejectionTitle(EArithmeticOutcome outcome) {
    switch (outcome) {
        case EArithmeticOutcome::DivisionByZero:
            return "Division by zero error.";
        case EArithmeticOutcome::Fraction:
            return "Information";
        case EArithmeticOutcome::Ok:
        case EArithmeticOutcome::Overflow:
        case EArithmeticOutcome::UnknownOperator:
            break;
    }
    return "";
}

const char* CArithmetic::RejectionText(EArithmeticOutcome outcome) {
    switch (outcome) {
        case EArithmeticOutcome::DivisionByZero:
            return "Unable to perform division.";
        case EArithmeticOutcome::Fraction:
            return "Result must NOT be a fraction.";
        case EArithmeticOutcome::Ok:
        case EArithmeticOutcome::Overflow:
        case EArithmeticOutcome::UnknownOperator:
            break;
    }
    return "";
}
