#include "play/CGameDlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "game/CGameOptions.h"
#include "game/GameNames.h"
#include "platform/CCueTimer.h"
#include "platform/CModal.h"
#include "play/CHintDlg.h"
#include "play/CMessageDlg.h"
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

CDialogBuilder MainWindowBuilder(ISound& sound) {
    CDialogBuilder builder(CGameDlg::kTemplate);
    builder.UseBaseUnits(kDesignUnits);
    builder.Make(CGameDlg::IdBoard, [&sound](QWidget* parent, const SControlTemplate&) {
        return new CGameBoard(sound, parent);
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
    : CFixedLayoutDlg(MainWindowBuilder(sound), parent),
      m_app(app),
      m_sound(sound),
      m_random(random),
      m_clock(clock),
      m_brScores(CAppPalette::Brush(CAppPalette::Green)),
      m_brEquations(CAppPalette::Brush(CAppPalette::LightGreen)),
      m_brButtons(kButtonColour) {
    BindControls();
    m_pBoard->SetOwner(this);
    m_pGame = std::make_unique<CGameState>(m_pBoard->Model(), static_cast<IGameView&>(*this),
                                           random, sound, app);
    m_pScoreCounter = std::make_unique<CScoreCounter>(sound);
    m_pTimer = std::make_unique<CCueTimer>(kTimerMs, [this] { OnTimer(); });
    ApplyColours();
    Refresh();
}

CGameDlg::~CGameDlg() {
    m_pBoard->SetOwner(nullptr);
}

void CGameDlg::BindControls() {
    m_pBoard = CDialogBuilder::ControlAs<CGameBoard>(*this, IdBoard);
    m_pBoard->resize(m_pBoard->sizeHint());
    for (int row = 0; row < 2; ++row) {
        m_pOperator[row] = CDialogBuilder::ControlAs<COperatorButton>(*this, IdOperator0 + row);
        connect(m_pOperator[row], &QPushButton::clicked, this, [this, row] {
            m_pGame->OnOperatorClicked(row);
        });
    }
    for (int k = 0; k < 4; ++k) {
        m_pNumber[k] = CDialogBuilder::ControlAs<QPushButton>(*this, k < 3 ? IdNumber0 + k
                                                                          : IdFirstResult);
        connect(m_pNumber[k], &QPushButton::clicked, this, [this, k] { m_pGame->OnNumberClicked(k); });
        m_pSlot[k] = CDialogBuilder::ControlAs<QPushButton>(*this, IdSlot0 + k);
        connect(m_pSlot[k], &QPushButton::clicked, this, [this, k] { m_pGame->OnSlotClicked(k); });
    }
    connect(CDialogBuilder::ControlAs<QPushButton>(*this, IdPass), &QPushButton::clicked, this,
            [this] { m_pGame->OnPass(); });
    connect(CDialogBuilder::ControlAs<QPushButton>(*this, IdHint), &QPushButton::clicked, this,
            [this] { m_pGame->OnHint(); });
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
    for (int id : {int(IdResult1), int(IdResult2), int(IdTurn), 23876, 42355}) colourText(id, Qt::black);
    for (int id : {int(IdName0), int(IdName1), int(IdScore0), int(IdScore1), 23453, 23534}) {
        colourText(id, Qt::white);
    }
}

QLabel* CGameDlg::Label(int nId) const {
    return CDialogBuilder::ControlAs<QLabel>(*this, nId);
}

void CGameDlg::SetMenu(std::function<QMenuBar*()> make) {
    m_fnMakeMenu = std::move(make);
}

bool CGameDlg::OnInitDialog() {
    CFixedLayoutDlg::OnInitDialog();
    // The cells keep their size whatever the rescaling did to the frame.
    m_pBoard->resize(m_pBoard->sizeHint());
    m_pGame->SetSound(m_app.m_bSound);
    m_pTimer->Start();
    // The window appears only once the splash has gone, so what only the
    // window shows is made after it: the splash comes up that much sooner.
    if (m_fnSplash) m_fnSplash();
    AttachMenu();
    // Board of the start-up screen, until the first game loads its own.
    LoadBoard("ASMD.A");
    m_pBoard->RefreshCounts();
    DescribePieces();
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
        if (QWidget* box = Control(id)) painter.fillRect(box->geometry().adjusted(0, 10, 0, 0), *brush);
    }
    if (m_bFirstPaint) {
        m_bFirstPaint = false;
        // Not from inside the paint: the first game opens dialogs.
        QTimer::singleShot(0, this, [this] {
            if (m_pGame->State().m_bGameStarted) return;
            m_pGame->SetGameInProgress(false);
            NewGame(true);
            m_pGame->SetGameInProgress(true);
        });
    }
    CFixedLayoutDlg::paintEvent(event);
}

void CGameDlg::closeEvent(QCloseEvent* event) {
    if (m_pGame->State().m_bCanClose) return CFixedLayoutDlg::closeEvent(event);
    event->ignore();
    QuitGame(2);
}

void CGameDlg::reject() {
    if (m_pGame->State().m_bCanClose) return CFixedLayoutDlg::reject();
    QuitGame(2);
}

void CGameDlg::OnTimer() {
    m_pGame->OnTimer();
}

void CGameDlg::StartGame(char chSign, int nPieces, const COperatorSet& operators,
                         const std::string& strName1, const std::string& strName2,
                         bool bOnePlayer, bool bSound) {
    m_pGame->StartGame(chSign, nPieces, operators, strName1, strName2, bOnePlayer, bSound);
}

void CGameDlg::QuitGame(int nMode) {
    m_pGame->QuitGame(nMode);
}

// ---- drawing the rules' state -------------------------------------------------------

void CGameDlg::Refresh() {
    const CGameState::SState& state = m_pGame->State();
    const CEquations& eq = m_pGame->Equations();
    for (int k = 0; k < 4; ++k) {
        m_pNumber[k]->setText(Text(eq.m_strNumber[k]));
        m_pNumber[k]->setEnabled(eq.m_bNumberEnabled[k]);
        Describe(m_pNumber[k], QStringLiteral("Number %1").arg(Text(eq.m_strNumber[k])));
        m_pSlot[k]->setText(Text(eq.m_strSlot[k]));
        m_pSlot[k]->setEnabled(eq.m_bSlotEnabled[k]);
        Describe(m_pSlot[k],
            QStringLiteral("Slot %1: %2")
                .arg(k + 1)
                .arg(eq.m_nSlot[k] < 0 ? QStringLiteral("empty") : Text(eq.m_strSlot[k])));
    }
    for (int row = 0; row < 2; ++row) {
        m_pOperator[row]->SetOperator(eq.Operator(row).GetOperator());
        Describe(m_pOperator[row],
            QStringLiteral("Operator %1").arg(QChar::fromLatin1(eq.Operator(row).GetOperator())));
    }
    Label(IdResult1)->setText(Text(eq.m_strFirstResult));
    Label(IdResult2)->setText(Text(eq.m_strSecondResult));
    Label(IdTurn)->setText(Text(state.m_strTurn));
    Label(IdBestValue)->setText(Text(state.m_strBestValue));
    Label(IdBestCase)->setText(Text(state.m_strBestCase));
    for (int player = 0; player < 2; ++player) {
        Label(IdName0 + player)->setText(Text(state.m_strName[player]));
        Describe(Label(IdScore0 + player),
            QStringLiteral("Score of %1").arg(Text(state.m_strName[player])));
    }
}

void CGameDlg::DescribePieces() {
    const CBoard& board = m_pBoard->Model();
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
        m_pScoreCounter->CountTo(nPlayer, nScore, m_pGame->State().m_bSound, *label);
    }
}

void CGameDlg::ResetScores() {
    Label(IdScore0)->setText(QStringLiteral("0"));
    Label(IdScore1)->setText(QStringLiteral("0"));
    m_pScoreCounter->ResetCounts();
}

bool CGameDlg::LoadBoard(const std::string& key) {
    const bool loaded = m_pBoard->LoadBoard(Text(key));
    DescribePieces();
    return loaded;
}

void CGameDlg::BlockRandomCells(int nCount) {
    m_pBoard->BlockRandomCells(nCount, m_random);
    DescribePieces();
}

void CGameDlg::HighlightValue(int nValue) {
    m_pBoard->HighlightValue(nValue);
}

void CGameDlg::HighlightPiece(int nIndex, bool bGrey) {
    m_pBoard->HighlightPiece(nIndex, bGrey);
}

void CGameDlg::ClearHighlights() {
    m_pBoard->ClearHighlights();
}

void CGameDlg::RedrawTakenMarkers() {
    const CBoard& board = m_pBoard->Model();
    for (int index = 0; index < kCells; ++index) {
        CTile* tile = m_pBoard->Tile(index);
        if (tile && board.Piece(index).IsTaken()) tile->SetBitmap(CBitmaps::TileBlocked);
    }
}

void CGameDlg::NewGame(bool bNewPlayers) {
    if (m_fnNewGame) return m_fnNewGame(bNewPlayers);
    const CGameState::SState& state = m_pGame->State();
    const COperatorSet ops = m_pBoard->Model().Operators();
    CGameSetupDlg setup(this);
    setup.SetOptions(state.m_bGameInProgress, state.m_bSound, ops.m_bSubtract, ops.m_bDivide,
                     ops.m_bMultiply, ops.m_bAdd, Text(state.m_strName[0]), Text(state.m_strName[1]),
                     state.m_bOnePlayer ? 0 : 1, state.m_nSignMode,
                     CGameOptions::SizeForPieces(state.m_nPieces), bNewPlayers);
    setup.m_bQuickInstructions = state.m_bShowQuickInstructions;
    const int result = CModal::Run(setup);
    if (result == CGameSetupDlg::kQuitGame) {
        m_pGame->AbandonRecords();
        QuitGame(1);
        return;
    }
    if (result != CModal::IdOk) return;
    m_pGame->SetShowQuickInstructions(setup.m_bQuickInstructions);
    std::array<std::string, 2> names{setup.m_strPlayer1.toStdString(), setup.m_strPlayer2.toStdString()};
    if (bNewPlayers) {
        m_pGame->AbandonRecords();
        CSelectPlayer select(m_app, m_clock, this);
        for (int seat = 0; seat < (setup.m_nPlayers == 1 ? 2 : 1); ++seat) {
            auto& record = m_app.m_pPlayers[seat];
            record = std::make_unique<CGamePlayer>(m_clock, [](const std::string& text, const std::string&) {
                CModal::AppMessage(QString::fromStdString(text));
            });
            record->m_strName = names[std::size_t(seat)];
            if (select.DoModal(seat) == CModal::IdOk) names[std::size_t(seat)] = record->m_strName;
        }
    }
    const COperatorSet chosen{setup.m_bAddition, setup.m_bSubtraction, setup.m_bMultiplication,
                              setup.m_bDivision};
    const int pieces = CGameOptions::PiecesForSize(setup.m_nSize);
    const std::string title = GameTitle(pieces, chosen, setup.m_nSigns);
    for (auto& record : m_app.m_pPlayers) {
        if (record) record->StartStats(title);
    }
    StartGame(SignLetter(setup.m_nSigns), pieces, chosen, names[0], names[1], setup.m_nPlayers == 0,
              setup.m_bPlaySounds);
    for (auto& record : m_app.m_pPlayers) {
        if (record) record->Save(m_app.PlayersDir());
    }
}

void CGameDlg::ShowQuickInstructions() {
    if (m_fnQuickInstructions) m_fnQuickInstructions();
}

void CGameDlg::CloseWindow() {
    done(CModal::IdOk);
}

// ---- the board's owner ---------------------------------------------------------------

bool CGameDlg::IsSoundOn() const {
    return m_pGame->State().m_bSound;
}

int CGameDlg::Result() const {
    return m_pGame->Equations().m_nResult;
}

bool CGameDlg::IsOnePlayer() const {
    return m_pGame->State().m_bOnePlayer;
}

int CGameDlg::BestPiece() const {
    return m_pGame->State().m_nBestPiece;
}

void CGameDlg::OnPieceTaken(int nPlayer, int nPoints) {
    m_pGame->OnPieceTaken(nPlayer, nPoints);
    DescribePieces();
}
