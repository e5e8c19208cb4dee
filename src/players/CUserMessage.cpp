#include "players/CUserMessage.h"

#include "platform/CModal.h"

void CUserMessage::Show(QWidget* owner, const std::string& text, const std::string& caption) {
    const QString message = QString::fromStdString(text);
    if (caption.empty())
        CModal::AppMessage(message);
    else
        CModal::Message(owner, message, QString::fromStdString(caption));
}

FnMessage CUserMessage::For(QWidget* owner) {
    return [owner](const std::string& text, const std::string& caption) {
        Show(owner, text, caption);
    };
}

bool CUserMessage::Confirm(QWidget* owner, const char* question) {
    return CModal::Message(owner, QString::fromUtf8(question), QStringLiteral("Confirmation"),
                           CModal::YesNo, CModal::Question) == CModal::IdYes;
}
