// The main window's saved placement and the layout of its bars.
#include "ui/app/FramePlacement.h"

#include "core/app/MainWindowPlacement.h"
#include "core/config/GeneralConfig.h"
#include "core/platform/Profile.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <optional>
#include <vector>

namespace velto {

void SaveFramePlacement(const QMainWindow& window, Profile& profile) {
    WPlacementObj p;
    const bool minimised = window.isMinimized();
    const bool maximised = (window.windowState() & Qt::WindowMaximized) != 0;
    p.showCommand = minimised   ? WPlacementObj::Minimised
                    : maximised ? WPlacementObj::Maximised
                                : WPlacementObj::Normal;
    if (minimised && maximised)
        p.flags = 2; // comes back maximised
    QRect normal = (minimised || maximised) ? window.normalGeometry() : window.geometry();
    if (!normal.isValid())
        normal = window.geometry();
    p.left = normal.x();
    p.top = normal.y();
    p.right = normal.x() + normal.width();
    p.bottom = normal.y() + normal.height();
    profile.WriteString(CGeneralConfig::Section, MainWindowKey, p.Format());
}

bool RestoreFramePlacement(QMainWindow& window, const Profile& profile, bool startedMinimised) {
    std::vector<PlacementRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        screens.push_back({r.x(), r.y(), r.x() + r.width(), r.y() + r.height()});
    }
    const std::optional<PlacementPlan> plan = PlanPlacementRestore(
        profile.GetString(CGeneralConfig::Section, MainWindowKey, ""), startedMinimised, screens);
    if (!plan)
        return false;
    window.setGeometry(plan->normal.left, plan->normal.top, plan->normal.Width(), plan->normal.Height());
    ShowFrameWithCommand(window, plan->showCommand);
    return true;
}

void ShowFrameWithCommand(QMainWindow& window, std::uint32_t showCommand) {
    switch (showCommand) {
    case WPlacementObj::Hidden:
        window.hide();
        break;
    case WPlacementObj::Minimised:
        window.showMinimized();
        break;
    case WPlacementObj::Maximised:
        window.showMaximized();
        break;
    default:
        window.showNormal();
        break;
    }
}

void SaveFrameBarState(const QMainWindow& window, Profile& profile) {
    const QByteArray state = window.saveState();
    profile.WriteBinary(MainWindowKey, "BarState", Bytes(state.begin(), state.end()));
}

bool LoadFrameBarState(QMainWindow& window, const Profile& profile) {
    const std::optional<Bytes> state = profile.GetBinary(MainWindowKey, "BarState");
    if (!state)
        return false;
    return window.restoreState(QByteArray(reinterpret_cast<const char*>(state->data()),
                                          static_cast<qsizetype>(state->size())));
}

} // namespace velto
