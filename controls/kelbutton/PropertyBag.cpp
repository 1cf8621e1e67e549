#include "PropertyBag.h"

#include <QFile>
#include <QStringList>

#include "Artwork.h"

KelPicture KelPicture::fromResource(const QString &path) {
    KelPicture p;
    p.source = path;
    // Icons and pointers keep their see-through parts; bitmaps are opaque.
    p.isIcon = path.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) ||
               path.endsWith(QLatin1String(".cur"), Qt::CaseInsensitive) ||
               path.contains(QLatin1String("/icons/")) || path.contains(QLatin1String("/cursors/"));
    const QImage::Format format = p.isIcon ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    p.image = QImage(path).convertToFormat(format);
    const QImage large = artwork::large(path);
    if (!large.isNull()) p.image2x = large.convertToFormat(format);
    return p;
}

void PropertyBag::write(const QString &key, Type type, const QVariant &value) {
    for (auto &e : m_entries)
        if (e.key == key) {
            e.type = type;
            e.value = value;
            return;
        }
    m_entries.append({key, type, value});
}

bool PropertyBag::contains(const QString &key) const {
    for (const auto &e : m_entries)
        if (e.key == key) return true;
    return false;
}

QVariant PropertyBag::read(const QString &key, const QVariant &fallback) const {
    for (const auto &e : m_entries)
        if (e.key == key) return e.value;
    return fallback;
}

bool PropertyBag::operator==(const PropertyBag &o) const {
    if (m_entries.size() != o.m_entries.size()) return false;
    for (int i = 0; i < m_entries.size(); ++i) {
        const auto &a = m_entries[i];
        const auto &b = o.m_entries[i];
        if (a.key != b.key || a.type != b.type) return false;
        if (a.type == Type::Picture) {
            if (!(a.value.value<KelPicture>() == b.value.value<KelPicture>())) return false;
        } else if (a.type == Type::Font) {
            if (fontToText(a.value.value<QFont>()) != fontToText(b.value.value<QFont>()))
                return false;
        } else if (a.value != b.value) {
            return false;
        }
    }
    return true;
}

const DesignedButton *WindowDesign::find(const QString &name) const {
    for (const auto &b : buttons)
        if (b.name == name) return &b;
    return nullptr;
}

QString fontToText(const QFont &f) {
    QStringList parts{f.family(), QString::number(f.pointSizeF(), 'g', 6)};
    if (f.bold()) parts << QStringLiteral("bold");
    if (f.italic()) parts << QStringLiteral("italic");
    if (f.underline()) parts << QStringLiteral("underline");
    return parts.join(QLatin1Char(','));
}

QFont fontFromText(const QString &text) {
    const QStringList parts = text.split(QLatin1Char(','));
    QFont f(parts.value(0));
    bool ok = false;
    const double size = parts.value(1).toDouble(&ok);
    if (ok && size > 0) f.setPointSizeF(size);
    f.setBold(parts.contains(QStringLiteral("bold")));
    f.setItalic(parts.contains(QStringLiteral("italic")));
    f.setUnderline(parts.contains(QStringLiteral("underline")));
    return f;
}

namespace {

const char *typeName(PropertyBag::Type t) {
    switch (t) {
    case PropertyBag::Type::Int32:
        return "i32";
    case PropertyBag::Type::Int16:
        return "i16";
    case PropertyBag::Type::Boolean:
        return "bool";
    case PropertyBag::Type::String:
        return "str";
    case PropertyBag::Type::Font:
        return "font";
    case PropertyBag::Type::Picture:
        return "pic";
    }
    return "str";
}

bool typeFromName(const QString &n, PropertyBag::Type &t) {
    static const QList<QPair<QString, PropertyBag::Type>> names{
        {QStringLiteral("i32"), PropertyBag::Type::Int32},
        {QStringLiteral("i16"), PropertyBag::Type::Int16},
        {QStringLiteral("bool"), PropertyBag::Type::Boolean},
        {QStringLiteral("str"), PropertyBag::Type::String},
        {QStringLiteral("font"), PropertyBag::Type::Font},
        {QStringLiteral("pic"), PropertyBag::Type::Picture}};
    for (const auto &p : names)
        if (p.first == n) {
            t = p.second;
            return true;
        }
    return false;
}

// Captions may hold line breaks and backslashes; keep each value on one line.
QString escape(const QString &s) {
    QString out;
    for (QChar c : s) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}

QString unescape(const QString &s) {
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('\\') && i + 1 < s.size()) {
            const QChar n = s[++i];
            out += n == QLatin1Char('r') ? QChar('\r') : n == QLatin1Char('n') ? QChar('\n') : n;
        } else {
            out += s[i];
        }
    }
    return out;
}

