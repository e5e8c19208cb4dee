#include "play/CGameDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include "platform/CCueTimer.h"
#include "platform/CModal.h"
#include "platform/CSoundCues.h"
#include "play/CGameStarter.h"
#include "play/CHintDlg.h"
#include "play/CMessageDlg.h"
#include "play/CMoveCoachWnd.h"
#include "play/CScoreCounter.h"
#include "players/CPlayerApp.h"
#include "shell/CAppPalette.h"
#include "shell/CBitmaps.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/COperatorButton.h"
#include "shell/CTile.h"

#include <cstdlib>

namespace {

// A number or slot button whose face may show what its text does not: the
// deal's shuffle and the caret blink are drawn, not told to assistive tools,
// which hear of the text alone (Qt announces every change of it).
class CQuietButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    void SetCaption(const QString& text, const QString& shown) {
        setText(text);
        if (shown == m_shown) return;
        m_shown = shown;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text = m_shown;
        painter.drawControl(QStyle::CE_PushButton, option);
    }

private:
    QString m_shown = text();
};

QWidget* MakeQuietButton(QWidget* parent, const SControlTemplate&) {
    return new CQuietButton(parent);
}

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
    for (int id : {int(CGameDlg::IdNumber0), CGameDlg::IdNumber0 + 1, CGameDlg::IdNumber0 + 2,
                   int(CGameDlg::IdFirstResult), int(CGameDlg::IdSlot0), CGameDlg::IdSlot0 + 1,
                   CGameDlg::IdSlot0 + 2, CGameDlg::IdSlot0 + 3})
        builder.Make(id, MakeQuietButton);
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

