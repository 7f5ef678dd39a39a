#include "shell/MainLayout.h"

namespace kelvra {

QHash<QString, QPoint> backdropPositions(int w, int h, const QHash<QString, QSize>& sizes)
{
    struct Rule
    {
        const char* name;
        int top;
    };
    const Rule rules[] = {
        {"Image1", h / 2 - 155},      {"Label13", h / 2 - 68}, {"Label16", h - 172},
        {"ProgressBar1", h - 152},    {"Label7", h - 132},     {"logon_panel", h / 2 - 95},
        {"chapwd_panel", h / 2 - 95},
    };
    QHash<QString, QPoint> positions;
    for (const Rule& rule : rules) {
        const QString name = QLatin1String(rule.name);
        if (sizes.contains(name))
            positions.insert(name, QPoint(w / 2 - sizes.value(name).width() / 2, rule.top));
    }
    return positions;
}

MainWindowSize mainWindowSize(QSize screen)
{
    const QSize initial(screen.width(), screen.height() - 50);
    return {initial, QSize(initial.width(), initial.height() + 50), QSize(681, 395)};
}

QPoint centredIn(int w, int h, QSize size)
{
    return QPoint(w / 2 - size.width() / 2, h / 2 - size.height() / 2);
}

QPoint signOnPanelPosition(int w, int h, QSize size)
{
    return QPoint(w / 2 - size.width() / 2, h / 3 - size.height() / 2);
}

} // namespace kelvra
