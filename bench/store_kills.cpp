// The quote store killed at random moments: deletions, appends, edits and
// the first-run creation of the reserved quotes, each run in a child process
// that is killed outright at a random moment of its work. After every kill
// the quote file must be whole: exactly the list before, or exactly the list
// after, never a torn record, a partial list or a lost quote.
// The move of a list into the data folder from another disk is killed the
// same way; after each kill the next start (run here as the game runs it at
// start-up) must leave exactly one list, whole, in the data folder.
// Usage: cipherly-store-kills [KILLS_PER_OPERATION]   (default 1000)
#include "ListFolder.h"
#include "QuoteFile.h"
#include "StringResources.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray record(const QByteArray &text) {
    return text.leftJustified(quotes::RecordLength, ' ', true);
}

QByteArray userList(int count) {
    QByteArray all;
    for (int i = 1; i <= quotes::ReservedCount; ++i) {
        quotes::FixedRecord r;
        r = LoadResString(i);
        all += r.text().toLatin1();
    }
    for (int i = quotes::ReservedCount + 1; i <= count; ++i)
        all += record("A PLAYER'S OWN QUOTE, NUMBER " +
                      QByteArray::number(i).replace('0', 'O').replace('1', 'I'));
    return all;
}

QByteArray fileBytes() {
    QFile f(quotes::QuoteFileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QByteArray &bytes) {
    QFile::remove(quotes::QuoteFileName);
    QFile f(quotes::QuoteFileName);
    if (bytes.isNull()) return; // no file at all
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) std::abort();
}

struct Operation {
    const char *name;
    QByteArray before, after;
    std::function<void()> run;
};

struct Tally {
    int before = 0, after = 0, other = 0;
};

// Runs `op` in a child and kills it after `delayUs` (never, when negative);
// which state it left.
int killedRun(const Operation &op, long delayUs, long *tookUs = nullptr) {
    writeBytes(op.before);
    QFile::remove(quotes::TempFileName);
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        op.run();
        _exit(0);
    }
    if (delayUs > 0) usleep(useconds_t(delayUs));
    if (delayUs >= 0) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (tookUs) *tookUs = long(clock.nsecsElapsed() / 1000);
    const QByteArray now = QFile::exists(quotes::QuoteFileName) ? fileBytes() : QByteArray();
    if (now == op.before || (op.before.isNull() && now.isEmpty())) return 0;
    if (now == op.after) return 1;
    return 2;
}

