#include "ViewSizeChoice.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "Settings.h"

ViewSizeChoice::ViewSizeChoice(LobbySeam &lobby)
    : Addition(lobby, QStringLiteral("viewSizeChoice")) {
    const std::pair<QString, int> items[] = {{tr("Lar&ger View\tCtrl++"), +1},
                                             {tr("Smalle&r View\tCtrl+-"), -1},
                                             {tr("Desktop's View Si&ze"), 0}};
    for (const auto &[caption, step] : items) {
        lobby.addListMenuItem(caption, [this, step = step] { choose(step); });
        lobby.addSolveMenuItem(caption, {}, [this, step = step] { choose(step); });
    }
    for (const auto &[key, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Plus), +1},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_Equal), +1},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_Minus), -1}})
        lobby.addKey(key, [this, step = step] { choose(step); });
}

int ViewSizeChoice::Stepped(int size, int step) {
    if (step == 0) return 0;
    const int from = size == 0 ? 100 : size;
    int to = from;
    for (int s : Settings::ViewSizes)
        if (step > 0 ? (s > from && (to == from || s < to)) : (s < from && (to == from || s > to)))
            to = s;
    return to;
}

void ViewSizeChoice::choose(int step) {
    const int now = Settings::ViewSize(), size = Stepped(now, step);
    Settings::Save(Settings::Keys::ViewSize, QString::number(size));
    QString text = size == 0
                       ? tr("From the next start, Cipherly's windows follow the desktop's "
                            "scaling.")
                       : tr("From the next start, Cipherly's windows are shown at %1 %.").arg(size);
    if (size == now && step > 0) text = tr("200 % is the largest view.\n\n") + text;
    if (size == now && step < 0)
        text = tr("100 %, the designed size, is the smallest view.\n\n") + text;
    dialogs::message(lobby.window(), AppInfo::Title, text, dialogs::Icon::Information);
}
