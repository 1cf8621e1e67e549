#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QVariant>

// A button picture: a bitmap, or an icon whose see-through parts take the
// button's mask colour when drawn. `source` is where it was loaded from, so a
// design can be saved back as it was read.
struct KelPicture {
    QImage image;
    // The same picture painted for screens scaled twice or more; may be empty.
    QImage image2x;
    bool isIcon = false;
    QString source;

    bool isSet() const { return !image.isNull(); }
    // The artwork to draw at `scale` device pixels per pixel.
    const QImage &imageFor(int scale) const {
        return scale >= 2 && !image2x.isNull() ? image2x : image;
    }
    static KelPicture fromResource(const QString &path);
    bool operator==(const KelPicture &o) const {
        return source == o.source && isIcon == o.isIcon && image == o.image;
    }
};
Q_DECLARE_METATYPE(KelPicture)

// The typed, ordered property store a button saves itself to and loads from.
class PropertyBag {
public:
    enum class Type { Int32, Int16, Boolean, String, Font, Picture };
    struct Entry {
        QString key;
        Type type;
        QVariant value;
    };

    void write(const QString &key, Type type, const QVariant &value);
    bool contains(const QString &key) const;
    // The stored value, or `fallback` when the key is missing.
    QVariant read(const QString &key, const QVariant &fallback) const;
    const QList<Entry> &entries() const { return m_entries; }
    bool operator==(const PropertyBag &o) const;

private:
    QList<Entry> m_entries;
};

// One window's design: each button's name, place (twips) and property store.
struct DesignedButton {
    QString name;
    int left = 0, top = 0, width = 0, height = 0;
    PropertyBag bag;
};

struct WindowDesign {
    QString window;
    QList<DesignedButton> buttons;

    const DesignedButton *find(const QString &name) const;

    // The text form of a design file; parse(format(d)) gives d back, and a
    // file written by format reads and formats back byte for byte.
    QString format() const;
    static bool parse(const QString &text, WindowDesign &out, QString *error = nullptr);
    static bool load(const QString &path, WindowDesign &out, QString *error = nullptr);
};

QString fontToText(const QFont &f);
QFont fontFromText(const QString &text);