QByteArray bytesOf(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The move from a folder on one disk into a data folder on another, killed
// at random moments. Returns false when any kill, after the next start, left
// anything but one whole list in the data folder.
bool moveAcrossDisks(int kills, std::mt19937 &random) {
    QTemporaryDir here; // the disk the game is started on
    QTemporaryDir there(QStringLiteral("/dev/shm/cipherly-kills-XXXXXX")); // another disk
    struct stat a, b;
    if (!here.isValid() || !there.isValid() || ::stat(QFile::encodeName(here.path()), &a) != 0 ||
        ::stat(QFile::encodeName(there.path()), &b) != 0 || a.st_dev == b.st_dev) {
        std::printf("moves across disks: no second disk here (/dev/shm); not measured\n");
        return true;
    }
    const QString from = here.path() + QStringLiteral("/Cipherly.Dat");
    const QString data = there.path() + QStringLiteral("/Cipherly");
    const QString to = data + QStringLiteral("/Cipherly.Dat");
    const QByteArray list = userList(quotes::MaxRecords); // a full list, 6.5 MB
    auto reset = [&] {
        QDir(data).removeRecursively();
        QFile f(from);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(list) != list.size())
            std::abort();
    };
    auto start = [&] { ListFolder::Prepare(data, {here.path()}, QStringLiteral("Cipherly.Dat")); };
    // How long a move takes in a child here, so the kills land inside it.
    long span = 0;
    for (int i = 0; i < 3; ++i) {
        reset();
        QElapsedTimer clock;
        clock.start();
        const pid_t child = fork();
        if (child == 0) {
            start();
            _exit(0);
        }
        waitpid(child, nullptr, 0);
        span = qMax(span, long(clock.nsecsElapsed() / 1000));
        if (bytesOf(to) != list || QFile::exists(from)) {
            std::printf("moves across disks: the move does not complete when left alone\n");
            return false;
        }
    }
    int before = 0, after = 0, midway = 0, broken = 0;
    std::uniform_int_distribution<long> delay(0, span);
    for (int i = 0; i < kills; ++i) {
        reset();
        const pid_t child = fork();
        if (child == 0) {
            start();
            _exit(0);
        }
        usleep(useconds_t(delay(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const bool source = QFile::exists(from), target = QFile::exists(to);
        if (QFile::exists(ListFolder::MoveMarker(data, QStringLiteral("Cipherly.Dat"))))
            ++midway; // a copy begun, its marker standing
        else if (source && !target)
            ++before;
        else if (!source && target)
            ++after;
        else
            ++midway;
        start(); // the next start of the game
        const bool one =
            bytesOf(to) == list && !QFile::exists(from) &&
            !QFile::exists(ListFolder::MoveMarker(data, QStringLiteral("Cipherly.Dat"))) &&
            QDir(data).entryList(QDir::Files | QDir::Hidden).size() == 1;
        if (!one) ++broken;
    }
    std::printf("%-20s %5d kills: %5d before the move, %5d after, %5d midway; after the next "
                "start, %d anything but one whole list\n",
                "moves across disks", kills, before, after, midway, broken);
    return broken == 0;
}

} // namespace

int main(int argc, char **argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir dir;
    if (!dir.isValid()) return 2;
    QDir::setCurrent(dir.path());
    quotes::QuoteFileName = QStringLiteral("Cipherly.Dat");

    const QByteArray list = userList(400);
    const QByteArray added =
        record("A QUOTE ADDED WHILE THE GAME WAS KILLED, AT ANY MOMENT AT ALL");
    QByteArray edited = list;
    edited.replace(199 * quotes::RecordLength, quotes::RecordLength,
                   record("A QUOTE EDITED WHILE THE GAME WAS KILLED, AT ANY MOMENT AT ALL"));
    QByteArray deleted = list;
    deleted.remove(199 * quotes::RecordLength, quotes::RecordLength);
    const QByteArray reserved = userList(quotes::ReservedCount);

    const QList<Operation> operations = {
        {"deletes", list, deleted, [] { quotes::DeleteQuoteRecord(200); }},
        {"appends", list, list + added,
         [] {
             quotes::SaveQuote(
                 QStringLiteral("A QUOTE ADDED WHILE THE GAME WAS KILLED, AT ANY MOMENT AT ALL"),
                 true, 0);
         }},
        {"edits", list, edited,
         [] {
             quotes::SaveQuote(
                 QStringLiteral("A QUOTE EDITED WHILE THE GAME WAS KILLED, AT ANY MOMENT AT ALL"),
                 false, 200);
         }},
        {"first-run creations", QByteArray(), reserved,
         [] {
             QStringList shown;
             quotes::LoadQuoteList(shown);
         }},
    };

    std::mt19937 random(std::random_device{}());
    bool whole = true;
    std::printf("%d kills per operation, at a random moment of each\n", kills);
    for (const Operation &op : operations) {
        // How long the operation takes here, so the kills land inside it.
        long span = 0;
        for (int i = 0; i < 5; ++i) {
            long took = 0;
            if (killedRun(op, -1, &took) != 1) {
                std::printf("%s does not reach the list after when left alone\n", op.name);
                return 1;
            }
            span = qMax(span, took);
        }
        Tally tally;
        std::uniform_int_distribution<long> delay(0, span);
        for (int i = 0; i < kills; ++i) {
            switch (killedRun(op, delay(random))) {
            case 0:
                ++tally.before;
                break;
            case 1:
                ++tally.after;
                break;
            default:
                ++tally.other;
                break;
            }
        }
        std::printf("%-20s %5d kills: %5d left the list before, %5d after, %d anything else\n",
                    op.name, kills, tally.before, tally.after, tally.other);
        whole = whole && tally.other == 0;
    }
    const int moveKills = qMax(200, kills / 4);
    whole = moveAcrossDisks(moveKills, random) && whole;
    std::printf(whole ? "every kill left a whole list\n" : "SOME KILLS DAMAGED THE LIST\n");
    return whole ? 0 : 1;
}
