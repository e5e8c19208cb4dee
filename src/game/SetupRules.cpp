#include "game/SetupRules.h"

#include "game/GameNames.h"

ESetupRule BrokenSetupRule(const COperatorSet& ops, int nSignMode) {
    if (ops.IsEmpty()) return ESetupRule::NoOperation;
    if (ops == COperatorSet{false, false, false, true}) return ESetupRule::OnlyDivision;
    const bool bPositive = nSignMode == kSignPositive;
    if (!ops.m_bSubtract && !bPositive) return ESetupRule::MustBePositive;
    const bool bSubtractOrWithDivide = !ops.m_bAdd && !ops.m_bMultiply;
    if (ops.m_bSubtract && bSubtractOrWithDivide && bPositive) {
        return ESetupRule::CannotBePositive;
    }
    return ESetupRule::Valid;
}

const char* SetupRuleMessage(ESetupRule rule) {
    switch (rule) {
        case ESetupRule::Valid:
            break;
        case ESetupRule::NoOperation:
            return "You must select an operation.";
        case ESetupRule::OnlyDivision:
            return "You can't play a game with only division.";
        case ESetupRule::MustBePositive:
            return "Using these operators, you must play\nwith positive numbers only.";
        case ESetupRule::CannotBePositive:
            return "Using these operators, you can't play\nwith only positive numbers.";
    }
    return "";
}
