#pragma once

// The arithmetic of one equation row: x op y on 32-bit integers.

enum class EArithmeticOutcome {
    Ok,
    DivisionByZero,  // "Division by zero error." / "Unable to perform division."
    Fraction,        // "Information" / "Result must NOT be a fraction."
    // No result and no message: dealt numbers 0..10 never leave 32 bits and
    // the operator buttons offer only + - * /.
    Overflow,
    UnknownOperator,
};

struct CArithmeticResult {
    EArithmeticOutcome m_outcome = EArithmeticOutcome::UnknownOperator;
    int m_nValue = 0;  // valid only when m_outcome is Ok
    bool IsOk() const { return m_outcome == EArithmeticOutcome::Ok; }
};

class CArithmetic {
public:
    // op is '+', '-', '*' or '/'. A division checks a zero divisor first, then a
    // remainder (truncating division, remainder takes the sign of x). Signs are
    // never checked here.
    static CArithmeticResult Apply(char op, int x, int y);

    // Title and text of the message a rejected row shows; empty when the
    // outcome shows none (Ok, Overflow, UnknownOperator).
    static const char* RejectionTitle(EArithmeticOutcome outcome);
    static const char* RejectionText(EArithmeticOutcome outcome);
};
