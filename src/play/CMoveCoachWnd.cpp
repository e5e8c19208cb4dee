#include "play/CMoveCoachWnd.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "play/CGameState.h"

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CMoveCoachWnd::CMoveCoachWnd(const CGameState& game, QWidget* owner)
    : QWidget(owner, Qt::Tool), m_game(game), m_pNote(new QLabel(this)), m_pList(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("All Moves"));
    m_pList->setHeaderLabels({QStringLiteral("Piece"), QStringLiteral("Row"), QStringLiteral("Column"),
                              QStringLiteral("Points"), QStringLiteral("Equations"), QString()});
    m_pList->setRootIsDecorated(false);
    m_pList->setAccessibleName(QStringLiteral("Every move of the last turn"));
    m_pNote->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pNote);
    layout->addWidget(m_pList);
    resize(520, 300);
    Update();
}

void CMoveCoachWnd::Update() {
    const CGameState::SState& state = m_game.State();
    m_pList->clear();
    if (state.m_bComposing) {
        m_pNote->setText(QStringLiteral("%1 is writing a move: the moves are shown once it is made.")
                             .arg(Text(state.m_strName[std::size_t(m_game.CurrentPlayer())])));
        return;
    }
    if (state.m_nLastMover < 0) {
        m_pNote->setText(QStringLiteral("No move has been made yet."));
        return;
    }
    const auto& numbers = state.m_nLastNumbers;
    const QString who = Text(state.m_strName[std::size_t(state.m_nLastMover)]);
    m_pNote->setText(state.m_lastMoves.empty()
                         ? QStringLiteral("%1, %2 and %3 reached no piece: %4 passed.")
                               .arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(who)
                         : QStringLiteral("The numbers %1, %2 and %3 offered %4 these moves, best first:")
                               .arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(who));
    for (std::size_t i = 0; i < state.m_lastMoves.size(); ++i) {
        const CMove& move = state.m_lastMoves[i];
        QStringList marks;
        if (i == 0) marks << QStringLiteral("best");
        if (move.m_nIndex == state.m_nLastPlayed) marks << QStringLiteral("played");
        auto* item = new QTreeWidgetItem(
            m_pList, {QString::number(move.m_nValue), QString::number(move.m_nIndex / kColumns + 1),
                      QString::number(move.m_nIndex % kColumns + 1), QString::number(move.m_nPoints),
                      Text(move.m_strFirst + ",  " + move.m_strSecond), marks.join(QStringLiteral(", "))});
        if (!marks.isEmpty()) {
            QFont font = item->font(0);
            font.setBold(true);
            for (int column = 0; column < m_pList->columnCount(); ++column) item->setFont(column, font);
        }
    }
    if (state.m_nLastPlayed < 0 && !state.m_lastMoves.empty())
        m_pNote->setText(m_pNote->text() + QStringLiteral(" (%1 passed)").arg(who));
    for (int column = 0; column < m_pList->columnCount(); ++column) m_pList->resizeColumnToContents(column);
}

void CMoveCoachWnd::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
