#include "players/CUserMessage.h"

#include "platform/CModal.h"
#include "players/ShownText.h"

void CUserMessage::Show(QWidget* owner, const std::string& text, const std::string& caption) {
    const QString message = ShownText(text);
    if (caption.empty())
        CModal::AppMessage(message);
    else
        CModal::Message(owner, message, ShownText(caption));
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
