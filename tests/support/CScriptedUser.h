#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/CDialogBuilder.h"
#include "platform/CModal.h"
#include "support/PopOr.h"

// The user at every box and dialog: answers questions and the hint dialog from
// queues (or a chooser), OK to the rest, and logs each request as "caption: text"
// (a message dialog's text is its static).
class CScriptedUser {
public:
    static constexpr int kMessageText = 1041;
    using Chooser = std::function<int(const CModal::SRequest&)>;

    CScriptedUser() {
        CModal::SetAnswerer([this](const CModal::SRequest& request) { return Answer(request); });
    }
    ~CScriptedUser() { CModal::SetAnswerer(nullptr); }
    CScriptedUser(const CScriptedUser&) = delete;
    CScriptedUser& operator=(const CScriptedUser&) = delete;

    std::deque<bool> m_answers;  // Yes/No questions; No when empty
    std::deque<int> m_hints;     // the hint dialog's result; Cancel when empty
    Chooser m_chooser;           // when set, answers everything instead
    std::vector<std::string> m_log;
    std::function<void(const std::string&)> m_onLog;  // sees each entry as it is logged

    int Count(const std::string& line) const {
        return int(std::count(m_log.begin(), m_log.end(), line));
    }
    bool Saw(const std::string& line) const { return Count(line) > 0; }

private:
    int Answer(const CModal::SRequest& request) {
        QDialog* dialog = request.dialog;
        auto* label = dialog ? CDialogBuilder::ControlAs<QLabel>(*dialog, kMessageText) : nullptr;
        m_log.push_back(request.caption.toStdString() + ": " +
                        (label ? label->text() : request.text).toStdString());
        if (m_onLog) m_onLog(m_log.back());
        if (m_chooser) return m_chooser(request);
        if (request.buttons == CModal::YesNo)
            return PopOr(m_answers, false) ? CModal::IdYes : CModal::IdNo;
        if (request.caption == QLatin1String("Types of Hints"))
            return PopOr(m_hints, int(CModal::IdCancel));
        // Any other dialog is confirmed as it stands, as a user pressing OK.
        auto* ok =
            dialog ? CDialogBuilder::ControlAs<QAbstractButton>(*dialog, CModal::IdOk) : nullptr;
        if (!ok) return CModal::IdOk;
        ok->click();
        return dialog->result();
    }
};
