// The quote store killed at random moments: deletions, appends, edits and
// the first-run creation of the reserved quotes, each run in a child process
// that is killed outright at a random moment of its work. After every kill
// the quote file must be whole: exactly the list before, or exactly the list
// after, never a torn record, a partial list or a lost quote.
// Usage: cipherly-store-kills [KILLS_PER_OPERATION]   (default 1000)
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

} // namespace

int main(int argc, char **argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir dir;
    if (!dir.isValid()) return 2;
    QDir::setCurrent(dir.path());
    quotes::QuoteFileName = QStringLiteral("Cipherly.Dat");

    const QByteArray list = userList(400);
    const QByteArray added = record("A QUOTE ADDED WHILE THE GAME WAS KILLED, AT ANY MOMENT AT ALL");
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
    std::printf(whole ? "every kill left a whole list\n" : "SOME KILLS DAMAGED THE LIST\n");
    return whole ? 0 : 1;
}
