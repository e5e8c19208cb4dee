#include "play/CEquations.h"

#include "game/CArithmetic.h"
#include "play/IGameView.h"

CEquations::CEquations(IGameView& view, FnResult onResult)
    : m_view(view), m_onResult(std::move(onResult)) {}

void CEquations::PlaceNumber(int k) {
    if (k < 0 || k >= kNumbers) return;
    // The first row never takes its own result.
    for (int s = k == kFirstResult ? 2 : 0; s < kSlots; ++s) {
        if (m_nSlot[s] != -1) continue;
        PutInSlot(s, k);
        m_bNumberEnabled[k] = false;
        Evaluate();
        return;
    }
}

void CEquations::PutInSlot(int s, int k) {
    m_nSlot[s] = k;
    m_strSlot[s] = std::to_string(m_nNumber[k]);
    m_bSlotEnabled[s] = true;
}

void CEquations::EmptySlot(int s) {
    if (s < 0 || s >= kSlots) return;
    const int k = m_nSlot[s];
    // The first row's result can only come back from the second row.
    if (k >= 0 && (k < kFirstResult || s >= 2)) m_bNumberEnabled[k] = true;
    m_nSlot[s] = -1;
    m_strSlot[s].clear();
    m_bSlotEnabled[s] = false;
    Evaluate();
}

void CEquations::StepOperator(int nRow) {
    Operator(nRow).ShowNext();
    Evaluate();
}

bool CEquations::Compute(char chOperator, int x, int y, int& nResult) {
    const CArithmeticResult result = CArithmetic::Apply(chOperator, x, y);
    if (result.IsOk()) {
        nResult = result.m_nValue;
        return true;
    }
    const char* text = CArithmetic::RejectionText(result.m_outcome);
    if (text && *text) {
        m_view.Refresh();
        m_view.ShowMessage(CArithmetic::RejectionTitle(result.m_outcome), text);
    }
    return false;
}

void CEquations::Evaluate() {
    int first = 0;
    bool firstValid = false;
    if (m_nSlot[0] != -1 && m_nSlot[1] != -1) {
        firstValid = Compute(m_operator[0].GetOperator(), m_nNumber[m_nSlot[0]],
                             m_nNumber[m_nSlot[1]], first);
        // The divisor goes back; the inner evaluation sees the row incomplete.
        if (!firstValid) EmptySlot(1);
    }
    if (firstValid) {
        m_nNumber[kFirstResult] = first;
        m_strNumber[kFirstResult] = m_strFirstResult = std::to_string(first);
        if (m_nSlot[2] == kFirstResult) {
            m_strSlot[2] = m_strFirstResult;
        } else if (m_nSlot[3] == kFirstResult) {
            m_strSlot[3] = m_strFirstResult;
        } else {
            m_bNumberEnabled[kFirstResult] = true;
        }
        if (m_nSlot[2] != -1 && m_nSlot[3] != -1) {
            int second = 0;
            if (Compute(m_operator[1].GetOperator(), m_nNumber[m_nSlot[2]], m_nNumber[m_nSlot[3]],
                        second)) {
                m_nResult = second;
                m_strSecondResult = std::to_string(second);
                m_onResult(true, second);
                return;
            }
            EmptySlot(3);
        }
    } else {
        m_strNumber[kFirstResult] = m_strFirstResult = "?";
        // The old first-row result leaves the second row.
        if (m_nSlot[2] == kFirstResult) {
            EmptySlot(2);
        } else if (m_nSlot[3] == kFirstResult) {
            EmptySlot(3);
        }
        m_bNumberEnabled[kFirstResult] = false;
    }
    m_strSecondResult = "?";
    m_onResult(false, 0);
}

void CEquations::FillEquation(int i0, int i1, int i2, int i3) {
    const std::array<int, kSlots> order{i0, i1, i2, i3};
    for (int index : order) {
        if (index < 0 || index >= kNumbers) return;
    }
    PutInSlot(0, i0);
    PutInSlot(1, i1);
    int first = 0;
    if (Compute(m_operator[0].GetOperator(), m_nNumber[i0], m_nNumber[i1], first)) {
        m_nNumber[kFirstResult] = first;
        m_strNumber[kFirstResult] = m_strFirstResult = std::to_string(first);
        PutInSlot(2, i2);
        PutInSlot(3, i3);
        int second = 0;
        if (Compute(m_operator[1].GetOperator(), m_nNumber[i2], m_nNumber[i3], second)) {
            m_nResult = second;
            m_strSecondResult = std::to_string(second);
            m_onResult(true, second);
        }
    }
    m_bNumberEnabled.fill(false);
}

void CEquations::ShowDealt(int a, int b, int c) {
    const std::array<int, 3> dealt{a, b, c};
    for (int k = 0; k < 3; ++k) {
        m_nNumber[k] = dealt[k];
        m_strNumber[k] = std::to_string(dealt[k]);
    }
}

void CEquations::EnableDealtNumbers() {
    for (int k = 0; k < 3; ++k) m_bNumberEnabled[k] = true;
}

void CEquations::Clear() {
    m_nNumber.fill(-1);
    m_nSlot.fill(-1);
    m_bCaretOn = false;
    for (COperatorCycle& op : m_operator) op.ShowFirst();
    m_strSlot.fill(std::string());
    m_bSlotEnabled.fill(false);
    m_strSecondResult = m_strFirstResult = m_strNumber[kFirstResult] = "?";
    // "?" on an enabled result button would put -1 into the next turn's row.
    m_bNumberEnabled[kFirstResult] = false;
}

void CEquations::CaretTick() {
    for (int s = 0; s < kSlots; ++s) {
        if (m_nSlot[s] != -1) continue;
        m_strSlot[s] = m_bCaretOn ? "" : "^";
        m_bCaretOn = !m_bCaretOn;
        return;
    }
}
