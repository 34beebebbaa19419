#include "files/window/recentmenu.h"

#include "files/recentfiles.h"
#include "widgets/application.h"

#include <QFileInfo>
#include <QMenu>

RecentMenu::RecentMenu(Application& app, QMenu* menu) : QObject(menu), app_(app), menu_(menu)
{
    setObjectName(QStringLiteral("recentMenu"));
    menu_->setToolTipsVisible(true);
    // Filled as it opens: nothing is read at start-up.
    connect(menu_, &QMenu::aboutToShow, this, app_.guarded(this, &RecentMenu::fill));
}

void RecentMenu::fill()
{
    menu_->clear();
    const QStringList paths = RecentFiles::paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths.at(i);
        // "&1 plan.ai": the number is the access key; '&' in a name is
        // shown as itself.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = menu_->addAction(tr("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(path);
        action->setStatusTip(path);
        // A file that is gone stays listed, as the user knew it, but cannot
        // be chosen.
        action->setEnabled(QFileInfo::exists(path));
        connect(
            action, &QAction::triggered, this, [this, path] { emit chosen(path); }, Qt::QueuedConnection);
    }
    if (!paths.isEmpty())
        menu_->addSeparator();
    QAction* clear = menu_->addAction(tr("&Clear List"));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        app_.guard([this] {
            RecentFiles::clear();
            fill();
        });
    });
}
