#include "platform/CTextEditor.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

CTextEditor::CTextEditor(QProcessEnvironment environment, FnOpenUrl openUrl)
    : m_environment(std::move(environment)),
      m_fnOpenUrl(openUrl ? std::move(openUrl) : FnOpenUrl(&QDesktopServices::openUrl)) {}

CTextEditor::SCommand CTextEditor::Command(const QString& path) const {
    // An empty variable is as good as none, as shells treat it.
    QString command = m_environment.value(QStringLiteral("VISUAL"));
    if (command.trimmed().isEmpty()) command = m_environment.value(QStringLiteral("EDITOR"));
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty()) return {};
    SCommand result;
    result.program = words.takeFirst();
    // Handed over as one argument, never through a shell: a players directory
    // with a space or a quote in its name stays one path.
    result.arguments = words << path;
    return result;
}

void CTextEditor::Open(const QString& path) const {
    // Whatever is started does not share the game's working directory.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // The desktop's choice first: VISUAL and EDITOR mostly name editors that
    // run in a terminal, and one started from here has none to show in.
    if (m_fnOpenUrl(QUrl::fromLocalFile(absolute))) return;
    const SCommand command = Command(absolute);
    if (!command.program.isEmpty()) QProcess::startDetached(command.program, command.arguments);
}
