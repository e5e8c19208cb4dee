#include "platform/CMenuTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>

#include "platform/CDialogTemplate.h"

namespace {

[[noreturn]] void Fail(int id, const QString& what) {
    throw CTemplateError(QStringLiteral("Menu %1 is damaged: %2").arg(id).arg(what).toStdString());
}

}  // namespace

CMenuTemplate::CMenuTemplate(int id) {
    QFile file(QStringLiteral(":/menus/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        throw CTemplateError(QStringLiteral("Menu %1 is missing").arg(id).toStdString());
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("id").toInt() != id) Fail(id, "not a menu of that id");
    for (const QJsonValue& popupValue : root.value("popups").toArray()) {
        const QJsonObject popup = popupValue.toObject();
        SPopup entry{popup.value("text").toString(), {}};
        if (entry.text.isEmpty()) Fail(id, "a pop-up without text");
        for (const QJsonValue& itemValue : popup.value("items").toArray()) {
            const QJsonObject item = itemValue.toObject();
            if (item.value("separator").toBool()) {
                entry.items.push_back({});
                continue;
            }
            SItem added{item.value("text").toString(), item.value("id").toInt(),
                        item.value("prompt").toString()};
            if (added.text.isEmpty() || added.id <= 0) Fail(id, "an item without text or id");
            entry.items.push_back(added);
        }
        m_popups.push_back(entry);
    }
    for (const QJsonValue& keyValue : root.value("accelerators").toObject().value("keys").toArray()) {
        const QJsonObject key = keyValue.toObject();
        const QKeySequence sequence(key.value("key").toString(), QKeySequence::PortableText);
        if (sequence.isEmpty() || key.value("id").toInt() <= 0) Fail(id, "an accelerator without key or id");
        m_keys.push_back({sequence, key.value("id").toInt()});
    }
}

QMenuBar* CMenuTemplate::Build(QWidget* parent) const {
    auto* bar = new QMenuBar(parent);
    for (const SPopup& popup : m_popups) {
        QMenu* menu = bar->addMenu(popup.text);
        for (const SItem& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            // The key after the tab is shown by the menu; the accelerator table gives it.
            QAction* action = menu->addAction(item.text);
            action->setData(item.id);
            action->setStatusTip(item.prompt.section('\n', 0, 0));
        }
    }
    return bar;
}
