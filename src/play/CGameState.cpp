#include "play/CGameState.h"

#include "game/CCaseTable.h"
#include "game/Deal.h"
#include "game/GameNames.h"
#include "play/IGameView.h"
#include "players/CPlayerApp.h"
#include "shell/CSoundCues.h"

namespace {

std::string DisplayName(const std::string& name, const char* fallback) {
    return name.empty() || name == "Name" ? fallback : name;
}

}  // namespace

CGameState::CGameState(CBoard& board, IGameView& view, IRandom& random, ISound& sound,
                       CPlayerApp& app)
    : m_board(board),
      m_view(view),
      m_random(random),
      m_sound(sound),
      m_app(app),
      m_eq(view, [this](bool bHasResult, int nResult) { Highlight(bHasResult, nResult); }) {
    // Until a game starts the buttons offer every operator.
    for (int row = 0; row < 2; ++row) {
        for (char op : std::string("+-*/")) m_eq.Operator(row).AddOperator(op);
        m_eq.Operator(row).ShowFirst();
    }
}

int CGameState::CurrentPlayer() const {
    return m_board.CurrentPlayer();
}

bool CGameState::IsComputersTurn() const {
    return m_s.m_bOnePlayer && CurrentPlayer() == 1;
}

bool CGameState::IsLocked() const {
    return m_s.m_nShake != 0 || !m_s.m_bGameStarted;
}

CGamePlayer* CGameState::Record(int nSeat) const {
    return nSeat == 0 || nSeat == 1 ? m_app.m_pPlayers[nSeat].get() : nullptr;
}

// ---- start -------------------------------------------------------------------

void CGameState::StartGame(char chSign, int nPieces, const COperatorSet& operators,
                           const std::string& strName1, const std::string& strName2,
                           bool bOnePlayer, bool bSound) {
    m_s.m_nShake = 0;
    for (int row = 0; row < 2; ++row) m_eq.Operator(row).RemoveOperators();
    m_s.m_bSound = bSound;
    m_app.m_bSound = bSound;
    m_board.SetOperators(operators);
    for (char op : operators.Text()) {
        for (int row = 0; row < 2; ++row) m_eq.Operator(row).AddOperator(op);
    }
    m_eq.Clear();
    m_s.m_bBestKept = false;
    const int signMode = SignModeForLetter(chSign);
    m_s.m_nSignMode = signMode < 0 ? kSignBoth : signMode;
    const std::string key = operators.Letters() + "." + chSign;
    m_board.SetPositiveOnly(chSign == 'P');
    m_view.ClearHighlights();
    if (!m_view.LoadBoard(key)) m_view.Notify("Unable to load board" + key, "File Error");
    m_board.RefreshCounts();
    m_s.m_nPieces = nPieces;
    m_view.BlockRandomCells(kCells - nPieces);
    m_board.SetCurrentPlayer(0);
    m_s.m_strName[0] = DisplayName(strName1, "Player One");
    m_s.m_bOnePlayer = bOnePlayer;
    m_s.m_strName[1] = bOnePlayer ? "Computer" : DisplayName(strName2, "Player Two");
    m_s.m_nScore = {0, 0};
    m_view.ResetScores();
    m_s.m_nBestValue = kNoResult;
    m_s.m_nBestNeighbours = kUnset;
    m_s.m_nBestCase = kUnset;
    m_s.m_bGameStarted = true;
    m_s.m_strTurn.clear();
    if (m_s.m_bShowQuickInstructions) m_view.ShowQuickInstructions();
    m_view.Refresh();
    if (m_s.m_bFirstGame) {
        m_s.m_bFirstGame = false;
    } else {
        m_view.Notify("It's " + m_s.m_strName[0] + "'s turn", "");
    }
    m_s.m_strTurn = m_s.m_strName[0] + "'s turn";
    m_s.m_nShake = 1;
    m_s.m_bBestKept = false;
    m_view.Refresh();
}

// ---- controls ----------------------------------------------------------------

void CGameState::OnNumberClicked(int k) {
    if (IsLocked() || (IsComputersTurn() && !m_s.m_bAutoPlay)) return;
    if (k < 0 || k >= CEquations::kNumbers || !m_eq.m_bNumberEnabled[k]) return;
    m_eq.PlaceNumber(k);
    m_view.Refresh();
}

void CGameState::OnSlotClicked(int s) {
    if (IsLocked() || IsComputersTurn()) return;
    if (s < 0 || s >= CEquations::kSlots || !m_eq.m_bSlotEnabled[s]) return;
    m_eq.EmptySlot(s);
    m_view.Refresh();
}

void CGameState::OnOperatorClicked(int nRow) {
    if (IsLocked() || IsComputersTurn()) return;
    m_eq.StepOperator(nRow);
    m_view.Refresh();
}

void CGameState::OnPass() {
    if (IsLocked() || IsComputersTurn()) return;
    EndMove(true);
}

