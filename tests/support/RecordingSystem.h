#pragma once

#include "SafeFile.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <functional>

// The safe writer's system calls, recorded in order and failed at will. Each
// call names the file it acts on (the path, or the path its descriptor was
// opened with).
class RecordingSystem : public safefile::System {
public:
    struct Call {
        QString name; // "open", "pwrite", "fsync", ...
        QString path;
        int fd = -1;
        bool folder = false; // opened as a folder
        bool operator==(const Call &) const = default;
    };
    QList<Call> calls;
    // Returns an errno to fail a call with, or 0 to let it through.
    std::function<int(const Call &)> failWith;
    // Makes a pwrite report every byte written while writing none.
    std::function<bool(const Call &)> pretendToWrite;
    // The most bytes one pwrite takes (0: all it is given), as a busy system may.
    size_t mostPerWrite = 0;

    RecordingSystem() { safefile::setSystem(this); }
    ~RecordingSystem() override { safefile::setSystem(nullptr); }

    // The index of the first call matching, from `from`; -1 when none.
    int find(const QString &name, const QString &pathPart, int from = 0) const {
        for (int i = from; i < calls.size(); ++i)
            if (calls[i].name == name && calls[i].path.contains(pathPart)) return i;
        return -1;
    }
    int findLast(const QString &name, const QString &pathPart) const {
        for (int i = int(calls.size()) - 1; i >= 0; --i)
            if (calls[i].name == name && calls[i].path.contains(pathPart)) return i;
        return -1;
    }
    int findFolderSync(int from = 0) const {
        for (int i = from; i < calls.size(); ++i)
            if (calls[i].name == QLatin1String("fsync") && calls[i].folder) return i;
        return -1;
    }

    int open(const char *path, int flags, mode_t mode) override {
        Call c{QStringLiteral("open"), QFile::decodeName(path), -1, (flags & O_DIRECTORY) != 0};
        if (failed(c)) return -1;
        const int fd = safefile::System::open(path, flags, mode);
        if (fd >= 0) {
            m_paths[fd] = c.path;
            m_folders[fd] = c.folder;
        }
        return fd;
    }
    ssize_t pwrite(int fd, const void *data, size_t count, off_t at) override {
        const Call c = on(QStringLiteral("pwrite"), fd);
        if (failed(c)) return -1;
        if (pretendToWrite && pretendToWrite(c)) return ssize_t(count);
        if (mostPerWrite > 0) count = qMin(count, mostPerWrite);
        return safefile::System::pwrite(fd, data, count, at);
    }
    ssize_t pread(int fd, void *data, size_t count, off_t at) override {
        if (failed(on(QStringLiteral("pread"), fd))) return -1;
        return safefile::System::pread(fd, data, count, at);
    }
    int fsync(int fd) override {
        if (failed(on(QStringLiteral("fsync"), fd))) return -1;
        return safefile::System::fsync(fd);
    }
    int ftruncate(int fd, off_t size) override {
        if (failed(on(QStringLiteral("ftruncate"), fd))) return -1;
        return safefile::System::ftruncate(fd, size);
    }
    int fstat(int fd, struct stat *st) override {
        if (failed(on(QStringLiteral("fstat"), fd))) return -1;
        return safefile::System::fstat(fd, st);
    }
    int fchmod(int fd, mode_t mode) override {
        if (failed(on(QStringLiteral("fchmod"), fd))) return -1;
        return safefile::System::fchmod(fd, mode);
    }
    int close(int fd) override {
        const Call c = on(QStringLiteral("close"), fd);
        const int r = safefile::System::close(fd); // the descriptor is gone either way
        m_paths.remove(fd);
        m_folders.remove(fd);
        if (failed(c)) return -1;
        return r;
    }
    int rename(const char *from, const char *to) override {
        if (failed({QStringLiteral("rename"),
                    QFile::decodeName(from) + QStringLiteral(" -> ") + QFile::decodeName(to)}))
            return -1;
        return safefile::System::rename(from, to);
    }
    int unlink(const char *path) override {
        if (failed({QStringLiteral("unlink"), QFile::decodeName(path)})) return -1;
        return safefile::System::unlink(path);
    }
    int symlink(const char *target, const char *at) override {
        if (failed({QStringLiteral("symlink"), QFile::decodeName(at)})) return -1;
        return safefile::System::symlink(target, at);
    }

private:
    Call on(const QString &name, int fd) const {
        return {name, m_paths.value(fd), fd, m_folders.value(fd)};
    }
    bool failed(const Call &c) {
        calls << c;
        const int error = failWith ? failWith(c) : 0;
        if (error == 0) return false;
        errno = error;
        return true;
    }
    QHash<int, QString> m_paths;
    QHash<int, bool> m_folders;
};
