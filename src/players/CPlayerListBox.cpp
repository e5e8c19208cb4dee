#include "players/CPlayerListBox.h"

#include "players/ShownText.h"

namespace {

// The index's own bytes, kept as read: a name or file name that is not UTF-8
// would not survive the way through QString, and the file name must still
// name its file when the index is written again.
const int kNameRole = Qt::UserRole;
const int kFileRole = Qt::UserRole + 1;

std::string Bytes(const QListWidgetItem& entry, int role) {
    return entry.data(role).toByteArray().toStdString();
}

}  // namespace

CPlayerListBox::CPlayerListBox(QWidget* parent) : QListWidget(parent) {
    // QListWidget's own sorting heeds case; AddItem places entries itself.
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int CPlayerListBox::AddItem(const std::string& name, const std::string& file) {
    const QString text = ShownText(name);
    // The place after every entry of an equal name, found by halving: the
    // list is in order, and a walk from the top would make filling it quadratic.
    int nAt = 0;
    for (int nEnd = count(); nAt < nEnd;) {
        const int nMiddle = nAt + (nEnd - nAt) / 2;
        if (QString::compare(item(nMiddle)->text(), text, Qt::CaseInsensitive) > 0)
            nEnd = nMiddle;
        else
            nAt = nMiddle + 1;
    }
    auto* entry = new QListWidgetItem(text);
    entry->setData(kNameRole, QByteArray::fromStdString(name));
    entry->setData(kFileRole, QByteArray::fromStdString(file));
    insertItem(nAt, entry);
    return nAt;
}

bool CPlayerListBox::GetItem(int nIndex, std::string& name, std::string& file) const {
    const QListWidgetItem* entry = item(nIndex);
    if (!entry) return false;
    name = Bytes(*entry, kNameRole);
    file = Bytes(*entry, kFileRole);
    return true;
}

void CPlayerListBox::Fill(const CPlayersIndex& index, const std::string& playersDir,
                          const FnMessage& message, const CPlayersIndex::FnSkip& skip) {
    clear();
    index.FillPlayerList(
        playersDir, skip,
        [this](const SIndexEntry& entry) { AddItem(entry.strName, entry.strFile); }, message);
}

int CPlayerListBox::FindPrefix(const QString& text) const {
    for (int i = 0; i < count(); ++i)
        if (item(i)->text().startsWith(text, Qt::CaseInsensitive)) return i;
    return -1;
}

int CPlayerListBox::FindExact(const QString& text) const {
    for (int i = 0; i < count(); ++i)
        if (QString::compare(item(i)->text(), text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int CPlayerListBox::Selected() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}

void CPlayerListBox::Select(int nIndex) {
    if (nIndex >= 0 && nIndex < count()) {
        setCurrentRow(nIndex, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(nIndex));
    } else {
        clearSelection();
    }
}
