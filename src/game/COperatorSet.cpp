#include "game/COperatorSet.h"

#include "game/GameNames.h"

namespace {

constexpr EOperator kOrder[] = {EOperator::Add, EOperator::Subtract, EOperator::Multiply,
                                EOperator::Divide};

template <typename F>
std::string Concatenate(const COperatorSet& ops, F symbol) {
    std::string text;
    for (EOperator op : kOrder) {
        if (ops.Has(op)) text += symbol(op);
    }
    return text;
}

}  // namespace

bool COperatorSet::Has(EOperator op) const {
    switch (op) {
        case EOperator::Add:
            return m_bAdd;
        case EOperator::Subtract:
            return m_bSubtract;
        case EOperator::Multiply:
            return m_bMultiply;
        case EOperator::Divide:
            return m_bDivide;
    }
    return false;
}

std::string COperatorSet::Letters() const {
    return Concatenate(*this, OperatorLetter);
}

std::string COperatorSet::Text() const {
    return Concatenate(*this, OperatorChar);
}
