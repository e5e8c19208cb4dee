#include "shell/CAboutDlg.h"

#include <QLabel>

#include "platform/CModal.h"
#include "platform/ISound.h"
#include "platform/WinPath.h"
#include "players/CTextFile.h"
#include "shell/CDibStatic.h"
#include "platform/CSoundCues.h"

namespace {

CDialogBuilder AboutBuilder() {
    CDialogBuilder builder(CAboutDlg::kTemplate);
    builder.Make(CAboutDlg::IdPicture,
                 [](QWidget* parent, const SControlTemplate&) { return new CDibStatic(parent); });
    return builder;
}

void SetText(const CAboutDlg& dlg, int nId, const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(dlg.Control(nId)))
        label->setText(QString::fromStdString(text));
}

}  // namespace

CAboutDlg::CAboutDlg(ISound& sound, QWidget* parent)
    : CFixedLayoutDlg(AboutBuilder(), parent),
      m_sound(sound),
      m_picture(CDialogBuilder::ControlAs<CDibStatic>(*this, IdPicture)) {
    // Above every window that is not itself topmost, the splash screen included.
    // Qt takes window flags before the first show only.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void CAboutDlg::SetContent(const char* pszPicture, const char* pszData, bool bPlaySound) {
    if (pszPicture) {
        // A picture file that cannot be opened at all stops the box from showing.
        m_bPictureOpened = m_picture->LoadPicture(QString::fromLatin1(pszPicture));
        if (!m_bPictureOpened) {
            CModal::AppMessage(QString::fromStdString(ToLocalPath(pszPicture)) +
                               QStringLiteral(" was not found."));
        }
    } else {
        CModal::AppMessage(
            QStringLiteral("No image path given!\nThis could only be caused by human error."));
    }
    m_bPlaySound = bPlaySound;
    if (pszData) {
        ReadTexts(pszData);
    } else {
        CModal::AppMessage(
            QStringLiteral("No data path given!\nThis could only be caused by human error."));
    }
}

void CAboutDlg::ReadTexts(const char* pszData) {
    CTextFile file;
    if (!file.Open(ToLocalPath(pszData), CTextFile::ModeRead)) {
        CModal::AppMessage(QStringLiteral("Missing about box data!\nPlease reinstall Brainwick."));
        return;
    }
    // A missing line leaves its text empty; ReadString empties it.
    for (std::string* text : {&m_strPlatform, &m_strYear, &m_strVersion}) file.ReadString(*text);
    file.Close();
}

bool CAboutDlg::OnInitDialog() {
    SetText(*this, IdPlatform, m_strPlatform);
    SetText(*this, IdVersion, m_strVersion);
    SetText(*this, IdYear, m_strYear);
    CFixedLayoutDlg::OnInitDialog();
    // The rescaling changed the size the first centring went by.
    CentreWindow();
    if (m_bPlaySound && !m_strSound.empty())
        m_sound.Play(m_strSound, CSoundCues::Mode(ECue::About));
    return true;
}

void ShowAboutBox(ISound& sound, bool bPlaySound, QWidget* parent) {
    CAboutDlg dlg(sound, parent);
    dlg.SetContent("data\\vexa.bmp", "data\\vexa.dat", bPlaySound);
    if (!dlg.PictureOpened()) return;
    dlg.m_strSound = CSoundCues::File(ECue::About);
    CModal::Run(dlg);
}
