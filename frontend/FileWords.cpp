#include "FileWords.h"

#include <QCoreApplication>

#include <array>

namespace tezzle::frontend {

namespace {

QString word(const char* text) {
    return QCoreApplication::translate("FileWords", text);
}

QString local(const std::string& s) {
    return QString::fromStdString(s);
}

// The system's own words for its error, as the system gives them.
QString systemWords(std::error_code code) {
    return QString::fromStdString(code.message());
}

} // namespace

QString saveProblem(const WriteResult& r) {
    if (r.ok)
        return {};
    if (r.failedAt == SaveStep::CreateFolder)
        return QCoreApplication::translate("FileWords", "Cannot create the folder %1: %2.")
            .arg(local(r.place), systemWords(r.code));
    if (r.failedAt == SaveStep::SyncFolder)
        return QCoreApplication::translate(
                   "FileWords", "%1 was saved, but it may be lost if the computer stops now: %2.")
            .arg(local(r.path), systemWords(r.code));
    static constexpr std::array kWhile{
        QT_TRANSLATE_NOOP("FileWords", "creating a temporary file in %1"),
        QT_TRANSLATE_NOOP("FileWords", "writing %1"),
        QT_TRANSLATE_NOOP("FileWords", "putting %1 on the disk"),
        QT_TRANSLATE_NOOP("FileWords", "closing %1"),
        QT_TRANSLATE_NOOP("FileWords", "renaming %1 to it"),
    };
    const QString step = word(kWhile[static_cast<std::size_t>(r.failedAt)]).arg(local(r.place));
    return QCoreApplication::translate(
               "FileWords", "Cannot save %1: %2 (while %3). The previous file is unchanged.")
        .arg(local(r.path), systemWords(r.code), step);
}

QString foundInstead(FileKind found) {
    static constexpr std::array kFound{
        QT_TRANSLATE_NOOP("FileWords", "a file"),
        QT_TRANSLATE_NOOP("FileWords", "a folder"),
        QT_TRANSLATE_NOOP("FileWords", "a named pipe"),
        QT_TRANSLATE_NOOP("FileWords", "a device"),
        QT_TRANSLATE_NOOP("FileWords", "a socket"),
        QT_TRANSLATE_NOOP("FileWords", "something that is not a file"),
    };
    return word(kFound[static_cast<std::size_t>(found)]);
}

QString adjacencyProblem(const AdjacencyReadResult& result) {
    const QString where = QCoreApplication::translate("FileWords", " (after %1 of 600 numbers)")
                              .arg(result.valuesRead);
    switch (result.status) {
    case AdjacencyStatus::Complete:
        return QCoreApplication::translate("FileWords",
                                           "The board adjacency file was read in full.");
    case AdjacencyStatus::Missing:
        return QCoreApplication::translate(
            "FileWords", "The board adjacency file connarray.dat cannot be opened.");
    case AdjacencyStatus::Short:
        return QCoreApplication::translate(
                   "FileWords", "The board adjacency file connarray.dat ends too soon%1.")
            .arg(where);
    case AdjacencyStatus::NotANumber:
        return QCoreApplication::translate(
                   "FileWords",
                   "The board adjacency file connarray.dat holds something that is not a "
                   "number%1.")
            .arg(where);
    case AdjacencyStatus::OutOfRange:
        return QCoreApplication::translate(
                   "FileWords",
                   "The board adjacency file connarray.dat holds a number that is far too "
                   "large%1.")
            .arg(where);
    case AdjacencyStatus::NotOnBoard:
        return QCoreApplication::translate(
                   "FileWords",
                   "The board adjacency file connarray.dat names a hexagon that is not on the "
                   "board%1.")
            .arg(where);
    }
    return {};
}

} // namespace tezzle::frontend
