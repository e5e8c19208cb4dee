#pragma once

#include <utility>

#include "shell/CFixedLayoutDlg.h"

// A fixed-layout dialog on a system whose dialog base units the test chooses.
template <class TDialog>
struct CProbeUnits : TDialog {
    template <class... TArgs>
    explicit CProbeUnits(SBaseUnits system, TArgs&&... args)
        : TDialog(std::forward<TArgs>(args)...), m_system(system) {}
    SBaseUnits SystemBaseUnits() const override { return m_system; }

    SBaseUnits m_system;
};
