#pragma once

#include "PropertyBag.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QShortcut;
class KelButton;

// What the window hosting a button tells it about its surroundings.
class KelButtonHost {
public:
    virtual ~KelButtonHost() = default;
    // The name a freshly placed button takes as its caption.
    virtual QString displayName(const KelButton &button) const;
    virtual QFont font(const KelButton &button) const;
    // Design mode couples BackOver to BackColor and ForeOver to ForeColor.
    virtual bool userMode() const { return true; }
    // Whether this button is the window's default button.
    virtual bool displayAsDefault(const KelButton &) const { return false; }

    // The host for windows that have nothing to say.
    static KelButtonHost &standard();
};

// The owner-drawn push button used for every button of the program. Colours
// are colour references 0x00BBGGRR, or 0x80000000 + a system colour index.
class KelButton : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *ClassId = "Cipherly.KelButton";

    enum Style { Rounded = 3, SeeThrough = 11, Soft3D = 14, Flat = 2 };
    enum Scheme { SystemColors = 1, CustomColors = 2, ClassicGrey = 3, ContainerColors = 4 };
    enum Position {
        PictureLeft = 0,
        PictureRight = 1,
        PictureTop = 2,
        PictureBottom = 3,
        PictureBehind = 4
    };
    enum Effect { NoEffect = 0, Raised = 1, Sunken = 2, DropShadow = 3 };
    enum DrawState : quint8 { Up = 0, Down = 2 };
    enum PictureMode { PictureNormalMode, PicturePressedMode, PictureDisabledMode };

    explicit KelButton(QWidget *parent = nullptr, KelButtonHost *host = nullptr);
    ~KelButton() override;

    // A button placed with no saved state.
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // Properties.
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 c);
    quint32 BackOver() const { return m_backOver; }
    void setBackOver(quint32 c);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 c);
    quint32 ForeOver() const { return m_foreOver; }
    void setForeOver(quint32 c);
    quint32 MaskColor() const { return m_maskColor; }
    void setMaskColor(quint32 c);
    qint32 ButtonType() const { return m_buttonType; }
    void setButtonType(qint32 t);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // A caption of several lines, broken where the button breaks them, from
    // lines ended by plain line ends (as a translation gives them).
    static QString CaptionLines(QString lines);
    bool Enabled() const { return m_enabled; }
    void setEnabledProperty(bool on);
    QFont Font() const { return font(); }
    void setFontProperty(const QFont &f);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool on);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool on);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    qint16 FontSize() const;
    void setFontSize(qint16 points);
    QString FontName() const { return font().family(); }
    void setFontName(const QString &name);
    qint32 ColorScheme() const { return m_colorScheme; }
    void setColorScheme(qint32 s);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool on);
    qint16 MousePointer() const { return m_mousePointer; }
    void setMousePointer(qint16 code);
    KelPicture MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const KelPicture &icon);
    qint32 hwnd() const;
    bool SoftBevel() const { return m_softBevel; }
    void setSoftBevel(bool on);
    KelPicture PictureNormal() const { return m_pictureNormal; }
    void setPictureNormal(const KelPicture &p);
    KelPicture PictureOver() const { return m_pictureOver; }
    void setPictureOver(const KelPicture &p);
    qint32 PicturePosition() const { return m_picturePosition; }
    void setPicturePosition(qint32 p);
    bool UseMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool on);
    bool UseGreyscale() const { return m_useGreyscale; }
    void setUseGreyscale(bool on);
    qint32 SpecialEffect() const { return m_specialEffect; }
    void setSpecialEffect(qint32 fx);
    bool CheckBoxBehaviour() const { return m_checkBox; }
    void setCheckBoxBehaviour(bool on);
    bool Value() const { return m_value; }
    void setValue(bool on);
    static QString Version() { return QStringLiteral("w2005.08.15"); }

    void Refresh();

    // Presses the button as its access key does: clicks it when enabled.
    void PerformClick();

    // A button of a window's design: its place (twips) and saved state.
    static KelButton *fromDesign(const WindowDesign &design, const QString &name, QWidget *parent,
                                 KelButtonHost *host = nullptr);

    // Draws the look the button has with these flags, then forgets them: the
    // gallery shows every state side by side this way.
    void DrawLook(bool hover, bool focus, quint8 state);

    // Host extenders the windows use.
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    // Whether this button is pressed by the window's Esc key.
    bool Cancel() const { return m_cancel; }
    void setCancel(bool on) { m_cancel = on; }
    void setHost(KelButtonHost *host) { m_host = host ? host : &KelButtonHost::standard(); }
    // Whether the window shows this button as its default one.
    bool isDefault() const { return m_host->displayAsDefault(*this); }
    // The host reports a change of an ambient fact (font, default button...).
    void AmbientChanged();

    // The character that, with Alt, clicks the button; null when none.
    QChar accessKey() const { return m_accessKey; }
    static QChar AccessKeyOf(const QString &caption);

    // What has been drawn, as the surface keeps it.
    const QImage &surface() const { return m_surface; }

    // Derived drawing state, for the gallery and tests.
    struct Colours {
        quint32 face = 0, light = 0, highlight = 0, shadow = 0, text = 0, textOver = 0, maskRGB = 0,
                tint = 0;
    };
    const Colours &colours() const { return m_c; }
    QRect faceRect() const { return m_faceRect; }
    QRect captionRect() const { return m_captionRect; }
    QRect shiftedCaptionRect() const { return m_shiftedCaptionRect; }
    QPoint picturePos() const { return {m_pictureX, m_pictureY}; }
    QSize pictureSize() const { return {m_pictureWidth, m_pictureHeight}; }
    bool isHover() const { return m_isHover; }
    bool hasFocusFlag() const { return m_hasFocus; }
    quint8 lastState() const { return m_lastState; }
    bool overTimerActive() const { return m_overTracking; }
    bool hasCaptureSurface() const { return !m_capture.isNull(); }
    // The caption's size as the layout measures it, in the surface's font.
    virtual QSize measureCaption(const QRect &within) const;

    // Colour helpers, exact to the pixel.
    quint32 ShadeColor(quint32 c, int d, bool scaleBlue) const;
    static quint32 TranslateColor(quint32 ref);
    static QRgb toRgb(quint32 bgr) {
        return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    static quint32 fromRgb(QRgb c) {
        return quint32(qRed(c)) | quint32(qGreen(c)) << 8 | quint32(qBlue(c)) << 16;
    }
    // Whether the pointer is over this button's own, uncut pixels, as the
    // toolkit last told (the pointer's moves, its coming in and going out).
    bool IsMouseOver() const;

signals:
    void Click();
    void MouseDown(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseMove(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseUp(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void KeyPress(qint16 &KeyAscii);
    void KeyDown(qint16 &KeyCode, qint16 &Shift);
    void KeyUp(qint16 &KeyCode, qint16 &Shift);
    void MouseOver();
    void MouseIn();
    void MouseOut();
    // Persistent state changed; `name` says which ("BCOL", "TX", ...).
    void PropertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;
    void focusInEvent(QFocusEvent *) override;
    void focusOutEvent(QFocusEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void mouseDoubleClickEvent(QMouseEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void keyReleaseEvent(QKeyEvent *) override;
    bool event(QEvent *) override;

private:
    // Painting.
    void DrawButton(quint8 state, bool force);
    void ApplyColorScheme();
    void ResizeHandling();
    void LayoutCaption();
    void PlacePicture();
    void MeasurePicture();
    QRegion BuildRegion() const;
    void DrawBox(int x, int y, int w, int h, quint32 colour, bool frameOnly);
    void DrawLine(int x1, int y1, int x2, int y2, quint32 colour);
    void DrawDot(int x, int y, quint32 colour);
    void fillCell(int x, int y, QRgb c);
    // Device pixels per pixel of the drawing on this button's screen.
    int deviceScale() const;
    void DrawBevel(quint32 topLeft, quint32 bottomRight);
    void DrawFocus();
    void DrawCaption(quint8 style);
    void DrawCaptionEffect(const QRect &r);
    void drawCaptionText(const QRect &r, quint32 colour);
    void Ramp(quint32 base, int span, bool scaleBlue, bool fromBottom = false);
    quint32 Tint(int k) const { return ShadeColor(m_c.tint, k, true); }
    void drawUp();
    void drawDown();
    void drawDisabled();
    void drawRoundedRing();
    void copyCapture();

    // Pictures.
    void DrawPicture(PictureMode mode);
    void DrawPictureEffect(int offset, const KelPicture &picture);
    void BlitPicture(int x, int y, int w, int h, const KelPicture &picture, quint32 transparent,
                     qint64 silhouette, bool threshold, bool grey);
    void CaptureBackground();

    // Font attribute setters share this: change, lay out, redraw; no notification.
    void changeFont(const std::function<void(QFont &)> &change);

    // Input.
    void applyPointer();
    void UpdateAccessKey();
    void mousePressed(qint16 button, qint16 shift, float x, float y);
    void ClickHandling();
    void OverTimerTick();
    void showNow();
    static qint16 shiftCode(Qt::KeyboardModifiers m);
    static qint16 buttonCode(Qt::MouseButtons b);
    static qint16 keyCode(const QKeyEvent *e);

    void redrawLast() { DrawButton(m_lastState, true); }
    void notify(const char *name) { emit PropertyChanged(QString::fromLatin1(name)); }

    KelButtonHost *m_host;

    qint32 m_buttonType = 0;
    qint32 m_colorScheme = 0;
    qint32 m_picturePosition = 0;
    qint32 m_specialEffect = 0;
    quint32 m_backColor = 0, m_backOver = 0, m_foreColor = 0, m_foreOver = 0, m_maskColor = 0;
    bool m_useMaskColor = false, m_useGreyscale = false, m_softBevel = false,
         m_showFocusRect = false;
    bool m_enabled = false, m_checkBox = false, m_value = false;
    QString m_caption;
    KelPicture m_pictureNormal, m_pictureOver, m_mouseIcon;
    qint16 m_mousePointer = 0;
    QString m_tag;
    bool m_cancel = false;

    Colours m_c;
    int m_w = 0, m_h = 0;
    QRect m_faceRect, m_captionRect, m_shiftedCaptionRect;
    int m_pictureX = 0, m_pictureY = 0, m_pictureWidth = 0, m_pictureHeight = 0;
    QImage m_surface;
    int m_scale = 1;
    QImage m_capture;
    quint8 m_lastState = 0;
    QString m_lastCaption;
    quint8 m_lastCaptionStyle = 0;
    bool m_isShown = true;
    bool m_isHover = false;
    bool m_hasFocus = false;
    bool m_isCapturing = false;
    quint8 m_pressButton = 0;
    quint8 m_pressKey = 0;
    bool m_afterDoubleClick = false;
    // The design's hover timer, which asks 333 times a second whether the
    // pointer has gone: here it "runs" from the hover's start, and its tick
    // comes when the toolkit says the pointer went (a leave, or a move off
    // the button's own pixels), so a resting pointer costs nothing.
    bool m_overTracking = false;
    QPoint m_pointer{-1, -1}; // the pointer's last place on the button, as the toolkit told
    QChar m_accessKey;
    QShortcut *m_shortcut = nullptr;
};
