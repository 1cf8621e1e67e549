#include "Settings.h"

#include "AppInfo.h"
#include "InputGate.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace Settings {
namespace {

QString qualified(const QString &key) {
    return QStringLiteral("Defaults/") + key;
}

QString BooleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Whether the file may be opened by the settings store now: missing (it is
// made), or a regular file within the size; checked before every use, since
// opening anything else (a pipe) could wait for ever.
bool usable() {
    const QString path = FilePath();
    return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink()
               ? true
               : gate::check(path, nullptr, MaxFileBytes).isEmpty();
}

} // namespace

QString FilePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(AppInfo::Title + QLatin1Char('/') + AppInfo::Title + QStringLiteral(".conf"));
}

QString CheckFile() {
    const QString path = FilePath();
    // The folder the file lives in: a plain file in its place (or one that
    // cannot be made or written) keeps no setting, the welcome screen's too.
    const QString folder = QFileInfo(path).absolutePath();
    QString unusable;
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
        unusable = QCoreApplication::translate("basCipherly", "it is not a folder");
    else if (!QDir().mkpath(folder))
        unusable = QCoreApplication::translate("basCipherly", "it cannot be made");
    else if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        unusable = QString::fromLocal8Bit(std::strerror(errno));
    if (!unusable.isEmpty())
        return QCoreApplication::translate(
                   "basCipherly",
                   "Your settings cannot be kept:\n%1: %2.\n\nCipherly starts with its usual "
                   "settings and keeps no new ones, so this is said again at the next start until "
                   "it is put right.")
            .arg(QDir::toNativeSeparators(folder), unusable);
    if (usable()) return {};
    const QString why = gate::check(path, nullptr, MaxFileBytes);
    const safefile::Aside aside = safefile::setAside(path, QStringLiteral(".set-aside"));
    const QString intro =
        QCoreApplication::translate("basCipherly", "Your settings cannot be read:\n%1: %2.\n\n")
            .arg(QDir::toNativeSeparators(path), why);
    return intro + (aside.ok()
                        ? QCoreApplication::translate(
                              "basCipherly", "It is set aside as %1, and Cipherly starts with "
                                             "its usual settings.")
                              .arg(QDir::toNativeSeparators(aside.name))
                        : QCoreApplication::translate("basCipherly",
                                                      "It could not be set aside (%1), so Cipherly "
                                                      "starts with its usual settings and keeps no "
                                                      "new ones.")
                              .arg(aside.reason));
}

QString GetSetting(const QString &key, const QString &defaultValue) {
    if (!usable()) return defaultValue;
    const QSettings s(FilePath(), QSettings::IniFormat);
    return s.value(qualified(key), defaultValue).toString();
}

void SaveSetting(const QString &key, const QString &value) {
    if (!usable()) return;
    QSettings s(FilePath(), QSettings::IniFormat);
    s.setValue(qualified(key), value);
    s.sync();
}

QString Get(const Key &key) {
    return GetSetting(key.text(), QString::fromLatin1(key.defaultValue));
}

void Save(const Key &key, const QString &value) {
    SaveSetting(key.text(), value);
}

bool IsOn(const Key &key) {
    const QString text = Get(key).trimmed();
    if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) return true;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0.0;
}

void SetOn(const Key &key, bool on) {
    SaveSetting(key.text(), BooleanText(on));
}

int ViewSize() {
    const int size = Get(Keys::ViewSize).trimmed().toInt();
    for (int allowed : ViewSizes)
        if (size == allowed) return size;
    return 0;
}

bool FadeStatus() {
    return IsOn(Keys::FadeStatus);
}

bool ShowWelcome() {
    return Get(Keys::NewUser) != NoShow;
}

} // namespace Settings
