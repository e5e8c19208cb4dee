#pragma once

#include <string>

#include "shell/CFixedLayoutDlg.h"

class CDibStatic;
class ISound;

// The program's picture with its platform, year and version, and a short sound
// as it opens. Picture, texts and sound are data files beside the program, so
// they change without a rebuild. Serves as the splash screen and as Help, About.
class CAboutDlg : public CFixedLayoutDlg {
public:
    static constexpr int kTemplate = 100;
    enum EControl { IdPicture = 1036, IdPlatform = 1000, IdVersion = 1047, IdYear = 1002 };

    explicit CAboutDlg(ISound& sound, QWidget* parent = nullptr);

    // Before the box is shown. Paths are the game's names ("data\vexa.bmp");
    // either may be null, which is reported as a slip of the caller. The text
    // file holds platform, year and version, a line each.
    void SetContent(const char* pszPicture, const char* pszData, bool bPlaySound);
    // False once SetContent found no picture file to open: the box is then not
    // shown (SetContent has said so).
    bool PictureOpened() const { return m_bPictureOpened; }

    CDibStatic& Picture() const { return *m_picture; }

    std::string m_strVersion = "1.0";
    std::string m_strYear = "1998";
    std::string m_strPlatform = "Microsoft Windows";
    bool m_bPlaySound = false;
    std::string m_strSound;  // the game's name of the wave file played on opening

protected:
    bool OnInitDialog() override;

private:
    void ReadTexts(const char* pszData);

    ISound& m_sound;
    CDibStatic* const m_picture;  // control 1036, owned by the dialog
    bool m_bPictureOpened = true;
};

// The box as both the splash screen and the About command show it: the
// picture, texts and sound of the data folder, run modally.
void ShowAboutBox(ISound& sound, bool bPlaySound, QWidget* parent = nullptr);