void DescribeBlink(QWidget* widget, const QString& description) {
    if (widget && widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

QString OperatorWord(char op) {
    switch (op) {
    case '+': return QStringLiteral("plus");
    case '-': return QStringLiteral("minus");
    case '*': return QStringLiteral("times");
    case '/': return QStringLiteral("divided by");
    default: return QStringLiteral("none");
    }
}

// "?" on the face is no value to read out.
QString Value(const std::string& text, const char* none) {
    return text == "?" || text.empty() ? QString::fromLatin1(none) : Text(text);
}

}  // namespace

CGameDlg::CGameDlg(CPlayerApp& app, ISound& sound, IRandom& random, IClock& clock,
                   QWidget* parent)
    : CFixedLayoutDlg(MainWindowBuilder(), parent),
      m_sound(sound),
      m_brScores(CAppPalette::Brush(CAppPalette::Green)),
      m_brEquations(CAppPalette::Brush(CAppPalette::LightGreen)),
      m_brButtons(kButtonColour) {
    m_pGame = std::make_unique<CGameState>(static_cast<IGameView&>(*this), random, sound, app);
    m_pStarter = std::make_unique<CGameStarter>(*m_pGame, app, clock, *this, [this] { QuitGame(1); });
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
        // Space on a filled slot would take its number back: Tab passes it by.
        m_pSlot[k]->setFocusPolicy(Qt::ClickFocus);
        connect(m_pSlot[k], &QPushButton::clicked, this,
                [this, k] { Operation([this, k] { m_pGame->OnSlotClicked(k); }); });
    }
    connect(CDialogBuilder::ControlAs<QPushButton>(*this, IdPass), &QPushButton::clicked, this,
            [this] { Operation([this] { m_pGame->OnPass(); }); });
    connect(CDialogBuilder::ControlAs<QPushButton>(*this, IdHint), &QPushButton::clicked, this,
            [this] { Operation([this] { m_pGame->OnHint(); }); });
    // The hidden default button takes Enter and does nothing with it.
    for (int player = 0; player < 2; ++player) {
        if (QLabel* name = Label(IdName0 + player)) name->setBuddy(Label(IdScore0 + player));
    }
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

void CGameDlg::keyPressEvent(QKeyEvent* event) {
    if (!PlayKey(*event)) CFixedLayoutDlg::keyPressEvent(event);
}

// The keys of a move. Enter and Space take a focused piece as its button;
// slots are left to Backspace and the mouse.
bool CGameDlg::PlayKey(const QKeyEvent& key) {
    // Shift gives + and *; other modifiers belong to the menu's accelerators.
    if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
    const CEquations& eq = m_pGame->Equations();
    const int code = key.key();
    static constexpr int kPlayKeys[] = {
        Qt::Key_T,     Qt::Key_R,        Qt::Key_Equal, Qt::Key_Plus,      Qt::Key_Minus,
        Qt::Key_Slash, Qt::Key_Asterisk, Qt::Key_H,     Qt::Key_Backspace, Qt::Key_P,
        Qt::Key_N,     Qt::Key_Left,     Qt::Key_Right, Qt::Key_Up,        Qt::Key_Down};
    const bool digit = code >= Qt::Key_0 && code <= Qt::Key_9;
    if (!digit && std::find(std::begin(kPlayKeys), std::end(kPlayKeys), code) == std::end(kPlayKeys))
        return false;
    // A deal holds the play keys as the rules hold the clicks.
    if (m_pGame->State().m_nShake != 0) return true;
    if (digit) {
        PickNumber(code - Qt::Key_0);
        return true;
    }
    const auto op = [this, &eq](char chOperator) {
        // The row being composed: the first until both its numbers are in.
        const int row = eq.m_nSlot[0] >= 0 && eq.m_nSlot[1] >= 0 ? 1 : 0;
        Operation([this, row, chOperator] { m_pGame->OnOperatorChosen(row, chOperator); });
        return true;
    };
    switch (code) {
    case Qt::Key_T:
        PickNumber(10);
        return true;
    case Qt::Key_R:
    case Qt::Key_Equal:
        Operation([this] { m_pGame->OnNumberClicked(CEquations::kFirstResult); });
        return true;
    case Qt::Key_Plus: return op('+');
    case Qt::Key_Minus: return op('-');
    case Qt::Key_Asterisk: return op('*');
    case Qt::Key_Slash: return op('/');
    case Qt::Key_Backspace:
        for (int slot = CEquations::kSlots - 1; slot >= 0; --slot) {
            if (!eq.m_bSlotEnabled[std::size_t(slot)]) continue;
            Operation([this, slot] { m_pGame->OnSlotClicked(slot); });
            break;
        }
        return true;
    case Qt::Key_H:
        Operation([this] { m_pGame->OnHint(); });
        return true;
    case Qt::Key_P:
        Operation([this] { m_pGame->OnPass(); });
        return true;
    case Qt::Key_N:
        m_pBoard->FocusNextSelectable();
        return true;
    case Qt::Key_Left: return m_pBoard->MoveFocus(0, -1), true;
    case Qt::Key_Right: return m_pBoard->MoveFocus(0, 1), true;
    case Qt::Key_Up: return m_pBoard->MoveFocus(-1, 0), true;
    case Qt::Key_Down: return m_pBoard->MoveFocus(1, 0), true;
    default: return false;
    }
}

// A digit picks a dealt number of that value (its sign aside); 0 picks a 10
// when no 0 is there, as T does.
void CGameDlg::PickNumber(int nValue) {
    const CEquations& eq = m_pGame->Equations();
    for (int pass = 0; pass < 2; ++pass) {
        for (int k = 0; k < 3; ++k) {
            if (!eq.m_bNumberEnabled[std::size_t(k)] || std::abs(eq.m_nNumber[std::size_t(k)]) != nValue)
                continue;
            Operation([this, k] { m_pGame->OnNumberClicked(k); });
            return;
        }
        if (nValue != 0) return;
        nValue = 10;
    }
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
        if (!std::exchange(m_bNoGameAsked, false)) return m_pStarter->NewGame(newPlayers);
        m_pGame->SetGameInProgress(false);
        m_pStarter->NewGame(newPlayers);
        m_pGame->SetGameInProgress(true);
    });
}

void CGameDlg::ShowGameCode() {
    m_pStarter->ShowGameCode();
}

