#include "about/window/helpwindow.h"
#include "model/placement.h"

#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Help"));
    setAccessibleName(tr("Help"));
    contents_ = new QTextBrowser(this);
    contents_->setObjectName(QStringLiteral("helpContents"));
    contents_->setAccessibleName(tr("Help contents"));
    contents_->setOpenExternalLinks(true);
    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setObjectName(QStringLiteral("helpClose"));
    closeButton_->setAccessibleName(tr("Close"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(contents_);
    layout->addWidget(closeButton_, 0, Qt::AlignRight);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    // Escape, Ctrl+W and the platform's own key for closing a window.
    QList<QKeySequence> closing{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Close))
        if (!closing.contains(keys))
            closing << keys;
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(closing);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    resize(620, 520);
}

void HelpWindow::showDocument(const QString& path, const QWidget* beside)
{
    contents_->setSource(QUrl::fromLocalFile(path));
    if (!isVisible())
        placeBeside(beside);
    show();
    raise();
    activateWindow();
    contents_->setFocus(Qt::OtherFocusReason);
}

// Beside the window it was asked from, as the tool windows go. The frame
// is not known before the window is first shown: the main window's is
// taken for it.
void HelpWindow::placeBeside(const QWidget* anchor)
{
    if (!anchor || !anchor->screen())
        return;
    const QSize frame = anchor->frameGeometry().size() - anchor->geometry().size();
    const QRect place =
        ::placeBeside(anchor->frameGeometry(), size() + frame, anchor->screen()->availableGeometry());
    move(place.topLeft());
}
