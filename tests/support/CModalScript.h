#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "platform/CModal.h"

// Answers the questions a test's code puts to the user, in order, and records
// every one of them. While it lives it is the answerer of CModal.
//
//   CModalScript script;
//   script.Answer(CModal::IdYes);                       // the next box says Yes
//   script.Answer([](const CModal::SRequest& r) {       // the next dialog: type, OK
//       ...; return CModal::IdOk;
//   });
//   RunTheCode();
//   QCOMPARE(script.Requests().at(0).text, QString("Are you sure you want to quit?"));
//
// A request nobody scripted gets the answer that changes least (OK for an OK
// box, No for a question, Cancel for a dialog) and is counted in Unscripted(),
// so a test can assert that it scripted every question.
class CModalScript {
public:
    using Handler = std::function<int(const CModal::SRequest&)>;

    // What a request looked like when it was asked.
    struct SRecord {
        QString caption;
        QString text;
        CModal::EButtons buttons = CModal::OkOnly;
        CModal::EIcon icon = CModal::NoIcon;
        bool isDialog = false;
        QPointer<QDialog> dialog;  // null once the dialog is gone
        QPointer<QWidget> owner;
        int result = 0;
    };

    CModalScript() {
        CModal::SetAnswerer([this](const CModal::SRequest& request) { return Take(request); });
    }
    ~CModalScript() { CModal::SetAnswerer(nullptr); }
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    CModalScript& Answer(int result) {
        m_answers.push_back([result](const CModal::SRequest&) { return result; });
        return *this;
    }
    CModalScript& Answer(Handler handler) {
        m_answers.push_back(std::move(handler));
        return *this;
    }

    const std::vector<SRecord>& Requests() const { return m_requests; }
    int Unscripted() const { return m_nUnscripted; }
    int Pending() const { return static_cast<int>(m_answers.size()); }

private:
    int Take(const CModal::SRequest& request) {
        SRecord record;
        record.caption = request.caption;
        record.text = request.text;
        record.buttons = request.buttons;
        record.icon = request.icon;
        record.isDialog = request.dialog != nullptr;
        record.dialog = request.dialog;
        record.owner = request.owner;
        // Recorded before it is answered: an answer may itself raise a question.
        const std::size_t index = m_requests.size();
        m_requests.push_back(record);
        int result = 0;
        if (m_answers.empty()) {
            ++m_nUnscripted;
            result = request.dialog                     ? CModal::IdCancel
                     : request.buttons == CModal::YesNo ? CModal::IdNo
                                                        : CModal::IdOk;
        } else {
            const Handler handler = std::move(m_answers.front());
            m_answers.pop_front();
            result = handler(request);
        }
        m_requests[index].result = result;
        return result;
    }

    std::deque<Handler> m_answers;
    std::vector<SRecord> m_requests;
    int m_nUnscripted = 0;
};
