#include "Settings.h"

#include "AppInfo.h"

#include <QSettings>

namespace Settings {
namespace {

QString qualified(const QString &key) {
    return QStringLiteral("Defaults/") + key;
}

QString BooleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QString GetSetting(const QString &key, const QString &defaultValue) {
    const QSettings s(AppInfo::Title, AppInfo::Title);
    return s.value(qualified(key), defaultValue).toString();
}

void SaveSetting(const QString &key, const QString &value) {
    QSettings s(AppInfo::Title, AppInfo::Title);
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

bool FadeStatus() {
    return IsOn(Keys::FadeStatus);
}

bool ShowWelcome() {
    return Get(Keys::NewUser) != NoShow;
}

} // namespace Settings
