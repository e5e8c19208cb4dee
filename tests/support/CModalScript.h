#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/CModal.h"

// While it lives, answers the questions put to the user in order, each by a fixed
// result or a handler that may work the dialog, and records them all. A request
// nobody scripted gets the answer that changes least (OK for an OK box, No for a
// question, Cancel for a dialog) and is counted in Unscripted().
class CModalScript {
public:
    using Handler = std::function<int(const CModal::SRequest&)>;

    CModalScript() {
        CModal::SetAnswerer([this](const CModal::SRequest& request) { return Take(request); });
    }
    ~CModalScript() { CModal::SetAnswerer(nullptr); }
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    CModalScript& Answer(int result) {
        return Answer([result](const CModal::SRequest&) { return result; });
    }
    CModalScript& Answer(Handler handler) {
        m_answers.push_back(std::move(handler));
        return *this;
    }

    // Every request as it was asked; its dialog and owner may be gone by now.
    const std::vector<CModal::SRequest>& Requests() const { return m_requests; }
    int Unscripted() const { return m_nUnscripted; }
    // Every message box asked, as "caption|text".
    QStringList Boxes() const {
        QStringList boxes;
        for (const CModal::SRequest& request : m_requests)
            if (!request.dialog) boxes << request.caption + "|" + request.text;
        return boxes;
    }

private:
    int Take(const CModal::SRequest& request) {
        m_requests.push_back(request);  // first: an answer may itself raise a question
        if (m_answers.empty()) {
            ++m_nUnscripted;
            return request.dialog                     ? CModal::IdCancel
                   : request.buttons == CModal::YesNo ? CModal::IdNo
                                                      : CModal::IdOk;
        }
        const Handler handler = std::move(m_answers.front());
        m_answers.pop_front();
        return handler(request);
    }

    std::deque<Handler> m_answers;
    std::vector<CModal::SRequest> m_requests;
    int m_nUnscripted = 0;
};
