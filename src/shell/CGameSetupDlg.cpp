#include "shell/CGameSetupDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "game/SetupRules.h"
#include "platform/CDialogBuilder.h"
#include "platform/CModal.h"

namespace {

enum : int {
    kPlayer1Edit = 1018,
    kPlayer2Edit = 1019,
    kOnePlayer = 1016,
    kTwoPlayers = 1017,
    kQuick = 1027,
    kAddition = 1020,
    kSubtraction = 1021,
    kMultiplication = 1022,
    kDivision = 1023,
    kPositive = 1024,
    kBothSigns = 1026,
    kCancel = 2,
    kPlaySounds = 1050,
    kQuickInstructions = 1051,
    kBeginner = 1052,  // the computer's levels, 1052..1054
    kExpert = 1054,
};

int CheckedIndex(const QButtonGroup* group, int nFirstId) {
    const int id = group ? group->checkedId() : -1;
    return id == -1 ? -1 : id - nFirstId;
}

// An index outside the group leaves the buttons as the template made them: none checked.
void CheckIndex(QButtonGroup* group, int nFirstId, int nIndex) {
    if (QAbstractButton* button = group ? group->button(nFirstId + nIndex) : nullptr)
        button->setChecked(true);
}

}  // namespace

CGameSetupDlg::CGameSetupDlg(QWidget* parent) : QDialog(parent) {
    CDialogBuilder(kTemplate).Build(*this);
    m_pQuitGame = CDialogBuilder::ControlAs<QPushButton>(*this, kQuitGame);
    m_pCancel = CDialogBuilder::ControlAs<QPushButton>(*this, kCancel);
    connect(m_pQuitGame, &QPushButton::clicked, this, &CGameSetupDlg::OnQuitGame);
    for (int id : {kAddition, kSubtraction, kMultiplication, kDivision}) {
        connect(CDialogBuilder::ControlAs<QCheckBox>(*this, id), &QCheckBox::clicked, this,
                [this] { ValidateSetup(); });
    }
    // Player two's name is for two players, the computer's level for one.
    for (int id : {kOnePlayer, kTwoPlayers}) {
        connect(CDialogBuilder::ControlAs<QRadioButton>(*this, id), &QRadioButton::clicked, this,
                [this, id] { EnableSeats(id == kTwoPlayers); });
    }
    QWidget* player2 = CDialogBuilder::Control(*this, kPlayer2Edit);
    CDialogBuilder::Control(*this, kPlayer1Edit)
        ->setAccessibleName(QStringLiteral("Player one's name"));
    player2->setAccessibleName(QStringLiteral("Player two's name"));
    // Tab follows the layout, column by column and down each: players and
    // their names, pieces, the two switches, operators, signs, the level,
    // then the buttons from left to right.
    QWidget* previous = nullptr;
    for (int id : {1016, 1018, 1017, 1019, 1027, 1028, 1029, 1030, 1050, 1051, 1020, 1021, 1022,
                   1023, 1024, 1025, 1026, 1052, 1053, 1054, kQuitGame, int(kCancel), 1}) {
        QWidget* control = CDialogBuilder::Control(*this, id);
        if (!control) continue;
        if (previous) setTabOrder(previous, control);
        previous = control;
    }
}

void CGameSetupDlg::SetOptions(const CGameOptions& options, bool bCanCancel,
                               bool bPlayersSelectable) {
    m_bCanCancel = bCanCancel;
    m_bPlaySounds = options.m_bSound;
    m_operators = options.m_operators;
    m_strPlayer1 = QString::fromStdString(options.m_strName1);
    m_strPlayer2 = QString::fromStdString(options.m_strName2);
    m_nPlayers = options.m_bOnePlayer ? 0 : 1;
    m_nSigns = options.m_nSignMode;
    m_nSize = CGameOptions::SizeForPieces(options.m_nPieces);
    m_bQuickInstructions = options.m_bShowQuickInstructions;
    m_nLevel = options.m_nLevel;
    m_bPlayersSelectable = bPlayersSelectable;
}

CGameOptions CGameSetupDlg::Options() const {
    CGameOptions options;
    options.m_strName1 = m_strPlayer1.toStdString();
    options.m_strName2 = m_strPlayer2.toStdString();
    options.m_bOnePlayer = m_nPlayers == 0;
    options.m_nPieces = CGameOptions::PiecesForSize(m_nSize);
    options.m_operators = m_operators;
    options.m_nSignMode = m_nSigns;
    options.m_bSound = m_bPlaySounds;
    options.m_bShowQuickInstructions = m_bQuickInstructions;
    options.m_nLevel = m_nLevel;
    return options;
}

bool CGameSetupDlg::ValidateSetup() {
    const ESetupRule rule = BrokenSetupRule(CheckedOperators(), CheckedIndex(Group(kPositive), kPositive));
    if (rule == ESetupRule::Valid) return true;
    // The sign is corrected first, so the message explains what the user sees.
    if (rule == ESetupRule::MustBePositive) CheckIndex(Group(kPositive), kPositive, 0);
    if (rule == ESetupRule::CannotBePositive)
        CheckIndex(Group(kPositive), kPositive, kBothSigns - kPositive);
    CModal::Message(this, QString::fromLatin1(SetupRuleMessage(rule)),
                    QStringLiteral("Invalid Game Setup"), CModal::OkOnly, CModal::NoIcon);
    return false;
}

