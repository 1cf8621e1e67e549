#include "Language.h"

#include "InputGate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace language {

namespace {

// "de_DE.UTF-8@euro" as "de_DE" and then "de".
void addLocale(QStringList &out, QString name) {
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty()) return;
    if (!out.contains(name)) out << name;
    const QString bare = name.section(QLatin1Char('_'), 0, 0);
    if (!out.contains(bare)) out << bare;
}

bool isEnglish(const QString &name) {
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en_"));
}

} // namespace

QStringList Wanted(const std::function<QString(const char *)> &env) {
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = env(name); !locale.isEmpty()) break;
    QStringList out;
    // The C locale speaks English, whatever LANGUAGE asks (as gettext has it).
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
        locale.startsWith(QLatin1String("C.")))
        return out;
    for (const QString &l : env("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        addLocale(out, l);
    addLocale(out, locale);
    return out;
}

QStringList Available() {
    QStringList out;
    for (const QFileInfo &f : QDir(QStringLiteral(":/i18n")).entryInfoList({"cipherly_*.qm"}))
        if (const QString name = f.completeBaseName().mid(9); name != QLatin1String("en"))
            out << name;
    return out;
}

QString Install(QCoreApplication &app, const QStringList &wanted, const QString &file) {
    // A language asked for again replaces the last one: its translators go,
    // or their texts would show through where the new one has none.
    static QList<QPointer<QTranslator>> installed;
    static const QLocale desktops;
    for (const QPointer<QTranslator> &t : std::as_const(installed))
        if (t) {
            app.removeTranslator(t);
            delete t;
        }
    installed.clear();
    QLocale::setDefault(desktops);
    auto *own = new QTranslator(&app);
    installed << own;
    if (!file.isEmpty()) {
        // From outside, so through the gate; the translator reads the bytes
        // where they are, so they are kept for the rest of the run.
        static QByteArray bytes;
        QString why = gate::readFile(file, bytes);
        if (why.isEmpty() &&
            own->load(reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size()))) {
            app.installTranslator(own);
            return own->language().isEmpty() ? QStringLiteral("xx") : own->language();
        }
        // A file that cannot be read: said, and the player's language instead.
        if (why.isEmpty()) why = QCoreApplication::translate("Language", "it is not a translation");
        qWarning("%s: %s", qPrintable(file), qPrintable(why));
    }
    for (const QString &name : wanted) {
        if (isEnglish(name)) break;
        if (!own->load(QStringLiteral(":/i18n/cipherly_%1.qm").arg(name))) continue;
        app.installTranslator(own);
        // Qt's stock dialogs and buttons in the same language, where Debian's
        // Qt translations are installed.
        auto *qt = new QTranslator(&app);
        installed << qt;
        if (qt->load(QStringLiteral("qtbase_%1").arg(name),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(qt);
        QLocale::setDefault(QLocale(name));
        return name;
    }
    // English: the design's texts as they stand, and the forms of those that
    // count ("1 quote was", "2 quotes were").
    if (own->load(QStringLiteral(":/i18n/cipherly_en.qm")))
        app.installTranslator(own);
    else
        delete own;
    return QStringLiteral("en");
}

} // namespace language