QString valueText(const PropertyBag::Entry &e) {
    switch (e.type) {
    case PropertyBag::Type::Int32:
    case PropertyBag::Type::Int16:
        return QString::number(e.value.toLongLong());
    case PropertyBag::Type::Boolean:
        return e.value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case PropertyBag::Type::String:
        return escape(e.value.toString());
    case PropertyBag::Type::Font:
        return fontToText(e.value.value<QFont>());
    case PropertyBag::Type::Picture:
        return e.value.value<KelPicture>().source;
    }
    return {};
}

} // namespace

QString WindowDesign::format() const {
    QString out = QStringLiteral("window ") + window + QLatin1Char('\n');
    for (const auto &b : buttons) {
        out += QStringLiteral("\nbutton %1 %2 %3 %4 %5\n")
                   .arg(b.name)
                   .arg(b.left)
                   .arg(b.top)
                   .arg(b.width)
                   .arg(b.height);
        for (const auto &e : b.bag.entries()) {
            const QString value = valueText(e);
            out +=
                QStringLiteral("  ") + e.key + QLatin1Char(' ') + QLatin1String(typeName(e.type));
            out += value.isEmpty() ? QStringLiteral("\n")
                                   : QLatin1Char(' ') + value + QLatin1Char('\n');
        }
        out += QStringLiteral("end\n");
    }
    return out;
}

bool WindowDesign::parse(const QString &text, WindowDesign &out, QString *error) {
    out = WindowDesign{};
    DesignedButton *current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    auto bad = [&](int line, const QString &why) {
        if (error) *error = QStringLiteral("line %1: %2").arg(line + 1).arg(why);
        return false;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
        if (!current && trimmed.startsWith(QLatin1String("window "))) {
            out.window = trimmed.mid(7);
        } else if (!current && trimmed.startsWith(QLatin1String("button "))) {
            const QStringList f = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (f.size() != 6)
                return bad(i, QStringLiteral("a button needs a name and four numbers"));
            DesignedButton b;
            b.name = f[1];
            bool ok[4];
            b.left = f[2].toInt(&ok[0]);
            b.top = f[3].toInt(&ok[1]);
            b.width = f[4].toInt(&ok[2]);
            b.height = f[5].toInt(&ok[3]);
            if (!(ok[0] && ok[1] && ok[2] && ok[3])) return bad(i, QStringLiteral("bad position"));
            out.buttons.append(b);
            current = &out.buttons.last();
        } else if (current && trimmed == QLatin1String("end")) {
            current = nullptr;
        } else if (current) {
            const QString body = line.mid(2);
            const int s1 = body.indexOf(QLatin1Char(' '));
            const int s2 = s1 < 0 ? -1 : body.indexOf(QLatin1Char(' '), s1 + 1);
            const QString key = body.left(s1);
            const QString type = s1 < 0 ? QString() : body.mid(s1 + 1, s2 < 0 ? -1 : s2 - s1 - 1);
            const QString value = s2 < 0 ? QString() : body.mid(s2 + 1);
            PropertyBag::Type t;
            if (key.isEmpty() || !typeFromName(type, t))
                return bad(i, QStringLiteral("unknown value type"));
            QVariant v;
            switch (t) {
            case PropertyBag::Type::Int32:
                v = value.toInt();
                break;
            case PropertyBag::Type::Int16:
                v = QVariant::fromValue<qint16>(qint16(value.toInt()));
                break;
            case PropertyBag::Type::Boolean:
                v = value == QLatin1String("True");
                break;
            case PropertyBag::Type::String:
                v = unescape(value);
                break;
            case PropertyBag::Type::Font:
                v = QVariant::fromValue(fontFromText(value));
                break;
            case PropertyBag::Type::Picture:
                v = QVariant::fromValue(value.isEmpty() ? KelPicture{}
                                                        : KelPicture::fromResource(value));
                break;
            }
            current->bag.write(key, t, v);
        } else {
            return bad(i, QStringLiteral("unexpected text"));
        }
    }
    if (current) return bad(int(lines.size()) - 1, QStringLiteral("a button is not ended"));
    return true;
}

bool WindowDesign::load(const QString &path, WindowDesign &out, QString *error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return false;
    }
    return parse(QString::fromUtf8(f.readAll()), out, error);
}
