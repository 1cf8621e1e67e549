#include "ListFolder.h"

#include "InputGate.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace ListFolder {

namespace {

QString inFolder(const QString &folder, const QString &name) {
    return QDir(folder).filePath(name);
}

// Whether a name holds a list: a file, or a link that leads to one.
bool holdsList(const QString &path) {
    return QFileInfo(path).isFile();
}

bool sameFile(const QString &a, const QString &b) {
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool sameBytes(const QString &a, const QString &b) {
    QByteArray x, y;
    return gate::readFile(a, x).isEmpty() && gate::readFile(b, y).isEmpty() && x == y;
}

// The list at `from`, copied into place at `to` through the safe writer: it
// is there whole, synced, or not at all.
QString copyInto(const QString &from, const QString &to) {
    gate::Source source;
    if (QString why = source.open(from); !why.isEmpty()) return why;
    safefile::ReplaceOptions o;
    struct stat st;
    if (::stat(QFile::encodeName(from).constData(), &st) == 0) o.newFileMode = st.st_mode & 0777;
    const safefile::Result r = safefile::replaceFile(
        to,
        [&](const safefile::Put &put) {
            QByteArray piece;
            while (!source.atEnd()) {
                piece.clear();
                if (QString why = source.readPiece(piece); !why.isEmpty()) return why;
                if (QString why = put(piece.constData(), piece.size()); !why.isEmpty()) return why;
            }
            return QString();
        },
        o);
    return r.reason;
}

// Moves the list `from` to `to`. A move within one disk is one rename. A
// link becomes a link to the same file, its target made absolute. Across
// disks the list is copied and synced before the original goes; a marker
// naming the original stands in the folder until then.
QString move(const QString &from, const QString &to, const QString &marker) {
    const QFileInfo source(from);
    if (!source.isSymLink()) {
        bool acrossDisks = false;
        const QString why = safefile::rename(from, to, &acrossDisks);
        if (!acrossDisks) return why;
    }
    if (const safefile::Result r = safefile::replaceFile(marker, QFile::encodeName(from)); !r)
        return r.reason;
    const QString why =
        source.isSymLink() ? safefile::makeLink(source.symLinkTarget(), to) : copyInto(from, to);
    if (!why.isEmpty()) {
        safefile::remove(marker);
        return why;
    }
    if (QString gone = safefile::remove(from); !gone.isEmpty()) return gone;
    return safefile::remove(marker);
}

// A move cut short: with the list in place, the original (the same file, or
// the same bytes) is removed; without it, the half-made copy goes and the
// original stays for the move to start again.
void finishInterruptedMove(const QString &list, const QString &marker,
                           Outcome &out) {
    QByteArray named;
    if (!gate::readFile(marker, named, 4096).isEmpty()) {
        safefile::remove(marker);
        return;
    }
    const QString from = QFile::decodeName(named);
    if (holdsList(list)) {
        if (QFileInfo(from).isSymLink() ? sameFile(from, list) : sameBytes(from, list))
            safefile::remove(from);
        else if (QFileInfo(from).exists())
            out.leftAlone << from;
    } else {
        safefile::removeLeftoverTemps(list);
    }
    safefile::remove(marker);
}

// The game's own leftovers of a write cut short: a deletion's temporary
// file, any temporary file named as the safe writer names them, and one an
// earlier version named ".NAME.part" beside the file NAME. A player's own
// file that only looks like one (".notes.part", no "notes") stays.
void clearLeftovers(const QString &folder) {
    QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("TempFile.$$$"), QStringLiteral(".*.part")},
                      QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &name : names) {
        const QString of = name.mid(1, name.size() - 6);
        if (name == QLatin1String("TempFile.$$$") || safefile::isTempName(name) ||
            (!of.isEmpty() && QFileInfo::exists(dir.filePath(of))))
            safefile::remove(dir.filePath(name));
    }
}

} // namespace

QString MoveMarker(const QString &folder, const QString &listName) {
    return inFolder(folder, QLatin1Char('.') + listName + QStringLiteral(".moving"));
}

QString Choose(const QString &programFolder, const QString &dataFolder, const QString &listName) {
    const QString beside = inFolder(programFolder, listName);
    if (!programFolder.isEmpty() && holdsList(beside) &&
        ::access(QFile::encodeName(programFolder).constData(), W_OK) == 0)
        return programFolder;
    return dataFolder;
}

Outcome Prepare(const QString &folder, const QStringList &candidates, const QString &listName) {
    Outcome out;
    if (!safefile::makeFolder(folder)) {
        out.problem =
            QCoreApplication::translate("basCipherly", "The folder %1 cannot be made.").arg(folder);
        return out;
    }
    const QString list = inFolder(folder, listName);
    const QString marker = MoveMarker(folder, listName);
    if (QFileInfo(marker).isFile()) finishInterruptedMove(list, marker, out);
    clearLeftovers(folder);

    out.folder = folder;
    if (holdsList(list) || QFileInfo(list).isSymLink()) return out;
    // No list yet: the first one found moves in; any other is named, not touched.
    const QString here = QFileInfo(folder).canonicalFilePath();
    for (const QString &candidate : candidates) {
        const QString other = inFolder(candidate, listName);
        if (QFileInfo(candidate).canonicalFilePath() == here || !holdsList(other)) continue;
        if (!out.movedFrom.isEmpty()) {
            if (!sameFile(other, list) && !out.leftAlone.contains(other)) out.leftAlone << other;
            continue;
        }
        if (QString why = move(other, list, marker); !why.isEmpty()) {
            out.problem = QCoreApplication::translate(
                              "basCipherly", "Your quote list %1 cannot be moved to %2: %3.")
                              .arg(other, folder, why);
            return out;
        }
        out.movedFrom = other;
    }
    return out;
}

QString Outcome::message() const {
    QString text;
    if (!movedFrom.isEmpty())
        text = QCoreApplication::translate(
                   "basCipherly", "Cipherly keeps your quote list in one place now, however it is "
                                  "started:\n%1\n\nYour list %2 was moved there.")
                   .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(movedFrom));
    for (const QString &other : leftAlone)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) +
                QCoreApplication::translate(
                    "basCipherly", "Another quote list, %1, was left where it is. To bring its "
                                   "quotes in, choose Import Quotes... in the list's menu.")
                    .arg(QDir::toNativeSeparators(other));
    return text;
}

} // namespace ListFolder
