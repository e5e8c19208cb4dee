#include "play/CGameDlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "platform/CCueTimer.h"
#include "platform/CModal.h"
#include "platform/CSoundCues.h"
#include "play/CGameCodeDlg.h"
#include "play/CHintDlg.h"
#include "play/CMessageDlg.h"
#include "play/CMoveCoachWnd.h"
#include "play/CScoreCounter.h"
#include "players/CPlayerApp.h"
#include "players/CSelectPlayer.h"
#include "shell/CAppPalette.h"
#include "shell/CBitmaps.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/CGameSetupDlg.h"
#include "shell/COperatorButton.h"
#include "shell/CTile.h"

namespace {

// The window is drawn for base units of 9 x 20: the board frame then holds
// the 624 x 271 pixels of its cells whatever the desktop's font.
constexpr SBaseUnits kDesignUnits{9, 20};
const QColor kButtonColour(35, 211, 131);
// Keys of the commands the window itself holds in its queue; the menu's
// commands use their own ids, which are all far above these.
enum : int { kNewGameKey = 1, kQuitKey = 2, kCodeGameKey = 3 };

CDialogBuilder MainWindowBuilder() {
    CDialogBuilder builder(CGameDlg::kTemplate);
    builder.UseBaseUnits(kDesignUnits);
    builder.Make(CGameDlg::IdBoard, [](QWidget* parent, const SControlTemplate&) {
        return new CGameBoard(parent);
    });
    for (int id : {CGameDlg::IdOperator0, CGameDlg::IdOperator1}) {
        builder.Make(id, [](QWidget* parent, const SControlTemplate&) {
            return new COperatorButton(parent);
        });
    }
    return builder;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Only a change is announced to assistive tools.
void Describe(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

}  // namespace

CGameDlg::CGameDlg(CPlayerApp& app, ISound& sound, IRandom& random, IClock& clock,
                   QWidget* parent)
    : CFixedLayoutDlg(MainWindowBuilder(), parent),
      m_app(app),
      m_sound(sound),
      m_random(random),
      m_clock(clock),
      m_brScores(CAppPalette::Brush(CAppPalette::Green)),
      m_brEquations(CAppPalette::Brush(CAppPalette::LightGreen)),
      m_brButtons(kButtonColour) {
    m_pGame = std::make_unique<CGameState>(static_cast<IGameView&>(*this), random, sound, app);
    BindControls();
    m_pScoreCounter = std::make_unique<CScoreCounter>(sound);
    m_pTimer = std::make_unique<CCueTimer>(kTimerMs, [this] { OnTimer(); });
    ApplyColours();
    Refresh();
}

CGameDlg::~CGameDlg() {
    m_pBoard->m_fnClicked = nullptr;
}

void CGameDlg::BindControls() {
    m_pBoard = CDialogBuilder::ControlAs<CGameBoard>(*this, IdBoard);
    m_pBoard->resize(m_pBoard->sizeHint());
    m_pBoard->SetModel(&m_pGame->Board());
    m_pBoard->m_fnClicked = [this](int nIndex) {
        Operation([this, nIndex] { m_pGame->OnPieceClicked(nIndex); });
    };
    for (int row = 0; row < 2; ++row) {
        m_pOperator[row] = CDialogBuilder::ControlAs<COperatorButton>(*this, IdOperator0 + row);
        connect(m_pOperator[row], &QPushButton::clicked, this, [this, row] {
            Operation([this, row] { m_pGame->OnOperatorClicked(row); });
        });
    }
    for (int k = 0; k < 4; ++k) {
        m_pNumber[k] = CDialogBuilder::ControlAs<QPushButton>(*this, k < 3 ? IdNumber0 + k
                                                                          : IdFirstResult);
        connect(m_pNumber[k], &QPushButton::clicked, this,
                [this, k] { Operation([this, k] { m_pGame->OnNumberClicked(k); }); });
        m_pSlot[k] = CDialogBuilder::ControlAs<QPushButton>(*this, IdSlot0 + k);
        connect(m_pSlot[k], &QPushButton::clicked, this,
                [this, k] { Operation([this, k] { m_pGame->OnSlotClicked(k); }); });
    }
    connect(CDialogBuilder::ControlAs<QPushButton>(*this, IdPass), &QPushButton::clicked, this,
            [this] { Operation([this] { m_pGame->OnPass(); }); });
    connect(CDialogBuilder::ControlAs<QPushButton>(*this, IdHint), &QPushButton::clicked, this,
            [this] { Operation([this] { m_pGame->OnHint(); }); });
    // The hidden default button takes Enter and does nothing with it.
}

void CGameDlg::ApplyColours() {
    for (QPushButton* button : m_pNumber) {
        QPalette palette = button->palette();
        palette.setBrush(QPalette::Button, m_brButtons);
        button->setPalette(palette);
    }
    for (QPushButton* button : m_pSlot) button->setPalette(m_pNumber[0]->palette());
    const auto colourText = [this](int id, const QColor& colour) {
        if (QWidget* control = Control(id)) {
            QPalette palette = control->palette();
            palette.setColor(QPalette::WindowText, colour);
            control->setPalette(palette);
        }
    };
    for (int id : {IdResult1, IdResult2, IdTurn, IdFirstEquals, IdSecondEquals})
        colourText(id, Qt::black);
    for (int id : {IdName0, IdName1, IdScore0, IdScore1, IdColon0, IdColon1})
        colourText(id, Qt::white);
}

// Finding a control walks every child's properties: the window keeps what it found.
QWidget* CGameDlg::Cached(int nId) const {
    QWidget*& control = m_controls[nId];
    if (!control) control = Control(nId);
    return control;
}

QLabel* CGameDlg::Label(int nId) const {
    return qobject_cast<QLabel*>(Cached(nId));
}

void CGameDlg::SetMenu(std::function<QMenuBar*()> make) {
    m_fnMakeMenu = std::move(make);
}

bool CGameDlg::OnInitDialog() {
    CFixedLayoutDlg::OnInitDialog();
    // The cells keep their size whatever the rescaling did to the frame.
    m_pBoard->resize(m_pBoard->sizeHint());
    m_pTimer->Start();
    // Commands typed from now until the first game is asked for (the splash is
    // up meanwhile) wait for the first paint.
    m_commands.Enter();
    // The board of the start-up screen, read before the splash as the game
    // always did, so nothing started meanwhile is replaced by it.
    m_pGame->LoadStartupBoard();
    // The window appears only once the splash has gone, so what only the
    // window shows is made after it: the splash comes up that much sooner.
    if (m_fnSplash) m_fnSplash();
    AttachMenu();
    BoardLoaded();
    Refresh();
    m_pBoard->StartBlinking();
    UpdateAnchor();
    return true;
}

void CGameDlg::AttachMenu() {
    if (!m_fnMakeMenu || m_pMenu) return;
    m_pMenu = m_fnMakeMenu();
    connect(m_pMenu, &QMenuBar::triggered, this, [this](QAction* action) {
        if (m_fnCommand && action->data().isValid()) m_fnCommand(action->data().toInt());
    });
    // The menu sits above the client area, as a window's menu does.
    const int height = m_pMenu->sizeHint().height();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != m_pMenu && !child->isWindow()) child->move(child->pos() + QPoint(0, height));
    }
    setFixedSize(width(), this->height() + height);
    m_pMenu->setGeometry(0, 0, width(), height);
    m_pMenu->show();
}

