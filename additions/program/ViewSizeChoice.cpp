#include "ViewSizeChoice.h"

#include "Announcer.h"
#include "AppInfo.h"
#include "Dialogs.h"
#include "Settings.h"
#include "ViewZoom.h"

ViewSizeChoice::ViewSizeChoice(LobbySeam &lobby)
    : Addition(lobby, QStringLiteral("viewSizeChoice")) {
    const std::pair<QString, int> items[] = {{tr("Lar&ger View\tCtrl++"), +1},
                                             {tr("Smalle&r View\tCtrl+-"), -1},
                                             {tr("Designed View (&100 %)\tCtrl+0"), Designed},
                                             {tr("Desktop's View Si&ze"), 0}};
    for (const auto &[caption, step] : items) {
        lobby.addListMenuItem(caption, [this, step = step] { choose(step); });
        lobby.addSolveMenuItem(caption, {}, [this, step = step] { choose(step); });
    }
    for (const auto &[key, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Plus), +1},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_Equal), +1},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_Minus), -1},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_0), int(Designed)}})
        lobby.addKey(key, [this, step = step] { choose(step); });
}

int ViewSizeChoice::Stepped(int size, int step) {
    if (step == 0) return 0;
    if (step == Designed) return 100;
    const int from = size == 0 ? 100 : size;
    int to = from;
    for (int s : Settings::ViewSizes)
        if (step > 0 ? (s > from && (to == from || s < to)) : (s < from && (to == from || s > to)))
            to = s;
    return to;
}

void ViewSizeChoice::choose(int step) {
    const int now = Settings::ViewSize(), size = Stepped(now, step);
    QWidget *window = lobby.window();
    if (size == now && (step == +1 || step == -1)) {
        dialogs::message(window, AppInfo::Title,
                         step > 0 ? tr("200 % is the largest view.")
                                  : tr("100 %, the designed size, is the smallest view."),
                         dialogs::Icon::Information);
        return;
    }
    Settings::Save(Settings::Keys::ViewSize, QString::number(size));
    viewzoom::apply(size);
    if (!m_announcer) m_announcer = new Announcer(lobby.window());
    if (size == 0 && !viewzoom::followsDesktop()) {
        // The desktop's scale was switched off for the player's size.
        dialogs::message(window, AppInfo::Title,
                         tr("From the next start, Cipherly's windows follow the desktop's "
                            "scaling."),
                         dialogs::Icon::Information);
        return;
    }
    m_announcer->say(size == 0 ? tr("View size as the desktop's") : tr("View size %1 %").arg(size));
}
