#include "play/CGameState.h"

#include <algorithm>
#include <cmath>

#include "game/CCaseTable.h"
#include "game/CGameCode.h"
#include "game/CMoveList.h"
#include "game/Deal.h"
#include "game/GameNames.h"
#include "platform/CSoundCues.h"
#include "platform/IRandom.h"
#include "platform/WinPath.h"
#include "play/IGameView.h"
#include "players/CGameStats.h"
#include "players/CPlayerApp.h"

namespace {

std::string DisplayName(const std::string& name, const char* fallback) {
    return name.empty() || name == "Name" ? fallback : name;
}

bool Contains(const std::vector<int>& list, int nIndex) {
    return std::find(list.begin(), list.end(), nIndex) != list.end();
}

}  // namespace

CGameState::CGameState(IGameView& view, IRandom& random, ISound& sound, CPlayerApp& app)
    : m_view(view),
      m_random(random),
      m_sound(sound),
      m_app(app),
      m_eq(view, [this](bool bHasResult, int nResult) { OnResult(bHasResult, nResult); }) {
    // Until a game starts the buttons offer every operator.
    for (int row = 0; row < 2; ++row) {
        for (char op : std::string("+-*/")) m_eq.Operator(row).AddOperator(op);
        m_eq.Operator(row).ShowFirst();
    }
}

bool CGameState::SoundOn() const {
    return m_app.m_bSound;
}

CGameOptions CGameState::Options() const {
    CGameOptions options;
    options.m_strName1 = m_s.m_strName[0];
    options.m_strName2 = m_s.m_strName[1];
    options.m_bOnePlayer = m_s.m_bOnePlayer;
    options.m_nPieces = m_s.m_nPieces;
    options.m_operators = m_board.Operators();
    options.m_nSignMode = m_s.m_nSignMode;
    options.m_bSound = SoundOn();
    options.m_bShowQuickInstructions = m_s.m_bShowQuickInstructions;
    options.m_nLevel = m_app.m_nLevel;
    return options;
}

bool CGameState::IsLocked() const {
    return m_s.m_nShake != 0 || !m_s.m_bGameStarted;
}

CGamePlayer* CGameState::Record(int nSeat) const {
    return nSeat == 0 || nSeat == 1 ? m_app.m_pPlayers[nSeat].get() : nullptr;
}

void CGameState::SaveRecords() const {
    for (const auto& record : m_app.m_pPlayers) {
        if (record) record->Save(m_app.PlayersDir());
    }
}

// ---- start -------------------------------------------------------------------

void CGameState::LoadStartupBoard() {
    ReadBoard(BoardKey(COperatorSet{}, kSignBoth));
    m_board.RefreshCounts();
}

bool CGameState::ReadBoard(const std::string& key) {
    if (m_board.LoadFile(ToLocalPath("data\\" + key))) return true;
    m_view.Notify("Unable to load board" + key, "File Error");
    return false;
}