void CGameDlg::UpdateAnchor() {
    if (QWidget* anchor = Control(IdAnchor)) m_ptMessage = anchor->mapToGlobal(QPoint(0, 0));
}

void CGameDlg::moveEvent(QMoveEvent* event) {
    CFixedLayoutDlg::moveEvent(event);
    UpdateAnchor();
}

void CGameDlg::paintEvent(QPaintEvent* event) {
    if (isMinimized()) return;
    QPainter painter(this);
    const std::pair<int, const QBrush*> areas[] = {{IdScoresBox, &m_brScores},
                                                   {IdEquationsBox, &m_brEquations}};
    for (auto [id, brush] : areas) {
        if (QWidget* box = Cached(id)) painter.fillRect(box->geometry().adjusted(0, 10, 0, 0), *brush);
    }
    if (m_bFirstPaint) {
        m_bFirstPaint = false;
        // Not from inside the paint: the first game opens dialogs. It comes
        // after whatever was typed during the splash (a New Game merges with it).
        QTimer::singleShot(0, this, [this] {
            if (!m_pGame->State().m_bGameStarted) RequestNewGame(true, true);
            m_commands.Leave();
        });
    }
    CFixedLayoutDlg::paintEvent(event);
}

void CGameDlg::closeEvent(QCloseEvent* event) {
    if (m_pGame->State().m_bCanClose) return CFixedLayoutDlg::closeEvent(event);
    event->ignore();
    RequestQuit();
}

void CGameDlg::reject() {
    if (m_pGame->State().m_bCanClose) return CFixedLayoutDlg::reject();
    RequestQuit();
}

void CGameDlg::OnTimer() {
    Operation([this] { m_pGame->OnTimer(); });
}

void CGameDlg::RequestQuit() {
    m_commands.Submit(kQuitKey, [this] { QuitGame(2); });
}

