// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/launcher.h"

#include <QFileInfo>
#include <QProcess>

void DesktopLauncher::openInDefaultBrowser(const QString &address, std::function<void()> onFailure)
{
    launch(address, std::move(onFailure));
}

void DesktopLauncher::openFile(const QString &path, std::function<void()> onFailure)
{
    launch(path, std::move(onFailure));
}

void DesktopLauncher::showInFolder(const QString &path, std::function<void()> onFailure)
{
    launch(QFileInfo(path).absolutePath(), std::move(onFailure));
}

void DesktopLauncher::launch(const QString &argument, std::function<void()> onFailure)
{
    if (argument.startsWith(u'-')) {
        onFailure();
        return;
    }
    // No parent: ending this program must not end the launcher, nor the browser it may become.
    auto *process = new QProcess;
    process->setProgram(m_program);
    process->setArguments({ argument });
    // The launcher hands the address on and ends; only its exit status is of interest.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
        [process, onFailure](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            if (status != QProcess::NormalExit || exitCode != 0)
                onFailure();
        });
    QObject::connect(process, &QProcess::errorOccurred, process,
        [process, onFailure](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return; // a crash or kill also ends in finished()
            process->deleteLater();
            onFailure();
        });
    process->start();
}
