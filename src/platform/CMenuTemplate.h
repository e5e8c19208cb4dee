#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

class QMenuBar;
class QWidget;

// A menu and its accelerator table as the program's resources describe them
// (resources/menus/<id>.json, compiled in): pop-ups of items with command ids,
// and the keys that give a command from any window of the program.
class CMenuTemplate {
public:
    struct SItem {
        QString text;  // with '&' mnemonics; a tab introduces the key shown
        int id = 0;    // 0 for a separator
        QString prompt;
    };
    struct SPopup {
        QString text;
        std::vector<SItem> items;
    };
    struct SKey {
        QKeySequence key;
        int id = 0;
    };

    // Loads menu id; throws CTemplateError naming it when missing or damaged.
    explicit CMenuTemplate(int id);

    const std::vector<SPopup>& Popups() const { return m_popups; }
    const std::vector<SKey>& Accelerators() const { return m_keys; }
    // A menu bar of the pop-ups on parent; every item carries its id as the
    // action's data, and its prompt as status tip.
    QMenuBar* Build(QWidget* parent) const;

private:
    std::vector<SPopup> m_popups;
    std::vector<SKey> m_keys;
};