void CGameDlg::RequestNewGameFromCode() {
    m_commands.Submit(kCodeGameKey, [this] { m_pStarter->NewGameFromCode(); });
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
    QWidget* before = focusWidget();
    const bool dealing = state.m_nShake != 0;
    // Names first: a new caption is announced with the name the control has then.
    DescribeControls();
    for (int k = 0; k < 4; ++k) {
        const QString number = Text(eq.m_strNumber[k]);
        // The numbers are told once the deal has settled, not at every shuffle.
        static_cast<CQuietButton*>(m_pNumber[k])->SetCaption(dealing ? QStringLiteral("?") : number, number);
        m_pNumber[k]->setEnabled(eq.m_bNumberEnabled[k]);
        // An empty slot's caret blinks on its face only.
        static_cast<CQuietButton*>(m_pSlot[k])
            ->SetCaption(eq.m_nSlot[k] < 0 ? QString() : Text(eq.m_strSlot[k]), Text(eq.m_strSlot[k]));
        m_pSlot[k]->setEnabled(eq.m_bSlotEnabled[k]);
    }
    for (int row = 0; row < 2; ++row) {
        const char op = eq.Operator(row).GetOperator();
        if (m_pOperator[row]->GetOperator() != op) m_pOperator[row]->SetOperator(op);
    }
    Show(Label(IdResult1), eq.m_strFirstResult);
    Show(Label(IdResult2), eq.m_strSecondResult);
    Show(Label(IdTurn), state.m_strTurn);
    Show(Label(IdBestValue), state.m_strBestValue);
    Show(Label(IdBestCase), state.m_strBestCase);
    // Until the first game the band keeps the template's "Player One" and "Player Two".
    if (!state.m_bFirstGame) {
        for (int player = 0; player < 2; ++player) Show(Label(IdName0 + player), state.m_strName[player]);
    }
    if (dealing != m_bDealing || before != focusWidget()) {
        m_bDealing = dealing;
        PlaceFocus(before);
    }
}

void CGameDlg::DescribeControls() {
    const CGameState::SState& state = m_pGame->State();
    const CEquations& eq = m_pGame->Equations();
    const bool dealing = state.m_nShake != 0;
    for (int k = 0; k < 4; ++k) {
        const QString value = dealing ? QStringLiteral("not dealt") : Value(eq.m_strNumber[k], "not dealt");
        Describe(m_pNumber[k], k < 3 ? QStringLiteral("Number %1: %2").arg(k + 1).arg(value)
                                     : QStringLiteral("First result: %1").arg(Value(eq.m_strNumber[k], "none")));
        const QString slot = eq.m_nSlot[k] < 0 ? QStringLiteral("empty") : Text(eq.m_strSlot[k]);
        Describe(m_pSlot[k], QStringLiteral("Slot %1: %2").arg(k + 1).arg(slot));
    }
    for (int row = 0; row < 2; ++row) {
        Describe(m_pOperator[row], QStringLiteral("%1 operator: %2")
                                       .arg(row == 0 ? "First" : "Second")
                                       .arg(OperatorWord(eq.Operator(row).GetOperator())));
    }
    Describe(Label(IdResult1), QStringLiteral("First row's result: %1").arg(Value(eq.m_strFirstResult, "none")));
    Describe(Label(IdResult2), QStringLiteral("Result: %1").arg(Value(eq.m_strSecondResult, "none")));
    Describe(Label(IdTurn), TurnStatus());
    if (state.m_bFirstGame) return;
    for (int player = 0; player < 2; ++player) {
        const int score = state.m_nScore[player];
        Describe(Label(IdScore0 + player), QStringLiteral("%1: %2 %3")
                                                .arg(Text(state.m_strName[player]))
                                                .arg(score)
                                                .arg(score == 1 || score == -1 ? "point" : "points"));
    }
}

// The turn line's name: whose turn, the numbers once dealt, and what blinks.
QString CGameDlg::TurnStatus() const {
    const CGameState::SState& state = m_pGame->State();
    const CEquations& eq = m_pGame->Equations();
    QString status = Text(state.m_strTurn);
    if (state.m_nShake != 0 || !state.m_bGameStarted || eq.m_nNumber[0] < 0) return status;
    status += QStringLiteral(". Numbers %1, %2 and %3")
                  .arg(Text(eq.m_strNumber[0]), Text(eq.m_strNumber[1]), Text(eq.m_strNumber[2]));
    const bool warning = !state.m_warning.empty();
    const std::vector<int>& pieces = warning ? state.m_warning : state.m_selectable;
    if (pieces.empty()) return status;
    status += warning ? QStringLiteral(". The better move: ")
              : m_pGame->IsComputersTurn() ? QStringLiteral(". The computer's choice: ")
                                           : QStringLiteral(". Can be taken: ");
    QStringList names;
    for (int index : pieces) names << PieceName(index);
    return status + names.join(QStringLiteral("; "));
}

QString CGameDlg::PieceName(int nIndex) const {
    const CPiece& piece = m_pGame->Board().Piece(nIndex);
    return QStringLiteral("Piece %1, row %2, column %3")
        .arg(Text(piece.m_strCaption))
        .arg(nIndex / kColumns + 1)
        .arg(nIndex % kColumns + 1);
}

