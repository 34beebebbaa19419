#include "about/window/helpwindow.h"
#include "widgets/besideowner.h"

#include <QKeySequence>
#include <QPushButton>
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
    placement_ = new BesideOwner(this, QSize(620, 520), QSize(320, 240));
}

void HelpWindow::showDocument(const QString& path, const QWidget* beside)
{
    contents_->setSource(QUrl::fromLocalFile(path));
    placement_->place(beside);
    show();
    raise();
    activateWindow();
    contents_->setFocus(Qt::OtherFocusReason);
}
