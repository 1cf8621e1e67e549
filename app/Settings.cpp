#include "Settings.h"

#include "AppInfo.h"

#include <QSettings>

namespace Settings {
namespace {

QString qualified(const QString &key) {
    return QStringLiteral("Defaults/") + key;
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

bool ReadBoolean(const QString &key, bool defaultValue) {
    const QString text = GetSetting(key, BooleanText(defaultValue)).trimmed();
    if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) return true;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0.0;
}

QString BooleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool FadeStatus() {
    return ReadBoolean(FadeStatusKey, false);
}

bool ShowWelcome() {
    return GetSetting(NewUserKey) != NoShow;
}

} // namespace Settings