void CGameState::Highlight(bool bHasResult, int nResult) {
    if (!bHasResult) {
        m_view.ClearHighlights();
    } else if (IsComputersTurn()) {
        m_view.HighlightPiece(m_s.m_nBestPiece, true);
    } else {
        m_view.HighlightValue(nResult);
    }
}

// ---- deal ----------------------------------------------------------------------

void CGameState::OnTimer() {
    // Boxes opened from inside a tick keep the timer running; nested ticks wait.
    if (m_s.m_bInTimer) return;
    m_s.m_bInTimer = true;
    if (m_s.m_nShake > 0) {
        DealTick();
    } else if (m_s.m_bGameStarted) {
        m_eq.CaretTick();
        m_view.Refresh();
    }
    m_s.m_bInTimer = false;
}

void CGameState::DealTick() {
    CSoundCues::Play(m_sound, m_s.m_bSound, ECue::Shake);
    if (m_s.m_nShake == 1) {
        m_eq.EnableDealtNumbers();
        m_s.m_bBestKept = false;
    }
    ++m_s.m_nShake;
    const int a = DealNumber(m_random);
    const int b = DealNumber(m_random);
    const int c = DealNumber(m_random);
    m_eq.ShowDealt(a, b, c);
    const CBestPiece best = m_board.FindBestPiece(a, b, c);
    if (best.m_bFound) {
        if (!m_s.m_bBestKept) KeepSet(best, false);
        const bool trailing = m_s.m_nScore[0] + kCatchUpLead < m_s.m_nScore[1];
        if (m_s.m_bOnePlayer && CurrentPlayer() == 0 && trailing &&
            m_board.Piece(best.m_nBoardIndex).m_nTakenNeighbours > m_s.m_nBestNeighbours) {
            KeepSet(best, true);
        }
    } else if (!m_s.m_bBestKept) {
        m_s.m_strBestValue = "NO";
        m_s.m_nBestValue = kNoResult;
        m_s.m_nBestCase = kUnset;
    }
    if (m_s.m_nShake > kDealTicks) EndDeal();
    m_view.Refresh();
}

void CGameState::KeepSet(const CBestPiece& best, bool bCatchUp) {
    const CPiece& piece = m_board.Piece(best.m_nBoardIndex);
    for (int k = 0; k < 3; ++k) m_s.m_nKeptNumber[k] = m_eq.m_nNumber[k];
    m_s.m_bBestKept = true;
    m_s.m_nBestValue = piece.m_nValue;
    m_s.m_nBestNeighbours = piece.m_nTakenNeighbours;
    m_s.m_nBestCase = best.m_nCase;
    m_s.m_nBestPiece = best.m_nBoardIndex;
    m_s.m_strBestValue = std::to_string(piece.m_nValue) + (bCatchUp ? "!" : "");
    m_s.m_strBestCase = std::to_string(best.m_nCase);
}

void CGameState::EndDeal() {
    m_s.m_nShake = 0;
    if (m_s.m_bBestKept) {
        m_eq.ShowDealt(m_s.m_nKeptNumber[0], m_s.m_nKeptNumber[1], m_s.m_nKeptNumber[2]);
    }
    if (IsComputersTurn()) {
        m_view.RedrawTakenMarkers();
        if (m_s.m_nBestCase >= 0) {
            m_eq.m_nResult = m_s.m_nBestValue;
            m_view.HighlightPiece(m_s.m_nBestPiece, true);
            PlayCase(m_s.m_nBestCase, true);
            m_view.Refresh();
        } else {
            m_view.Refresh();
            m_view.ShowMessage("Computer's Move", "I'm afraid I cannot find\na move, so I must pass.");
            m_view.Refresh();
            EndMove(false);
        }
    }
    m_s.m_bBestKept = false;
}

void CGameState::PlayCase(int nCase, bool bPlace) {
    m_s.m_bAutoPlay = true;
    const std::optional<CCaseEntry> entry = CCaseTable::Entry(nCase);
    if (!entry) return;
    m_eq.Operator(0).SetOperator(entry->m_cFirst);
    m_eq.Operator(1).SetOperator(entry->m_cSecond);
    if (bPlace) {
        m_eq.FillEquation(entry->m_nSlot[0], entry->m_nSlot[1], entry->m_nSlot[2],
                          entry->m_nSlot[3]);
    }
}

// ---- end of a move ---------------------------------------------------------------

void CGameState::OnPieceTaken(int nPlayer, int nPoints) {
    if (nPlayer != 0 && nPlayer != 1) return;
    m_s.m_nScore[nPlayer] += nPoints;
    m_s.m_nMovePoints = nPoints;
    EndMove(false);
}

