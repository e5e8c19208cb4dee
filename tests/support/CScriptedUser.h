#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/CDialogBuilder.h"
#include "platform/CModal.h"

// Plays the user at every box and dialog of the game: answers questions and
// the hint dialog from queues (or a chooser), OK to everything else, and logs
// each request as "caption: text" (a message dialog's text is its static).
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

    std::deque<bool> m_answers;    // Yes/No questions; No when empty
    std::deque<int> m_hints;       // the hint dialog's result; Cancel when empty
    Chooser m_chooser;             // when set, answers everything instead
    std::vector<std::string> m_log;
    std::function<void(const std::string&)> m_onLog;  // sees each entry as it is logged

    bool Saw(const std::string& line) const {
        for (const std::string& entry : m_log) {
            if (entry == line) return true;
        }
        return false;
    }

private:
    int Answer(const CModal::SRequest& request) {
        std::string text = request.text.toStdString();
        if (request.dialog) {
            if (auto* label = CDialogBuilder::ControlAs<QLabel>(*request.dialog, kMessageText)) {
                text = label->text().toStdString();
            }
        }
        m_log.push_back(request.caption.toStdString() + ": " + text);
        if (m_onLog) m_onLog(m_log.back());
        if (m_chooser) return m_chooser(request);
        if (request.buttons == CModal::YesNo) {
            const bool yes = !m_answers.empty() && m_answers.front();
            if (!m_answers.empty()) m_answers.pop_front();
            return yes ? CModal::IdYes : CModal::IdNo;
        }
        if (request.caption == QLatin1String("Types of Hints")) {
            const int result = m_hints.empty() ? CModal::IdCancel : m_hints.front();
            if (!m_hints.empty()) m_hints.pop_front();
            return result;
        }
        // Any other dialog is confirmed as it stands, as a user pressing OK.
        if (request.dialog) {
            if (auto* ok = CDialogBuilder::ControlAs<QAbstractButton>(*request.dialog, CModal::IdOk)) {
                ok->click();
                return request.dialog->result();
            }
        }
        return CModal::IdOk;
    }
};
