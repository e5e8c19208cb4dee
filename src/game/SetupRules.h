#pragma once

#include "game/COperatorSet.h"

// The rules that tie the allowed operators to the number signs, in the order
// the setup dialog tries them: at least one operator; never division alone;
// without subtraction only positive numbers; subtraction alone or with
// division only never positive numbers only.
enum class ESetupRule { Valid, NoOperation, OnlyDivision, MustBePositive, CannotBePositive };

// The first rule these operators and this sign mode break (nSignMode -1: no
// sign chosen, which breaks MustBePositive like any sign other than positive).
ESetupRule BrokenSetupRule(const COperatorSet& ops, int nSignMode);

// The message the setup dialog shows for a broken rule; "" for Valid.
const char* SetupRuleMessage(ESetupRule rule);