void CGameState::EndMove(bool bPass) {
    const int player = CurrentPlayer();
    const bool obtainable = m_s.m_nBestValue != kNoResult;
    if (bPass && obtainable) {
        m_view.Refresh();
        if (!m_view.Ask("Are you sure you want to pass?", "Confirm Pass")) return;
    }
    CGamePlayer* mover = Record(player);
    if (bPass && obtainable && (player == 0 || !m_s.m_bOnePlayer) && mover) mover->AddPass();
    m_board.RefreshCounts();
    m_view.Refresh();
    m_view.CountScore(player, m_s.m_nScore[player]);
    if (mover && (player == 0 || !m_s.m_bOnePlayer)) mover->SetScore(m_s.m_nScore[player]);
    if (m_s.m_nBestNeighbours + 1 > m_s.m_nMovePoints) {
        m_view.ClearHighlights();
        if (mover) mover->AddMissedMove();
        m_view.Refresh();
        if (m_view.Ask("There was a better move.\nWould you like to see it?", "Better Move")) {
            ShowBetterMove();
        }
    }
    m_s.m_nMovePoints = 0;
    const int next = 1 - player;
    m_board.SetCurrentPlayer(next);
    if (next == 0) m_s.m_bAutoPlay = false;
    const bool over = m_board.AllTaken();
    if (!over) {
        m_s.m_strTurn = m_s.m_strName[next] + "'s turn";
        m_view.Refresh();
    }
    m_eq.Clear();
    m_view.ClearHighlights();
    m_s.m_nBestValue = kNoResult;
    m_s.m_nBestNeighbours = kUnset;
    if (!over) m_s.m_nShake = 1;
    m_s.m_bBestKept = false;
    if (!IsComputersTurn()) m_view.RedrawTakenMarkers();
    m_view.Refresh();
    if (over) GameOver();
}

void CGameState::ShowBetterMove() {
    PlayCase(m_s.m_nBestCase, true);
    m_view.HighlightPiece(m_s.m_nBestPiece, false);
    m_s.m_strTurn = "Better Move";
    m_view.Refresh();
    m_view.ShowMessage("Better Move", "Continue the game.");
    m_view.ClearHighlights();
}

void CGameState::EndRecords(bool bFinished, bool bDidNotWinOne, bool bDidNotWinTwo) {
    CGamePlayer* one = Record(0);
    CGamePlayer* two = Record(1);
    if (one) one->EndStats(two ? two->m_strName : "the computer", bFinished, bDidNotWinOne);
    if (two) two->EndStats(one ? one->m_strName : "", bFinished, bDidNotWinTwo);
}

void CGameState::GameOver() {
    const int one = m_s.m_nScore[0];
    const int two = m_s.m_nScore[1];
    EndRecords(true, two >= one, two <= one);
    std::string text = "It is a tie!";
    if (one > two) {
        CSoundCues::Play(m_sound, m_s.m_bSound, ECue::HumanWins);
        text = m_s.m_strName[0] + " is the winner!";
    } else if (two > one) {
        CSoundCues::Play(m_sound, m_s.m_bSound,
                         m_s.m_bOnePlayer ? ECue::ComputerWins : ECue::HumanWins);
        text = m_s.m_strName[1] + " is the winner!";
    }
    m_view.Notify(text, "Game Over");
    // Until the next game starts the board is finished: nothing to play.
    m_s.m_bGameStarted = false;
    m_s.m_bGameInProgress = false;
    m_view.NewGame(false);
    m_s.m_bGameInProgress = true;
}

void CGameState::AbandonRecords() {
    EndRecords(false, true, true);
    for (auto& record : m_app.m_pPlayers) {
        if (!record) continue;
        record->Save(m_app.PlayersDir());
        record.reset();
    }
}

bool CGameState::QuitGame(int nMode) {
    if (nMode == 2) {
        if (!m_view.Ask("Are you sure you want to quit?", "Confirmation")) return false;
        AbandonRecords();
    }
    m_s.m_bCanClose = true;
    m_view.CloseWindow();
    return true;
}

// ---- hints -------------------------------------------------------------------------

void CGameState::OnHint() {
    if (IsLocked() || IsComputersTurn()) return;
    TakeHint(m_view.RunHintDialog());
}

void CGameState::TakeHint(int nResult) {
    if (nResult != kHintOperators && nResult != kHintOptimal) return;
    if (m_s.m_nBestValue == kNoResult) {
        m_view.Notify("There is no obtainable piece.", "Hint");
        return;
    }
    const int player = CurrentPlayer();
    CGamePlayer* record = Record(player);
    int cost = kOptimalHintCost;
    if (nResult == kHintOperators) {
        for (int s = CEquations::kSlots - 1; s >= 0; --s) m_eq.EmptySlot(s);
        if (record) record->AddOperatorHint();
        PlayCase(m_s.m_nBestCase, false);
        m_view.Refresh();
        m_view.ShowMessage("Hint", "The operators have been set.");
        cost = kOperatorHintCost;
    } else {
        if (record) record->AddOptimalHint();
        m_view.Refresh();
        m_view.ShowMessage("Hint",
                           "The value of the best piece is " + std::to_string(m_s.m_nBestValue) + ".");
    }
    m_s.m_nScore[player] -= cost;
    m_view.CountScore(player, m_s.m_nScore[player]);
    m_view.Refresh();
}