void CGameState::StartGame(const CGameOptions& options, std::optional<std::uint32_t> nSeed) {
    const std::uint32_t seed = nSeed ? *nSeed : m_random.NewSeed();
    m_random.Restart(seed);
    m_s.m_strCode = CGameCode::Make(options, seed);
    for (const auto& record : m_app.m_pPlayers) {
        if (!record) continue;
        record->StartStats(options.GameTitle());
        record->m_pCurrentStats->m_strCode = m_s.m_strCode;
    }
    m_s.m_bShowQuickInstructions = options.m_bShowQuickInstructions;
    m_s.m_nLevel = m_app.m_nLevel = options.m_nLevel;
    m_s.m_nShake = 0;
    for (int row = 0; row < 2; ++row) m_eq.Operator(row).RemoveOperators();
    m_app.m_bSound = options.m_bSound;
    m_board.SetOperators(options.m_operators);
    for (char op : options.m_operators.Text()) {
        for (int row = 0; row < 2; ++row) m_eq.Operator(row).AddOperator(op);
    }
    m_eq.Clear();
    m_s.m_bBestKept = false;
    m_s.m_nSignMode = options.m_nSignMode;
    m_board.SetPositiveOnly(options.m_nSignMode == kSignPositive);
    ClearHighlights();
    if (ReadBoard(options.BoardKey())) m_view.BoardLoaded();
    m_board.RefreshCounts();
    m_s.m_nPieces = options.m_nPieces;
    if (!m_board.BlockRandomCells(kCells - options.m_nPieces, m_random).empty()) m_view.CellsBlocked();
    m_board.SetCurrentPlayer(0);
    m_s.m_strName[0] = DisplayName(options.m_strName1, "Player One");
    m_s.m_bOnePlayer = options.m_bOnePlayer;
    m_s.m_strName[1] =
        options.m_bOnePlayer ? "Computer" : DisplayName(options.m_strName2, "Player Two");
    m_s.m_nScore = {0, 0};
    m_view.ResetScores();
    m_s.m_nBestValue = kNoResult;
    m_s.m_nBestNeighbours = kUnset;
    m_s.m_nBestCase = kUnset;
    m_s.m_bGameStarted = true;
    m_s.m_bGameInProgress = true;
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
    SaveRecords();
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

void CGameState::OnOperatorChosen(int nRow, char chOperator) {
    if (IsLocked() || IsComputersTurn()) return;
    COperatorCycle& cycle = m_eq.Operator(nRow);
    if (cycle.Operators().find(chOperator) == std::string::npos) return;
    cycle.SetOperator(chOperator);
    m_eq.Evaluate();
    m_view.Refresh();
}

void CGameState::OnPass() {
    if (IsLocked() || IsComputersTurn()) return;
    EndMove(true);
}

void CGameState::OnResult(bool bHasResult, int nResult) {
    if (!bHasResult) return ClearHighlights();
    if (IsComputersTurn()) return SetHighlights({m_s.m_nBestPiece}, {});
    std::vector<int> pieces;
    for (int index = 0; index < kCells; ++index) {
        const CPiece& piece = m_board.Piece(index);
        if (piece.m_bExists && piece.IsUntaken() && piece.m_nValue == nResult) pieces.push_back(index);
    }
    SetHighlights(std::move(pieces), {});
}

void CGameState::SetHighlights(std::vector<int> selectable, std::vector<int> warning) {
    // Only pieces blink; a cell without one shows nothing.
    const auto noPiece = [this](int nIndex) { return !m_board.HasPiece(nIndex); };
    selectable.erase(std::remove_if(selectable.begin(), selectable.end(), noPiece), selectable.end());
    warning.erase(std::remove_if(warning.begin(), warning.end(), noPiece), warning.end());
    if (selectable == m_s.m_selectable && warning == m_s.m_warning) return;
    m_s.m_selectable = std::move(selectable);
    m_s.m_warning = std::move(warning);
    m_view.HighlightsChanged();
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
    CSoundCues::Play(m_sound, SoundOn(), ECue::Shake);
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
    m_turnMoves = CMoveList::For(m_board, m_eq.m_nNumber[0], m_eq.m_nNumber[1], m_eq.m_nNumber[2]);
    m_nTaken = -1;
    if (!IsComputersTurn()) {
        m_s.m_bComposing = true;
        m_view.MovesChanged();
    }
    if (IsComputersTurn()) {
        m_view.RedrawTakenMarkers();
        if (m_s.m_nBestCase >= 0 && m_s.m_nLevel != kLevelExpert) ChooseWeakerMove();
        if (m_s.m_nBestCase >= 0) {
            m_eq.m_nResult = m_s.m_nBestValue;
            SetHighlights({m_s.m_nBestPiece}, {});
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

void CGameState::ChooseWeakerMove() {
    const std::vector<CMove>& moves = m_turnMoves;
    if (moves.empty()) return;
    // Rank r of n weighs (n - r) ^ k: a beginner strays further than an intermediate.
    const double power = m_s.m_nLevel == kLevelBeginner ? kBeginnerPower : kIntermediatePower;
    std::vector<double> weights;
    double total = 0;
    for (std::size_t r = 0; r < moves.size(); ++r) {
        weights.push_back(std::pow(double(moves.size() - r), power));
        total += weights.back();
    }
    double draw = total * m_random.Next() / (kRandomRange + 1.0);
    std::size_t chosen = 0;
    while (chosen + 1 < moves.size() && draw >= weights[chosen]) draw -= weights[chosen++];
    const CMove& move = moves[chosen];
    // What the computer believes best: the move it makes leaves no better one.
    m_s.m_nBestPiece = move.m_nIndex;
    m_s.m_nBestCase = move.m_nCase;
    m_s.m_nBestValue = move.m_nValue;
    m_s.m_nBestNeighbours = move.m_nPoints - 1;
}

std::string CGameState::ComputerName() const {
    if (m_s.m_nLevel == kLevelExpert) return "the computer";
    return std::string("the computer (") + CGameOptions::LevelName(m_s.m_nLevel) + ")";
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

// ---- the take ---------------------------------------------------------------------

// Only a grey piece may be taken: the pieces of the result, on the computer's
// turn its one piece; a better move pointed out in red is only shown.
bool CGameState::MayTake(int nIndex) const {
    return !IsLocked() && Contains(m_s.m_selectable, nIndex);
}

CTakeOutcome CGameState::OnPieceClicked(int nIndex) {
    CTakeOutcome take;
    take.m_nIndex = nIndex;
    if (m_s.m_bTaking) return take;
    take.m_nPlayer = CurrentPlayer();
    // Points as counted by the last refresh, before this take changes anything.
    take.m_nPoints = MayTake(nIndex) ? m_board.TakePiece(nIndex, take.m_nPlayer + 1) : 0;
    if (take.m_nPoints == 0) {
        take.m_eKind = CTakeOutcome::Refused;
        m_view.ShowTake(take);
        return take;
    }
    take.m_eKind = CTakeOutcome::Taken;
    m_board.CountTakenNeighbours(nIndex / kColumns, nIndex % kColumns,
                                 [&take](int nNeighbour) { take.m_neighbours.push_back(nNeighbour); });
    m_nTaken = nIndex;
    m_s.m_bTaking = true;
    m_view.ShowTake(take);
    m_s.m_bTaking = false;
    m_s.m_nScore[take.m_nPlayer] += take.m_nPoints;
    m_s.m_nMovePoints = take.m_nPoints;
    EndMove(false);
    return take;
}

// ---- end of a move ---------------------------------------------------------------

void CGameState::EndMove(bool bPass) {
    const int player = CurrentPlayer();
    const bool obtainable = m_s.m_nBestValue != kNoResult;
    if (bPass && obtainable) {
        m_view.Refresh();
        if (!m_view.Ask("Are you sure you want to pass?", "Confirm Pass")) return;
    }
    m_s.m_lastMoves = m_turnMoves;
    m_s.m_nLastNumbers = {m_eq.m_nNumber[0], m_eq.m_nNumber[1], m_eq.m_nNumber[2]};
    m_s.m_nLastPlayed = bPass ? -1 : m_nTaken;
    m_s.m_nLastMover = player;
    m_s.m_bComposing = false;
    m_view.MovesChanged();
    // The computer keeps no record; its seat is empty in a one-player game.
    CGamePlayer* mover = IsComputersTurn() ? nullptr : Record(player);
    if (bPass && obtainable && mover) mover->AddPass();
    m_board.RefreshCounts();
    m_view.Refresh();
    m_view.CountScore(player, m_s.m_nScore[player]);
    if (mover) mover->SetScore(m_s.m_nScore[player]);
    if (m_s.m_nBestNeighbours + 1 > m_s.m_nMovePoints) {
        ClearHighlights();
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
    ClearHighlights();
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
    SetHighlights({}, {m_s.m_nBestPiece});
    m_s.m_strTurn = "Better Move";
    m_view.Refresh();
    m_view.ShowMessage("Better Move", "Continue the game.");
    ClearHighlights();
}

void CGameState::EndRecords(bool bFinished, bool bDidNotWinOne, bool bDidNotWinTwo) {
    CGamePlayer* one = Record(0);
    CGamePlayer* two = Record(1);
    if (one) one->EndStats(two ? two->m_strName : ComputerName(), bFinished, bDidNotWinOne);
    if (two) two->EndStats(one ? one->m_strName : "", bFinished, bDidNotWinTwo);
}

void CGameState::GameOver() {
    const int one = m_s.m_nScore[0];
    const int two = m_s.m_nScore[1];
    EndRecords(true, two >= one, two <= one);
    // Written now, so a finished game is not lost with the run before the next save.
    SaveRecords();
    std::string text = "It is a tie!";
    if (one > two) {
        CSoundCues::Play(m_sound, SoundOn(), ECue::HumanWins);
        text = m_s.m_strName[0] + " is the winner!";
    } else if (two > one) {
        CSoundCues::Play(m_sound, SoundOn(),
                         m_s.m_bOnePlayer ? ECue::ComputerWins : ECue::HumanWins);
        text = m_s.m_strName[1] + " is the winner!";
    }
    // Until the next game starts the board is finished: nothing to play.
    m_s.m_bGameStarted = false;
    m_view.Notify(text, "Game Over");
    m_view.NextGame();
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
    m_s.m_bGameStarted = false;
    m_s.m_nShake = 0;
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
