#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include <sys/stat.h>
#include <sys/types.h>

// The one way the game writes a file. Every writer (the quote store, import,
// export, the move into the data folder, the record of games, the game kept
// in progress) goes through here, so that no writer can report success for a
// byte that did not reach the disk, and none leaves half a change behind.
//
// Two kinds of write:
// - replace in one step: the new content goes to a temporary file beside the
//   real target (past any link), is checked and synced, takes the old file's
//   mode and owner, and is renamed over it; the folder is synced after;
// - write in place with undo: bytes written at an offset (an append is a
//   write at the end) and synced; on any failure the bytes they covered and
//   the old length are put back, and that too is synced.
namespace safefile {

// The system calls the module makes, one seam for all of them: tests record
// the calls and make any of them fail. Each behaves as the system call of the
// same name (-1 and errno on failure).
class System {
public:
    virtual ~System() = default;
    virtual int open(const char *path, int flags, mode_t mode);
    virtual ssize_t pwrite(int fd, const void *data, size_t count, off_t at);
    virtual ssize_t pread(int fd, void *data, size_t count, off_t at);
    virtual int fsync(int fd);
    virtual int ftruncate(int fd, off_t size);
    virtual int fstat(int fd, struct stat *st);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fchown(int fd, uid_t uid, gid_t gid);
    virtual int close(int fd);
    virtual int rename(const char *from, const char *to);
    // rename(), refused with EEXIST when `to` is there.
    virtual int renameNoReplace(const char *from, const char *to);
    virtual int unlink(const char *path);
    virtual int symlink(const char *target, const char *at);
};

// The calls in force; the system's own unless a test installed others.
System &sys();
// Installs `s` (not owned); nullptr restores the system's own.
void setSystem(System *s);

// The system's words for an error number ("No space left on device").
QString reasonOf(int error);

// Stages a caller's own fault injector can stop; asked once per stage.
enum class Stage { CreateTemp, WriteTemp, SyncTemp, Rename, Write, Sync };
using FailAt = std::function<bool(Stage)>;
inline const QString InjectedReason = QStringLiteral("Input/output error");

// What went wrong, and with which file: the target or the temporary file.
struct Result {
    enum class Which { Target, Temp };
    Which which = Which::Target;
    QString reason;   // empty on success
    QString tempName; // the temporary file's name (no folder), where one was made or tried
    bool ok() const { return reason.isEmpty(); }
    explicit operator bool() const { return ok(); }
    static Result success() { return {}; }
    static Result target(const QString &reason) { return {Which::Target, reason, {}}; }
    static Result temp(const QString &reason) { return {Which::Temp, reason, {}}; }
};

// The file a path really names: itself, or the end of the links it leads
// through (a relative link read from the link's own folder).
QString resolveLinks(const QString &path);

// How the temporary file a replacement of `name` writes beside it begins,
// unless the writer names its own: ".NAME.", then a part made fresh for each
// write, then ".part" (".list.Dat.Xq3b9Z.part"). No two writes share one, and
// a file of that name already there is never touched.
QString tempPrefixFor(const QString &name);
// Whether `fileName` is named as such a temporary file is: of `of`, or of
// any file when `of` is empty.
bool isTempName(const QString &fileName, const QString &of = {});
// Removes the temporary files a write of `target` cut short left beside it
// (regular files named as the writer names them, never links), and syncs
// the folder.
void removeLeftoverTemps(const QString &target);

// Hands bytes to the file being written; the reason it failed, or empty.
using Put = std::function<QString(const char *data, qint64 count)>;

struct ReplaceOptions {
    // Beside the real target; a fresh one (tempPrefixFor) when empty. A file
    // left of a name the writer names is replaced.
    QString tempName;
    FailAt failAt;                      // a writer's own test seam
    std::function<void()> beforeRename; // the last moment the old file is as it was
    mode_t newFileMode = 0644;          // for a target that does not exist yet (less the umask)
    // A file of the game's own is never written through a link: a link of
    // that name (to a file elsewhere, or dangling) is refused, LinkRefused.
    bool refuseLinks = false;
};

// Why a write through a link is refused.
QString LinkRefused();

// Replaces `path` (or the file its links lead to) with what `fill` writes
// through `put`. A target the player may not write is refused and left alone;
// so is one that is not a regular file. On any failure the old file stays as
// it was and the temporary file is removed.
Result replaceFile(const QString &path, const std::function<QString(const Put &put)> &fill,
                   const ReplaceOptions &options = {});
Result replaceFile(const QString &path, const QByteArray &content,
                   const ReplaceOptions &options = {});

// Writes `bytes` at offset `at` of the open file `fd` (at its length: an
// append) and syncs it. On any failure the bytes it covered and the old
// length are put back and synced; the reason names both failures when the
// undo failed too.
QString writeWithUndo(int fd, qint64 at, const QByteArray &bytes, const FailAt &failAt = {});

// Appends what `bytesFor` gives (it sees the file's length and its last byte,
// '\n' for an empty file) to `path`, a regular file made with `mode` when
// missing; never through a link (LinkRefused). On any failure the file is cut
// back to its old length and synced, and a file it made is removed again.
QString append(const QString &path,
               const std::function<QByteArray(qint64 size, char last)> &bytesFor,
               mode_t mode = 0644);

// Removes `path` (never what a link of that name points at) and syncs its
// folder; a missing file is no failure.
QString remove(const QString &path);

// Renames `from` to `to` in one step (a link is renamed as the link it is)
// and syncs both folders. `acrossDisks` tells a refusal because the two are
// on different disks, where a copy has to do instead.
QString rename(const QString &from, const QString &to, bool *acrossDisks = nullptr);

// Sets a file (or a link, or whatever else stands there) aside under a name
// of its own beside it, `path` + `suffix`, or with " (2)", " (3)", ... after
// that when the name is taken: nothing is ever overwritten. The name it went
// to, or why it could not be moved (`reason`).
struct Aside {
    QString name;
    QString reason;
    bool ok() const { return reason.isEmpty(); }
};
Aside setAside(const QString &path, const QString &suffix);

// Makes `at` a link to `target` in one step (through a temporary link renamed
// over it) and syncs the folder.
QString makeLink(const QString &target, const QString &at);

// Makes `folder`, and the folders above it, where they are missing; whether
// it is there now.
bool makeFolder(const QString &folder);

// Syncs a folder, so that a rename or removal in it lasts; folders that
// cannot be synced (some file systems refuse) are no failure.
void syncFolder(const QString &folder);

} // namespace safefile
