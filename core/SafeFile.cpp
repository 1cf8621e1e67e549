#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/fs.h>
#include <sys/syscall.h>
#endif

namespace safefile {

int System::open(const char *path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t System::pwrite(int fd, const void *data, size_t count, off_t at) {
    return ::pwrite(fd, data, count, at);
}
ssize_t System::pread(int fd, void *data, size_t count, off_t at) {
    return ::pread(fd, data, count, at);
}
int System::fsync(int fd) {
    return ::fsync(fd);
}
int System::ftruncate(int fd, off_t size) {
    return ::ftruncate(fd, size);
}
int System::fstat(int fd, struct stat *st) {
    return ::fstat(fd, st);
}
int System::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int System::fchown(int fd, uid_t uid, gid_t gid) {
    return ::fchown(fd, uid, gid);
}
int System::close(int fd) {
    return ::close(fd);
}
int System::rename(const char *from, const char *to) {
    return ::rename(from, to);
}
int System::renameNoReplace(const char *from, const char *to) {
#if defined(__linux__) && defined(SYS_renameat2)
    const int done = int(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
    if (done == 0 || (errno != ENOSYS && errno != EINVAL)) return done;
#endif
    // A file system that cannot promise it: asked first, then renamed.
    struct stat st;
    if (::lstat(to, &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from, to);
}
int System::unlink(const char *path) {
    return ::unlink(path);
}
int System::symlink(const char *target, const char *at) {
    return ::symlink(target, at);
}

namespace {

System systemCalls;
System *installed = nullptr;

QByteArray native(const QString &path) {
    return QFile::encodeName(path);
}

bool injected(const FailAt &failAt, Stage s) {
    return failAt && failAt(s);
}

// Every byte, however many calls it takes; a write that makes no progress is
// a full disk.
QString writeAll(int fd, const char *data, qint64 count, qint64 at) {
    while (count > 0) {
        const ssize_t n = sys().pwrite(fd, data, size_t(count), off_t(at));
        if (n < 0) {
            if (errno == EINTR) continue;
            return reasonOf(errno);
        }
        if (n == 0) return reasonOf(ENOSPC);
        data += n, count -= n, at += n;
    }
    return {};
}

QString readAll(int fd, char *data, qint64 count, qint64 at) {
    while (count > 0) {
        const ssize_t n = sys().pread(fd, data, size_t(count), off_t(at));
        if (n < 0) {
            if (errno == EINTR) continue;
            return reasonOf(errno);
        }
        if (n == 0) return QCoreApplication::translate("files", "The file ended early");
        data += n, count -= n, at += n;
    }
    return {};
}

// The file's length as the system has it, checked against what was meant.
QString checkLength(int fd, qint64 expected) {
    struct stat st;
    if (sys().fstat(fd, &st) != 0) return reasonOf(errno);
    if (qint64(st.st_size) != expected)
        return QCoreApplication::translate("files", "The file is %1 bytes long, not %2")
            .arg(st.st_size)
            .arg(expected);
    return {};
}

QString syncFile(int fd) {
    while (sys().fsync(fd) != 0) {
        if (errno == EINTR) continue;
        return reasonOf(errno);
    }
    return {};
}

// A close can be the first to report a write that failed (on network disks).
QString closeFile(int fd) {
    return sys().close(fd) == 0 || errno == EINTR ? QString() : reasonOf(errno);
}

QString cutBack(int fd, qint64 size) {
    if (sys().ftruncate(fd, off_t(size)) != 0) return reasonOf(errno);
    if (QString why = checkLength(fd, size); !why.isEmpty()) return why;
    return syncFile(fd);
}

} // namespace

System &sys() {
    return installed ? *installed : systemCalls;
}

void setSystem(System *s) {
    installed = s;
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString resolveLinks(const QString &path) {
    QString at = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 32; ++hops) {
        const QFileInfo info(at);
        if (!info.isSymLink()) break;
        const QString next = info.symLinkTarget(); // absolute, read from the link's folder
        if (next.isEmpty()) break;
        at = next;
    }
    return at;
}

namespace {

constexpr int TempTagLength = 6;
const QString TempEnd = QStringLiteral(".part");

// A temporary name beside `name` that no other write has: its tag drawn afresh.
QString freshTempName(const QString &name) {
    static const char Letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString tag;
    for (int i = 0; i < TempTagLength; ++i)
        tag += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    return tempPrefixFor(name) + tag + TempEnd;
}

} // namespace

QString tempPrefixFor(const QString &name) {
    return QLatin1Char('.') + name + QLatin1Char('.');
}

bool isTempName(const QString &fileName, const QString &of) {
    const qsizetype tagAt = fileName.size() - TempEnd.size() - TempTagLength;
    if (tagAt < 3 || !fileName.startsWith(QLatin1Char('.')) || !fileName.endsWith(TempEnd) ||
        fileName[tagAt - 1] != QLatin1Char('.'))
        return false;
    for (qsizetype i = tagAt; i < tagAt + TempTagLength; ++i)
        if (!fileName[i].isLetterOrNumber() || fileName[i].unicode() > 127) return false;
    return of.isEmpty() || fileName.sliced(1, tagAt - 2) == of;
}

void removeLeftoverTemps(const QString &target) {
    const QFileInfo info(target);
    const QDir dir = info.absoluteDir();
    bool removed = false;
    for (const QString &name :
         dir.entryList({tempPrefixFor(info.fileName()) + QLatin1Char('*')},
                       QDir::Files | QDir::Hidden | QDir::System)) {
        struct stat st;
        const QByteArray path = native(dir.filePath(name));
        if (!isTempName(name, info.fileName()) || ::lstat(path.constData(), &st) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        removed = sys().unlink(path.constData()) == 0 || removed;
    }
    if (removed) syncFolder(dir.path());
}

bool makeFolder(const QString &folder) {
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}

void syncFolder(const QString &folder) {
    const int fd = sys().open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    (void)sys().fsync(fd); // some file systems cannot sync a folder; the rename stands all the same
    sys().close(fd);
}

QString LinkRefused() {
    return QCoreApplication::translate("files", "It is a link, not a file of the game's own");
}

Result replaceFile(const QString &path, const std::function<QString(const Put &)> &fill,
                   const ReplaceOptions &o) {
    struct stat self;
    if (o.refuseLinks && ::lstat(native(path).constData(), &self) == 0 && S_ISLNK(self.st_mode))
        return Result::target(LinkRefused());
    const QString target = resolveLinks(path);
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    const bool namedTemp = !o.tempName.isEmpty();
    QString tempPath = QDir(folder).filePath(namedTemp ? o.tempName : freshTempName(info.fileName()));
    QByteArray tempName = native(tempPath);
    const QByteArray targetName = native(target);
    const auto tempFailure = [&](const QString &reason) {
        Result r = Result::temp(reason);
        r.tempName = QFileInfo(tempPath).fileName();
        return r;
    };

    // What is there now decides the new file's mode and owner, and whether
    // it may be replaced at all.
    struct stat old;
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return Result::target(
            S_ISDIR(old.st_mode)
                ? QCoreApplication::translate("files", "It is a folder, not a file")
                : QCoreApplication::translate("files", "It is not a regular file"));
    if (exists && ::access(targetName.constData(), W_OK) != 0)
        return Result::target(reasonOf(errno));

    // A leftover of a name the writer gives its temporary file, even a link,
    // is removed, never followed. A fresh name is never there: a file of
    // that name (the player's, or another write's) is never touched, and
    // another name is drawn.
    if (namedTemp && sys().unlink(tempName.constData()) != 0 && errno != ENOENT)
        return tempFailure(
            errno == EISDIR || errno == EPERM
                ? QCoreApplication::translate("files", "A folder of that name is in the way")
                : reasonOf(errno));
    if (injected(o.failAt, Stage::CreateTemp)) return tempFailure(InjectedReason);
    int fd = -1;
    for (int attempt = 0;; ++attempt) {
        fd = sys().open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        exists ? 0600 : o.newFileMode);
        if (fd >= 0 || namedTemp || errno != EEXIST || attempt == 99) break;
        tempPath = QDir(folder).filePath(freshTempName(info.fileName()));
        tempName = native(tempPath);
    }
    if (fd < 0) return tempFailure(reasonOf(errno));

    // Bytes are gathered and written a large piece at a time.
    constexpr qint64 Piece = 1 << 20;
    qint64 written = 0;
    QByteArray pending;
    auto flushPending = [&] {
        const QString why = writeAll(fd, pending.constData(), pending.size(), written);
        if (why.isEmpty()) written += pending.size();
        pending.clear();
        return why;
    };
    const Put put = [&](const char *data, qint64 count) -> QString {
        if (injected(o.failAt, Stage::WriteTemp)) return InjectedReason;
        pending.append(data, count);
        return pending.size() >= Piece ? flushPending() : QString();
    };

    Result r = Result::success();
    if (QString why = fill(put); !why.isEmpty()) r = tempFailure(why);
    if (r && !pending.isEmpty())
        if (QString why = flushPending(); !why.isEmpty()) r = tempFailure(why);
    if (r)
        if (QString why = checkLength(fd, written); !why.isEmpty()) r = tempFailure(why);
    // The new file is the old one's: same mode, same owner where we may.
    if (r && exists) {
        if (sys().fchmod(fd, old.st_mode & 07777) != 0)
            r = tempFailure(reasonOf(errno));
        else if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)sys().fchown(fd, old.st_uid, old.st_gid); // only the superuser may
    }
    if (r) {
        if (injected(o.failAt, Stage::SyncTemp))
            r = tempFailure(InjectedReason);
        else if (QString why = syncFile(fd); !why.isEmpty())
            r = tempFailure(why);
    }
    if (QString why = closeFile(fd); r && !why.isEmpty()) r = tempFailure(why);
    if (o.beforeRename) o.beforeRename();
    if (r) {
        if (injected(o.failAt, Stage::Rename))
            r = Result::target(InjectedReason);
        else if (sys().rename(tempName.constData(), targetName.constData()) != 0)
            r = Result::target(reasonOf(errno));
    }
    if (!r) {
        sys().unlink(tempName.constData());
        return r;
    }
    syncFolder(folder);
    return r;
}

Result replaceFile(const QString &path, const QByteArray &content, const ReplaceOptions &o) {
    return replaceFile(
        path, [&](const Put &put) { return put(content.constData(), content.size()); }, o);
}

QString writeWithUndo(int fd, qint64 at, const QByteArray &bytes, const FailAt &failAt) {
    struct stat st;
    if (sys().fstat(fd, &st) != 0) return reasonOf(errno);
    const qint64 oldSize = st.st_size;
    // What the write will cover, to put back if it fails.
    QByteArray before(qBound<qint64>(0, oldSize - at, bytes.size()), Qt::Uninitialized);
    if (QString why = readAll(fd, before.data(), before.size(), at); !why.isEmpty()) return why;

    QString why = injected(failAt, Stage::Write)
                      ? InjectedReason
                      : writeAll(fd, bytes.constData(), bytes.size(), at);
    if (why.isEmpty()) why = checkLength(fd, qMax(oldSize, at + bytes.size()));
    if (why.isEmpty()) why = injected(failAt, Stage::Sync) ? InjectedReason : syncFile(fd);
    if (why.isEmpty()) return {};

    // Never leave a half record, or half a change, behind.
    QString undone = writeAll(fd, before.constData(), before.size(), at);
    if (undone.isEmpty()) undone = cutBack(fd, oldSize);
    if (!undone.isEmpty())
        why +=
            QCoreApplication::translate("files", "; the file could not be put back as it was (%1)")
                .arg(undone);
    return why;
}

QString append(const QString &path, const std::function<QByteArray(qint64, char)> &bytesFor,
               mode_t mode) {
    const QByteArray name = native(path);
    // Checked before opening: a device, a pipe or a link is never opened at all.
    struct stat st;
    if (::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode)) return LinkRefused();
    if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return QCoreApplication::translate("files", "It is not a regular file");
    bool created = false;
    int fd = sys().open(name.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0);
    if (fd < 0 && errno == ENOENT) {
        fd = sys().open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        created = fd >= 0;
    }
    if (fd < 0) return errno == ELOOP ? LinkRefused() : reasonOf(errno);
    if (sys().fstat(fd, &st) != 0) {
        const QString why = reasonOf(errno);
        sys().close(fd);
        return why;
    }
    if (!S_ISREG(st.st_mode)) {
        sys().close(fd);
        return QCoreApplication::translate("files", "It is not a regular file");
    }
    char last = '\n';
    if (st.st_size > 0 && sys().pread(fd, &last, 1, st.st_size - 1) != 1) last = '\n';
    QString why = writeWithUndo(fd, st.st_size, bytesFor(st.st_size, last));
    if (const QString closing = closeFile(fd); why.isEmpty() && !closing.isEmpty()) {
        why = closing;
        if (int again = sys().open(name.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK, 0);
            again >= 0) {
            cutBack(again, st.st_size);
            sys().close(again);
        }
    }
    if (created) {
        if (!why.isEmpty()) sys().unlink(name.constData());
        syncFolder(QFileInfo(path).absolutePath());
    }
    return why;
}

QString remove(const QString &path) {
    if (sys().unlink(native(path).constData()) != 0 && errno != ENOENT) return reasonOf(errno);
    syncFolder(QFileInfo(path).absolutePath());
    return {};
}

QString rename(const QString &from, const QString &to, bool *acrossDisks) {
    if (acrossDisks) *acrossDisks = false;
    if (sys().rename(native(from).constData(), native(to).constData()) != 0) {
        if (acrossDisks) *acrossDisks = errno == EXDEV;
        return reasonOf(errno);
    }
    syncFolder(QFileInfo(to).absolutePath());
    if (QFileInfo(from).absolutePath() != QFileInfo(to).absolutePath())
        syncFolder(QFileInfo(from).absolutePath());
    return {};
}

Aside setAside(const QString &path, const QString &suffix) {
    Aside a;
    for (int n = 1; n <= 100; ++n) {
        a.name = path + suffix + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n));
        if (sys().renameNoReplace(native(path).constData(), native(a.name).constData()) == 0) {
            syncFolder(QFileInfo(path).absolutePath());
            return a;
        }
        if (errno != EEXIST && errno != ENOTEMPTY) {
            a.reason = reasonOf(errno);
            return a;
        }
    }
    a.reason = QCoreApplication::translate("files", "Every name to set it aside under is taken");
    return a;
}

QString makeLink(const QString &target, const QString &at) {
    const QFileInfo info(at);
    // Under a name of its own, drawn afresh until it is free: nothing there is touched.
    QByteArray temp;
    int made = -1;
    for (int attempt = 0; attempt < 100 && made != 0; ++attempt) {
        temp = native(QDir(info.absolutePath()).filePath(freshTempName(info.fileName())));
        made = sys().symlink(native(target).constData(), temp.constData());
        if (made != 0 && errno != EEXIST) break;
    }
    if (made != 0) return reasonOf(errno);
    if (sys().rename(temp.constData(), native(at).constData()) != 0) {
        const QString why = reasonOf(errno);
        sys().unlink(temp.constData());
        return why;
    }
    syncFolder(info.absolutePath());
    return {};
}

} // namespace safefile