void CGameSetupDlg::accept() {
    if (!ValidateSetup()) return;
    if (QLineEdit* edit = OverlongName()) {
        CModal::Message(
            this, QStringLiteral("Please enter no more than %1 characters.").arg(kMaxNameLength),
            CModal::AppName(), CModal::OkOnly, CModal::Exclamation);
        edit->setFocus();
        return;
    }
    m_bCanClose = true;
    ReadControls();
    QDialog::accept();
}

// Escape comes here too, also while Quit Game stands in for Cancel.
void CGameSetupDlg::reject() {
    m_bCanClose = true;
    QDialog::reject();
}

void CGameSetupDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_bFirstPaint) return;
    m_bFirstPaint = false;
    OnInitDialog();
    OnFirstPaint();
}

// The close box would otherwise end the dialog as Cancel; it is no way out here.
void CGameSetupDlg::closeEvent(QCloseEvent* event) {
    if (!m_bCanClose) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CGameSetupDlg::OnInitDialog() {
    FillControls();
    QRect frame = frameGeometry();
    const QWidget* owner = parentWidget();
    frame.moveCenter(owner ? owner->window()->frameGeometry().center()
                           : screen()->availableGeometry().center());
    move(frame.topLeft());
    if (!m_bPlayersSelectable) {
        for (int id : {kOnePlayer, kTwoPlayers})
            CDialogBuilder::Control(*this, id)->setEnabled(false);
    }
}

void CGameSetupDlg::OnFirstPaint() {
    EnableSeats(m_nPlayers == 1);
    if (!m_bCanCancel) {
        m_pCancel->hide();
        m_pQuitGame->show();
    }
}

void CGameSetupDlg::OnQuitGame() {
    if (CModal::Message(this, QStringLiteral("Are you sure you want to quit?"),
                        QStringLiteral("Confirmation Dialog"), CModal::YesNo,
                        CModal::Question) == CModal::IdYes) {
        done(kQuitGame);
    }
}

void CGameSetupDlg::FillControls() {
    CheckIndex(Group(kOnePlayer), kOnePlayer, m_nPlayers);
    CheckIndex(Group(kPositive), kPositive, m_nSigns);
    CheckIndex(Group(kQuick), kQuick, m_nSize);
    CheckIndex(Group(kBeginner), kBeginner, m_nLevel);
    const std::pair<int, bool> boxes[] = {
        {kAddition, m_operators.m_bAdd},      {kSubtraction, m_operators.m_bSubtract},
        {kMultiplication, m_operators.m_bMultiply}, {kDivision, m_operators.m_bDivide},
        {kPlaySounds, m_bPlaySounds},         {kQuickInstructions, m_bQuickInstructions}};
    for (const auto& [id, bChecked] : boxes)
        CDialogBuilder::ControlAs<QCheckBox>(*this, id)->setChecked(bChecked);
    // A longer name from a player file is shown whole; only typing is limited.
    for (const auto& [id, name] :
         {std::pair(kPlayer1Edit, m_strPlayer1), {kPlayer2Edit, m_strPlayer2}}) {
        auto* edit = CDialogBuilder::ControlAs<QLineEdit>(*this, id);
        edit->setMaxLength(std::max(kMaxNameLength, int(name.size())));
        edit->setText(name);
    }
}

QLineEdit* CGameSetupDlg::OverlongName() const {
    for (const auto& [id, name] :
         {std::pair(kPlayer1Edit, m_strPlayer1), {kPlayer2Edit, m_strPlayer2}}) {
        auto* edit = CDialogBuilder::ControlAs<QLineEdit>(*this, id);
        if (edit->text() != name && edit->text().size() > kMaxNameLength) return edit;
    }
    return nullptr;
}

void CGameSetupDlg::ReadControls() {
    m_nPlayers = CheckedIndex(Group(kOnePlayer), kOnePlayer);
    m_nSigns = CheckedIndex(Group(kPositive), kPositive);
    m_nSize = CheckedIndex(Group(kQuick), kQuick);
    m_nLevel = CheckedIndex(Group(kBeginner), kBeginner);
    m_operators = CheckedOperators();
    m_strPlayer1 = CDialogBuilder::ControlAs<QLineEdit>(*this, kPlayer1Edit)->text();
    m_strPlayer2 = CDialogBuilder::ControlAs<QLineEdit>(*this, kPlayer2Edit)->text();
    m_bPlaySounds = IsChecked(kPlaySounds);
    m_bQuickInstructions = IsChecked(kQuickInstructions);
}

QButtonGroup* CGameSetupDlg::Group(int nFirstId) const {
    return findChild<QButtonGroup*>(QStringLiteral("group%1").arg(nFirstId));
}

void CGameSetupDlg::EnableSeats(bool bTwoPlayers) {
    CDialogBuilder::Control(*this, kPlayer2Edit)->setEnabled(bTwoPlayers);
    for (int id = kBeginner; id <= kExpert; ++id) CDialogBuilder::Control(*this, id)->setEnabled(!bTwoPlayers);
}

COperatorSet CGameSetupDlg::CheckedOperators() const {
    return COperatorSet{IsChecked(kAddition), IsChecked(kSubtraction), IsChecked(kMultiplication),
                        IsChecked(kDivision)};
}

bool CGameSetupDlg::IsChecked(int nId) const {
    return CDialogBuilder::ControlAs<QAbstractButton>(*this, nId)->isChecked();
}