void CGameDlg::PlaceFocus(QWidget* pBefore) {
    const CGameState::SState& state = m_pGame->State();
    QWidget* now = focusWidget();
    const bool lost = !now || !now->isEnabled() || now->isHidden();
    const bool fromPlay = std::find(m_pNumber.begin(), m_pNumber.end(), pBefore) != m_pNumber.end() ||
                          std::find(m_pSlot.begin(), m_pSlot.end(), pBefore) != m_pSlot.end();
    QWidget* target = nullptr;
    if (m_bDealing) {
        // Nothing to play meanwhile: off the board and the operators.
        if (pBefore != Cached(IdPass)) target = Cached(IdPass);
    } else if (state.m_bGameStarted && m_pGame->IsComputersTurn()) {
        if (!state.m_selectable.empty()) target = m_pBoard->Piece(state.m_selectable.front());
        else target = Cached(IdPass);
    } else if (lost || fromPlay || pBefore == Cached(IdPass)) {
        // The next number to place, else what the move is waiting for.
        for (QPushButton* number : m_pNumber) {
            if (!target && number->isEnabled()) target = number;
        }
        if (!target && !state.m_selectable.empty()) target = m_pBoard->Piece(state.m_selectable.front());
        if (!target && !fromPlay) target = Cached(IdHint);
    }
    if (target && target != now && target->isEnabled()) target->setFocus(Qt::OtherFocusReason);
}

void CGameDlg::DescribePieces() {
    const CBoard& board = m_pGame->Board();
    for (int index = 0; index < kCells; ++index) {
        const QString name = PieceName(index) + (board.Piece(index).IsTaken() ? ", taken" : ", free");
        if (CGamePiece* widget = m_pBoard->Piece(index)) Describe(widget, name);
        if (CTile* tile = m_pBoard->Tile(index)) Describe(tile, name);
    }
}

void CGameDlg::DescribeHighlights() {
    const CGameState::SState& state = m_pGame->State();
    for (int index : m_described) DescribeBlink(m_pBoard->Piece(index), QString());
    const QString selectable = m_pGame->IsComputersTurn() ? QStringLiteral("the computer's choice")
                                                          : QStringLiteral("can be taken");
    for (int index : state.m_selectable) DescribeBlink(m_pBoard->Piece(index), selectable);
    for (int index : state.m_warning) DescribeBlink(m_pBoard->Piece(index), QStringLiteral("the better move"));
    m_described = state.m_selectable;
    m_described.insert(m_described.end(), state.m_warning.begin(), state.m_warning.end());
}

template <typename F>
auto CGameDlg::KeepingFocus(F&& f) {
    QPointer<QWidget> before = focusWidget();
    auto result = f();
    if (before && before->isEnabled() && !before->isHidden()) before->setFocus(Qt::OtherFocusReason);
    return result;
}

void CGameDlg::ShowMessage(const std::string& title, const std::string& text) {
    KeepingFocus([&] {
        CMessageDlg dlg(this);
        return dlg.ShowMessage(m_ptMessage.x(), m_ptMessage.y(), Text(text), Text(title));
    });
}

bool CGameDlg::Ask(const std::string& text, const std::string& caption) {
    return KeepingFocus([&] {
        return CModal::Message(this, Text(text), Text(caption), CModal::YesNo, CModal::Question);
    }) == CModal::IdYes;
}

void CGameDlg::Notify(const std::string& text, const std::string& caption) {
    KeepingFocus([&] {
        return CModal::Message(this, Text(text), Text(caption), CModal::OkOnly, CModal::NoIcon);
    });
}

int CGameDlg::RunHintDialog() {
    return KeepingFocus([&] {
        CHintDlg dlg(this);
        return CModal::Run(dlg);
    });
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
    const CGameState::SState& state = m_pGame->State();
    m_pBoard->SetHighlights(state.m_selectable, state.m_warning);
    DescribeHighlights();
    // A piece that stopped blinking under the focus gives it to one that blinks.
    const int focused = m_pBoard->FocusedIndex();
    if (focused >= 0 && !state.m_selectable.empty() &&
        std::find(state.m_selectable.begin(), state.m_selectable.end(), focused) == state.m_selectable.end())
        m_pBoard->FocusNextSelectable();
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