void CGameDlg::QuitGame(int nMode) {
    if (m_pGame->QuitGame(nMode)) m_commands.Close();
}

void CGameDlg::RequestNewGame(bool bNewPlayers, bool bNoGame) {
    // A request already held takes this one's wishes with it.
    m_bNewPlayersAsked = m_bNewPlayersAsked || bNewPlayers;
    m_bNoGameAsked = m_bNoGameAsked || bNoGame;
    m_commands.Submit(kNewGameKey, [this] {
        const bool newPlayers = std::exchange(m_bNewPlayersAsked, false);
        if (!std::exchange(m_bNoGameAsked, false)) return NewGame(newPlayers);
        m_pGame->SetGameInProgress(false);
        NewGame(newPlayers);
        m_pGame->SetGameInProgress(true);
    });
}

void CGameDlg::NewGame(bool bNewPlayers) {
    CGameSetupDlg setup(this);
    setup.SetOptions(m_pGame->Options(), m_pGame->State().m_bGameInProgress, bNewPlayers);
    const int result = CModal::Run(setup);
    if (result == CGameSetupDlg::kQuitGame) {
        m_pGame->AbandonRecords();
        QuitGame(1);
        return;
    }
    if (result != CModal::IdOk) return;
    CGameOptions options = setup.Options();
    if (bNewPlayers) SeatPlayers(options);
    m_pGame->StartGame(options);
}

void CGameDlg::SeatPlayers(CGameOptions& options) {
    m_pGame->AbandonRecords();
    CSelectPlayer select(m_app, m_clock, this);
    std::string* names[2] = {&options.m_strName1, &options.m_strName2};
    for (int seat = 0; seat < (options.m_bOnePlayer ? 1 : 2); ++seat) {
        auto& record = m_app.m_pPlayers[seat];
        record = std::make_unique<CGamePlayer>(m_clock, [](const std::string& text, const std::string&) {
            CModal::AppMessage(QString::fromStdString(text));
        });
        record->m_strName = *names[seat];
        if (select.DoModal(seat) == CModal::IdOk) *names[seat] = record->m_strName;
    }
}

void CGameDlg::ShowGameCode() {
    const std::string& code = m_pGame->State().m_strCode;
    if (code.empty()) {
        CModal::Message(this, QStringLiteral("No game has been started yet."),
                        QStringLiteral("Game Code"), CModal::OkOnly, CModal::Information);
        return;
    }
    CGameCodeDlg dlg(code, this);
    CModal::Run(dlg);
}

void CGameDlg::RequestNewGameFromCode() {
    m_commands.Submit(kCodeGameKey, [this] {
        CGameCodeDlg dlg(m_pGame->Options(), this);
        if (CModal::Run(dlg) != CModal::IdOk) return;
        CGameOptions options = dlg.m_options;
        // The same players, unless the code seats another number of them.
        const bool seated = m_app.m_pPlayers[0] != nullptr;
        const bool twoSeated = m_app.m_pPlayers[1] != nullptr;
        if (!seated || twoSeated == options.m_bOnePlayer) SeatPlayers(options);
        m_pGame->StartGame(options, dlg.m_nSeed);
    });
}

// ---- drawing the rules' state -------------------------------------------------------

void CGameDlg::Show(QWidget* control, const std::string& text, const QString& description) {
    std::string& drawn = m_drawn[control];
    if (drawn == text && (description.isEmpty() || control->accessibleName() == description)) return;
    drawn = text;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(Text(text));
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(Text(text));
    if (!description.isEmpty()) Describe(control, description);
}

void CGameDlg::Refresh() {
    const CGameState::SState& state = m_pGame->State();
    const CEquations& eq = m_pGame->Equations();
    for (int k = 0; k < 4; ++k) {
        const std::string& number = eq.m_strNumber[k];
        Show(m_pNumber[k], number, QStringLiteral("Number %1").arg(Text(number)));
        m_pNumber[k]->setEnabled(eq.m_bNumberEnabled[k]);
        const QString slot = eq.m_nSlot[k] < 0 ? QStringLiteral("empty") : Text(eq.m_strSlot[k]);
        Show(m_pSlot[k], eq.m_strSlot[k], QStringLiteral("Slot %1: %2").arg(k + 1).arg(slot));
        m_pSlot[k]->setEnabled(eq.m_bSlotEnabled[k]);
    }
    for (int row = 0; row < 2; ++row) {
        const char op = eq.Operator(row).GetOperator();
        if (m_pOperator[row]->GetOperator() == op) continue;
        m_pOperator[row]->SetOperator(op);
        Describe(m_pOperator[row], QStringLiteral("Operator %1").arg(QChar::fromLatin1(op)));
    }
    Show(Label(IdResult1), eq.m_strFirstResult);
    Show(Label(IdResult2), eq.m_strSecondResult);
    Show(Label(IdTurn), state.m_strTurn);
    Show(Label(IdBestValue), state.m_strBestValue);
    Show(Label(IdBestCase), state.m_strBestCase);
    // Until the first game the band keeps the template's "Player One" and "Player Two".
    if (state.m_bFirstGame) return;
    for (int player = 0; player < 2; ++player) {
        const QString name = Text(state.m_strName[player]);
        Show(Label(IdName0 + player), state.m_strName[player]);
        Describe(Label(IdScore0 + player), QStringLiteral("Score of %1").arg(name));
    }
}

