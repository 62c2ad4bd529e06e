#pragma once

// Runs one of the command-line tools built beside the tests and collects what it printed.

#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline ToolRun runTool(const QString& name, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TEZZLE_BIN_DIR "/") + name, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
