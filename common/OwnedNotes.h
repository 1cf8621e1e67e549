#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Words added to a line by several owners: one note each, told in the order
// the owners first came; an empty note says nothing.
class OwnedNotes {
public:
    // Sets `owner`'s note; whether the words changed.
    bool set(const QString &owner, const QString &note) {
        for (auto &[who, said] : m_notes)
            if (who == owner) {
                if (said == note) return false;
                said = note;
                return true;
            }
        m_notes.append({owner, note});
        return !note.isEmpty();
    }
    // Every note, in the owners' order (empty ones too).
    QStringList notes() const {
        QStringList all;
        for (const auto &[who, said] : m_notes)
            all << said;
        return all;
    }
    QString joined() const { return notes().join(QString()); }

private:
    QList<QPair<QString, QString>> m_notes;
};