void CGameDlg::DescribePieces() {
    const CBoard& board = m_pGame->Board();
    for (int index = 0; index < kCells; ++index) {
        const CPiece& piece = board.Piece(index);
        const QString value = Text(piece.m_strCaption);
        QString state = QStringLiteral("untaken");
        if (piece.IsTaken()) state = piece.m_nTakenBy == kTakenByTwo ? "taken by player two" : "taken or blocked";
        if (CGamePiece* widget = m_pBoard->Piece(index)) {
            Describe(widget, QStringLiteral("Piece %1, %2").arg(value, state));
        }
        if (CTile* tile = m_pBoard->Tile(index)) {
            Describe(tile, QStringLiteral("Piece %1, %2").arg(value, state));
        }
    }
}

void CGameDlg::ShowMessage(const std::string& title, const std::string& text) {
    CMessageDlg dlg(this);
    dlg.ShowMessage(m_ptMessage.x(), m_ptMessage.y(), Text(text), Text(title));
}

bool CGameDlg::Ask(const std::string& text, const std::string& caption) {
    return CModal::Message(this, Text(text), Text(caption), CModal::YesNo, CModal::Question) ==
           CModal::IdYes;
}

void CGameDlg::Notify(const std::string& text, const std::string& caption) {
    CModal::Message(this, Text(text), Text(caption), CModal::OkOnly, CModal::NoIcon);
}

int CGameDlg::RunHintDialog() {
    CHintDlg dlg(this);
    return CModal::Run(dlg);
}

void CGameDlg::CountScore(int nPlayer, int nScore) {
    if (QLabel* label = Label(IdScore0 + nPlayer)) {
        m_pScoreCounter->CountTo(nPlayer, nScore, m_pGame->SoundOn(), *label);
    }
}

void CGameDlg::ResetScores() {
    Label(IdScore0)->setText(QStringLiteral("0"));
    Label(IdScore1)->setText(QStringLiteral("0"));
    m_pScoreCounter->ResetCounts();
}

void CGameDlg::BoardLoaded() {
    m_pBoard->Rebuild();
    DescribePieces();
}

void CGameDlg::CellsBlocked() {
    m_pBoard->ShowTakenTiles(CBitmaps::TileBlocked);
    DescribePieces();
}

void CGameDlg::RedrawTakenMarkers() {
    m_pBoard->ShowTakenTiles(CBitmaps::TileBlocked);
}

void CGameDlg::HighlightsChanged() {
    m_pBoard->SetHighlights(m_pGame->State().m_selectable, m_pGame->State().m_warning);
}

void CGameDlg::ShowTake(const CTakeOutcome& take) {
    const bool sound = m_pGame->SoundOn();
    if (take.m_eKind == CTakeOutcome::Refused) return CSoundCues::Play(m_sound, sound, ECue::No);
    if (take.m_eKind != CTakeOutcome::Taken) return;
    m_pBoard->ShowTile(take.m_nIndex, CBitmaps::TileTaken, true);
    CSoundCues::Play(m_sound, sound, ECue::Shoop);
    // Each taken neighbour turns green in turn, with its warble.
    for (int index : take.m_neighbours) {
        m_pBoard->ShowTile(index, CBitmaps::TileCounted, true);
        CSoundCues::Play(m_sound, sound, ECue::Warble);
    }
    DescribePieces();
}

void CGameDlg::MovesChanged() {
    if (m_pCoach) m_pCoach->Update();
}

void CGameDlg::ShowAllMoves() {
    if (!m_pCoach) m_pCoach = new CMoveCoachWnd(*m_pGame, this);
    m_pCoach->Update();
    m_pCoach->show();
    m_pCoach->raise();
}

void CGameDlg::NextGame() {
    RequestNewGame(false, true);
}

void CGameDlg::ShowQuickInstructions() {
    if (m_fnQuickInstructions) m_fnQuickInstructions();
}

void CGameDlg::CloseWindow() {
    done(CModal::IdOk);
}
